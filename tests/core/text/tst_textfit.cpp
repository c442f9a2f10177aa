// Fitting plain and rich text boxes, and the size buttons.

#include "core/text/plainfit.h"
#include "core/text/richfit.h"
#include "core/text/textsize.h"

#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace quillora;

namespace {

TextBoxModel plainBox(const QString &text, double size, QSize box, bool multiLine)
{
    TextBoxModel model;
    model.style.fontName = QStringLiteral("Liberation Sans");
    model.style.fontSize = size;
    model.geometry = QRect(QPoint(0, 0), box);
    model.text = text;
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
    void shrinkToFit_data();
    void shrinkToFit();
    void lineCountSumsWrappedLines();
    void editsKeepTheMeasureExact_data();
    void editsKeepTheMeasureExact();
    void richFit_data();
    void richFit();
    void pixelSizedTextShrinksFromItsOwnSize();
    void pictureIsUndone();
    void pictureWithoutAcceptedContentKeepsText();
    void pasteCheck();
    void richSizeButtons_data();
    void richSizeButtons();
    void plainSizeButtons_data();
    void plainSizeButtons();
    void fontDialogSizes();
};

void TextFitTest::shrinkToFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("size");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<bool>("expectFloor");

    const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog");
    QTest::newRow("single-line by width") << sentence << 30.0 << QSize(200, 200) << false << false;
    QTest::newRow("single-line fractional") << sentence << 27.5 << QSize(180, 40) << false << false;
    QTest::newRow("single-line fits, never raised") << "Hi" << 10.0 << QSize(300, 60) << false << false;
    QTest::newRow("single-line floor 4") << sentence.repeated(20) << 20.0 << QSize(100, 30) << false << true;
    QTest::newRow("multi-line by height") << sentence.repeated(3) << 40.0 << QSize(300, 150) << true << false;
    QTest::newRow("multi-line hard breaks") << "a\nb\nc\nd\ne\nf" << 30.0 << QSize(300, 100) << true << false;
    QTest::newRow("multi-line floor 4") << sentence.repeated(200) << 20.0 << QSize(100, 50) << true << true;
    QTest::newRow("unicode name") << QStringLiteral("Дмитрий Ωμέγα Zoë 🎈 ").repeated(4)
                                  << 36.0 << QSize(250, 120) << true << false;
}

void TextFitTest::shrinkToFit()
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

void TextFitTest::lineCountSumsWrappedLines()
{
    TextMeasure measure;
    const TextBoxModel model = plainBox(QStringLiteral("one two three four five six seven eight\nnine"),
                                        20, QSize(120, 400), true);
    measure.load(formatOf(model), model.text);
    QCOMPARE(measure.document().blockCount(), 2);
    QVERIFY(measure.lineCount() >= 4);
    QCOMPARE(measure.lineCount() * measure.lineHeight(), contentHeight(measure.document()));
}

void TextFitTest::editsKeepTheMeasureExact_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("typing") << QStringList{"H", "He", "Hel", "Hello", "Hello world"};
    QTest::newRow("line breaks") << QStringList{"ab", "a\nb", "a\r\nb\nc", "c"};
    QTest::newRow("surrogates") << QStringList{"x😀y", "x😁y", "x😁😀y", "🎈", ""};
    QTest::newRow("combining") << QStringList{"Zoe", "Zoë", "Zoë Ωμέγα", "Ωμέγα"};
}

void TextFitTest::editsKeepTheMeasureExact()
{
    QFETCH(QStringList, texts);
    TextMeasure measure;
    const TextBoxModel model = plainBox(QString(), 24, QSize(90, 300), true);
    for (const QString &text : texts) {
        measure.load(formatOf(model), text);
        QCOMPARE(measure.document().toPlainText(), normalisedBoxText(text));
        TextMeasure fresh;
        fresh.load(formatOf(model), text);
        QCOMPARE(measure.lineCount(), fresh.lineCount());
    }
}

void TextFitTest::richFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("size");
    QTest::addColumn<QSizeF>("box");
    QTest::addColumn<bool>("seeded");
    QTest::addColumn<int>("passes");
    QTest::addColumn<bool>("fitsAfter");

    QTest::newRow("fits already") << "Hello" << 12.0 << QSizeF(300, 100) << true << 0 << true;
    QTest::newRow("shrinks until it fits") << QString("Words that wrap ").repeated(6) << 30.0
                                           << QSizeF(300, 120) << true << -1 << true;
    QTest::newRow("20-pass limit") << QString("x").repeated(1500) << 72.0 << QSizeF(100, 40)
                                   << true << 20 << false;
    QTest::newRow("one character untouched") << "W" << 72.0 << QSizeF(20, 20) << true << 0 << false;
    QTest::newRow("nothing accepted yet") << QString("a b ").repeated(40) << 40.0
                                          << QSizeF(100, 50) << false << 0 << false;
}

