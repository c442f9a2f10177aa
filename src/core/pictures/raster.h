#pragma once
// Aliased drawing primitives on 32-bit pictures. A pixel is painted when its centre lies inside
// the shape, so strokes have hard edges that the flood fill meets without a fringe, and every
// result is exact and repeatable.

#include "core/layout/colour.h"

#include <QImage>
#include <QPointF>
#include <QRect>

namespace quillora::raster {

// Opaque pixel value of a colour.
QRgb toPixel(ColourRef colour);
ColourRef fromPixel(QRgb pixel);

// Converts a picture to a 32-bit format the primitives can write, keeping its content.
void makePaintable(QImage &image);
bool isPaintable(const QImage &image);

// Where the pen stands when it is put down on pixel p: odd widths centre on the pixel, even
// widths on its top-left corner, so a pen of width w covers exactly w pixels across.
QPointF penCentre(QPoint pixel, int width);

// Every primitive returns the rectangle of pixels it wrote (empty when it wrote none).
QRect fillRect(QImage &image, const QRect &rect, QRgb pixel);
QRect fillDisc(QImage &image, QPointF centre, double radius, QRgb pixel);
// A segment with round ends: the pen dragged from a to b.
QRect fillCapsule(QImage &image, QPointF a, QPointF b, double radius, QRgb pixel);
QRect fillEllipse(QImage &image, QPointF centre, double radiusX, double radiusY, QRgb pixel);
// The band of the given width centred on the ellipse's edge.
QRect strokeEllipse(QImage &image, QPointF centre, double radiusX, double radiusY, double width,
                    QRgb pixel);
// Moves each pixel of a disc towards target by step/255 of the way (at least one level per
// channel), so repeated dabs build the colour up softly.
QRect blendDisc(QImage &image, QPointF centre, double radius, QRgb target, int step);

} // namespace quillora::raster
