#pragma once
// Drawing the page in work onto any surface: the printer page, a PDF, a PNG picture, a
// thumbnail. Everything is drawn where the screen shows it, scaled; hidden objects and the
// placeholder "Abc" are left out.

#include "core/layout/pagemodel.h"

#include <QHash>
#include <QImage>
#include <QPointF>

#include <optional>

class QPainter;

namespace quillora {

// The light grey of the window's object frames.
constexpr ColourRef kThumbnailFrameColour = 0xC0C0C0;

// What drawing one page many times over on one target can share: every copy on a sheet of
// copies shows the same shaped pictures and border at the same size, so each is worked out once
// and a printer is sent one picture for all the copies. Good for one page only.
class CopyDrawings {
public:
    QImage shapedPicture(const PictureBoxModel &box, const QSize &size);
    QImage border(const PageModel &page, qreal scale, bool guide);

private:
    QHash<QString, QImage> m_drawn;
};

struct PageRenderOptions {
    QPointF origin;                // where the page's top-left corner goes on the target
    qreal scale = 1.0;             // target units per window pixel
    qreal fontFactor = 1.0;        // characters this much smaller, with the same line breaks
    std::optional<int> copyNumber; // each "^" in a text is drawn as this number
    // The objects' frames as the window shows them (one pixel outside each text, rich text
    // and picture box), for pictures of the layout itself such as thumbnails.
    std::optional<ColourRef> frameColour;
    // Where set, shaped pictures and the border are taken from here.
    CopyDrawings *shared = nullptr;
};

// Draws the page's border, pictures (each stretched to its place; an empty one is white; a
// shaped one only inside its mask), lines, boxes, rich texts and texts, in that order.
void renderPage(QPainter &painter, const PageModel &page, const PageRenderOptions &options);

// The page alone on white, `scale` target pixels per window pixel; a null image when the page
// has no size.
QImage renderPageImage(const PageModel &page, qreal scale = 1.0);

// The page scaled to fit within `bounds`, keeping its proportions, with its objects' frames:
// thumbnails of layouts and previews of files.
QImage renderPageThumbnail(const PageModel &page, const QSize &bounds,
                           ColourRef frameColour = kThumbnailFrameColour);

} // namespace quillora
