#pragma once
// What "Read it to me" reads: the words of the object being worked on, or else every text of the
// page in reading order (top to bottom, each line in the language's direction), joined into one
// passage for the voice, with the way back from a spoken word to the box it came from. Also the
// letter voice's rules: what a key says and which sentence a full stop finishes.

#include "core/foundation/language.h"
#include "core/layout/pagemodel.h"

#include <QLocale>
#include <QRect>
#include <QString>
#include <QVector>

#include <optional>

namespace quillora {

class Translator;

// One text of the page as it is read: the object it belongs to (a floating text of an anywhere
// page is of no kind, with its slot), where it lies on the page and its words.
struct ReadingPiece {
    CurrentObject source;
    int floatingSlot = 0;
    QRect where;
    QString text;
    qsizetype offset = 0; // where its words start in the passage
};

struct ReadingPassage {
    QString text;
    QVector<ReadingPiece> pieces;
};

// A stretch of words inside one piece of a passage.
struct MarkedWords {
    int piece = 0;
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const MarkedWords &) const = default;
};

// Every text of the page that holds words, wherever the page keeps them: text and rich text
// boxes, bubbles, floating texts and a banner. Placeholders and blank texts are left out.
QVector<ReadingPiece> pageTexts(const PageModel &page);

// The pieces sorted as a reader meets them: line by line from the top, a piece belonging to a
// line when its top lies above the middle of the line's first piece.
QVector<ReadingPiece> inReadingOrder(QVector<ReadingPiece> pieces, Qt::LayoutDirection direction);

// The passage for the object being worked on, when it holds words; otherwise the whole page in
// reading order. `editedFloatingText` is the anywhere text being written (0 for none).
ReadingPassage passageToRead(const PageModel &page, int editedFloatingText,
                             Qt::LayoutDirection direction);

// The piece and the stretch within it that a word the voice reached at `start` covers.
std::optional<MarkedWords> wordsAt(const ReadingPassage &passage, qsizetype start,
                                   qsizetype length);

// A stretch of a passage a voice says in one go.
struct Phrase {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const Phrase &) const = default;
};

// The passage cut where a reader pauses (after a sentence, a comma or a line) and wherever a
// phrase reaches `longest` words; the first phrase stops at `first` words, so the voice begins
// before the rest of the passage is made.
QVector<Phrase> phrasesOf(const QString &text, int first = 4, int longest = 12);

// What the letter voice says for a typed character: the letter or digit itself, in capitals so
// that engines name the letter instead of reading it as a word; nothing for other characters.
QString letterToSay(QChar typed);

// The sentence that ends at `caret`: from after the last full stop, question or exclamation mark
// or line break before it. Blank when there are no words.
QString sentenceBefore(const QString &text, qsizetype caret);

// The language the voice speaks: the program's language. When that is English but the school
// installed its own language file, the machine's language, which the school wrote the file for.
QLocale voiceLanguage(const Language &language, const Translator &translator,
                      const QLocale &machine = QLocale::system());

} // namespace quillora
