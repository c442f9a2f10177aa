#include "core/pictures/stamptools.h"

#include "core/pictures/floodfill.h"
#include "core/pictures/raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillora {

QRect StampTool::press(Stroke &stroke, const PointerInput &input)
{
    return stamp(stroke, input.pos);
}

QRect FloodFillTool::stamp(Stroke &stroke, QPoint at)
{
    if (stroke.shape)
        return floodFill(*stroke.image, at, stroke.pixel, *stroke.shape);
    return floodFill(*stroke.image, at, stroke.pixel);
}

QRect CloudTool::stamp(Stroke &stroke, QPoint at)
{
    const double reach = stroke.toolSize * kRadiusPerSize;
    const double dotRadius = std::max(1.0, reach / 6.0) / 2.0;
    const QPointF centre(at.x() + 0.5, at.y() + 0.5);
    QRect dirty;
    for (int i = 0; i < kDotsPerDab; ++i) {
        const double a = stroke.random->nextUnit() * 2 * std::numbers::pi;
        const double distance = stroke.random->nextUnit() * reach;
        const int lift = int(stroke.random->nextUnit() * kMaxLightening);
        const QPointF dot(centre.x() + distance * std::cos(a), centre.y() + distance * std::sin(a));
        const QRgb target = raster::toPixel(paintmath::lighten(stroke.colour, lift));
        dirty |= raster::blendDisc(*stroke.image, dot, dotRadius, target, kBlendStep);
    }
    return dirty;
}

QRect CloudTool::move(Stroke &stroke, const PointerInput &input)
{
    const QPoint step = input.pos - stroke.last;
    if (std::hypot(step.x(), step.y()) <= kMinMove)
        return {};
    stroke.last = input.pos;
    return stamp(stroke, input.pos);
}

std::vector<StarburstTool::Ray> StarburstTool::rays(QPoint at, int length, ColourRef colour,
                                                    RandomSource &random)
{
    std::vector<Ray> result;
    result.reserve(kRays);
    const QPointF centre(at.x() + 0.5, at.y() + 0.5);
    for (int i = 0; i < kRays; ++i) {
        const double a = random.nextUnit() * 2 * std::numbers::pi;
        const ColourRef rayColour = paintmath::jitter(colour, random);
        result.push_back(
            {centre, centre + QPointF(length * std::cos(a), length * std::sin(a)), rayColour});
    }
    return result;
}

QRect StarburstTool::stamp(Stroke &stroke, QPoint at)
{
    QRect dirty;
    for (const Ray &ray : rays(at, stroke.toolSize, stroke.colour, *stroke.random)) {
        dirty |=
            raster::fillCapsule(*stroke.image, ray.from, ray.to, 0.5, raster::toPixel(ray.colour));
    }
    return dirty;
}

QRect StarburstTool::move(Stroke &stroke, const PointerInput &input)
{
    stroke.last = input.pos;
    return stamp(stroke, input.pos);
}

} // namespace quillora
