#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"
#include "core/text/textdrawing.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace quillora;

namespace {

QTextCharFormat looks(const QString &family, qreal points, const QColor &colour = {},
                      const QString &styles = {})
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{family});
    format.setFontPointSize(points);
    if (colour.isValid())
        format.setForeground(colour);
    format.setFontWeight(styles.contains(u'b') ? QFont::Bold : QFont::Normal);
    format.setFontItalic(styles.contains(u'i'));
    format.setFontUnderline(styles.contains(u'u'));
    return format;
}

QTextBlockFormat aligned(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    return format;
}

// A text box's worth of everything a child can set, in several languages.
void buildSample(QTextDocument &doc)
{
    QTextCursor c(&doc);
    c.setBlockFormat(aligned(Qt::AlignHCenter));
    c.insertText(QStringLiteral("Big "), looks("DejaVu Serif", 28, Qt::red, "b"));
    c.insertText(QString::fromUtf8("Łucja, Ζωή, 小明 😀"), looks("DejaVu Sans", 28, Qt::red, "bi"));
    c.insertBlock(aligned(Qt::AlignLeft));
    c.insertText(QString::fromUtf8("café {tea} back\\slash\ttab"), looks("DejaVu Sans", 11.5));
    c.insertText(QString::fromUtf8("\u2028under"), looks("DejaVu Sans", 9, QColor(0, 128, 0), "u"));
    c.insertBlock(aligned(Qt::AlignRight));
    c.insertText(QStringLiteral("first"), looks("DejaVu Sans", 14, Qt::blue, "i"));
    QTextListFormat list;
    list.setStyle(QTextListFormat::ListDisc);
    QTextList *bullets = c.createList(list);
    c.insertBlock(aligned(Qt::AlignLeft));
    bullets->add(c.block());
    c.insertText(QStringLiteral("second"), looks("Free Mono", 14));
    QTextBlockFormat indented = aligned(Qt::AlignJustify);
    indented.setLeftMargin(30);
    indented.setTextIndent(-10);
    c.insertBlock(indented, looks("DejaVu Sans", 16));
    c.insertBlock(aligned(Qt::AlignLeft), looks("DejaVu Sans", 16));
    c.insertText(QStringLiteral("after an empty paragraph"), looks("DejaVu Sans", 16));
}

QString describe(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        out += QStringLiteral("[%1 %2 %3 %4]")
                   .arg(int(b.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(block.textList() ? 1 : 0)
                   .arg(b.leftMargin())
                   .arg(b.textIndent());
        // An empty paragraph amid others takes its height from its own looks.
        if (block.length() <= 1 && block.next().isValid())
            out += QStringLiteral("(%1|%2)")
                       .arg(block.charFormat().fontFamilies().toStringList().value(0))
                       .arg(block.charFormat().fontPointSize());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out +=
                QStringLiteral("(%1|%2|%3|%4|%5%6%7)")
                    .arg(it.fragment().text(), f.fontFamilies().toStringList().value(0))
                    .arg(f.fontPointSize())
                    .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name()
                                                                     : "auto")
                    .arg(f.fontWeight() >= QFont::DemiBold)
                    .arg(f.fontItalic())
                    .arg(f.fontUnderline());
        }
        out += u'\n';
    }
    return out;
}

