#include "core/doctypes/circleturn.h"

#include "core/doctypes/circledrawing.h"
#include "core/layout/dialect.h"
#include "core/pictures/masks.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace quillora {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr int kWholeTurn = 360;
// Closer to the centre than this a pointer has no clear angle.
constexpr double kCentreDeadZonePx = 1.0;

double segmentDegrees(int segmentCount)
{
    return double(kWholeTurn) / clampSegmentCount(segmentCount);
}

// The pointer's angle about the centre, in degrees clockwise; nothing at the very centre.
std::optional<double> pointerDegrees(QPointF pointer, QPointF centre)
{
    const QPointF offset = pointer - centre;
    if (std::hypot(offset.x(), offset.y()) < kCentreDeadZonePx)
        return std::nullopt;
    return std::atan2(offset.y(), offset.x()) * kDegreesPerRadian;
}

TurnTick finishTurn(CircleTurn &turn, int segmentCount)
{
    const int count = clampSegmentCount(segmentCount);
    int shift = int(std::floor(std::abs(turn.turnTarget) / double(kWholeTurn) * count + 0.5));
    shift %= count;
    const TurnTick tick{turn.turnTarget, true, turn.turnTarget < 0 ? -shift : shift};
    turn.running = false;
    // The circle is drawn upright again with its segments moved on.
    turn.circleAngle = 0;
    turn.turnSpeed = 0.0f;
    return tick;
}

} // namespace

TurnStart rotateButtonTurn(int segmentCount, TurnDirection direction)
{
    const double sign = direction == TurnDirection::Clockwise ? 1.0 : -1.0;
    const double step = sign * segmentDegrees(segmentCount);
    return {float(dialect::roundToInt16(0.2 * step)), dialect::roundToInt16(step)};
}

bool startTurn(CircleTurn &turn, const TurnStart &start, qint16 from)
{
    if (turn.busy() || start.speed == 0.0f)
        return false;
    turn.circleAngle = from;
    turn.turnSpeed = start.speed;
    turn.turnTarget = start.target;
    turn.running = true;
    return true;
}

TurnTick stepTurn(CircleTurn &turn, int segmentCount)
{
    if (!turn.running)
        return {turn.circleAngle, false, 0};
    const qint16 angle = dialect::roundToInt16(double(float(turn.circleAngle) + turn.turnSpeed));
    if (std::abs(turn.turnSpeed) < kTurnSpeedLimit)
        turn.turnSpeed *= kTurnAcceleration;
    const bool reached =
        turn.turnSpeed >= 0.0f ? angle >= turn.turnTarget : angle <= turn.turnTarget;
    if (reached)
        return finishTurn(turn, segmentCount);
    turn.circleAngle = angle;
    return {angle, false, 0};
}

bool pressRing(CircleTurn &turn, QPointF pointer, QPointF centre)
{
    const std::optional<double> angle = pointerDegrees(pointer, centre);
    if (turn.busy() || !angle)
        return false;
    turn.dragging = true;
    turn.dragCentre = centre;
    turn.pointerAngle = *angle;
    turn.draggedAngle = 0.0;
    turn.circleAngle = 0;
    return true;
}

qint16 dragRing(CircleTurn &turn, QPointF pointer)
{
    const std::optional<double> angle = pointerDegrees(pointer, turn.dragCentre);
    if (!turn.dragging || !angle)
        return turn.circleAngle;
    // The shorter way round from the last position, so crossing the left of the disc is no jump.
    double step = std::fmod(*angle - turn.pointerAngle, double(kWholeTurn));
    if (step > kWholeTurn / 2)
        step -= kWholeTurn;
    else if (step <= -kWholeTurn / 2)
        step += kWholeTurn;
    turn.pointerAngle = *angle;
    turn.draggedAngle = std::fmod(turn.draggedAngle + step, double(kWholeTurn));
    turn.circleAngle = qint16(dialect::roundToInt16(turn.draggedAngle) % kWholeTurn);
    return turn.circleAngle;
}

TurnTick releaseRing(CircleTurn &turn, int segmentCount)
{
    if (!turn.dragging)
        return {turn.circleAngle, false, 0};
    turn.dragging = false;
    const double step = segmentDegrees(segmentCount);
    qint16 from = turn.circleAngle;
    qint16 target = dialect::roundToInt16(std::nearbyint(from / step) * step);
    // A whole turn either way is no turn: the same picture, and the angle stays in -359..359.
    if (std::abs(target) >= kWholeTurn) {
        const int whole = target > 0 ? kWholeTurn : -kWholeTurn;
        target = qint16(target - whole);
        from = qint16(from - whole);
    }
    if (from == target) {
        turn.turnTarget = target;
        return finishTurn(turn, segmentCount);
    }
    const float speed = float(dialect::roundToInt16(0.2 * step));
    if (!startTurn(turn, {target > from ? speed : -speed, target}, from))
        return {turn.circleAngle, false, 0};
    return {from, false, 0};
}

void shiftSegments(CirclePage &page, int shift)
{
    updateSegmentPictures(page);
    const int count = page.segmentCount();
    if (count > 0) {
        const int forward = ((shift % count) + count) % count;
        std::rotate(page.segments.begin(), page.segments.end() - forward, page.segments.end());
    }
    drawCircle(page);
}

TurnPicture prepareTurnPicture(CirclePage &page)
{
    updateSegmentPictures(page);
    const CircleLayout layout = page.layout();
    const QPointF centre = QPointF(layout.disc.topLeft()) + layout.geometry.centre();
    double reach = layout.geometry.radius();
    for (const QRect &box : layout.textBoxes) {
        for (const QPointF corner :
             {box.topLeft(), box.topRight() + QPoint(1, 0), box.bottomLeft() + QPoint(0, 1),
              box.bottomRight() + QPoint(1, 1)}) {
            const QPointF offset = corner - centre;
            reach = std::max(reach, std::hypot(offset.x(), offset.y()));
        }
    }
    const int side = 2 * int(std::ceil(reach)) + 2;
    TurnPicture turning;
    turning.topLeft = (centre - QPointF(side / 2.0, side / 2.0)).toPoint();
    turning.picture = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    turning.picture.fill(Qt::transparent);
    turning.ringAt = layout.disc.topLeft() - turning.topLeft;
    {
        QPainter painter(&turning.picture);
        painter.drawImage(turning.ringAt, page.disc);
        TextPlacement placement;
        placement.origin = -QPointF(turning.topLeft);
        drawSegmentTexts(painter, page, placement);
    }
    const QImage ring = ringMaskPicture(layout.geometry);
    turning.ring = masks::clipToShape(ring, masks::shapeOutsideColour(ring));
    return turning;
}

void drawTurnFrame(QImage &frame, const TurnPicture &turning, int angle)
{
    if (frame.size() != turning.picture.size() ||
        frame.format() != QImage::Format_ARGB32_Premultiplied)
        frame = QImage(turning.picture.size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    const QPointF pivot =
        QPointF(turning.ringAt) + QPointF(turning.ring.width() / 2.0, turning.ring.height() / 2.0);
    painter.translate(pivot);
    painter.rotate(angle);
    painter.translate(-pivot);
    painter.drawImage(0, 0, turning.picture);
    painter.resetTransform();
    painter.drawImage(turning.ringAt, turning.ring);
}

} // namespace quillora
