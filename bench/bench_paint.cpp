// Painting costs that a child feels: a fill of a whole big picture from one press (set beside
// one plain pass writing every pixel), one freehand segment of the widest pen, one cloud dab
// and one tick of a full table of scribble particles.

#include "core/pictures/floodfill.h"
#include "core/pictures/paintengine.h"
#include "core/pictures/particletools.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace quillora;

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;
const QRgb kColours[2] = {qRgb(255, 0, 0), qRgb(255, 255, 255)};

QImage bigPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kColours[1]);
    return image;
}

// One pass writing every pixel, the floor a fill of the whole picture is measured against.
void writeEveryPixel(QImage &image, QRgb colour)
{
    // The sizes are read once: a store through the pixels may alias the picture's own fields, so
    // reading them in the loop would keep the compiler from vectorising it.
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
        for (int x = 0; x < width; ++x)
            line[x] = colour;
    }
    benchmark::DoNotOptimize(bits);
    benchmark::ClobberMemory();
}

double elapsedSeconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Times `fill` (alternating colours, so each fill covers the whole picture again) and, in the
// same iterations, a plain pass over the same picture: `x_plain_pass` is the fill's time over
// the pass's, both measured in this one run on this machine's caches and clock.
template <typename Fill> void timeFillAgainstPlainPass(benchmark::State &state, Fill fill)
{
    QImage image = bigPicture();
    double fillSeconds = 0;
    double passSeconds = 0;
    int turn = 0;
    for (auto _ : state) {
        const auto fillStart = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(fill(image, kColours[turn]));
        const double seconds = elapsedSeconds(fillStart);
        state.SetIterationTime(seconds);
        fillSeconds += seconds;
        const auto passStart = std::chrono::steady_clock::now();
        writeEveryPixel(image, kColours[turn]);
        passSeconds += elapsedSeconds(passStart);
        turn = 1 - turn;
    }
    state.counters["x_plain_pass"] = passSeconds > 0 ? fillSeconds / passSeconds : 0.0;
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_FloodFillWholePicture(benchmark::State &state)
{
    timeFillAgainstPlainPass(state, [](QImage &image, QRgb colour) {
        return floodFill(image, {kWidth / 2, kHeight / 2}, colour);
    });
}

// The same inside a shaped picture box: the shape is asked at every pixel.
void BM_FloodFillShapedPicture(benchmark::State &state)
{
    QImage shape(kWidth, kHeight, QImage::Format_Grayscale8);
    shape.fill(255);
    timeFillAgainstPlainPass(state, [&shape](QImage &image, QRgb colour) {
        return floodFill(image, {kWidth / 2, kHeight / 2}, colour, shape);
    });
}

void BM_PlainPassWritingEveryPixel(benchmark::State &state)
{
    QImage image = bigPicture();
    int turn = 0;
    for (auto _ : state) {
        writeEveryPixel(image, kColours[turn]);
        turn = 1 - turn;
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

struct Bench {
    PaintState paint;
    RandomSource random{11};
    PaintEngine engine{paint, random};
    QImage image = QImage(800, 600, QImage::Format_RGB32);

    explicit Bench(int tool, int size)
    {
        image.fill(kColours[1]);
        paint.tool = qint16(tool);
        paint.toolSize = qint16(size);
    }
    PaintTarget target() { return {&image, 0, {}}; }
};

void BM_FreehandSegmentWidth32(benchmark::State &state)
{
    Bench bench(ToolMarker, 32);
    const QPoint ends[2] = {{380, 290}, {420, 310}};
    bench.engine.press(bench.target(), {ends[0]});
    int turn = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.engine.move(bench.target(), {ends[turn]}));
        turn = 1 - turn;
    }
}

void BM_CloudDab(benchmark::State &state)
{
    Bench bench(ToolCloud, 16);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.engine.press(bench.target(), {{400, 300}}));
}

void BM_TickOf200Particles(benchmark::State &state)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(kColours[1]);
    RandomSource random(5);
    ScribbleTool full;
    Stroke stroke;
    stroke.image = &image;
    stroke.colour = colourRef(0, 128, 255);
    stroke.toolSize = 32;
    stroke.penWidth = 32;
    stroke.random = &random;
    stroke.last = {400, 300};
    full.press(stroke, {{400, 300}});
    for (int i = 1; full.liveCount() < 200; ++i)
        full.move(stroke, {{400 + (i % 40) * 2, 300 + (i % 7)}});

    for (auto _ : state) {
        state.PauseTiming();
        ScribbleTool particles = full;
        state.ResumeTiming();
        benchmark::DoNotOptimize(particles.tick(image, -1, random));
    }
}

} // namespace

BENCHMARK(BM_FloodFillWholePicture)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FloodFillShapedPicture)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainPassWritingEveryPixel)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FreehandSegmentWidth32)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CloudDab)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TickOf200Particles)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
