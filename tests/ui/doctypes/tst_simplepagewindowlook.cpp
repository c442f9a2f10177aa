// How the single-page window looks: every toolbar button shows its picture in the house style
// (bright palette colours inside dark outlines), and the window draws a real page on its paper.

#include "core/app/appcontext.h"
#include "ui/app/picturebutton.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/simplepagewindow.h"

#include <QTest>

#include <algorithm>
#include <iterator>

using namespace quillora;

namespace {

// Ink and the dark of each palette colour: every shape has one of them round it.
const QColor kOutlines[] = {QColor(0x1B, 0x2A, 0x4A), QColor(0x17, 0x70, 0x1A),
                            QColor(0x8C, 0x15, 0x18), QColor(0x13, 0x5C, 0x96)};

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestSimplePageWindowLook : public QObject {
    Q_OBJECT

private slots:
    void buttonPictures_data();
    void buttonPictures();
    void windowWithPage();
};

void TestSimplePageWindowLook::buttonPictures_data()
{
    QTest::addColumn<int>("action");
    for (int action = int(ToolbarAction::New); action <= int(ToolbarAction::Exit); ++action)
        QTest::addRow("%d", action) << action;
}

void TestSimplePageWindowLook::buttonPictures()
{
    QFETCH(int, action);

    AppContext context{Environment{}};
    SimplePageWindow window(context);
    PictureButton *button = window.toolbar()->button(ToolbarAction(action));
    QVERIFY(button);

    QImage drawn(button->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    button->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);

    int covered = 0;
    int outline = 0;
    int bright = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            if (pixel.alpha() < 200)
                continue;
            ++covered;
            if (std::any_of(std::begin(kOutlines), std::end(kOutlines),
                            [&pixel](const QColor &dark) { return near(pixel, dark, 24); }))
                ++outline;
            else if (pixel.hsvSaturation() > 150 && pixel.value() > 150)
                ++bright;
        }
    }
    const int area = drawn.width() * drawn.height();
    QVERIFY2(covered > area / 4, qPrintable(button->objectName()));
    QVERIFY2(outline > area / 20, qPrintable(button->objectName()));
    QVERIFY2(bright > area / 20, qPrintable(button->objectName()));
}

void TestSimplePageWindowLook::windowWithPage()
{
    const QSize screen(1280, 800);
    Environment environment;
    environment.screen.widthPx = screen.width();
    environment.screen.heightPx = screen.height();
    AppContext context(environment);
    SimplePageWindow window(context);
    QVERIFY(window.loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/showcase.xml")));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.size(), screen);
    const QRect paper = window.pageView()->geometry();
    QCOMPARE(shot.pixelColor(paper.left() + 4, paper.bottom() - 4), QColor(Qt::white));
    QVERIFY(shot.pixelColor(paper.left() - 4, paper.top() + 4) != QColor(Qt::white));
}

QTEST_MAIN(TestSimplePageWindowLook)
#include "tst_simplepagewindowlook.moc"
