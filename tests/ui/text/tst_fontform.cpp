// The font dialog: what it offers for a box, and what the text controller does with its answer.

#include "textfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/text/fontform.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

using namespace quillora;

class TestFontForm : public QObject {
    Q_OBJECT

private slots:
    void offersOnlySizesTheBoxCanTake();
    void previewFollowsChoicesAndStaysCentred();
    void okAppliesWithUndoBeforeAndAfter();
    void cancelChangesNothing();
    void singleLineBoxRefusesTooTallSize();
};

void TestFontForm::offersOnlySizesTheBoxCanTake()
{
    const int height = 40;
    const QString text = QStringLiteral("Hi");
    AppContext context{Environment{}};
    TextBoxModel box;
    box.text = text;
    box.geometry = QRect(0, 0, 300, height);
    FontForm form(context, box);
    const int largest = largestAllowedFontSize(box);
    const QList<int> shown = form.shownSizes();
    QVERIFY(!shown.isEmpty() || largest < 8);
    for (int size : fontDialogSizes())
        QCOMPARE(shown.contains(size), size <= largest);
    // A size on the list gives one line per line of text that is less tall than the box.
    if (!shown.isEmpty()) {
        TextStyle style = box.style;
        style.fontSize = shown.last();
        QVERIFY((text.count('\n') + 1) * lineHeightFor(fontForStyle(style)) < height);
    }
    // The list opens on the box's own size, or on the listed size just below it.
    box.geometry = QRect(0, 0, 300, 400);
    box.style.fontSize = 13;
    FontForm roomy(context, box);
    QCOMPARE(roomy.findChild<QLabel *>(QStringLiteral("sizeLabel"))->text(), QStringLiteral("12"));
}

void TestFontForm::previewFollowsChoicesAndStaysCentred()
{
    AppContext context{Environment{}};
    TextBoxModel box;
    box.text = QStringLiteral("The quick brown fox jumps over");
    box.geometry = QRect(0, 0, 400, 300);
    FontForm form(context, box);
    QCOMPARE(form.preview()->text(), box.text.left(20));
    form.chooseFont(1);
    form.chooseSize(36);
    form.choosePen(2);
    QCOMPARE(form.preview()->font().family(), QFont(context.settings.fontSlots[1]).family());
    QCOMPARE(form.preview()->font().pointSizeF(), 36.0);
    QCOMPARE(form.choice().colour, FontForm::penColours()[2]);
    QVERIFY(form.findChild<QWidget *>("penlid2")->isHidden());
    QVERIFY(!form.findChild<QWidget *>("penlid0")->isHidden());
    form.show();
    // The preview is drawn in the chosen pen's colour.
    const QImage drawn = form.previewHolder()->grab().toImage();
    const QColor pen = toQColor(FontForm::penColours()[2]);
    int inPen = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            inPen += qAbs(c.red() - pen.red()) <= 40 && qAbs(c.green() - pen.green()) <= 40 &&
                     qAbs(c.blue() - pen.blue()) <= 40;
        }
    QVERIFY(inPen > 50);
    const QRect preview = form.preview()->geometry();
    const QRect holder = form.previewHolder()->rect();
    QVERIFY(qAbs(preview.center().x() - holder.center().x()) <= 1);
    QVERIFY(qAbs(preview.center().y() - holder.center().y()) <= 1);
}

void TestFontForm::okAppliesWithUndoBeforeAndAfter()
{
    TextFixture f(1, 0);
    TextBoxModel &box = f.context.page.textBoxes[0];
    box.text = QStringLiteral("Sun");
    f.show();
    f.window->setCurrentObject(QStringLiteral("t"), 0);
    const qint32 stepBefore = f.context.undo.currentStep();
    f.text->setFontDialogRunner([](FontForm &form) {
        form.chooseFont(2);
        form.chooseSize(24);
        form.choosePen(1);
        form.okButton()->click();
    });
    emit f.window->fontRequested();
    QCOMPARE(f.context.dialogAnswer, QStringLiteral("Yes"));
    QCOMPARE(box.style.fontName, f.context.settings.fontSlots[2]);
    QCOMPARE(box.style.fontSize, 24.0);
    QCOMPARE(box.style.colour, FontForm::penColours()[1]);
    QCOMPARE(f.textBox(0)->document()->defaultFont().pointSizeF(), 24.0);
    // One step before the dialog and one after; undo goes back to the old font.
    QCOMPARE(f.context.undo.currentStep(), stepBefore + 2);
    f.undo->undo();
    QCOMPARE(box.style.fontSize, 12.0);
    QCOMPARE(f.textBox(0)->document()->defaultFont().pointSizeF(), 12.0);
}

void TestFontForm::cancelChangesNothing()
{
    TextFixture f(1, 0);
    f.show();
    f.window->setCurrentObject(QStringLiteral("t"), 0);
    const TextStyle before = f.context.page.textBoxes[0].style;
    f.text->setFontDialogRunner([](FontForm &form) {
        form.chooseSize(48);
        form.cancelButton()->click();
    });
    emit f.window->fontRequested();
    QCOMPARE(f.context.dialogAnswer, QStringLiteral("No"));
    QVERIFY(sameStyle(f.context.page.textBoxes[0].style, before));
}

void TestFontForm::singleLineBoxRefusesTooTallSize()
{
    TextFixture f(1, 0);
    TextBoxModel &box = f.context.page.textBoxes[0];
    box.multiLine = false;
    box.text = QStringLiteral("Hi");
    box.geometry.setHeight(30);
    f.show();
    f.window->setCurrentObject(QStringLiteral("t"), 0);
    bool refused = false;
    double previewAfterRefusal = 0;
    f.text->setFontDialogRunner([&](FontForm &form) {
        QSignalSpy refusals(&form, &FontForm::choiceRefused);
        form.chooseSize(72);
        form.okButton()->click();
        // Refused: a beep, and the dialog stays open without an answer.
        refused = refusals.count() == 1 && f.context.dialogAnswer.isEmpty();
        previewAfterRefusal = form.preview()->font().pointSizeF();
        form.cancelButton()->click();
    });
    emit f.window->fontRequested();
    QVERIFY(refused);
    QCOMPARE(previewAfterRefusal, 12.0);
    QCOMPARE(box.style.fontSize, 12.0);
}

QTEST_MAIN(TestFontForm)
#include "tst_fontform.moc"
