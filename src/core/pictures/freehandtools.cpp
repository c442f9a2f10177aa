#include "core/pictures/freehandtools.h"

#include "core/pictures/raster.h"

#include <cmath>
#include <numbers>

namespace quillora {

namespace {

constexpr int kDefaultRotations = 12;

bool wantsRotations(const Stroke &stroke, const PointerInput &input)
{
    return stroke.symmetry.type == Symmetry::Rotation || input.alt;
}

// The mirror of a pen centre about the picture's vertical centre line.
QPointF mirrored(const Stroke &stroke, QPointF centre)
{
    return {stroke.image->width() - centre.x(), centre.y()};
}

} // namespace

QRect FreehandTool::rotatedDots(Stroke &stroke, QPoint at)
{
    const QPointF centre(stroke.image->width() / 2.0, stroke.image->height() / 2.0);
    const QPointF pen = raster::penCentre(at, stroke.penWidth);
    const double start = paintmath::angle(pen.x() - centre.x(), centre.y() - pen.y());
    const double distance = std::hypot(pen.x() - centre.x(), pen.y() - centre.y());
    const int copies =
        stroke.symmetry.rotations > 0 ? stroke.symmetry.rotations : kDefaultRotations;
    QRect dirty;
    for (int i = 0; i <= copies; ++i) {
        const double a = start + i * 2 * std::numbers::pi / copies;
        const QPointF dot(centre.x() + distance * std::sin(a), centre.y() - distance * std::cos(a));
        dirty |= raster::fillDisc(*stroke.image, dot, stroke.penWidth / 2.0, stroke.pixel);
    }
    return dirty;
}

QRect FreehandTool::press(Stroke &stroke, const PointerInput &input)
{
    if (input.shift)
        return {};
    const QPointF dot = raster::penCentre(input.pos, stroke.penWidth);
    const double radius = stroke.penWidth / 2.0;
    QRect dirty = raster::fillDisc(*stroke.image, dot, radius, stroke.pixel);
    if (stroke.symmetry.type == Symmetry::Mirror)
        dirty |= raster::fillDisc(*stroke.image, mirrored(stroke, dot), radius, stroke.pixel);
    if (wantsRotations(stroke, input))
        dirty |= rotatedDots(stroke, input.pos);
    return dirty;
}

QRect FreehandTool::move(Stroke &stroke, const PointerInput &input)
{
    QRect dirty;
    if (!input.shift) {
        const QPointF from = raster::penCentre(stroke.last, stroke.penWidth);
        const QPointF to = raster::penCentre(input.pos, stroke.penWidth);
        const double radius = stroke.penWidth / 2.0;
        dirty = raster::fillCapsule(*stroke.image, from, to, radius, stroke.pixel);
        if (stroke.symmetry.type == Symmetry::Mirror) {
            dirty |= raster::fillCapsule(*stroke.image, mirrored(stroke, from),
                                         mirrored(stroke, to), radius, stroke.pixel);
        }
        if (wantsRotations(stroke, input))
            dirty |= rotatedDots(stroke, input.pos);
    }
    stroke.last = input.pos;
    return dirty;
}

} // namespace quillora
