// The order "Read it to me" reads a page in, how a word the voice reports finds its box, and the
// letter voice's sentences.

#include "core/doctypes/cartoon.h"
#include "core/text/readaloud.h"

#include <QTest>

using namespace quillora;

class TestReadingOrder : public QObject {
    Q_OBJECT
private slots:
    void pageReadsLineByLineInTheLanguagesDirection_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("passage");
        // "Left" sits a little lower than "Right" yet on its line; "Below" starts under its middle.
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
        const auto box = [](QRect where, const char *text, bool visible = true) {
            return TextBoxModel{{}, where, QString::fromLatin1(text), true, visible};
        };
        page.textBoxes = {box({10, 0, 400, 40}, "Title"), box({10, 70, 150, 80}, " Left "),
                          box({10, 300, 150, 80}, "Hidden", false),
                          box({300, 200, 150, 80}, "Below"), box({10, 400, 150, 80}, "Abc")};
        page.richTextBoxes = {{{}, QRect(250, 60, 150, 80), {}, QStringLiteral("Right!"), true}};
        // A bubble lies on its frame: its place on the page is the frame's corner and its own.
        page.pictureBoxes.resize(2);
        page.pictureBoxes[1].geometry = QRect(0, 500, 300, 300);
        page.kindState<ComicStripState>().bubbles = {{BubbleKind::Speech,
                                                      1,
                                                      QRect(0, 0, 50, 50),
                                                      {},
                                                      QStringLiteral("Bubble words"),
                                                      {},
                                                      true}};
        page.current = {ObjectKind::Picture, 0};

        const ReadingPassage read = passageToRead(page, 0, direction);
        QCOMPARE(read.text, passage);
        for (const ReadingPiece &piece : read.pieces)
            QCOMPARE(read.text.mid(piece.offset, piece.text.size()), piece.text);
    }

    void spokenWordsFindTheirPiece()
    {
        const ReadingPassage passage{QStringLiteral("One two.\nThree four"),
                                     {{{}, 0, {}, QStringLiteral("One two."), 0},
                                      {{}, 0, {}, QStringLiteral("Three four"), 9}}};
        QCOMPARE(wordsAt(passage, 9, 5), (MarkedWords{1, 0, 5}));  // a piece's first word
        QCOMPARE(wordsAt(passage, 6, 50), (MarkedWords{0, 6, 2})); // never past its piece
        QVERIFY(!wordsAt(passage, 8, 1));                          // the pause between the boxes
    }

    void passagesAreSaidPhraseByPhrase()
    {
        const QString text = QStringLiteral("One two three four five, six.\nSeven eight ");
        const auto said = [&text](const QVector<Phrase> &phrases) {
            QStringList parts;
            for (const Phrase &phrase : phrases)
                parts.append(text.mid(phrase.start, phrase.length));
            return parts.join(u'|');
        };
        QCOMPARE(said(phrasesOf(text)),
                 QStringLiteral("One two three four|five,|six.|Seven eight"));
        QCOMPARE(said(phrasesOf(text, 2, 3)),
                 QStringLiteral("One two|three four five,|six.|Seven eight"));
    }

    void sentenceBeforeTheCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("after a full stop") << "Hi. My dog" << 10 << "My dog";
        QTest::newRow("after a line") << "Hi\nBye now" << 10 << "Bye now";
        QTest::newRow("caret inside") << "A big! red bus" << 10 << "red";
        QTest::newRow("caret beyond") << "Yes" << 99 << "Yes";
        QTest::newRow("nothing yet") << "Hi." << 3 << "";
    }
    void sentenceBeforeTheCaret()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, sentence);
        QCOMPARE(sentenceBefore(text, caret), sentence);
    }
};

QTEST_GUILESS_MAIN(TestReadingOrder)
#include "tst_readingorder.moc"
