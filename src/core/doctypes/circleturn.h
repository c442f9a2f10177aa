#pragma once
// Turning a circle: by one segment with the rotate buttons, or by dragging its ring, settling
// on the nearest segment. A turn is driven by ticks of the window's `rotTimer` and ends with
// the segments moved on by whole segments, so the circle stands upright again with its
// pictures and words where the turn left them, however many turns it takes.

#include "core/doctypes/circle.h"

#include <QImage>
#include <QPointF>

class QPainter;

namespace quillora {

enum class TurnDirection { Clockwise, Anticlockwise };

// Each tick's step grows by this factor while it is smaller than kTurnSpeedLimit.
constexpr float kTurnAcceleration = 1.2f;
constexpr float kTurnSpeedLimit = 30.0f;

struct TurnStart {
    float speed = 0.0f; // degrees a tick; negative turns anticlockwise
    qint16 target = 0;  // degrees
};

// One segment either way: start speed CInt(0.2 x s) and target CInt(s), s = ±360 / count,
// both to the nearest whole degree, halves to even.
TurnStart rotateButtonTurn(int segmentCount, TurnDirection direction);

// What a tick did: the angle to draw the circle at and, when the turn is over, by how many
// segments the segments move on (clockwise positive).
struct TurnTick {
    qint16 angle = 0;
    bool finished = false;
    int segmentShift = 0;
};

// The state of a turn and of a drag on the ring. `circleAngle` stays within -359..359.
struct CircleTurn {
    qint16 circleAngle = 0;
    float turnSpeed = 0.0f;
    qint16 turnTarget = 0;
    bool running = false;

    bool dragging = false;
    QPointF dragCentre;
    double pointerAngle = 0.0; // degrees, clockwise, of the last pointer position
    double draggedAngle = 0.0; // degrees turned by the drag so far

    bool busy() const { return running || dragging; }
};

// Starts a turn from angle `from`. A turn or drag under way refuses a second start.
[[nodiscard]] bool startTurn(CircleTurn &turn, const TurnStart &start, qint16 from = 0);

// One `rotTimer` tick: the angle moves by the speed (to the nearest degree), the speed grows
// by 1.2 while below 30, and the turn ends on reaching the target, drawn exactly there, with
// the segment shift k = Int(|target| / 360 x n + 0.5) (0 for a whole turn) in the turn's
// direction.
TurnTick stepTurn(CircleTurn &turn, int segmentCount);

// A press on the ring starts dragging; refused while a turn runs or at the very centre.
[[nodiscard]] bool pressRing(CircleTurn &turn, QPointF pointer, QPointF centre);
// The circle follows the pointer's angle about the centre; returns `circleAngle`.
qint16 dragRing(CircleTurn &turn, QPointF pointer);
// Letting go settles on the nearest segment with the same animation: the turn starts, or,
// already standing on a segment, it is over at once.
TurnTick releaseRing(CircleTurn &turn, int segmentCount);

// Moves every segment's picture, word and style on by `shift` segments (clockwise positive)
// and draws the circle upright again.
void shiftSegments(CirclePage &page, int shift);

// What turns on screen: the disc with the words drawn round it, on a transparent square
// centred on the disc's centre and large enough for every word whichever way it is turned.
struct TurnPicture {
    QImage picture;
    QPoint topLeft; // where the square stands on the page
    QImage ring;    // the ring over the disc, transparent elsewhere
    QPoint ringAt;  // where the ring stands on the square
};

// Takes the child's painting into the segments first, so a turn starts from what is shown.
TurnPicture prepareTurnPicture(CirclePage &page);

// One frame of a turn: the square turned clockwise by `angle` degrees about its centre, the
// ring on top, over a transparent `frame` of the square's size.
void drawTurnFrame(QImage &frame, const TurnPicture &turning, int angle);

} // namespace quillora
