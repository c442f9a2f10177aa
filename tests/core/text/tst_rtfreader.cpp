#include "core/text/rtfcontent.h"
#include "core/text/rtfreader.h"
#include "support/rows.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace quillora;

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(QUILLORA_TEST_DATA "/rtf/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QStringList paragraphs(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The format of the first stretch of text holding the words, or an invalid format.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &words)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(words))
                return it.fragment().charFormat();
        }
    }
    return {};
}

QString colourName(const QTextCharFormat &format)
{
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color().name()
                                                            : QString();
}

// styles: b, i, u for bold, italic, underlined.
void checkLooks(const QTextCharFormat &format, const QString &family, qreal points,
                const QString &colour, const QString &styles)
{
    QCOMPARE(format.fontFamilies().toStringList().value(0), family);
    QCOMPARE(format.fontPointSize(), points);
    QCOMPARE(colourName(format), colour);
    QCOMPARE(format.fontWeight() == QFont::Bold, styles.contains(u'b'));
    QCOMPARE(format.fontItalic(), styles.contains(u'i'));
    QCOMPARE(format.fontUnderline(), styles.contains(u'u'));
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void fixtureParagraphs_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("alignments"); // l r c j per paragraph
        QTest::addColumn<QString>("bullets");    // * for a bulleted paragraph, - otherwise

        test::addRow(
            "rich edit", "rich_edit_bullets.rtf",
            QStringList{"Our Class Trip",
                        QString::fromUtf8("We saw a big green frog, café {tea} and a back\\slash."),
                        "apples", "bananas", QString::fromUtf8("Miss Smith\u2028Room 4\tend"),
                        QString::fromUtf8("Justified ☃ sun")},
            "clllrj", "--**--");
        test::addRow(
            "word processor with pictures and theme", "generator_theme_pictures.rtf",
            QStringList{"Spring News", "A picture:  and a link.", "Bring a coat", "Thanks"}, "cllr",
            "--*-");
        test::addRow("stylesheets, lists, unicode", "stylesheet_lists_unicode.rtf",
                     QStringList{"My Holiday",
                                 QString::fromUtf8("We went to the seaside with Zoë and Łucja."),
                                 "sand castles ", QString::fromUtf8("ice cream 小明 "),
                                 QString::fromUtf8("Γειά σου")},
                     "clllr", "--**-");
        test::addRow("code pages", "code_pages.rtf",
                     QStringList{QString::fromUtf8("Привет"), QString::fromUtf8("Łucja źdźbło"),
                                 QString::fromUtf8("γειά"), QString::fromUtf8("あい"),
                                 QString::fromUtf8("小明"), QString::fromUtf8("Łucja 😀")},
                     "llllll", "------");
    }
    void fixtureParagraphs()
    {
        QFETCH(QString, file);
        QFETCH(QString, alignments);
        QFETCH(QString, bullets);
        QTextDocument doc;
        QString error;
        QVERIFY2(readRtf(fixture(file), doc, &error), qPrintable(error));
        QTEST(paragraphs(doc), "texts");
        QVERIFY(!doc.isUndoAvailable());
        int i = 0;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next(), ++i) {
            const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
            const QChar code = a == Qt::AlignRight     ? u'r'
                               : a == Qt::AlignHCenter ? u'c'
                               : a == Qt::AlignJustify ? u'j'
                                                       : u'l';
            QCOMPARE(code, alignments.at(i));
            QCOMPARE(block.textList() ? u'*' : u'-', bullets.at(i));
        }
    }

    void fixtureRuns_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("styles");

        const auto row = [](const char *name, const char *file, const QString &words,
                            const QString &family, qreal points, const char *colour,
                            const char *styles) {
            QTest::newRow(name) << file << words << family << points << colour << styles;
        };
        const char *edit = "rich_edit_bullets.rtf", *word = "generator_theme_pictures.rtf",
                   *sheet = "stylesheet_lists_unicode.rtf";
        row("rich edit heading", edit, "Class", "Comic Sans MS", 24, "#ff0000", "b");
        row("rich edit bullet run", edit, "bananas", "Arial", 14, "#0000ff", "");
        row("word field result", word, "link", "Calibri", 11, "#0000ff", "u");
        row("stylesheet heading", sheet, "Holiday", "DejaVu Serif", 20, "#c00000", "b");
        row("charset font name", "code_pages.rtf", "あい", "ＭＳ 明朝", 12, "", "");
    }
    void fixtureRuns()
    {
        QFETCH(QString, file);
        QFETCH(QString, words);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(QString, colour);
        QFETCH(QString, styles);
        QTextDocument doc;
        QVERIFY(readRtf(fixture(file), doc));
        const QTextCharFormat format = formatOf(doc, words);
        QVERIFY2(format.isValid(), "no run holds the words");
        checkLooks(format, family, points, colour, styles);
    }

    void escapes_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QByteArray &body, const QString &text) {
            QTest::newRow(name) << body << text;
        };
        row("code page byte", "caf\\'e9 \\'80", "café €");
        row("unicode skips its fallback", "\\u321?ucja", "Łucja");
        row("fallback as escaped byte", "Zo\\u235\\'ebe", "Zoëe");
        row("surrogate pair", "\\u-10179?\\u-8704?", "😀");
        row("lone surrogate", "a\\u-10179?b", "a\uFFFDb");
        row("fallback ends at group", "{\\uc3\\u945 a}bc", "αbc");
        row("fallbacks of two and none", "\\uc2\\u945 xyz\\uc0\\u946 w", "αzβw");
        row("document code page without a font", "\\ansicpg1251 \\'c0\\'e1", "Аб");
        row("special characters", "a\\~b\\emdash c\\ldblquote d\\rdblquote\\bullet",
            "a\u00A0b—c“d”•");
        row("delimiting space eaten", "\\b  x\\b0", " x");
        row("raw line ends ignored", "a\r\nb\nc", "abc");
        row("ignorable unknown destination", "a{\\*\\madeup b{c}}d", "ad");
        row("binary skipped", "{\\pict\\bin3 {}\\}x", "x");
        row("unknown code page reads as 1252", "\\ansicpg99999 \\'e9", "é");
        row("Mac code page", "\\ansicpg10000 \\'8a", "ä");
        row("font charsets",
            "{\\fonttbl{\\f1\\fcharset254 T;}{\\f2\\fcharset186 B;}{\\f3\\fcharset163 V;}}"
            "\\f1 \\'82\\'9d\\f2 \\'e0\\f3 \\'c3.",
            "é¥ąĂ.");
        row("DOS code pages", "\\pc \\'82\\pca \\'9d", "éØ");
        row("held-back letters let out", "\\ansicpg1258 a\\'c3 \\'c3\\'81\\'e2", "aĂ Ă\uFFFDâ");
    }
    void escapes()
    {
        QFETCH(QByteArray, body);
        QTextDocument doc;
        QVERIFY(readRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0 " + body + "}", doc));
        QTEST(doc.toRawText(), "text");
    }

    void characterWords_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("styles");
        const auto row = [](const char *name, const QByteArray &body, const char *family,
                            qreal points, const char *colour, const char *styles) {
            QTest::newRow(name) << body << family << points << colour << styles;
        };
        // The document's default font is the table's second, so that it differs from font 0.
        row("group ends the looks", "{\\b\\i\\ul\\fs40\\cf1\\f0 a}x", "Serif", 12, "", "");
        row("ulnone and other underlines", "\\uldb\\b\\ulnone x", "Serif", 12, "", "b");
        row("plain resets", "\\f0\\fs40\\cf1\\b\\i\\ul\\plain x", "Serif", 12, "", "");
        row("all on", "\\f0\\fs15\\cf1\\b\\i\\ul x", "Sans", 7.5, "#ff8000", "biu");
        row("colour past the table", "\\cf9 x", "Serif", 12, "", "");
        row("font not in the table", "\\f7 x", "", 12, "", "");
        row("zero size is the default", "\\fs30\\fs0 x", "Serif", 12, "", "");
    }
    void characterWords()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(QString, colour);
        QFETCH(QString, styles);
        QTextDocument doc;
        QVERIFY(readRtf("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss Sans;}{\\f1\\froman Serif;}}"
                        "{\\colortbl;\\red255\\green128\\blue0;}" +
                            body + "}",
                        doc));
        checkLooks(formatOf(doc, "x"), family, points, colour, styles);
    }

    void hostileInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");
        QTest::newRow("not rtf") << QByteArray("Hello") << false << "";
        QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 a{\\b b") << true << "ab";
        QTest::newRow("extra closing brace ends the document")
            << QByteArray("{\\rtf1 a}}b}") << true << "a";
        QTest::newRow("deep nesting") << "{\\rtf1 a" + QByteArray(100000, '{') + "x\\\n\\par\\~" +
                                             QByteArray(100000, '}') + "b}"
                                      << true << "ab";
        test::addRow("deep nesting never closed", "{\\rtf1 a" + QByteArray(100000, '{'), true, "a");
        QTest::newRow("binary longer than the file")
            << QByteArray("{\\rtf1 a\\bin2147483647 xyz") << true << "a";
        test::addRow("negative binary length", QByteArray("{\\rtf1 a\\bin-5 b}"), true, "ab");
        test::addRow(
            "huge numbers everywhere",
            QByteArray(
                "{\\rtf1{\\colortbl;\\red99999999999\\green-5;}\\cf99999999999\\f-99999999999"
                "\\li99999999999\\fi-99999999999\\u99999999999 a\\uc99999999 b}"),
            true, QString::fromUtf8("\uFFFDb"));
        QTest::newRow("cut off in a hex escape") << QByteArray("{\\rtf1 a\\'") << true << "a";
        QTest::newRow("cut off after a backslash") << QByteArray("{\\rtf1 a\\") << true << "a";
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b\\'00c}", 16) << true << "abc";
        QTest::newRow("too long") << "{\\rtf1 " + QByteArray(kMaxRtfCharacters + 1, 'x') + "}"
                                  << false << "";
        test::addRow("too many paragraphs",
                     "{\\rtf1 " + QByteArray("\\par").repeated(kMaxRtfCharacters + 1) + "}", false,
                     "");
    }
    void hostileInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, accepted);
        QFETCH(QString, text);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("before"));
        QString error;
        QCOMPARE(readRtf(rtf, doc, &error), accepted);
        QCOMPARE(error.isEmpty(), accepted);
        QCOMPARE(doc.toPlainText(), accepted ? text : QStringLiteral("before"));
        QVERIFY(doc.firstBlock().blockFormat().leftMargin() <=
                rtf::kMaxIndentTwips / rtf::kTwipsPerPixel); // the widest page
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
