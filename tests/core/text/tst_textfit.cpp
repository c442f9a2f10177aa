// Fitting plain and rich text boxes, and the size buttons.

#include "core/text/pagetextfit.h"
#include "core/text/plainfit.h"
#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "core/text/selectionlook.h"
#include "core/text/textsize.h"
#include "support/rows.h"
#include "support/samplepage.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace quillora;

namespace {

TextBoxModel plainBox(const QString &text, double size, QSize box, bool multiLine)
{
    TextBoxModel model = test::textBox(QRect(QPoint(0, 0), box), text);
    model.style.fontSize = size;
    model.multiLine = multiLine;
    return model;
}

TextBoxFormat richFormat(QSizeF box)
{
    TextBoxFormat format;
    format.style.fontName = QStringLiteral("Liberation Sans");
    format.boxSize = box;
    return format;
}

// A rich document configured for a box, every character at `size`.
void fillRich(QTextDocument &document, const QString &text, double size, QSizeF box)
{
    configureTextBoxDocument(document, richFormat(box));
    document.setPlainText(text);
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontPointSize(size);
    all.mergeCharFormat(format);
}

QList<double> sizesOf(const QTextDocument &document)
{
    QList<double> sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            sizes.append(it.fragment().charFormat().fontPointSize());
    return sizes;
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void shrinkToFit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<bool>("expectFloor");

        const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog");
        test::addRow("single-line by width", sentence, 30.0, QSize(200, 200), false, false);
        test::addRow("single-line fits, never raised", "Hi", 10.0, QSize(300, 60), false, false);
        QTest::newRow("single-line floor 4")
            << sentence.repeated(20) << 20.0 << QSize(100, 30) << false << true;
        QTest::newRow("multi-line by height")
            << sentence.repeated(3) << 40.0 << QSize(300, 150) << true << false;
        QTest::newRow("multi-line floor 4")
            << sentence.repeated(200) << 20.0 << QSize(100, 50) << true << true;
        QTest::newRow("unicode name") << QStringLiteral("Дмитрий Ωμέγα Zoë 🎈 ").repeated(4) << 36.0
                                      << QSize(250, 120) << true << false;
        const QString arabic = QStringLiteral(
            "\u0642\u0637\u062a\u064a \u0627\u0644\u0635\u063a\u064a\u0631\u0629 Mimi ");
        test::addRow("Arabic single-line by width", arabic.repeated(2), 36.0, QSize(200, 80), false,
                     false);
        test::addRow("Arabic multi-line by height", arabic.repeated(6), 40.0, QSize(240, 120), true,
                     false);
    }

    void shrinkToFit()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(QSize, box);
        QFETCH(bool, multiLine);
        QFETCH(bool, expectFloor);

