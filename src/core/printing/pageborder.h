#pragma once
// Laying the child's painted border picture around the page, as the page shows it and prints
// it: a pattern border repeats one tile along the four edges, a map border shows the picture
// wherever the border map marks border.
//
// Both kinds come down to a list of pieces: a rectangle of the border picture, scaled to one
// tile (pattern) or to the page inside its edges (map), copied straight to a place on the page.

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
// first; a factor of 0 keeps the map's own size) and each map pixel stands for one block of
// the area, block edges rounded so the blocks tile the area exactly. A dark map pixel
// (qGray < 128) shows the matching block of the picture scaled to the area; white shows none.
// Neighbouring dark blocks of one map row come as one piece.
BorderLayout mapBorderLayout(const BorderModel &border, const QSize &pageSize);

// The layout of the page's border kind; empty for no border.
BorderLayout borderLayout(const BorderModel &border, const QSize &pageSize);

// The border over a transparent page of `pageSize` window pixels; a null image when the page
// has no border, nothing has been painted for it, or no piece lands on the page.
QImage composeBorder(const BorderModel &border, const QSize &pageSize);

// The border as the page shows it on screen: as composeBorder, but the picture's unpainted
// (white) pixels, or the whole border before anything is painted, show in kBorderGuideColour,
// so a child sees where the border goes. Printing never uses this.
QImage composeBorderGuide(const BorderModel &border, const QSize &pageSize);

} // namespace quillora
