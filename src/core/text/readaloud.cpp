#include "core/text/readaloud.h"

#include "core/foundation/translator.h"

#include <algorithm>

namespace quillora {

namespace {

bool holdsWords(const QString &text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && trimmed != kPlaceholderText;
}

// A text box's words; the kind may hold a placeholder of its own there.
QString textBoxWords(const PageModel &page, int index)
{
    return page.ownState.textBoxWords(page, index, page.textBoxes[index].text);
}

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u'\n' || c == u'\r' ||
           c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

ReadingPassage joined(const QVector<ReadingPiece> &pieces)
{
    ReadingPassage passage;
    for (ReadingPiece piece : pieces) {
        piece.text = piece.text.trimmed();
        if (!passage.text.isEmpty()) {
            // A piece without a closing mark still ends with a pause, as a box ends a thought.
            passage.text +=
                endsSentence(passage.text.back()) ? QStringLiteral("\n") : QStringLiteral(".\n");
        }
        piece.offset = passage.text.size();
        passage.text += piece.text;
        passage.pieces.append(piece);
    }
    return passage;
}

std::optional<ReadingPiece> currentPiece(const PageModel &page, int editedFloatingText)
{
    if (const auto piece = page.ownState.currentReadingPiece(page, editedFloatingText))
        return ReadingPiece{piece->source, piece->floatingSlot, piece->where, piece->text};
    const CurrentObject &current = page.current;
    const int i = current.index;
    if (current.kind == ObjectKind::Text && i >= 0 && i < page.textBoxes.size())
        return ReadingPiece{current, 0, page.textBoxes[i].geometry, textBoxWords(page, i)};
    if (current.kind == ObjectKind::RichText && i >= 0 && i < page.richTextBoxes.size()) {
        return ReadingPiece{current, 0, page.richTextBoxes[i].geometry,
                            page.richTextBoxes[i].plainText};
    }
    return std::nullopt;
}

} // namespace

QVector<ReadingPiece> pageTexts(const PageModel &page)
{
    QVector<ReadingPiece> pieces;
    const auto add = [&pieces](CurrentObject source, int slot, QRect where, const QString &text) {
        if (holdsWords(text))
            pieces.append({std::move(source), slot, where, text});
    };
    for (int i = 0; i < page.textBoxes.size(); ++i) {
        const TextBoxModel &box = page.textBoxes[i];
        if (box.visible)
            add({ObjectKind::Text, i}, 0, box.geometry, textBoxWords(page, i));
    }
    for (int i = 0; i < page.richTextBoxes.size(); ++i) {
        const RichTextBoxModel &box = page.richTextBoxes[i];
        if (box.visible)
            add({ObjectKind::RichText, i}, 0, box.geometry, box.plainText);
    }
    QVector<KindReadingPiece> kindPieces;
    page.ownState.addReadingPieces(page, kindPieces);
    for (const KindReadingPiece &piece : kindPieces)
        add(piece.source, piece.floatingSlot, piece.where, piece.text);
    return pieces;
}

QVector<ReadingPiece> inReadingOrder(QVector<ReadingPiece> pieces, Qt::LayoutDirection direction)
{
    std::stable_sort(
        pieces.begin(), pieces.end(),
        [](const ReadingPiece &a, const ReadingPiece &b) { return a.where.top() < b.where.top(); });
    const auto beforeInLine = [direction](const ReadingPiece &a, const ReadingPiece &b) {
        return direction == Qt::RightToLeft ? a.where.right() > b.where.right()
                                            : a.where.left() < b.where.left();
    };
    for (auto line = pieces.begin(); line != pieces.end();) {
        const int middle = line->where.center().y();
        const auto end = std::find_if(line + 1, pieces.end(), [middle](const ReadingPiece &piece) {
            return piece.where.top() > middle;
        });
        std::stable_sort(line, end, beforeInLine);
        line = end;
    }
    return pieces;
}

ReadingPassage passageToRead(const PageModel &page, int editedFloatingText,
                             Qt::LayoutDirection direction)
{
    if (const auto current = currentPiece(page, editedFloatingText);
        current && holdsWords(current->text)) {
        return joined({*current});
    }
    return joined(inReadingOrder(pageTexts(page), direction));
}

std::optional<MarkedWords> wordsAt(const ReadingPassage &passage, qsizetype start, qsizetype length)
{
    for (int i = int(passage.pieces.size()) - 1; i >= 0; --i) {
        const ReadingPiece &piece = passage.pieces[i];
        if (start < piece.offset)
            continue;
        const qsizetype within = start - piece.offset;
        if (within >= piece.text.size())
            return std::nullopt; // the pause between two pieces
        return MarkedWords{i, within, std::min(length, piece.text.size() - within)};
    }
    return std::nullopt;
}

QVector<Phrase> phrasesOf(const QString &text, int first, int longest)
{
    QVector<Phrase> phrases;
    qsizetype start = -1;
    int words = 0;
    qsizetype i = 0;
    qsizetype wordEnd = 0;
    while (i < text.size()) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        if (start < 0)
            start = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        wordEnd = i;
        ++words;
        const QChar last = text[i - 1];
        const bool pause = endsSentence(last) || last == u',' || last == u';' || last == u':' ||
                           (i < text.size() && endsSentence(text[i]));
        if (pause || words >= (phrases.isEmpty() ? first : longest)) {
            phrases.append({start, i - start});
            start = -1;
            words = 0;
        }
    }
    if (start >= 0)
        phrases.append({start, wordEnd - start});
    return phrases;
}

QString letterToSay(QChar typed)
{
    return typed.isLetterOrNumber() ? QString(typed.toUpper()) : QString();
}

QString sentenceBefore(const QString &text, qsizetype caret)
{
    qsizetype start = std::clamp<qsizetype>(caret, 0, text.size());
    const qsizetype end = start;
    while (start > 0 && !endsSentence(text[start - 1]))
        --start;
    return text.mid(start, end - start).trimmed();
}

QLocale voiceLanguage(const Language &language, const Translator &translator,
                      const QLocale &machine)
{
    if (language.code != QLatin1String(kEnglishCode))
        return language.locale;
    return translator.hasLanguageFile() ? machine : QLocale(QLocale::English);
}

} // namespace quillora