        TextMeasure measure;
        TextBoxModel model = plainBox(text, size, box, multiLine);
        quillora::shrinkToFit(measure, model);
        const double fitted = model.style.fontSize;
        QVERIFY(fitted <= size);
        QCOMPARE(measure.document().toPlainText(), text);
        if (expectFloor) {
            QCOMPARE(fitted, kSmallestFittedFontSize);
            return;
        }
        // Fits at the fitted size, and the size one step up (if it was tried) did not.
        TextMeasure fresh;
        QVERIFY(!textOverflows(fresh, formatOf(model), text));
        if (fitted < size) {
            TextBoxModel larger = model;
            larger.style.fontSize = fitted + 1;
            QVERIFY(textOverflows(fresh, formatOf(larger), text));
        }
    }

    void richFit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("size");
        QTest::addColumn<QSizeF>("box");
        QTest::addColumn<bool>("seeded");
        QTest::addColumn<int>("passes");
        QTest::addColumn<bool>("fitsAfter");

        QTest::newRow("20-pass limit")
            << QString("x").repeated(1500) << 72.0 << QSizeF(100, 40) << true << 20 << false;
        QTest::newRow("nothing accepted yet")
            << QString("a b ").repeated(40) << 40.0 << QSizeF(100, 50) << false << 0 << false;
        QTest::newRow("floor with an empty line")
            << QStringLiteral("a\n\nb") << 4.0 << QSizeF(100, 5) << true << 0 << false;
    }

    void richFit()
    {
        QFETCH(QString, text);
        QFETCH(double, size);
        QFETCH(QSizeF, box);
        QFETCH(bool, seeded);
        QTextDocument document;
        fillRich(document, text, size, box);
        RichTextMemory memory;
        if (seeded)
            memory.accept(document);
        RichTextFitter fitter;
        const RichFitOutcome outcome = fitter.fit(document, box, memory, 3);
        QTEST(outcome.passes, "passes");
        QTEST(!richTextOverflows(document, box), "fitsAfter");
        for (double each : sizesOf(document))
            QCOMPARE(each, std::max(size - outcome.passes, kSmallestFittedFontSize));
        QCOMPARE(outcome.cursorPosition, std::min(3, int(text.size())));
        QVERIFY(!fitter.isFitting());
        QVERIFY(!memory.isEmpty());
    }

    void pixelSizedTextShrinksFromItsOwnSize()
    {
        // Pasted formatted text may give sizes in pixels; 40 pixels are 30 points at 96 dots per
        // inch.
        QTextDocument document;
        fillRich(document, QStringLiteral("Pasted"), 12, QSizeF(300, 100));
        QTextCursor all(&document);
        all.select(QTextCursor::Document);
        QTextCharFormat pixels = all.charFormat();
        pixels.clearProperty(QTextFormat::FontPointSize);
        pixels.setProperty(QTextFormat::FontPixelSize, 40);
        all.setCharFormat(pixels);
        QVERIFY(shrinkRichTextByOne(document));
        QCOMPARE(sizesOf(document), QList<double>{29.0});
        QCOMPARE(document.begin().begin().fragment().charFormat().hasProperty(
                     QTextFormat::FontPixelSize),
                 false);
    }

    void rebuiltRichTextWrapsAndShrinks()
    {
        // Words that wrap to more lines than a rebuilt page's box holds shrink until they fit;
        // hidden boxes and the placeholder keep their size.
        const QSizeF box(200, 150);
        PageModel page;
        const QString words = QString("Big red bus ").repeated(12);
        page.textBoxes = {plainBox(words, 40, box.toSize(), true), plainBox(words, 40, {}, true),
                          plainBox(kPlaceholderText, 40, {}, true)};
        page.textBoxes[1].visible = false;
        page.richTextBoxes = {RichTextBoxModel{richFormat(box).style,
                                               QRect(QPoint(0, 0), box.toSize()),
                                               "{\\rtf1\\ansi\\fs40 " + words + "}",
                                               {},
                                               true}};
        fitPageTexts(page);
        QTextDocument read;
        configureTextBoxDocument(read, richFormat(box));
        QVERIFY(readRtf(page.richTextBoxes[0].rtf.toLatin1(), read));
        QVERIFY(!richTextOverflows(read, box));
        QVERIFY(sizesOf(read).constFirst() < 20);
        QVERIFY(page.textBoxes[0].style.fontSize < 20);
        QCOMPARE(page.textBoxes[1].style.fontSize + page.textBoxes[2].style.fontSize, 80.0);
    }

    void selectionLookStopsAtItsEnds()
    {
        // The plain middle of bold "ab", "cd", italic "ef" selected is neither bold nor italic.
        QTextDocument document;
        document.setHtml(QStringLiteral("<b>ab</b>cd<i>ef</i>"));
        QTextCursor cursor(&document);
        cursor.setPosition(2);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        const SelectionLook look = selectionLook(cursor);
        QCOMPARE(look.bold, std::optional(false));
        QCOMPARE(look.italic, std::optional(false));
    }

    void pictureIsUndone()
    {
        QTextDocument document;
        fillRich(document, QStringLiteral("Дмитрий"), 18, QSizeF(300, 100));
        QTextCursor centre(&document);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centre.mergeBlockFormat(centred);
        RichTextMemory memory;
        RichTextFitter fitter;
        fitter.fit(document, QSizeF(300, 100), memory, 0);

        QImage picture(4, 4, QImage::Format_RGB32);
        document.addResource(QTextDocument::ImageResource, QUrl("mem:pic"), picture);
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertImage(QStringLiteral("mem:pic"));
        QVERIFY(containsNonText(document));

        const RichFitOutcome outcome = fitter.fit(document, QSizeF(300, 100), memory, 8);
        QCOMPARE(outcome.action, RichFitOutcome::Action::Restored);
        QCOMPARE(document.toPlainText(), QStringLiteral("Дмитрий"));
        QCOMPARE(outcome.cursorPosition, 7);
        QCOMPARE(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(sizesOf(document), QList<double>{18.0});
        // With nothing accepted yet there is nothing to go back to: the text stays.
        QTextDocument fresh;
        fillRich(fresh, QStringLiteral("Sam"), 18, QSizeF(300, 100));
        QTextCursor end(&fresh);
        end.movePosition(QTextCursor::End);
        end.insertImage(QStringLiteral("mem:none"));
        RichTextMemory empty;
        fitter.fit(fresh, QSizeF(300, 100), empty, 4);
        QCOMPARE(fresh.toPlainText(), QStringLiteral("Sam"));
    }

    // Target: 'p' a plain box, 'r' a rich box with everything selected, '-' one with no selection.
    void sizeButtons_data()
    {
        QTest::addColumn<char>("target");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("bigger");
        QTest::addColumn<double>("boxHeight");
        QTest::addColumn<double>("expected");
        QTest::addColumn<SizeChange>("change");

        using enum SizeChange;
        QTest::newRow("rich bigger 71") << 'r' << 71.0 << true << 200.0 << 72.0 << Changed;
        QTest::newRow("rich bigger 72 stays") << 'r' << 72.0 << true << 60.0 << 72.0 << Unchanged;
        QTest::newRow("rich bigger 20") << 'r' << 20.0 << true << 200.0 << 22.0 << Changed;
        QTest::newRow("rich smaller 9") << 'r' << 9.0 << false << 200.0 << 8.0 << Changed;
        test::addRow("rich below 8 never raised", 'r', 6.0, false, 200.0, 6.0, Unchanged);
        QTest::newRow("rich no selection") << '-' << 20.0 << true << 200.0 << 20.0 << Unchanged;
        // At 60 high one line of 44 points fits, 46 does not.
        QTest::newRow("rich would overflow") << 'r' << 44.0 << true << 60.0 << 44.0 << Refused;
        QTest::newRow("plain bigger with room") << 'p' << 12.0 << true << 200.0 << 14.0 << Changed;
        test::addRow("plain bigger on a full box", 'p', 12.0, true, 19.0, 12.0, Unchanged);
        QTest::newRow("plain below 8 stays") << 'p' << 5.0 << false << 200.0 << 5.0 << Unchanged;
    }

    void sizeButtons()
    {
        QFETCH(char, target);
        QFETCH(double, size);
        QFETCH(bool, bigger);
        QFETCH(double, boxHeight);
        QFETCH(double, expected);
        QFETCH(SizeChange, change);
        const SizeButton button = bigger ? SizeButton::Bigger : SizeButton::Smaller;

        if (target == 'p') {
            TextMeasure measure;
            TextBoxModel model =
                plainBox(QStringLiteral("Hello"), size, QSize(400, int(boxHeight)), true);
            QCOMPARE(PlainTextSizeTarget(model, measure).press(button), change);
            QCOMPARE(model.style.fontSize, expected);
            return;
        }
        const QSizeF box(400, boxHeight);
        QTextDocument document;
        fillRich(document, QStringLiteral("Ab"), size, box);
        QTextCursor selection(&document);
        if (target == 'r')
            selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        QCOMPARE(RichTextSizeTarget(selection, box).press(button), change);
        QCOMPARE(sizesOf(document), QList<double>{expected});
    }

    void fontDialogSizes()
    {
        TextBoxModel model = plainBox(QStringLiteral("one\ntwo"), 12, QSize(400, 80), true);
        const int largest = largestAllowedFontSize(model);
        TextStyle style = model.style;
        style.fontSize = largest;
        QVERIFY(2 * lineHeightFor(fontForStyle(style)) < 80);
        style.fontSize = largest + 1;
        QVERIFY(2 * lineHeightFor(fontForStyle(style)) >= 80);
        const QList<int> allowed = allowedFontDialogSizes(model);
        QVERIFY(!allowed.isEmpty());
        QVERIFY(allowed.last() <= largest);
        QCOMPARE(listedSizeAtOrBelow(13.5, quillora::fontDialogSizes()), 12);

        model.geometry.setHeight(10000);
        QCOMPARE(largestAllowedFontSize(model), 97);
        model.geometry.setHeight(5);
        QCOMPARE(largestAllowedFontSize(model), 6);

        TextMeasure measure;
        TextBoxModel single = plainBox(QStringLiteral("Hello there"), 12, QSize(80, 30), false);
        QVERIFY(!applyFontChoice(single, {QStringLiteral("DejaVu Sans"), 40, 0xFF}, measure));
        QCOMPARE(single.style.fontSize, 12.0);
        QVERIFY(applyFontChoice(single, {QStringLiteral("DejaVu Sans"), 18, 0xFF}, measure));
        QCOMPARE(single.style.fontName, QStringLiteral("DejaVu Sans"));
        QVERIFY(single.style.fontSize < 18); // shrunk to fit the box's width

        QVERIFY(FSisAllowed(10, 2.0, model.style, 40));
        QVERIFY(!FSisAllowed(20, 2.0, model.style, 40));
    }

    // Sizes typed into the rich text toolbar's box, and fitted sizes as its size list shows them.
    void toolbarSizes()
    {
        QCOMPARE(enteredRichFontSize("-4"), 8);
        QCOMPARE(enteredRichFontSize("12.6"), 13);
        QCOMPARE(enteredRichFontSize("big"), std::nullopt);
        QCOMPARE(enteredRichFontSize("1e300"), 99);
        QCOMPARE(shownRichFontSize(36.9), "37"); // fitted just below a whole size
        QCOMPARE(shownRichFontSize(10.4), "10.5");
        QCOMPARE(shownRichFontSize(8.25), "8.5"); // a quarter rounds up
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
