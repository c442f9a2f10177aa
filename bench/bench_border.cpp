// Cost of laying the painted border round an A4 page fitted to a 1920 x 1080 screen, as the
// page does whenever border editing ends and as printing does: a pattern border (the standard
// portrait border) and a map border (a ring with decorated corners). Each must stay well under
// 20 ms so that ending the editor feels instant.

#include "core/printing/pageborder.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace quillora;

namespace {

// Portrait A4 fitted to the height of a 1920 x 1080 screen: 968 / 297 pixels per millimetre.
constexpr double kScale = 968.0 / 297.0;
const QSize kPageSize(int(210 * kScale), 968);

// A border picture as a child leaves it: white paper with coloured strokes over it.
QImage paintedBorder(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if ((x / 12 + y / 17) % 3 == 0)
                picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, 180));
    return picture;
}

int millimetres(double mm)
{
    return int(std::lround(mm * kScale));
}

// The standard portrait border with a painted tile.
BorderModel patternBorder()
{
    BorderModel border;
    border.type = BorderType::Pattern;
    border.edgeWidth = millimetres(15);
    border.edgeHeight = millimetres(8.5);
    border.tileWidth = border.tileHeight = millimetres(20);
    border.picture = paintedBorder({420, 420});
    return border;
}

void BM_PatternBorder(benchmark::State &state)
{
    const BorderModel border = patternBorder();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeBorder(border, kPageSize));
}
BENCHMARK(BM_PatternBorder)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_MapBorder(benchmark::State &state)
{
    BorderModel border;
    border.type = BorderType::Map;
    border.edgeWidth = border.edgeHeight = millimetres(5);
    border.tileWidth = 21;
    border.tileHeight = 30;
    QImage map(21, 30, QImage::Format_RGB32);
    map.fill(Qt::black);
    for (int y = 2; y < 28; ++y)
        for (int x = 2; x < 19; ++x)
            if (!((x < 4 || x > 16) && (y < 4 || y > 25)))
                map.setPixel(x, y, qRgb(255, 255, 255));
    border.map = map;
    border.picture = paintedBorder({297, 420});
    for (auto _ : state)
        benchmark::DoNotOptimize(composeBorder(border, kPageSize));
}
BENCHMARK(BM_MapBorder)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// What the page shows on screen: the same, with the unpainted parts tinted.
void BM_PatternBorderOnScreen(benchmark::State &state)
{
    const BorderModel border = patternBorder();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeBorderGuide(border, kPageSize));
}
BENCHMARK(BM_PatternBorderOnScreen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
