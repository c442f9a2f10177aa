// What "Read it to me" reads and in which order, how a word the voice reports finds its box, and
// the letter voice's rules.

#include "core/foundation/translator.h"
#include "core/text/readaloud.h"

#include <QTest>

using namespace quillora;

namespace {

TextBoxModel textBox(QRect where, const QString &text, bool visible = true)
{
    TextBoxModel box;
    box.geometry = where;
    box.text = text;
    box.visible = visible;
    return box;
}

} // namespace

class TestReadingOrder : public QObject {
    Q_OBJECT
private slots:
    void pageReadsLineByLineInTheLanguagesDirection_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("passage");
        // "Left" sits a little lower than "Right" yet on the same line; "Below" starts under the
        // middle of that line.
        QTest::newRow("left to right")
            << Qt::LeftToRight << QStringLiteral("Title.\nLeft.\nRight!\nBelow.\nBubble words");
        QTest::newRow("right to left")
            << Qt::RightToLeft << QStringLiteral("Title.\nRight!\nLeft.\nBelow.\nBubble words");
    }
    void pageReadsLineByLineInTheLanguagesDirection()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, passage);
        PageModel page;
        page.textBoxes = {textBox({10, 0, 400, 40}, QStringLiteral("Title")),
                          textBox({10, 70, 150, 80}, QStringLiteral(" Left ")),
                          textBox({10, 300, 150, 80}, QStringLiteral("Hidden"), false),
                          textBox({300, 200, 150, 80}, QStringLiteral("Below")),
                          textBox({10, 400, 150, 80}, kPlaceholderText)};
        page.richTextBoxes.resize(1);
        page.richTextBoxes[0].visible = true;
        page.richTextBoxes[0].geometry = QRect(250, 60, 150, 80);
        page.richTextBoxes[0].plainText = QStringLiteral("Right!");
        // A bubble lies on its frame: its place on the page is the frame's corner and its own.
        page.pictureBoxes.resize(2);
        page.pictureBoxes[1].geometry = QRect(0, 500, 300, 300);
        page.bubbles.resize(1);
        page.bubbles[0] = {BubbleKind::Speech,
                           1,
                           QRect(0, 0, 50, 50),
                           {},
                           QStringLiteral("Bubble words"),
                           {},
                           true};
        page.current = {objectkind::Picture, 0};

        const ReadingPassage read = passageToRead(page, 0, direction);
        QCOMPARE(read.text, passage);
        for (const ReadingPiece &piece : read.pieces)
            QCOMPARE(read.text.mid(piece.offset, piece.text.size()), piece.text);
    }

    void theObjectBeingWorkedOnIsReadAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("floatingSlot");
        QTest::addColumn<QString>("passage");
        QTest::newRow("text box") << QStringLiteral("t") << 0 << QStringLiteral("the cat sat");
        QTest::newRow("bubble") << QStringLiteral("bub") << 0 << QStringLiteral("Hello!");
        QTest::newRow("banner") << QStringLiteral("banner") << 0 << QStringLiteral("HAPPY DAY");
        QTest::newRow("anywhere text") << QStringLiteral("p") << 1 << QStringLiteral("a frog");
        QTest::newRow("a placeholder reads the page")
            << QStringLiteral("r") << 0
            << QStringLiteral("the cat sat.\nHAPPY DAY.\nHello!\na frog");
    }
    void theObjectBeingWorkedOnIsReadAlone()
    {
        QFETCH(QString, kind);
        QFETCH(int, floatingSlot);
        QFETCH(QString, passage);
        PageModel page;
        page.textBoxes = {textBox({0, 0, 100, 40}, QStringLiteral("the cat sat"))};
        page.richTextBoxes.resize(1);
        page.richTextBoxes[0].visible = true;
        page.bubbles.resize(1);
        page.bubbles[0] = {
            BubbleKind::Thought, 0, QRect(0, 50, 50, 50), {}, QStringLiteral("Hello!"), {}, true};
        page.floatingTexts.resize(2);
        page.floatingTexts[1] = {{}, QRect(0, 90, 50, 20), QStringLiteral("a frog"), true};
        page.banner.text = QStringLiteral("HAPPY DAY");
        page.current = {kind, 0};
        QCOMPARE(passageToRead(page, floatingSlot, Qt::LeftToRight).text, passage);
    }

    void spokenWordsFindTheirPiece()
    {
        ReadingPassage passage;
        passage.text = QStringLiteral("One two.\nThree four");
        passage.pieces = {{{objectkind::Text, 0}, 0, {}, QStringLiteral("One two."), 0},
                          {{objectkind::Text, 1}, 0, {}, QStringLiteral("Three four"), 9}};
        QCOMPARE(wordsAt(passage, 4, 3), (MarkedWords{0, 4, 3}));
        QCOMPARE(wordsAt(passage, 15, 4), (MarkedWords{1, 6, 4}));
        QCOMPARE(wordsAt(passage, 6, 50), (MarkedWords{0, 6, 2})); // never past its piece
        QVERIFY(!wordsAt(passage, 8, 1));                          // the pause between the boxes
        QVERIFY(!wordsAt(passage, -3, 2));
    }

    void lettersAndSentences_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("first sentence")
            << QStringLiteral("The cat sat") << 11 << QStringLiteral("The cat sat");
        QTest::newRow("after a full stop")
            << QStringLiteral("Hi. My dog") << 10 << QStringLiteral("My dog");
        QTest::newRow("after a line")
            << QStringLiteral("Hi\nBye now") << 10 << QStringLiteral("Bye now");
        QTest::newRow("caret inside")
            << QStringLiteral("A big! red bus") << 10 << QStringLiteral("red");
        QTest::newRow("caret beyond the text")
            << QStringLiteral("Yes") << 99 << QStringLiteral("Yes");
        QTest::newRow("nothing yet") << QStringLiteral("Hi.") << 3 << QString();
    }
    void lettersAndSentences()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, sentence);
        QCOMPARE(sentenceBefore(text, caret), sentence);
        QCOMPARE(letterToSay(u'b'), QStringLiteral("B"));
        QCOMPARE(letterToSay(u'7'), QStringLiteral("7"));
        QCOMPARE(letterToSay(u' '), QString());
    }

    void theVoiceSpeaksTheProgramsLanguage()
    {
        Translator english;
        QCOMPARE(voiceLanguage(english, QLocale(QLocale::Welsh)).language(), QLocale::English);
        Translator welsh;
        welsh.loadFromBytes("\"Open\",\"Agor\"\r\n");
        QCOMPARE(voiceLanguage(welsh, QLocale(QLocale::Welsh)).language(), QLocale::Welsh);
    }
};

QTEST_GUILESS_MAIN(TestReadingOrder)
#include "tst_readingorder.moc"
