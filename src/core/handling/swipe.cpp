#include "core/handling/swipe.h"

#include <cmath>

namespace quillora {

SwipeTurn swipeTurn(QPoint from, QPoint to, double pixelsPerMm, bool rightToLeft)
{
    const QPoint travel = to - from;
    const double across = std::abs(travel.x());
    if (across < kSwipeTravelMm * pixelsPerMm || std::abs(travel.y()) > kSwipeMaxSlope * across)
        return SwipeTurn::None;
    const bool leftwards = travel.x() < 0;
    return leftwards != rightToLeft ? SwipeTurn::Forward : SwipeTurn::Back;
}

} // namespace quillora
