#pragma once
// The webcam window's own button art, drawn in code: the effect buttons show the live picture in
// their effect, the take button is a camera on a glowing badge, and suns stand for lighter and
// darker.

#include <QIcon>
#include <QImage>

namespace quillora {

inline constexpr int kTakeButtonSize = 150;
inline constexpr int kEffectButtonSize = 96;

// What the effect buttons show before the camera sends its first frame: a small sunny scene
// with a house, so each effect is still plain to see.
QImage webcamSampleScene(QSize size);

// An effect button's picture: the frame (or the sample) in effect `number`, with a sunshine
// ring round the effect now chosen.
QIcon webcamEffectPicture(const QImage &frame, int number, bool chosen);

// A bright sun with long rays for lighter, a dim one for darker, half of each for the button
// that shows them.
enum class WebcamSun { Bright, Dim, Half };
QIcon webcamSunPicture(WebcamSun sun, int size);

// The take button: the camera on a round badge, sunshine yellow when `lit`, else white.
QIcon webcamTakePicture(bool lit);

} // namespace quillora
