#pragma once
// Surface fill: every pixel connected (4-way) to the seed that has exactly the seed's colour.

#include <QImage>
#include <QPoint>
#include <QRect>

namespace quillora {

// Fills on a 32-bit picture (see raster::makePaintable) and returns the rectangle it changed;
// empty when the seed is outside the picture or already has the fill colour.
QRect floodFill(QImage &image, QPoint seed, QRgb fill);
// The same inside a shape (see core/pictures/masks.h) only: pixels outside it are never filled
// and the fill does not pass through them; a seed outside fills nothing.
QRect floodFill(QImage &image, QPoint seed, QRgb fill, const QImage &shape);

} // namespace quillora
