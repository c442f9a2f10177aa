#include "core/pictures/masks.h"

#include <algorithm>
#include <array>
#include <cmath>

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

QImage coverageFromMaskPicture(const QImage &mask, const QSize &size)
{
    if (mask.isNull() || size.isEmpty())
        return {};
    // The mask is stretched smoothly first and its pixels judged after, so a small mask gives
    // a clean curved edge rather than steps.
    const QImage stretched =
        (mask.size() == size ? mask
                             : mask.convertToFormat(QImage::Format_ARGB32)
                                   .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            .convertToFormat(QImage::Format_ARGB32);
    // Stretching blurs an edge over as many pixels as the mask is enlarged; steepening it
    // about the middle grey that marksShape judges by brings it back to under two pixels.
    const double gain =
        std::max({1.0, 0.6 * size.width() / mask.width(), 0.6 * size.height() / mask.height()});
    QImage ramp(size, QImage::Format_Grayscale8);
    for (int y = 0; y < size.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(stretched.constScanLine(y));
        uchar *covered = ramp.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const int inside = std::min(255 - qGray(pixels[x]), qAlpha(pixels[x]));
            const long level = std::lround((inside - 127.5) * gain + 127.5);
            covered[x] = uchar(std::clamp(level, 0L, 255L));
        }
    }
    // Only the edge is partly covered: a pixel whose neighbours all lie on its side is wholly
    // in or out, so a mask drawn in a middle colour still shows its picture whole inside.
    // The three rows are looked up once a row: a lookup a pixel made printing a sheet of
    // shaped copies slow.
    QImage coverage = ramp;
    const int width = size.width();
    const int height = size.height();
    for (int y = 0; y < height; ++y) {
        const std::array<const uchar *, 3> rows = {ramp.constScanLine(std::max(y - 1, 0)),
                                                   ramp.constScanLine(y),
                                                   ramp.constScanLine(std::min(y + 1, height - 1))};
        uchar *covered = coverage.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const bool inside = covered[x] >= 128;
            const int left = std::max(x - 1, 0);
            const int right = std::min(x + 1, width - 1);
            bool edge = false;
            for (const uchar *row : rows)
                edge = edge || (row[left] >= 128) != inside || (row[x] >= 128) != inside ||
                       (row[right] >= 128) != inside;
            if (!edge)
                covered[x] = inside ? kInside : kOutside;
        }
    }
    return coverage;
}

QImage shapeFromMaskPicture(const QImage &mask, const QSize &size)
{
    QImage shape = coverageFromMaskPicture(mask, size);
    for (int y = 0; y < shape.height(); ++y) {
        uchar *marks = shape.scanLine(y);
        for (int x = 0; x < shape.width(); ++x)
            marks[x] = marks[x] >= 128 ? kInside : kOutside;
    }
    return shape;
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
        const uchar *covered = shape.constScanLine(y);
        auto *pixels = reinterpret_cast<QRgb *>(clipped.scanLine(y));
        for (int x = 0; x < clipped.width(); ++x) {
            if (covered[x] != kInside)
                pixels[x] =
                    (pixels[x] & RGB_MASK) | (uint(qAlpha(pixels[x]) * covered[x] / 255) << 24);
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
    const int reach = std::max(1, width);
    // The band is what the shape covers less what it covers `reach` pixels further in: the
    // least coverage within `reach` along the pixel's row and column, the picture's own edge
    // counting as outside.
    const auto coverageAt = [&](int x, int y) -> int {
        return x < 0 || y < 0 || x >= w || y >= h ? 0 : shape.constScanLine(y)[x];
    };
    for (int y = 0; y < h; ++y) {
        const uchar *covered = shape.constScanLine(y);
        auto *pixels = reinterpret_cast<QRgb *>(edge.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (covered[x] == kOutside)
                continue;
            int deepest = covered[x];
            for (int d = 1; d <= reach && deepest > 0; ++d)
                deepest = std::min({deepest, coverageAt(x - d, y), coverageAt(x + d, y),
                                    coverageAt(x, y - d), coverageAt(x, y + d)});
            const int band = covered[x] - deepest;
            if (band > 0)
                pixels[x] = qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour),
                                               qAlpha(colour) * band / 255));
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