QImage drawn(const QTextDocument &content, const TextBoxFormat &format)
{
    QImage image(format.boxSize.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawRichTextBox(painter, content, format, TextPlacement{});
    return image;
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    // Written, read back and written again: the same bytes and the same looks.
    void roundTripIsByteExact_data()
    {
        QTest::addColumn<QString>("file"); // empty: the built sample; "-": an empty document
        QTest::newRow("built sample") << QString();
        QTest::newRow("empty document") << QStringLiteral("-");
        for (const QString &name :
             QDir(QStringLiteral(QUILLORA_TEST_DATA "/rtf")).entryList({"*.rtf"}))
            QTest::newRow(qPrintable(name)) << name;
    }
    void roundTripIsByteExact()
    {
        QFETCH(QString, file);
        QTextDocument first;
        if (file.isEmpty()) {
            buildSample(first);
        } else if (file == u'-') {
            first.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        } else {
            QFile in(QStringLiteral(QUILLORA_TEST_DATA "/rtf/") + file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            QVERIFY(readRtf(in.readAll(), first));
        }
        const QByteArray written = writeRtf(first);
        QTextDocument second;
        QVERIFY(readRtf(written, second));
        QCOMPARE(writeRtf(second), written);
        QCOMPARE(describe(second), describe(first));
        QCOMPARE(second.blockCount(), first.blockCount());
        if (file.isEmpty()) // both bullets stay items of one list
            QCOMPARE(second.findBlockByNumber(2).textList(),
                     second.findBlockByNumber(3).textList());
    }

    // A rich box fitted on screen keeps its exact sizes through save, print and undo (all RTF),
    // so the reopened, printed and exported box breaks and draws the same lines as the screen.
    void fittedSizesSurviveExactly()
    {
        const QStringList words{"we",   "went", "to", "the", "seaside", "and",   "felt",
                                "sick", "on",   "a",  "big", "wheel",   "castle"};
        QRandomGenerator random(23);
        for (int round = 0; round < 60; ++round) {
            const QSizeF box(random.bounded(120, 400), random.bounded(40, 200));
            TextStyle base;
            base.fontName = QStringLiteral("DejaVu Sans");
            base.fontSize = 8 + random.bounded(300) / 10.0 * 1.0371;
            const TextBoxFormat format{base, box, true};
            QTextDocument screen;
            configureTextBoxDocument(screen, format);
            QTextCursor typing(&screen);
            for (int w = random.bounded(3, 60); w > 0; --w) {
                QTextCharFormat run;
                run.setFontFamilies(QStringList{base.fontName});
                run.setFontPointSize(base.fontSize + random.bounded(-30, 30) / 7.0);
                typing.insertText(words[random.bounded(int(words.size()))] + u' ', run);
            }
            shrinkRichTextToFit(screen, box);

            QTextDocument reopened;
            configureTextBoxDocument(reopened, format);
            QVERIFY(readRtf(writeRtf(screen), reopened));
            QCOMPARE(describe(reopened), describe(screen));
            QCOMPARE(drawn(reopened, format), drawn(screen, format));
        }
    }

    // Our exact size counts only beside the half points it rounds to: another program that
    // changed the size and kept our word does not get its old size back.
    void exactSizeOnlyWhereItAgrees()
    {
        QTextDocument doc;
        QVERIFY(readRtf("{\\rtf1\\ansi\\fs23{\\*\\qlrfs 11.4}a\\fs30{\\*\\qlrfs 11.4}b}", doc));
        QTextCursor probe(&doc);
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().fontPointSize(), 11.4);
        probe.setPosition(2);
        QCOMPARE(probe.charFormat().fontPointSize(), 15.0);
    }

    void characterEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("code page 1252")
            << QString::fromUtf8("Zoë €") << QByteArray(" Zo\\'eb \\'80\\par");
        QTest::newRow("outside 1252") << QString::fromUtf8("Łó") << QByteArray("\\u321?\\'f3\\par");
        QTest::newRow("surrogate pair as two")
            << QString::fromUtf8("😀") << QByteArray("\\u-10179?\\u-8704?\\par");
        QTest::newRow("escaped symbols") << "{a}\\" << QByteArray("\\{a\\}\\\\\\par");
        QTest::newRow("line break and tab")
            << QString::fromUtf8("a\u2028b\tc") << QByteArray(" a\\line b\\tab c\\par");
        QTest::newRow("controls dropped")
            << QString::fromUtf8("a\u0001b\uFFFC") << QByteArray(" ab\\par");
    }
    void characterEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        QTextDocument doc;
        QTextCursor(&doc).insertText(text, looks("Sans", 12));
        const QByteArray rtf = writeRtf(doc);
        QVERIFY2(rtf.contains("\\fs24" + written), rtf.constData());
    }

    // An Arabic paragraph stays right to left through a file, its words exactly as typed; a Latin
    // paragraph beside it stays left to right.
    void directionSurvivesTheFile()
    {
        const QString arabic = QStringLiteral("\u0645\u0631\u062d\u0628\u0627 Sami 12");
        QTextDocument doc;
        QTextCursor cursor(&doc);
        cursor.insertText(arabic, looks("Sans", 12));
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("Hello"));
        const QByteArray rtf = writeRtf(doc);
        QCOMPARE(rtf.count("\\rtlpar"), 1);
        QVERIFY2(rtf.contains("\\rtlch\\u1605?") && rtf.contains("\\ltrch Hello"), rtf.constData());
        QTextDocument back;
        QVERIFY(readRtf(rtf, back));
        QCOMPARE(back.toPlainText(), arabic + QChar(u'\n') + QStringLiteral("Hello"));
        QCOMPARE(back.firstBlock().blockFormat().layoutDirection(), Qt::RightToLeft);
        QCOMPARE(back.lastBlock().textDirection(), Qt::LeftToRight);
    }

    void headerAndBulletsInWordProcessorDialect()
    {
        QTextDocument doc;
        buildSample(doc);
        QTextBlockFormat beyondThePage; // written as the widest page's indents
        beyondThePage.setLeftMargin(5000);
        beyondThePage.setTextIndent(-5000);
        QTextCursor(&doc).mergeBlockFormat(beyondThePage);
        const QByteArray rtf = writeRtf(doc);
        QVERIFY(rtf.startsWith(
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Serif;}"));
        QVERIFY(rtf.contains(
            "{\\f3\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;"));
        QVERIFY(rtf.contains(
            "\\pard{\\pntext\\f3\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'b7}}"
            "\\fi-360\\li360\\qr"));
        QVERIFY(rtf.contains("\\pard\\fi-150\\li450\\qj"));
        QVERIFY2(rtf.contains("\\pard\\fi-31680\\li31680\\qc"), rtf.constData());
        QVERIFY(rtf.endsWith("}\r\n"));
    }
};

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
