#pragma once
// Drawing a text box onto another surface: the printer page, a PDF or a picture. The text is
// laid out exactly as the on-screen box lays it out (same line breaks and alignment) and then
// scaled, so a page prints as it looks.

#include "core/text/textboxformat.h"

#include <QPointF>

#include <optional>

class QPainter;
class QTextDocument;

namespace quillora {

struct TextPlacement {
    QPointF origin;     // where the box's top-left corner goes on the target
    qreal scaleX = 1.0; // target units per box unit
    qreal scaleY = 1.0;
    // On a sheet of repeated copies, every "^" is drawn as the number of the copy being drawn.
    std::optional<int> copyNumber;
    // Characters drawn this much smaller than the box shows them (the printer's font size
    // setting). Line breaks, the lines' order and which characters fit stay those of the box:
    // each line shrinks towards its aligned edge and the line tops towards the box's top.
    // Last, so that positional initialisers of the fields above keep their meaning.
    qreal fontFactor = 1.0;
};

// A plain text box. The placeholder "Abc" draws nothing.
void drawTextBox(QPainter &painter, const TextBoxModel &box, const TextPlacement &placement);

// A rich text box whose content is `content`; `format` gives its size and base font. Each
// character keeps its own font, size and colour. The placeholder "Abc" draws nothing.
void drawRichTextBox(QPainter &painter, const QTextDocument &content, const TextBoxFormat &format,
                     const TextPlacement &placement);

// The routine under both: draws a document already configured for a box of `boxSize`. Every
// character of a line sits with its bottom on the line's bottom; a character that would end
// outside the box is not drawn, and nothing is drawn outside the box's scaled rectangle.
void drawBoxDocument(QPainter &painter, QTextDocument &document, const QSizeF &boxSize,
                     const QColor &textColour, const TextPlacement &placement);

// Replaces every "^" of a document with a copy number, keeping each one's formatting.
void insertCopyNumber(QTextDocument &document, int copyNumber);

} // namespace quillora
