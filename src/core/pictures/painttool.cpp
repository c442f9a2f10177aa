#include "core/pictures/painttool.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillora::paintmath {

namespace {
int channel(ColourRef colour, int shift)
{
    return int((colour >> shift) & 0xFF);
}
} // namespace

int snap(int value, int grid, bool alt)
{
    if (alt || grid <= 0)
        return value;
    return int(std::floor(double(value) / grid + 0.5)) * grid;
}

QPoint snap(QPoint point, int grid, bool alt)
{
    return {snap(point.x(), grid, alt), snap(point.y(), grid, alt)};
}

double angle(double dx, double dy)
{
    constexpr double pi = std::numbers::pi;
    double result;
    if (dy > 0)
        result = std::atan(dx / dy);
    else if (dy < 0)
        result = std::atan(dx / dy) + pi;
    else
        result = dx < 0 ? 3 * pi / 2 : pi / 2;
    return result < 0 ? result + 2 * pi : result;
}

ColourRef jitter(ColourRef colour, RandomSource &random)
{
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const double moved = channel(colour, 8 * i) + random.nextUnit() * 64 - 32;
        channels[i] = std::clamp(int(std::lround(moved)), 0, 255);
    }
    return colourRef(channels[0], channels[1], channels[2]);
}

ColourRef lighten(ColourRef colour, int d)
{
    auto up = [&](int shift) { return std::clamp(channel(colour, shift) + d, 0, 255); };
    return colourRef(up(0), up(8), up(16));
}

} // namespace quillora::paintmath
