#pragma once
// Drawing a comic strip: each bubble as a smooth white shape with a black line (at the target's
// own resolution, so a printed tail is as clean as a big one on screen) and its words, cut off
// at its frame's edge; the page with its frames and bubbles for the printer, PDF and PNG.

#include "core/doctypes/cartoon.h"
#include "core/printing/pagerenderer.h"
#include "core/printing/printjob.h"

class QPainter;

namespace quillora {

// The width of a bubble's line, window pixels.
constexpr qreal kBubbleLineWidth = 3.0;

// The bubble's shape on a painter whose origin is the bubble surface's top-left corner.
void paintBubbleShape(QPainter &painter, const BubbleModel &bubble);

// One bubble, shape and words: `frameOrigin` is where its frame's top-left corner goes on the
// target, `scale` target units per window pixel. Nothing outside `frameOnTarget` is drawn.
void drawBubble(QPainter &painter, const BubbleModel &bubble, QPointF frameOrigin, qreal scale,
                const QRectF &frameOnTarget, qreal fontFactor = 1.0);

// The frames' pictures with a line round each, then every visible bubble.
void renderCartoonPage(QPainter &painter, const PageModel &page, const PageRenderOptions &options);
// The page alone on white; a null image when it has no size.
QImage renderCartoonPageImage(const PageModel &page, qreal scale = 1.0);

PrintResult printCartoon(const PageModel &page, PrintDevice &device, const PrintSettings &settings);

} // namespace quillora