void TextFitTest::richFit()
{
    QFETCH(QString, text);
    QFETCH(double, size);
    QFETCH(QSizeF, box);
    QFETCH(bool, seeded);
    QFETCH(int, passes);
    QFETCH(bool, fitsAfter);

    QTextDocument document;
    fillRich(document, text, size, box);
    RichTextMemory memory;
    if (seeded)
        memory.accept(document);
    RichTextFitter fitter;
    const RichFitOutcome outcome = fitter.fit(document, box, memory, 3);
    if (passes >= 0)
        QCOMPARE(outcome.passes, passes);
    else
        QVERIFY(outcome.passes > 0);
    QCOMPARE(!richTextOverflows(document, box), fitsAfter);
    for (double each : sizesOf(document))
        QCOMPARE(each, std::max(size - outcome.passes, kSmallestFittedFontSize));
    QCOMPARE(outcome.cursorPosition, std::min(3, int(text.size())));
    QVERIFY(!fitter.isFitting());
    QVERIFY(!memory.isEmpty());
}

void TextFitTest::pixelSizedTextShrinksFromItsOwnSize()
{
    // Pasted formatted text may give sizes in pixels; 40 pixels are 30 points at 96 dots per inch.
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
    QCOMPARE(document.begin().begin().fragment().charFormat().hasProperty(QTextFormat::FontPixelSize),
             false);
}

void TextFitTest::pictureIsUndone()
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
    QCOMPARE(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(sizesOf(document), QList<double>{18.0});
}

void TextFitTest::pictureWithoutAcceptedContentKeepsText()
{
    QTextDocument document;
    fillRich(document, QStringLiteral("Sam"), 18, QSizeF(300, 100));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertImage(QStringLiteral("mem:none"));
    RichTextMemory memory;
    RichTextFitter fitter;
    fitter.fit(document, QSizeF(300, 100), memory, 4);
    QCOMPARE(document.toPlainText(), QStringLiteral("Sam"));
}

void TextFitTest::pasteCheck()
{
    QMimeData picture;
    picture.setImageData(QImage(2, 2, QImage::Format_RGB32));
    QVERIFY(!richTextPasteAllowed(picture));
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QVERIFY(richTextPasteAllowed(text));
}

void TextFitTest::richSizeButtons_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bigger");
    QTest::addColumn<bool>("select");
    QTest::addColumn<double>("expected");
    QTest::addColumn<SizeChange>("change");
    QTest::addColumn<double>("boxHeight");

    QTest::newRow("bigger 71") << 71.0 << true << true << 72.0 << SizeChange::Changed << 200.0;
    QTest::newRow("bigger 72 stays") << 72.0 << true << true << 72.0 << SizeChange::Unchanged << 200.0;
    QTest::newRow("bigger 20") << 20.0 << true << true << 22.0 << SizeChange::Changed << 200.0;
    QTest::newRow("smaller 9") << 9.0 << false << true << 8.0 << SizeChange::Changed << 200.0;
    QTest::newRow("smaller 12") << 12.0 << false << true << 10.0 << SizeChange::Changed << 200.0;
    QTest::newRow("smaller below 8 never raised") << 6.0 << false << true << 6.0 << SizeChange::Unchanged << 200.0;
    QTest::newRow("no selection") << 20.0 << true << false << 20.0 << SizeChange::Unchanged << 200.0;
    QTest::newRow("bigger would overflow") << 44.0 << true << true << 44.0 << SizeChange::Refused << 60.0;
}

void TextFitTest::richSizeButtons()
{
    QFETCH(double, size);
    QFETCH(bool, bigger);
    QFETCH(bool, select);
    QFETCH(double, expected);
    QFETCH(SizeChange, change);
    QFETCH(double, boxHeight);

    const QSizeF box(400, boxHeight);   // at 60 one line of 44 points fits, 46 does not
    QTextDocument document;
    fillRich(document, QStringLiteral("Ab"), size, box);
    QTextCursor selection(&document);
    if (select)
        selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    RichTextSizeTarget target(selection, box);
    QCOMPARE(target.press(bigger ? SizeButton::Bigger : SizeButton::Smaller), change);
    QCOMPARE(sizesOf(document), QList<double>{expected});
}

void TextFitTest::plainSizeButtons_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bigger");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<double>("expected");

    QTest::newRow("bigger with room") << 12.0 << true << QSize(400, 200) << 14.0;
    QTest::newRow("bigger on a full box unchanged") << 12.0 << true << QSize(400, 19) << 12.0;
    QTest::newRow("smaller 12") << 12.0 << false << QSize(400, 200) << 10.0;
    QTest::newRow("smaller 9") << 9.0 << false << QSize(400, 200) << 8.0;
    QTest::newRow("smaller below 8 stays") << 5.0 << false << QSize(400, 200) << 5.0;
}

void TextFitTest::plainSizeButtons()
{
    QFETCH(double, size);
    QFETCH(bool, bigger);
    QFETCH(QSize, box);
    QFETCH(double, expected);

    TextMeasure measure;
    TextBoxModel model = plainBox(QStringLiteral("Hello"), size, box, true);
    PlainTextSizeTarget(model, measure).press(bigger ? SizeButton::Bigger : SizeButton::Smaller);
    QCOMPARE(model.style.fontSize, expected);
}

void TextFitTest::fontDialogSizes()
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
    QVERIFY(single.style.fontSize < 18);   // shrunk to fit the box's width

    QVERIFY(FSisAllowed(10, 2.0, model.style, 40));
    QVERIFY(!FSisAllowed(20, 2.0, model.style, 40));
}

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
