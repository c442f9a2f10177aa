#pragma once
// Turning a postcard over like a real card: the flip angle runs from 0 (the picture side) to
// 180 (the writing side) or back, a third of the leaflet turn step a tick, and each frame shows
// the side facing the child squeezed to |cos(angle)| of the card's width about its middle.

#include "core/doctypes/postcard.h"

#include <QImage>

namespace quillora {

// The flip frame's drop shadow lies this far right of and below the card, in window pixels.
constexpr int kFlipShadowOffsetPx = 8;

class PostcardFlip {
public:
    // Starts turning the card over from `resting`, `turnStep` degrees of a leaflet turn a tick
    // (the flip takes a third of that). False while a flip runs: a second press starts nothing.
    bool start(PostcardSide resting, int turnStep);
    // One tick; true when the card has come to rest on its other side.
    bool tick();

    bool running() const { return m_running; }
    double angle() const { return m_angle; }
    double step() const { return m_step; }
    // The side a frame shows: the picture side while the angle is below 90.
    PostcardSide facing() const;

private:
    double m_angle = 0.0;
    double m_step = 0.0;
    bool m_running = false;
};

// Ticks a whole flip takes with this leaflet turn step.
int flipFrameCount(int turnStep);

// One frame of the flip on `frame` (the card's size plus the shadow offset, cleared to
// transparent): the shadow, the white card and the facing side, squeezed about the middle.
void drawFlipFrame(QImage &frame, const QImage &pictureSide, const QImage &writingSide,
                   double angle);

} // namespace quillora
