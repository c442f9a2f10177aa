#pragma once
// Writing a QTextDocument as Rich Text Format in the dialect word processors and rich edit
// controls read: code page 1252 with "\uN?" for every other character, a font table, a
// colour table, paragraphs with alignment, indents and bullets, and runs with font, size,
// colour, bold, italic and underline. Reading the result gives the same document back, and
// writing that again gives the same bytes.

#include <QByteArray>

class QTextDocument;

namespace quillora {

QByteArray writeRtf(const QTextDocument &doc);

} // namespace quillora
