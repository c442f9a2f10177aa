// How the texts of a window look with their tools: the rich text toolbar over a news page, the
// keyboard and the string, and the font dialog with its preview. Set QUILLORA_SCREENSHOT_DIR to
// keep the drawings as PNG files for a person to look at.

#include "textfixture.h"
#include "ui/text/fontform.h"
#include "ui/text/onscreenkeyboardwidget.h"
#include "ui/text/pullstring.h"
#include "ui/text/richtexttoolbar.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>

using namespace quillora;

namespace {

void keep(const QImage &shot, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(shot.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

int pixelsNear(const QImage &image, const QColor &colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) <= tolerance &&
                qAbs(pixel.green() - colour.green()) <= tolerance &&
                qAbs(pixel.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}

} // namespace

class TestTextLook : public QObject {
    Q_OBJECT

private slots:
    void windowWithTextTools();
    void fontDialogPreview();
};

void TestTextLook::windowWithTextTools()
{
    TextFixture f(0, 0, 10);
    f.context.settings.useIWBkeyBd = true;
    f.context.settings.useIWBstring = true;
    QVERIFY(f.window->loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/showcase.xml")));
    f.context.page.documentType = 10;
    f.text->pageShown();
    f.window->show();
    QTest::mouseClick(f.textBox(0)->viewport(), Qt::LeftButton);
    QTest::keyClicks(f.textBox(0), QStringLiteral("Our trip to the seaside, with a long title"));
    QTest::mouseClick(f.richBox(0)->viewport(), Qt::LeftButton);
    QTest::keyClicks(f.richBox(0), QStringLiteral("We found shells and a crab. "));
    QTextCursor first = f.richBox(0)->textCursor();
    first.setPosition(3);
    first.setPosition(8, QTextCursor::KeepAnchor);
    f.richBox(0)->setTextCursor(first);
    QTest::mouseClick(f.text->richTextToolbar()->findChild<QWidget *>("boldCheck"), Qt::LeftButton);
    // The last box is typed into with the on-screen keyboard.
    f.context.page.current = CurrentObject{QStringLiteral("t"), 1};
    for (int key : {26, 16, 40, 22, 18, 40, 29, 15, 20})
        f.text->keyboard()->keyButton(key)->click();

    const QImage shot = f.window->grab().toImage();
    keep(shot, QStringLiteral("text-window"));
    f.text->richTextToolbar()->findChild<QAbstractButton *>("curPenColBlock")->click();
    keep(f.text->richTextToolbar()->colourDropDown()->grab().toImage(), QStringLiteral("colours"));
    f.text->richTextToolbar()->colourDropDown()->hide();
    // Nothing of the tools hangs outside the window, and the toolbar does not cover the
    // main toolbar's buttons.
    for (QWidget *tool :
         {static_cast<QWidget *>(f.text->richTextToolbar()),
          static_cast<QWidget *>(f.text->keyboard()), f.text->pullString()->handle()})
        QVERIFY(f.window->rect().contains(tool->geometry()));
    QVERIFY(f.text->richTextToolbar()->y() >= 64);
    QVERIFY(f.text->richTextToolbar()->geometry().right() < f.text->pullString()->string()->x());
    // The title shrank to fit its single box width and the keyboard shows its purple keys.
    QVERIFY(f.context.page.textBoxes[0].style.fontSize < 9 * f.context.page.scale);
}

void TestTextLook::fontDialogPreview()
{
    AppContext context{Environment{}};
    TextBoxModel box;
    box.text = QStringLiteral("Sunflowers");
    box.geometry = QRect(0, 0, 400, 200);
    FontForm form(context, box);
    form.chooseFont(1);
    form.chooseSize(40);
    form.choosePen(1);
    form.show();
    const QImage shot = form.grab().toImage();
    keep(shot, QStringLiteral("font-dialog"));
    const QImage preview = form.previewHolder()->grab().toImage();
    // The preview is written in the chosen pen's colour.
    QVERIFY(pixelsNear(preview, toQColor(FontForm::penColours()[1]), 40) > 50);
}

QTEST_MAIN(TestTextLook)
#include "tst_textlook.moc"
