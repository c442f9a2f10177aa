#include "core/handling/selectionframe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillora::selectionframe {

namespace {

// The smallest object a frame of the smallest size holds.
constexpr int kMinInnerSize = kMinObjectSize - 2 * kHandleSize;

// A step far outside the page would overflow the pixel arithmetic; no screen is this large.
constexpr int kCoordinateLimit = 1 << 20;

int clampCoordinate(qint64 value)
{
    return int(std::clamp<qint64>(value, -kCoordinateLimit, kCoordinateLimit));
}

// Handle 4 on an imported picture: the object inside the frame grows or shrinks along the
// picture's diagonal, so the picture keeps its proportions however the pointer wanders.
QRect dragProportionalCorner(const QRect &frame, QPoint delta, bool alt, double angle)
{
    const double cosA = std::cos(angle);
    const double sinA = std::sin(angle);
    const double innerWidth = frame.width() - 2 * kHandleSize + delta.x();
    const double innerHeight = frame.height() - 2 * kHandleSize + delta.y();
    // A pointer dragged back past the frame's corner asks for the smallest picture, not for one
    // as large as its distance from there.
    const bool pastTheCorner = innerWidth * cosA + innerHeight * sinA <= 0.0;
    const double wanted =
        pastTheCorner ? 0.0
                      : std::min(std::hypot(innerWidth, innerHeight), double(kCoordinateLimit));
    double diagonal = snap(int(std::lround(wanted)), alt);
    // The shorter side reaches the smallest size first: stop there rather than distort.
    diagonal = std::max(diagonal, kMinInnerSize / std::min(cosA, sinA));
    const int width = int(std::lround(diagonal * cosA)) + 2 * kHandleSize;
    const int height = int(std::lround(diagonal * sinA)) + 2 * kHandleSize;
    return QRect(frame.topLeft(),
                 QSize(std::max(width, kMinObjectSize), std::max(height, kMinObjectSize)));
}

bool isUsableAngle(double angle)
{
    return std::isfinite(angle) && angle > 0.0 && angle < std::numbers::pi / 2;
}

} // namespace

int snap(int value, bool alt)
{
    if (alt)
        return value;
    return int(std::floor(double(value) / kGridSize + 0.5)) * kGridSize;
}

HandleEdges edgesOf(int handle)
{
    switch (handle) {
    case 0:
        return {true, true, false, false};
    case 1:
        return {false, true, false, false};
    case 2:
        return {false, true, true, false};
    case 3:
        return {false, false, true, false};
    case 4:
        return {false, false, true, true};
    case 5:
        return {false, false, false, true};
    case 6:
        return {true, false, false, true};
    case 7:
        return {true, false, false, false};
    default:
        return {};
    }
}

QRect frameAround(const QRect &object)
{
    return object.adjusted(-kHandleSize, -kHandleSize, kHandleSize, kHandleSize);
}

QRect objectInFrame(const QRect &frame)
{
    return QRect(frame.left() + kHandleSize, frame.top() + kHandleSize,
                 frame.width() - 2 * kHandleSize, frame.height() - 2 * kHandleSize);
}

QRect handleRect(int handle, QSize frameSize)
{
    const int right = frameSize.width() - kHandleSize;
    const int bottom = frameSize.height() - kHandleSize;
    const int middleX = right / 2;
    const int middleY = bottom / 2;
    static constexpr int kColumn[kHandleCount] = {0, 1, 2, 2, 2, 1, 0, 0}; // left, middle, right
    static constexpr int kRow[kHandleCount] = {0, 0, 0, 1, 2, 2, 2, 1};    // top, middle, bottom
    if (handle < 0 || handle >= kHandleCount)
        return {};
    const int xs[3] = {0, middleX, right};
    const int ys[3] = {0, middleY, bottom};
    return QRect(xs[kColumn[handle]], ys[kRow[handle]], kHandleSize, kHandleSize);
}

QRect barRect(int bar, QSize frameSize)
{
    const int inset = (kHandleSize - kBarSize) / 2;
    const int alongX = std::max(0, frameSize.width() - 2 * kHandleSize);
    const int alongY = std::max(0, frameSize.height() - 2 * kHandleSize);
    switch (bar) {
    case 0:
        return QRect(kHandleSize, inset, alongX, kBarSize);
    case 1:
        return QRect(frameSize.width() - kHandleSize + inset, kHandleSize, kBarSize, alongY);
    case 2:
        return QRect(kHandleSize, frameSize.height() - kHandleSize + inset, alongX, kBarSize);
    case 3:
        return QRect(inset, kHandleSize, kBarSize, alongY);
    default:
        return {};
    }
}

QRect dragHandle(const QRect &frame, const HandleDrag &drag)
{
    if (drag.handle == kProportionalHandle && isUsableAngle(drag.diagonalAngle))
        return dragProportionalCorner(frame, drag.delta, drag.alt, drag.diagonalAngle);

    const HandleEdges edges = edgesOf(drag.handle);
    const int right = frame.left() + frame.width();
    const int bottom = frame.top() + frame.height();
    int left = frame.left();
    int top = frame.top();
    int width = frame.width();
    int height = frame.height();
    if (edges.left) {
        left = std::min(snap(clampCoordinate(qint64(left) + drag.delta.x()), drag.alt),
                        right - kMinObjectSize);
        width = std::max(right - left, kMinObjectSize);
    }
    if (edges.top) {
        top = std::min(snap(clampCoordinate(qint64(top) + drag.delta.y()), drag.alt),
                       bottom - kMinObjectSize);
        height = std::max(bottom - top, kMinObjectSize);
    }
    if (edges.right)
        width = std::max(snap(clampCoordinate(qint64(width) + drag.delta.x()), drag.alt),
                         kMinObjectSize);
    if (edges.bottom)
        height = std::max(snap(clampCoordinate(qint64(height) + drag.delta.y()), drag.alt),
                          kMinObjectSize);
    return QRect(left, top, width, height);
}

QRect dragBar(const QRect &frame, QPoint delta, bool alt)
{
    const int left = snap(clampCoordinate(qint64(frame.left()) + delta.x()), alt);
    const int top = snap(clampCoordinate(qint64(frame.top()) + delta.y()), alt);
    return QRect(QPoint(left, top), frame.size());
}

bool isWhollyOffPage(const QRect &object, QSize pageSize)
{
    const qint64 right = qint64(object.left()) + object.width();
    const qint64 bottom = qint64(object.top()) + object.height();
    return object.left() >= pageSize.width() || right <= 0 || object.top() >= pageSize.height() ||
           bottom <= 0;
}

double diagonalAngle(QSize pictureSize)
{
    if (pictureSize.width() <= 0 || pictureSize.height() <= 0)
        return 0.0;
    return std::atan2(double(pictureSize.height()), double(pictureSize.width()));
}

} // namespace quillora::selectionframe
