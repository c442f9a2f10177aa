#include "core/pictures/raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillora::raster {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Interval {
    double lo = kInfinity;
    double hi = -kInfinity;
    bool empty() const { return lo > hi; }
    void unite(const Interval &other)
    {
        if (other.empty())
            return;
        lo = std::min(lo, other.lo);
        hi = std::max(hi, other.hi);
    }
};

// Columns whose centres lie in [lo, hi], clipped to the picture.
bool columnsOf(const Interval &span, int width, int &first, int &last)
{
    if (span.empty())
        return false;
    first = int(std::max(0.0, std::ceil(span.lo - 0.5)));
    last = int(std::min(double(width - 1), std::floor(span.hi - 0.5)));
    return first <= last;
}

QRgb *row(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

// Runs over the rows a shape may touch and paints the columns `spanAt(yCentre)` gives.
template <typename SpanAt, typename Paint>
QRect paintRows(QImage &image, double top, double bottom, SpanAt spanAt, Paint paint)
{
    const int firstRow = std::max(0, int(std::floor(top)));
    const int lastRow = std::min(image.height() - 1, int(std::ceil(bottom)));
    QRect dirty;
    for (int y = firstRow; y <= lastRow; ++y) {
        int first = 0;
        int last = 0;
        if (!columnsOf(spanAt(y + 0.5), image.width(), first, last))
            continue;
        paint(row(image, y), first, last);
        dirty |= QRect(first, y, last - first + 1, 1);
    }
    return dirty;
}

auto solidPaint(QRgb pixel)
{
    return [pixel](QRgb *line, int first, int last) {
        std::fill(line + first, line + last + 1, pixel);
    };
}

Interval discSpan(QPointF centre, double radius, double y)
{
    const double dy = y - centre.y();
    if (std::abs(dy) > radius)
        return {};
    const double half = std::sqrt(radius * radius - dy * dy);
    return {centre.x() - half, centre.x() + half};
}

Interval ellipseSpan(QPointF centre, double radiusX, double radiusY, double y)
{
    if (radiusX <= 0 || radiusY <= 0)
        return {};
    const double t = (y - centre.y()) / radiusY;
    if (std::abs(t) > 1.0)
        return {};
    const double half = radiusX * std::sqrt(1.0 - t * t);
    return {centre.x() - half, centre.x() + half};
}

// x range where lo <= k * (x - x0) + c <= hi; the whole line when k is 0 and c fits.
Interval linearRange(double k, double c, double lo, double hi, double x0)
{
    if (k == 0.0)
        return (c >= lo && c <= hi) ? Interval{-kInfinity, kInfinity} : Interval{};
    double a = (lo - c) / k;
    double b = (hi - c) / k;
    if (a > b)
        std::swap(a, b);
    return {x0 + a, x0 + b};
}

Interval capsuleSpan(QPointF a, QPointF b, double radius, double y)
{
    Interval span = discSpan(a, radius, y);
    span.unite(discSpan(b, radius, y));
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0)
        return span;
    const double rowOffset = y - a.y();
    const double reach = radius * std::sqrt(lengthSquared);
    // Distance from the segment's line: |dx * rowOffset - dy * (x - ax)| <= radius * length.
    const Interval across = linearRange(-dy, dx * rowOffset, -reach, reach, a.x());
    // Projection onto the segment lies between its ends.
    const Interval along = linearRange(dx, dy * rowOffset, 0.0, lengthSquared, a.x());
    span.unite({std::max(across.lo, along.lo), std::min(across.hi, along.hi)});
    return span;
}

int towards(int from, int to, int step)
{
    if (from == to)
        return from;
    const int delta = (to - from) * step / 255;
    if (delta == 0)
        return from + (to > from ? 1 : -1);
    return from + delta;
}

} // namespace

