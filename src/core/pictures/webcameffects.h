#pragma once
// The looks a child can give a webcam picture: the live preview and the picture taken both go
// through the same effect, so what is seen is what is taken.

#include <QImage>

namespace quillora {

enum class WebcamEffect {
    None = 0,
    BlackAndWhite = 1,
    Sepia = 2,  // warm brown, like an old photograph
    PopArt = 3, // four bold colours in flat patches, by brightness
    Mirror = 4, // left and right swapped, as in a looking glass
};
constexpr int kWebcamEffectCount = 5; // None and the four looks, numbered 0..4

// The effect of an effect number; numbers outside 0..4 mean no effect.
WebcamEffect webcamEffectFromNumber(int number);

// The picture with the effect applied; the result is 32-bit RGB of the same size.
QImage applyWebcamEffect(const QImage &picture, WebcamEffect effect);

// A dim classroom or a bright window: each step makes the picture a quarter lighter (step > 0)
// or darker (step < 0); steps beyond kWebcamBrightnessSteps count as that many.
constexpr int kWebcamBrightnessSteps = 3;
QImage adjustWebcamBrightness(const QImage &picture, int step);

} // namespace quillora
