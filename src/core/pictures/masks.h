#pragma once
// Shaped pictures. A picture box whose template gives it a mask picture takes the mask's shape:
// it shows, takes presses and is painted only inside. The mask control takes the shape of its
// own image in the same way. A shape is a Grayscale8 picture: 255 inside, 0 outside. Drawing
// uses the shape's coverage instead, where pixels along the edge hold how much of them lies
// inside, so shaped pictures have smooth edges at any size.

#include <QHash>
#include <QImage>
#include <QRect>

namespace quillora::masks {

// The mask control's mask colour: where its image is white it is see-through and lets presses
// through to what lies beneath.
constexpr QRgb kMaskControlColour = 0xFFFFFFFF;

// A mask picture marks its shape with dark (qGray < 128), opaque (alpha >= 128) pixels; white
// and transparent pixels are outside.
bool marksShape(QRgb maskPixel);

// How much of each pixel the shape of a mask picture stretched to `size` covers, 0 to 255
// (Grayscale8). The mask is stretched smoothly, so a mask drawn with smooth edges keeps them;
// an enlarged mask's edge is sharpened back to about one pixel. A pixel is covered 128 or more
// exactly when marksShape holds for the stretched mask. A null image for a null mask or size.
QImage coverageFromMaskPicture(const QImage &mask, const QSize &size);

// The shape of a mask picture stretched to `size`: the pixels its coverage counts inside; a
// null image for a null mask or size.
QImage shapeFromMaskPicture(const QImage &mask, const QSize &size);

// The shape of an image shown with a mask colour: inside wherever a pixel is opaque and not
// of that colour.
QImage shapeOutsideColour(const QImage &image, QRgb maskColour = kMaskControlColour);

// Whether `point` lies inside; a null shape has no outside.
bool contains(const QImage &shape, const QPoint &point);

// Puts back, from `before`, every pixel of `dirty` that lies outside the shape, so that painting
// never changes the picture outside it. `picture`, `before` and `shape` are the same size.
void keepOutside(QImage &picture, const QImage &before, const QImage &shape, const QRect &dirty);

// The picture (stretched to the shape's size) with everything outside the shape transparent.
// A coverage (coverageFromMaskPicture) makes the edge pixels partly transparent.
QImage clipToShape(const QImage &picture, const QImage &shape);

// A band `width` pixels wide just inside the shape's edge, in `colour`; transparent elsewhere.
// Windows draw it over a shaped picture so a blank shape can be seen on a white page. Given a
// coverage, the band's outer edge is as smooth as the coverage's.
QImage shapeEdge(const QImage &shape, QRgb colour, int width = 2);

// The shapes of a page's masked pictures, each worked out once per mask and picture size.
class ShapeCache {
public:
    const QImage &shapeFor(const QImage &mask, const QSize &size);

private:
    static constexpr int kMaxShapes = 16;
    QHash<QString, QImage> m_shapes;
};

} // namespace quillora::masks
