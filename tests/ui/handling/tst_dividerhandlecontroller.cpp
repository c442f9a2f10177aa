// Divider handles on the single-page window: dragging a square moves the boxes beside it and
// their frames, texts are refitted when it is let go, and undo puts everything back on screen.

#include "core/text/richfit.h"
#include "support/windowfixture.h"
#include "ui/document/objectframe.h"
#include "ui/handling/dividerhandlecontroller.h"
#include "ui/handling/dividerhandlewidget.h"

#include <QTest>

using namespace quillora;

namespace {

const QString kTemplate = QStringLiteral(QUILLORA_TEST_DATA "/doctypes/handles.xml");

struct HandleFixture : WindowFixture {
    HandleFixture()
    {
        wire();
        handles = controller<DividerHandleController>();
        QVERIFY(window->loadTemplate(kTemplate));
        window->show();
    }

    // Presses handle `index` at its centre, drags it by `dy` in four moves, lets go.
    void drag(int index, int dy)
    {
        QWidget *square = handles->handle(index);
        dragBy(square, square->rect().center(), QPoint(0, dy), 4);
    }

    int squareCentreY(int index) const
    {
        const QWidget *square = handles->handle(index);
        return square->y() + square->height() / 2;
    }
    DividerHandleController *handles = nullptr;
};

} // namespace

class TestDividerHandleController : public QObject {
    Q_OBJECT

private slots:
    void handlesShowOnTheirJoints()
    {
        HandleFixture f;
        const PageModel &page = f.context.page;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(f.handles->handle(i)->isVisible());
            QCOMPARE(f.squareCentreY(i), page.handles[i].centre.y());
            QVERIFY(
                f.handles->line(i)->geometry().contains(QPoint(10, page.handles[i].centre.y())));
        }
        // A smaller template keeps the controls but hides the ones it does not use.
        QVERIFY(
            f.window->loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/showcase.xml")));
        QVERIFY(f.handles->handle(0)->isHidden());
        QVERIFY(f.handles->line(1)->isHidden());
    }

    void dragMovesBoxesFramesAndRefitsText()
    {
        HandleFixture f;
        PageModel &page = f.context.page;
        page.textBoxes[0].text = QStringLiteral("The dragon flew over the hills and far away to "
                                                "the sea where the whales sing all night long.");
        f.window->refreshTextBox(0);
        f.window->textBoxResized(ObjectKind::Text, 0);
        const double fittedSize = page.textBoxes[0].style.fontSize;
        const QRect picture = page.pictureBoxes[0].geometry;
        const QRect text = page.textBoxes[0].geometry;
        const int startCentre = page.handles[0].centre.y();

        const int pull = text.height() - 20; // the text box is left 20 pixels high
        f.drag(0, pull);

        // Where the joint takes the boxes is the core's rule; here, that the controls follow.
        QCOMPARE(page.current, (CurrentObject{ObjectKind::Handles, 0}));
        QCOMPARE(f.pictureBox(0)->geometry(), picture.adjusted(0, 0, 0, pull));
        QCOMPARE(f.textBox(0)->geometry(), text.adjusted(0, pull, 0, 0));
        QCOMPARE(f.view()->textFrame(0)->geometry(),
                 f.textBox(0)->geometry().adjusted(-1, -1, 1, 1));
        QCOMPARE(f.squareCentreY(0), startCentre + pull);
        QVERIFY2(page.textBoxes[0].style.fontSize < fittedSize,
                 qPrintable(QString::number(page.textBoxes[0].style.fontSize)));
        // The refitted box is shown again; the square stays on top of it.
        QWidget *square = f.handles->handle(0);
        QCOMPARE(f.view()->childAt(square->geometry().center()), square);
        QVERIFY(page.changeCount > 0);

        // Press and release were both recorded: one undo puts the page back as it was.
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
        f.undo()->undo();
        QCOMPARE(page.textBoxes[0].style.fontSize, fittedSize);
        QCOMPARE(f.textBox(0)->geometry(), text);
        QCOMPARE(f.pictureBox(0)->geometry(), picture);
        QCOMPARE(f.squareCentreY(0), startCentre);
    }

    void richTextIsRefittedAfterTheDrag()
    {
        HandleFixture f;
        PageModel &page = f.context.page;
        RichTextBoxWidget *rich = f.richBox(0);
        QTest::mouseClick(rich->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClicks(rich, QStringLiteral("Once upon a time a small fox found a red kite "
                                              "stuck high up in an old oak tree by the river."));
        const QString before = page.richTextBoxes[0].rtf;
        QVERIFY(!before.isEmpty());
        const auto firstLetterSize = [rich] {
            QTextCursor letter(rich->document());
            letter.setPosition(1);
            return pointSizeOf(letter.charFormat(), *rich->document());
        };
        const double sizeBefore = firstLetterSize();
        const int shrinkTo = 24; // a box this low holds one line at most
        f.drag(1, page.richTextBoxes[0].geometry.height() - shrinkTo);
        QCOMPARE(page.richTextBoxes[0].geometry.height(), shrinkTo);
        QVERIFY2(firstLetterSize() < sizeBefore, qPrintable(QString::number(firstLetterSize())));
        QVERIFY(page.richTextBoxes[0].rtf != before); // the smaller letters are kept
        QVERIFY(page.richTextBoxes[0].plainText.startsWith(QStringLiteral("Once upon")));
    }
};

QTEST_MAIN(TestDividerHandleController)
#include "tst_dividerhandlecontroller.moc"
