#include "core/pictures/shapetools.h"

#include "core/pictures/raster.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace quillora {

namespace {

// The outline of a box drawn with a pen of the given width centred on its edges: the pixels
// from `lo` outside to `hi` inside each edge.
struct PenBox {
    QRect outer;
    QRect inner;
};

PenBox penBox(const QRect &box, int penWidth)
{
    const int lo = penWidth / 2;
    const int hi = penWidth - lo;
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    return {QRect(QPoint(box.x() - lo, box.y() - lo), QPoint(right + hi - 1, bottom + hi - 1)),
            QRect(QPoint(box.x() + hi, box.y() + hi), QPoint(right - lo - 1, bottom - lo - 1))};
}

QPointF boxCentre(const QRect &box)
{
    return {box.x() + box.width() / 2.0, box.y() + box.height() / 2.0};
}

} // namespace

QRect boxBetween(QPoint a, QPoint b)
{
    return QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()),
                 std::abs(b.y() - a.y()));
}

QPoint ShapeTool::endFor(const Stroke &stroke, const PointerInput &input) const
{
    const QPoint snapped = paintmath::snap(input.pos, stroke.gridSize, input.alt);
    return input.shift ? constrainedEnd(m_start, snapped) : snapped;
}

QRect ShapeTool::press(Stroke &stroke, const PointerInput &input)
{
    m_start = paintmath::snap(input.pos, stroke.gridSize, input.alt);
    m_end = m_start;
    m_colour = stroke.colour;
    m_penWidth = stroke.penWidth;
    m_dragging = true;
    return {};
}

QRect ShapeTool::move(Stroke &stroke, const PointerInput &input)
{
    if (m_dragging)
        m_end = endFor(stroke, input);
    return {};
}

QRect ShapeTool::release(Stroke &stroke, const PointerInput &input)
{
    if (!m_dragging)
        return {};
    m_dragging = false;
    m_end = endFor(stroke, input);
    return draw(stroke, m_start, m_end);
}

std::optional<RubberBand> ShapeTool::rubberBand() const
{
    if (!m_dragging)
        return std::nullopt;
    RubberBand band;
    band.shape = bandShape();
    band.colour = m_colour;
    band.penWidth = m_penWidth;
    band.filled = filled();
    if (band.shape == RubberBandShape::Line)
        band.line = QLine(m_start, m_end);
    else
        band.box = boxBetween(m_start, m_end);
    return band;
}

QPoint BoxShapeTool::constrainedEnd(QPoint start, QPoint snappedEnd) const
{
    const int dx = snappedEnd.x() - start.x();
    const int dy = snappedEnd.y() - start.y();
    const int side = std::max(std::abs(dx), std::abs(dy));
    return {start.x() + (dx < 0 ? -side : side), start.y() + (dy < 0 ? -side : side)};
}

QRect RectangleTool::draw(Stroke &stroke, QPoint start, QPoint end) const
{
    const PenBox pen = penBox(boxBetween(start, end), stroke.penWidth);
    QImage &image = *stroke.image;
    if (pen.inner.isEmpty())
        return raster::fillRect(image, pen.outer, stroke.pixel);
    const QRect &o = pen.outer;
    const QRect &i = pen.inner;
    QRect dirty =
        raster::fillRect(image, QRect(o.topLeft(), QPoint(o.right(), i.top() - 1)), stroke.pixel);
    dirty |= raster::fillRect(image, QRect(QPoint(o.left(), i.bottom() + 1), o.bottomRight()),
                              stroke.pixel);
    dirty |= raster::fillRect(
        image, QRect(QPoint(o.left(), i.top()), QPoint(i.left() - 1, i.bottom())), stroke.pixel);
    dirty |= raster::fillRect(
        image, QRect(QPoint(i.right() + 1, i.top()), QPoint(o.right(), i.bottom())), stroke.pixel);
    return dirty;
}

QRect FilledRectangleTool::draw(Stroke &stroke, QPoint start, QPoint end) const
{
    return raster::fillRect(*stroke.image, penBox(boxBetween(start, end), stroke.penWidth).outer,
                            stroke.pixel);
}

QRect EllipseTool::draw(Stroke &stroke, QPoint start, QPoint end) const
{
    const QRect box = boxBetween(start, end);
    return raster::strokeEllipse(*stroke.image, boxCentre(box), box.width() / 2.0,
                                 box.height() / 2.0, stroke.penWidth, stroke.pixel);
}

QRect FilledEllipseTool::draw(Stroke &stroke, QPoint start, QPoint end) const
{
    const QRect box = boxBetween(start, end);
    const double half = stroke.penWidth / 2.0;
    return raster::fillEllipse(*stroke.image, boxCentre(box), box.width() / 2.0 + half,
                               box.height() / 2.0 + half, stroke.pixel);
}

QPoint LineTool::constrainedEnd(QPoint start, QPoint snappedEnd) const
{
    const double dx = snappedEnd.x() - start.x();
    const double dy = snappedEnd.y() - start.y();
    const double length = std::hypot(dx, dy);
    if (length == 0.0)
        return start;
    constexpr double eighth = std::numbers::pi / 4;
    const double direction = std::round(std::atan2(dy, dx) / eighth) * eighth;
    return {start.x() + int(std::lround(length * std::cos(direction))),
            start.y() + int(std::lround(length * std::sin(direction)))};
}

QRect LineTool::draw(Stroke &stroke, QPoint start, QPoint end) const
{
    return raster::fillCapsule(*stroke.image, raster::penCentre(start, stroke.penWidth),
                               raster::penCentre(end, stroke.penWidth), stroke.penWidth / 2.0,
                               stroke.pixel);
}

} // namespace quillora
