#pragma once
// A finger drawn across a page that turns it, as a book's page is turned: a clear sideways
// stroke, long enough not to be a wobbling tap and flatter than it is steep, so a finger that
// slips while pressing a page does not turn it. Drawn leftwards it brings the next page, as
// turning a book's right-hand page does; in a right-to-left language the book opens the other
// way and so does the swipe.

#include <QPoint>

namespace quillora {

enum class SwipeTurn { None, Forward, Back };

// The least sideways travel of a swipe, and how much of it may go up or down.
inline constexpr double kSwipeTravelMm = 25.0;
inline constexpr double kSwipeMaxSlope = 0.5;

// `pixelsPerMm` of the screen the finger moved on.
SwipeTurn swipeTurn(QPoint from, QPoint to, double pixelsPerMm, bool rightToLeft);

} // namespace quillora
