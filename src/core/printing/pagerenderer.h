#pragma once
// Drawing the page in work onto any surface: the printer page, a PDF, a PNG picture, a
// thumbnail. Everything is drawn where the screen shows it, scaled; hidden objects and the
// placeholder "Abc" are left out.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QPointF>

#include <optional>

class QPainter;

namespace quillora {

struct PageRenderOptions {
    QPointF origin;             // where the page's top-left corner goes on the target
    qreal scale = 1.0;          // target units per window pixel
    qreal fontFactor = 1.0;     // characters this much smaller, with the same line breaks
    std::optional<int> copyNumber; // each "^" in a text is drawn as this number
};

// Draws the page's border, pictures (each stretched to its place; an empty one is white),
// lines, boxes, rich texts and texts, in that order.
void renderPage(QPainter &painter, const PageModel &page, const PageRenderOptions &options);

// The page alone on white, `scale` target pixels per window pixel; a null image when the page
// has no size.
QImage renderPageImage(const PageModel &page, qreal scale = 1.0);

// The page scaled to fit within `bounds`, keeping its proportions (thumbnails, previews).
QImage renderPageThumbnail(const PageModel &page, const QSize &bounds);

} // namespace quillora