QRgb toPixel(ColourRef colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

ColourRef fromPixel(QRgb pixel)
{
    return colourRef(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

bool isPaintable(const QImage &image)
{
    const auto format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

void makePaintable(QImage &image)
{
    if (!image.isNull() && !isPaintable(image))
        image.convertTo(QImage::Format_RGB32);
}

QPointF penCentre(QPoint pixel, int width)
{
    const double offset = (width % 2 == 1) ? 0.5 : 0.0;
    return {pixel.x() + offset, pixel.y() + offset};
}

QRect fillRect(QImage &image, const QRect &rect, QRgb pixel)
{
    const QRect clipped = rect.normalized() & image.rect();
    if (clipped.isEmpty())
        return {};
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb *line = row(image, y);
        std::fill(line + clipped.left(), line + clipped.right() + 1, pixel);
    }
    return clipped;
}

QRect fillDisc(QImage &image, QPointF centre, double radius, QRgb pixel)
{
    const QRect dirty = paintRows(
        image, centre.y() - radius, centre.y() + radius,
        [&](double y) { return discSpan(centre, radius, y); }, solidPaint(pixel));
    if (!dirty.isEmpty())
        return dirty;
    // A disc smaller than a pixel still leaves the pixel it sits on.
    return fillRect(image, QRect(int(std::floor(centre.x())), int(std::floor(centre.y())), 1, 1),
                    pixel);
}

QRect fillCapsule(QImage &image, QPointF a, QPointF b, double radius, QRgb pixel)
{
    return paintRows(
        image, std::min(a.y(), b.y()) - radius, std::max(a.y(), b.y()) + radius,
        [&](double y) { return capsuleSpan(a, b, radius, y); }, solidPaint(pixel));
}

QRect fillEllipse(QImage &image, QPointF centre, double radiusX, double radiusY, QRgb pixel)
{
    return paintRows(
        image, centre.y() - radiusY, centre.y() + radiusY,
        [&](double y) { return ellipseSpan(centre, radiusX, radiusY, y); }, solidPaint(pixel));
}

QRect strokeEllipse(QImage &image, QPointF centre, double radiusX, double radiusY, double width,
                    QRgb pixel)
{
    const double half = width / 2.0;
    const double outerX = radiusX + half;
    const double outerY = radiusY + half;
    const double innerX = radiusX - half;
    const double innerY = radiusY - half;
    QRect dirty;
    const int firstRow = std::max(0, int(std::floor(centre.y() - outerY)));
    const int lastRow = std::min(image.height() - 1, int(std::ceil(centre.y() + outerY)));
    for (int y = firstRow; y <= lastRow; ++y) {
        int first = 0;
        int last = 0;
        if (!columnsOf(ellipseSpan(centre, outerX, outerY, y + 0.5), image.width(), first, last))
            continue;
        int holeFirst = last + 1;
        int holeLast = last;
        const Interval hole = ellipseSpan(centre, innerX, innerY, y + 0.5);
        if (!hole.empty()) {
            // Columns strictly inside the inner edge stay unpainted.
            holeFirst = std::max(first, int(std::floor(hole.lo - 0.5)) + 1);
            holeLast = std::min(last, int(std::ceil(hole.hi - 0.5)) - 1);
        }
        QRgb *line = row(image, y);
        if (holeFirst > holeLast) {
            std::fill(line + first, line + last + 1, pixel);
        } else {
            std::fill(line + first, line + holeFirst, pixel);
            std::fill(line + holeLast + 1, line + last + 1, pixel);
        }
        dirty |= QRect(first, y, last - first + 1, 1);
    }
    return dirty;
}

QRect blendDisc(QImage &image, QPointF centre, double radius, QRgb target, int step)
{
    const int red = qRed(target);
    const int green = qGreen(target);
    const int blue = qBlue(target);
    return paintRows(
        image, centre.y() - radius, centre.y() + radius,
        [&](double y) { return discSpan(centre, radius, y); },
        [&](QRgb *line, int first, int last) {
            for (int x = first; x <= last; ++x) {
                const QRgb old = line[x];
                line[x] = qRgba(towards(qRed(old), red, step), towards(qGreen(old), green, step),
                                towards(qBlue(old), blue, step), qAlpha(old));
            }
        });
}

} // namespace quillora::raster
