#pragma once
// The geometry of the selection frame that surrounds the current picture or rich text box of a
// "My layout" page: where its eight handles and four move bars sit, how a handle drag or a bar
// drag changes the frame, how the object is fitted into the frame, and when an object dragged
// away has left the page. Pure functions on rectangles in page pixels; the window only shows.
//
// Handles are numbered clockwise from the top-left corner:
//     0 ---- 1 ---- 2
//     |             |
//     7             3
//     |             |
//     6 ---- 5 ---- 4
// Bars 0 (top) and 2 (bottom) are horizontal, 1 (right) and 3 (left) vertical.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillora::selectionframe {

// Side of each handle, and the margin between the frame and the object inside it.
constexpr int kHandleSize = 12;
// Thickness of the move bars.
constexpr int kBarSize = 8;
// Smallest width and height a handle drag gives the frame.
constexpr int kMinObjectSize = 40;
// The grid frames snap to unless Alt is held.
constexpr int kGridSize = 8;

constexpr int kHandleCount = 8;
constexpr int kBarCount = 4;
// The bottom-right corner: on an imported picture it keeps the picture's proportions.
constexpr int kProportionalHandle = 4;

// The nearest multiple of the grid (halves go up), or `value` itself while Alt is held.
int snap(int value, bool alt);

// Which edges a handle moves.
struct HandleEdges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};
HandleEdges edgesOf(int handle);

// The frame round an object, and the object fitted back into a frame (a margin of kHandleSize).
QRect frameAround(const QRect &object);
QRect objectInFrame(const QRect &frame);

// Places inside a frame of `frameSize`, in the frame's own coordinates: handles at the corners
// and edge middles, bars along the sides between the corner handles, centred in the margin.
QRect handleRect(int handle, QSize frameSize);
QRect barRect(int bar, QSize frameSize);

struct HandleDrag {
    int handle = 0;
    QPoint delta;     // pointer now minus pointer at the press, in the handle's coordinates
    bool alt = false; // no snapping
    // Radians, atan2(height, width) of an imported picture: the proportional corner keeps this
    // diagonal. 0 means the picture is not imported or its drag is free.
    double diagonalAngle = 0.0;
};

// One step of a handle drag: the frame after moving the handle's edges by the pointer.
// A left or top edge stops kMinObjectSize before the opposite edge; a right or bottom edge keeps
// the frame at least kMinObjectSize. With a diagonal angle, handle 4 scales the object inside the
// frame along that diagonal.
QRect dragHandle(const QRect &frame, const HandleDrag &drag);

// One step of a bar drag: the frame moved by the pointer, its corner snapped.
QRect dragBar(const QRect &frame, QPoint delta, bool alt);

// Whether an object, dragged away, has no pixel left on a page of `pageSize`; such an object is
// taken off the page. A sliver on the page keeps it.
bool isWhollyOffPage(const QRect &object, QSize pageSize);

// The diagonal angle of a picture as imported: atan2(height, width); 0 for an empty size.
double diagonalAngle(QSize pictureSize);

} // namespace quillora::selectionframe
