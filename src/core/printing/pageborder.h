#pragma once
// Laying the child's painted border picture around the page, as the page shows it and prints
// it: a pattern border repeats one tile along the four edges, a map border shows the picture
// wherever the border map marks border.
//
// A pattern border is a list of pieces: the border picture scaled to one tile, copied straight
// to each place on the page. A map border is the picture scaled to the page inside its edges,
// shown through the map, whose edges are smoothed at the size the page is drawn.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QRect>
#include <QVector>

namespace quillora {

// The faint colour the page shows where the border is still unpainted (white), on screen only.
constexpr QRgb kBorderGuideColour = 0xFFF0E4FF; // a light lilac, unlike the desk and the page

// One straight copy: `source` of the scaled border picture goes to `target` on the page.
struct BorderPiece {
    QRect target; // window pixels relative to the page
    QRect source; // pixels of the border picture scaled to BorderLayout::pictureSize
    bool operator==(const BorderPiece &) const = default;
};

struct BorderLayout {
    QSize pictureSize; // what the border picture is scaled to before copying
    QVector<BorderPiece> pieces;
};

// Pattern border. The tile is `tileWidth` x `tileHeight` (0 counts as 1). Each edge takes the
// nearest whole number of tiles (a half tile counts up): the top and bottom rows first, then
// the left and right columns, the right column standing just after the last top tile, so the
// last tile may overhang or leave a gap at the right. No tiles when either count is 0.
BorderLayout patternBorderLayout(const BorderModel &border, const QSize &pageSize);

// Map border. The area is the page less `edgeWidth` left and right and `edgeHeight` top and
// bottom. The map is taken as `wsf` x `hsf` pixels (a map of another size is scaled to that
// first, nearest pixel; a factor of 0 keeps the map's own size) and stretched smoothly over the
// area: where it is dark (qGray < 128) the picture, scaled to the area, shows; where white,
// none. Along the map's edges the picture fades out over about one pixel of the drawn page.
QRect mapBorderArea(const BorderModel &border, const QSize &pageSize);

// The size the border picture is scaled to: one tile of a pattern border, the area of a map
// border; empty for no border.
QSize borderPictureSize(const BorderModel &border, const QSize &pageSize);

// The border over a transparent page of `pageSize` window pixels, drawn `scale` image pixels to
// a window pixel (a printer's page is drawn larger, so a map's edges stay smooth on paper); a
// null image when the page has no border, nothing has been painted for it, or it would show
// nowhere on the page.
QImage composeBorder(const BorderModel &border, const QSize &pageSize, qreal scale = 1.0);

// The border as the page shows it on screen: as composeBorder, but the picture's unpainted
// (white) pixels, or the whole border before anything is painted, show in kBorderGuideColour,
// so a child sees where the border goes. Printing never uses this.
QImage composeBorderGuide(const BorderModel &border, const QSize &pageSize, qreal scale = 1.0);

} // namespace quillora
