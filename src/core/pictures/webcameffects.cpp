#include "core/pictures/webcameffects.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillora {

namespace {

int luminance(QRgb pixel)
{
    return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

template <typename PixelFunction> void forEachPixel(QImage &image, PixelFunction change)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = change(line[x]);
    }
}

QRgb blackAndWhite(QRgb pixel)
{
    const int grey = luminance(pixel);
    return qRgb(grey, grey, grey);
}

QRgb sepia(QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const auto clamp = [](int value) { return std::min(255, value); };
    return qRgb(clamp((r * 393 + g * 769 + b * 189) / 1000),
                clamp((r * 349 + g * 686 + b * 168) / 1000),
                clamp((r * 272 + g * 534 + b * 131) / 1000));
}

// Four bands of brightness, each one bold flat colour, the way a screen-printed poster shows a
// face: shadows in ink, darker tones pink, lighter tones orange, highlights yellow.
QRgb popArt(QRgb pixel)
{
    static constexpr std::array<QRgb, 4> bands = {0xFF1B2A4Au, 0xFFE91E8Cu, 0xFFFF8C1Au,
                                                  0xFFFFD23Fu};
    return bands[std::size_t(luminance(pixel) / 64)];
}

} // namespace

WebcamEffect webcamEffectFromNumber(int number)
{
    if (number < 0 || number >= kWebcamEffectCount)
        return WebcamEffect::None;
    return static_cast<WebcamEffect>(number);
}

QImage applyWebcamEffect(const QImage &picture, WebcamEffect effect)
{
    if (picture.isNull())
        return {};
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    switch (effect) {
    case WebcamEffect::None:
        break;
    case WebcamEffect::BlackAndWhite:
        forEachPixel(result, blackAndWhite);
        break;
    case WebcamEffect::Sepia:
        forEachPixel(result, sepia);
        break;
    case WebcamEffect::PopArt:
        forEachPixel(result, popArt);
        break;
    case WebcamEffect::Mirror:
        result = result.mirrored(true, false);
        break;
    }
    return result;
}

QImage adjustWebcamBrightness(const QImage &picture, int step)
{
    step = std::clamp(step, -kWebcamBrightnessSteps, kWebcamBrightnessSteps);
    if (picture.isNull() || step == 0)
        return picture;
    const double gain = std::pow(1.25, step);
    std::array<uchar, 256> level{};
    for (int value = 0; value < 256; ++value)
        level[std::size_t(value)] = uchar(std::min(255, int(std::lround(value * gain))));
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    forEachPixel(result, [&level](QRgb pixel) {
        return qRgb(level[std::size_t(qRed(pixel))], level[std::size_t(qGreen(pixel))],
                    level[std::size_t(qBlue(pixel))]);
    });
    return result;
}

} // namespace quillora
