#include "core/pictures/masks.h"

#include <algorithm>

namespace quillora::masks {

namespace {

constexpr uchar kInside = 255;
constexpr uchar kOutside = 0;

template <typename Inside> QImage shapeOf(const QImage &image, Inside inside)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage shape(source.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < source.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *marks = shape.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            marks[x] = inside(pixels[x]) ? kInside : kOutside;
    }
    return shape;
}

bool sameLayout(const QImage &a, const QImage &b)
{
    return a.size() == b.size() && a.format() == b.format() && a.depth() == 32;
}

} // namespace

bool marksShape(QRgb maskPixel)
{
    return qGray(maskPixel) < 128 && qAlpha(maskPixel) >= 128;
}

QImage shapeFromMaskPicture(const QImage &mask, const QSize &size)
{
    if (mask.isNull() || size.isEmpty())
        return {};
    // The mask is stretched smoothly first and its pixels judged after, so a small mask gives
    // a clean curved edge rather than steps.
    const QImage stretched =
        mask.size() == size ? mask
                            : mask.convertToFormat(QImage::Format_ARGB32)
                                  .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return shapeOf(stretched, marksShape);
}

QImage shapeOutsideColour(const QImage &image, QRgb maskColour)
{
    if (image.isNull())
        return {};
    const QRgb key = maskColour | 0xFF000000;
    return shapeOf(
        image, [key](QRgb pixel) { return qAlpha(pixel) >= 128 && (pixel | 0xFF000000) != key; });
}

bool contains(const QImage &shape, const QPoint &point)
{
    if (shape.isNull())
        return true;
    if (!shape.rect().contains(point))
        return false;
    return shape.constScanLine(point.y())[point.x()] == kInside;
}

void keepOutside(QImage &picture, const QImage &before, const QImage &shape, const QRect &dirty)
{
    const QRect area = dirty & picture.rect() & shape.rect();
    if (area.isEmpty() || !sameLayout(picture, before))
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *marks = shape.constScanLine(y);
        const auto *old = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        auto *now = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (marks[x] != kInside)
                now[x] = old[x];
        }
    }
}

QImage clipToShape(const QImage &picture, const QImage &shape)
{
    if (picture.isNull() || shape.isNull())
        return picture;
    QImage clipped =
        (picture.size() == shape.size()
             ? picture
             : picture.scaled(shape.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            .convertToFormat(QImage::Format_ARGB32);
    // Outside pixels keep their colour and lose only their opacity, so a printer or PDF viewer
    // that smooths the edge blends towards the picture's own colour, never towards black.
    for (int y = 0; y < clipped.height(); ++y) {
        const uchar *marks = shape.constScanLine(y);
        auto *pixels = reinterpret_cast<QRgb *>(clipped.scanLine(y));
        for (int x = 0; x < clipped.width(); ++x) {
            if (marks[x] != kInside)
                pixels[x] &= RGB_MASK;
        }
    }
    return clipped;
}

QImage shapeEdge(const QImage &shape, QRgb colour, int width)
{
    if (shape.isNull())
        return {};
    const int w = shape.width();
    const int h = shape.height();
    QImage edge(shape.size(), QImage::Format_ARGB32_Premultiplied);
    edge.fill(Qt::transparent);
    const QRgb ink = qPremultiply(colour);
    const int reach = std::max(1, width);
    // An inside pixel is on the edge when an outside pixel, or the picture's own edge, lies
    // within `reach` along its row or column.
    const auto outsideAt = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h || shape.constScanLine(y)[x] != kInside;
    };
    for (int y = 0; y < h; ++y) {
        const uchar *marks = shape.constScanLine(y);
        auto *pixels = reinterpret_cast<QRgb *>(edge.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (marks[x] != kInside)
                continue;
            for (int d = 1; d <= reach; ++d) {
                if (outsideAt(x - d, y) || outsideAt(x + d, y) || outsideAt(x, y - d) ||
                    outsideAt(x, y + d)) {
                    pixels[x] = ink;
                    break;
                }
            }
        }
    }
    return edge;
}

const QImage &ShapeCache::shapeFor(const QImage &mask, const QSize &size)
{
    const QString key =
        QStringLiteral("%1:%2x%3").arg(mask.cacheKey()).arg(size.width()).arg(size.height());
    auto it = m_shapes.find(key);
    if (it != m_shapes.end())
        return it.value();
    if (m_shapes.size() >= kMaxShapes)
        m_shapes.clear();
    return m_shapes.insert(key, shapeFromMaskPicture(mask, size)).value();
}

} // namespace quillora::masks
