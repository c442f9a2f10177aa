// Drawing text boxes onto other surfaces, checked pixel by pixel.

#include "core/text/textdrawing.h"
#include "support/inkcheck.h"
#include "support/pixelcheck.h"
#include "support/samplepage.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>
#include <cmath>

using namespace quillora;
using namespace quillora::test;

namespace {

const QString kWrapping = QStringLiteral("Mm mmm Mmmm mm mmmmm Mmm mm Mmmmm mmm");

TextBoxModel box(const QString &text, Alignment align, QSize size = QSize(160, 200))
{
    return textBox(QRect(QPoint(0, 0), size), text, align);
}

QImage drawn(const TextBoxModel &model, const TextPlacement &placement, QSize canvas)
{
    QImage image = blankPicture(canvas.width(), canvas.height());
    QPainter painter(&image);
    drawTextBox(painter, model, placement);
    return image;
}

// The ink of each band of inked rows: one rectangle a line of text.
QList<QRect> inkLines(const QImage &image)
{
    QList<QRect> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        const QRect row = inkBounds(image, QRect(0, y, image.width(), 1));
        if (!row.isEmpty() && inLine)
            lines.last() |= row;
        else if (!row.isEmpty())
            lines.append(row);
        inLine = !row.isEmpty();
    }
    return lines;
}

} // namespace

class TextDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void alignedLines_data()
    {
        QTest::addColumn<Alignment>("align");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("right, scale 3") << Alignment::Right << 3.0;
        QTest::newRow("centre, scale 1") << Alignment::Centre << 1.0;
        QTest::newRow("left, scale 3") << Alignment::Left << 3.0;
    }

    void alignedLines()
    {
        QFETCH(Alignment, align);
        QFETCH(qreal, scale);
        const TextBoxModel model = box(kWrapping, align);
        const QPoint origin(20, 10);
        const QSize canvas(int(model.geometry.width() * scale) + 40,
                           int(model.geometry.height() * scale) + 20);
        const QImage image = drawn(model, {origin, scale, scale, {}, 1.0}, canvas);
        const QList<QRect> lines = inkLines(image);
        QVERIFY2(lines.size() >= 3, "the text wraps onto several lines");

        const int boxLeft = origin.x();
        const int boxRight = origin.x() + int(model.geometry.width() * scale);
        // Side bearings of "m" are about a pixel at 14 points.
        const int slack = int(3 * scale);
        for (const QRect &line : lines) {
            QVERIFY(line.left() >= boxLeft && line.right() < boxRight);
            // Left-aligned lines start at the edge: no wrapped line begins with a space.
            if (align == Alignment::Right)
                QVERIFY2(boxRight - 1 - line.right() <= slack, "flush with the right edge");
            else if (align == Alignment::Left)
                QVERIFY2(line.left() - boxLeft <= slack, "flush with the left edge");
            else
                QVERIFY2(std::abs((line.left() - boxLeft) - (boxRight - 1 - line.right())) <= slack,
                         "as much room on the left as on the right");
        }
    }

    // A rich box holding only the placeholder draws nothing (a plain one: the page renderer's
    // test).
    void placeholderDrawsNothing()
    {
        QTextDocument rich;
        rich.setPlainText(kPlaceholderText);
        QImage richImage = blankPicture(200, 200);
        QPainter painter(&richImage);
        drawRichTextBox(painter, rich, {TextStyle{}, QSizeF(150, 150), true}, {});
        painter.end();
        QCOMPARE(richImage, blankPicture(200, 200));
    }

    void nothingOutsideTheBox_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("too many lines, scale 2.5") << QSize(100, 56) << true << 2.5;
        QTest::newRow("single line too long") << QSize(90, 40) << false << 2.0;
        QTest::newRow("single line a little short") << QSize(300, 17) << false << 1.0;
    }

    void nothingOutsideTheBox()
    {
        QFETCH(QSize, size);
        QFETCH(bool, multiLine);
        QFETCH(qreal, scale);
        TextBoxModel model = box(kWrapping.repeated(3), Alignment::Left, size);
        model.multiLine = multiLine;
        const QPoint origin(30, 30);
        const QImage image = drawn(model, {origin, scale, scale, {}, 1.0}, QSize(600, 400));
        const QRect scaledBox(origin, QSize(int(size.width() * scale), int(size.height() * scale)));
        const QRect ink = inkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(scaledBox.contains(ink), "ink only inside the box");
        // Whole characters: a line after the first that would be cut through is left out.
        if (multiLine)
            QVERIFY(scaledBox.bottom() - ink.bottom() > 0);
    }

    void caretDrawsTheCopyNumber()
    {
        const auto copy = [](const char *text, std::optional<int> number) {
            return drawn(box(QLatin1String(text), Alignment::Centre, {250, 60}),
                         {{0, 0}, 1, 1, number, 1.0}, QSize(300, 80));
        };
        QCOMPARE(copy("Copy ^ of 12, ^", 7), copy("Copy 7 of 12, 7", {}));
        QVERIFY(copy("Copy ^ of 12, ^", {}) != copy("Copy 7 of 12, 7", {}));
    }

    // The underline runs under the words from their first letter to their last, and no further,
    // in a box stretched three times across and twice down.
    void underlineSpansTheWords()
    {
        TextBoxModel model = box(QStringLiteral("Mmm"), Alignment::Centre, {160, 40});
        const TextPlacement stretched{{0, 0}, 3, 2, {}, 1.0};
        const QRect words = inkBounds(drawn(model, stretched, QSize(480, 120)));
        QVERIFY(std::abs(words.center().x() - 240) <= 6);
        model.style.underline = true;
        const QRect line = inkBounds(drawn(model, stretched, QSize(480, 120)),
                                     QRect(0, words.bottom() + 2, 480, 40));
        QVERIFY(!line.isEmpty());
        // The letters' side bearings lie within the underline.
        QVERIFY(std::abs(line.left() - words.left()) <= 6 &&
                std::abs(line.right() - words.right()) <= 6);
    }

    void overflowingTextIsFittedNotCut_data()
    {
        QTest::addColumn<bool>("rich");
        QTest::newRow("text box") << false;
        QTest::newRow("rich text box") << true;
    }

    // A text stored too large for its box (never refitted) loses no line when printed.
    void overflowingTextIsFittedNotCut()
    {
        QFETCH(bool, rich);
        const TextBoxModel model =
            box(QStringLiteral("one\ntwo\nthree"), Alignment::Left, {160, 50});
        QImage image = blankPicture(160, 50);
        QPainter painter(&image);
        if (rich) {
            QTextDocument content;
            content.setDefaultFont(fontForStyle(model.style));
            content.setPlainText(model.text);
            drawRichTextBox(painter, content, {model.style, QSizeF(160, 50), true}, {});
        } else {
            drawTextBox(painter, model, {});
        }
        painter.end();
        QCOMPARE(inkLines(image).size(), 3);
    }

    // A text that overflows even at the smallest size: a line the box's foot would cut through,
    // if only through its descenders, is left out rather than drawn as the tops of its letters;
    // the first line is always drawn.
    void lineCutAtTheFootIsLeftOut_data()
    {
        QTest::addColumn<qreal>("lines");    // the box's height, in lines
        QTest::addColumn<qreal>("descents"); // less this many of the font's descents
        QTest::addColumn<int>("drawn");
        QTest::newRow("half a line cut") << 2.5 << 0.0 << 2;
        QTest::newRow("only the descenders cut") << 3.0 << 0.5 << 2;
        QTest::newRow("three whole lines") << 3.0 << 0.0 << 3;
        QTest::newRow("lower than one line") << 0.5 << 0.0 << 1;
    }
    void lineCutAtTheFootIsLeftOut()
    {
        QFETCH(qreal, lines);
        QFETCH(qreal, descents);
        QTextDocument document;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(20);
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        // One paragraph wrapped into a word a line, so the lines lie within one layout.
        document.setTextWidth(60);
        document.setPlainText(QStringLiteral("Mmm Mmm Mmm Mmm"));
        const qreal line = document.documentLayout()->documentSize().height() / 4;
        QCOMPARE(document.firstBlock().layout()->lineCount(), 4);
        const QSizeF boxSize(100, line * lines - QFontMetricsF(font).descent() * descents);
        QImage image = blankPicture(100, int(std::ceil(boxSize.height())));
        QPainter painter(&image);
        drawBoxDocument(painter, document, boxSize, Qt::black, {});
        painter.end();
        QTEST(int(inkLines(image).size()), "drawn");
    }
};

QTEST_MAIN(TextDrawingTest)
#include "tst_textdrawing.moc"
