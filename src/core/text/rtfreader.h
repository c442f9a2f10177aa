#pragma once
// Reading Rich Text Format as word processors and rich edit controls write it into a
// QTextDocument: fonts, sizes, colours, bold, italic, underline, alignment, indents and
// bullets. Everything else in a file (pictures, objects, headers, styles) is passed over.
//
// Hostile input is safe: reading takes time linear in the input, nesting deeper than
// kMaxRtfDepth is read as nothing, and a text longer than kMaxRtfCharacters is refused.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace quillora {

inline constexpr int kMaxRtfDepth = 512;
inline constexpr int kMaxRtfCharacters = 1 << 18;

// True when the bytes begin (after white space) with the Rich Text Format signature "{\rtf".
bool looksLikeRtf(const QByteArray &bytes);

// Replaces the document's content with the RTF's. On failure (not RTF, too long) the
// document is left as it was and the error says why. Damaged files (unbalanced braces, cut
// off in the middle) read as far as they go and count as success. Loading clears the
// document's undo history rather than adding to it. `nestedTooDeep` learns whether some of the
// content was left out for nesting deeper than kMaxRtfDepth.
[[nodiscard]] bool readRtf(const QByteArray &rtf, QTextDocument &into, QString *error = nullptr,
                           bool *nestedTooDeep = nullptr);

} // namespace quillora
