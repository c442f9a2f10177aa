// Cost of a circle's two heavy moments on a 1920 x 1080 screen: one frame of a turn (the disc
// with its words turned to an angle, the ring over it), which must stay under 8 ms so a turn
// runs smoothly, and drawing the circle template for 12 segments, every segment painted,
// which must stay under 30 ms.

#include "core/doctypes/circledrawing.h"
#include "core/doctypes/circleturn.h"
#include "core/layout/pagefit.h"
#include "core/pictures/raster.h"

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

// A 12-segment circle on the page fitted to the screen, a blob of paint in every segment.
CirclePage paintedCircle()
{
    const PageFit fit = fitPage(documentWindowFit(1920, 1080, DocumentKind::Circle),
                                kCirclePageWidthMm, kCirclePageHeightMm);
    CirclePage page = newCirclePage(fit.pageRect.size(), kMaxCircleSegments);
    const CircleGeometry geometry = page.layout().geometry;
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        const double turn = geometry.segmentTurn(segment);
        const QPointF middle =
            geometry.centre() + QPointF(std::sin(turn), -std::cos(turn)) * geometry.radius() * 0.6;
        raster::fillDisc(page.disc, middle, geometry.radius() / 8.0,
                         qRgb(20 * segment, 255 - 20 * segment, 128));
        page.segments[segment].text = QStringLiteral("Word %1").arg(segment + 1);
    }
    updateSegmentPictures(page);
    return page;
}

void BM_CircleTurnFrame(benchmark::State &state)
{
    CirclePage page = paintedCircle();
    const TurnPicture turning = prepareTurnPicture(page);
    QImage frame;
    int angle = 0;
    for (auto _ : state) {
        angle = (angle + 7) % 360;
        drawTurnFrame(frame, turning, angle);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["side_px"] = turning.picture.width();
}
BENCHMARK(BM_CircleTurnFrame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_CircleTemplateTwelveSegments(benchmark::State &state)
{
    CirclePage page = paintedCircle();
    for (auto _ : state) {
        drawCircle(page);
        benchmark::DoNotOptimize(page.disc.constBits());
    }
    state.counters["diameter_px"] = page.disc.width();
}
BENCHMARK(BM_CircleTemplateTwelveSegments)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
