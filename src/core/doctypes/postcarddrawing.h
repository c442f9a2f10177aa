#pragma once
// Drawing a postcard's sides: on screen for the flip, and on paper, where the picture side and
// the writing side print as two landscape pages of one job to be printed back to back.

#include "core/doctypes/postcard.h"
#include "core/printing/printjob.h"

#include <QImage>
#include <QPointF>

class QPainter;

namespace quillora {

// The colours of the screen furniture and of the printed stamp and lines.
constexpr ColourRef kPictureFrameColour = 0x3FD2FF; // sunshine yellow
constexpr ColourRef kCardLineColour = 0x8A7A6A;

struct PostcardDrawOptions {
    QPointF origin;               // where the card's top-left corner goes on the target
    qreal scale = 1.0;            // target units per window pixel
    qreal fontFactor = 1.0;       // printed characters this much smaller, same line breaks
    bool screenFurniture = false; // the picture side's frame shape, which is never printed
    // `StampBG`'s picture stretched over the stamp's frame; without one a perforated edge is
    // drawn round the stamp.
    QImage stampFrame;
};

// One side of the card with its objects on white; the placeholder "Abc" is not drawn.
void drawPostcardSide(QPainter &painter, const PageModel &page, PostcardSide side,
                      const PostcardDrawOptions &options);
// The same into a picture of the card's size times `options.scale`.
QImage renderPostcardSide(const PageModel &page, PostcardSide side,
                          const PostcardDrawOptions &options);

// Prints every copy as two landscape pages, the picture side then the writing side, each
// filling the printable area at the print zoom and centred on it.
PrintResult printPostcard(const PageModel &page, PrintDevice &device,
                          const PrintSettings &settings);

} // namespace quillora
