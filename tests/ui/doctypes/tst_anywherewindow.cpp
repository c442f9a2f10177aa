// The anywhere window with every controller attached: writing adds texts where the picture is
// pressed (untouched ones give way), typing, moving a text by its label, the resize handle, the
// font panel and the text colours, each change one undo step; toolbar buttons end editing first.

#include "core/doctypes/anywhere.h"
#include "core/pictures/painttables.h"
#include "support/windowfixture.h"
#include "ui/doctypes/anywheretexts.h"
#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/pageview.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/pictureboxwidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace quillora;

namespace {

struct AnywhereFixture : DocumentWindowFixture<AnywhereWindow> {
    AnywhereFixture()
    {
        wire();
        context.page.documentType = DocumentKind::Anywhere;
        window->startDocument({});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    PictureBoxWidget *picture() const { return pictureBox(0); }
    const QVector<FloatingTextModel> &texts() const { return context.page.floatingTexts; }

    // The text tool, then a press on the picture.
    void write(QPoint at)
    {
        QTest::mouseClick(window->writeButton(), Qt::LeftButton);
        QTest::mouseClick(picture(), Qt::LeftButton, {}, at);
    }
};

void drag(QWidget *widget, QPoint travel)
{
    dragBy(widget, widget->rect().center(), travel);
}

} // namespace

class AnywhereWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsCarryTheirNames()
    {
        AnywhereFixture f;
        for (const char *name :
             {"anyWhereForm", "PicBox", "picBorder", "selectBox", "TextResizeHandle",
              "floatFontBut", "floatMenu", "fontTypeBut4", "dumPal", "abcBut"})
            QVERIFY2(f.window->objectName() == name || f.window->findChild<QWidget *>(name), name);
        QCOMPARE(f.picture()->size(), anywherePictureRect(f.context.page).size());
    }

    void pressesWriteTypingIsKeptAndUndone()
    {
        AnywhereFixture f;
        f.write({100, 100});
        QVERIFY(f.window->isWriting());
        QTest::mouseClick(f.picture(), Qt::LeftButton, {}, {300, 200});
        QCOMPARE(f.texts().size(), 2); // slot 0 and the one new text
        QCOMPARE(f.texts()[1].geometry.x(), 300);

        QLineEdit *box = f.window->texts()->textBox(1);
        QVERIFY(box->isVisible() && box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("Hi"));
        QCOMPARE(f.texts()[1].text, QStringLiteral("Hi"));
        QVERIFY(!f.texts()[1].newby);
        QVERIFY(f.context.page.hasUnsavedChanges());

        emit f.window->undoRequested();
        QCOMPARE(f.texts()[1].text, QStringLiteral("H"));
        emit f.window->undoRequested();
        QVERIFY(!isFloatingText(f.context.page, 1));
        QVERIFY(!f.window->texts()->label(1)->isVisible());
    }

    void toolbarAndPaintingEndEditing()
    {
        AnywhereFixture f;
        f.write({100, 100});
        QVERIFY(isFloatingText(f.context.page, 1));
        emit f.window->saveRequested();
        QVERIFY(!isFloatingText(f.context.page, 1));
        QVERIFY(!f.window->texts()->selectionFrame()->isVisible());

        f.write({100, 100});
        QTest::keyClicks(f.window->texts()->textBox(1), QStringLiteral("sun"));
        emit f.window->feltPensRequested();
        QVERIFY(f.window->texts()->label(1)->isVisible());
        QVERIFY(!f.window->texts()->textBox(1)->isVisible());
    }

    void labelMovesHandleSizesPanelChoosesFont()
    {
        AnywhereFixture f;
        f.write({100, 100});
        QTest::keyClicks(f.window->texts()->textBox(1), QStringLiteral("moon"));
        f.window->endEditing();
        const FloatingTextModel before = f.texts()[1];

        drag(f.window->texts()->label(1), {60, 40});
        QCOMPARE(f.texts()[1].geometry.topLeft(), before.geometry.topLeft() + QPoint(60, 40));
        QCOMPARE(f.texts()[1].style, before.style);
        QVERIFY(f.window->texts()->textBox(1)->isVisible());

        drag(f.window->texts()->resizeHandle(), {200, 120});
        QVERIFY(f.texts()[1].style.fontSize > before.style.fontSize);

        QTest::mouseClick(f.window->texts()->fontButton(), Qt::LeftButton);
        QVERIFY(f.window->texts()->fontPanel()->isVisible());
        QTest::mouseClick(f.window->findChild<QLabel *>("fontTypeBut1"), Qt::LeftButton);
        QCOMPARE(f.texts()[1].style.fontName, kAnywhereFonts[1]);
        QVERIFY(!f.window->texts()->fontPanel()->isVisible());

        f.window->texts()->edit(1, true);
        QTest::mouseClick(f.window->findChild<QLabel *>("textColour1"), Qt::LeftButton);
        QCOMPARE(f.texts()[1].style.colour, ColourRef(0x0000FF));
        const double size = f.texts()[1].style.fontSize;
        emit f.window->textBiggerRequested();
        QCOMPARE(f.texts()[1].style.fontSize, std::round(size) + 2);
        emit f.window->undoRequested();
        QCOMPARE(f.texts()[1].style.fontSize, size);
        emit f.window->undoRequested();
        QCOMPARE(f.texts()[1].style.colour, ColourRef(0));
    }
};

QTEST_MAIN(AnywhereWindowTest)
#include "tst_anywherewindow.moc"
