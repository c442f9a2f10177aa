// A comic strip on a 1920 x 1080 screen: redrawing one bubble while its tail is dragged (the
// outline, its white fill and line, and the region that takes presses, as the bubble control
// does at every move), which must stay under 2 ms for a speech and for a thought bubble; and
// opening a strip of 6 painted frames and 20 bubbles from its members, under 150 ms.

#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondescription.h"
#include "core/doctypes/cartoondrawing.h"
#include "core/doctypes/cartoonfamily.h"
#include "core/files/staging.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRegion>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

const QString kSixFrames =
    QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/cartoon/six frames.xml");

PageFitInputs fullHd()
{
    return documentWindowFit(1920, 1080, DocumentKind::ComicStrip);
}

PageModel sixFrames()
{
    PageModel page;
    page.documentType = DocumentKind::ComicStrip;
    QString error;
    if (!CartoonFamily().buildNewPage(page, kSixFrames, fullHd(), &error))
        qFatal("the template could not be read: %s", qPrintable(error));
    return page;
}

void redrawWhileTheTailMoves(benchmark::State &state, BubbleKind kind)
{
    PageModel page = sixFrames();
    const QRect frame = page.pictureBoxes[0].geometry;
    const int index = createBubble(page, kind, 0, QPoint(frame.width() / 2, frame.height() / 2),
                                   defaultBubbleSize(1920, frame.width()), TextStyle{});
    BubbleModel &bubble = page.kindState<ComicStripState>().bubbles[index];
    bubble.text = QStringLiteral("What a day!");
    QImage surface(bubble.geometry.size(), QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 360;
        const double angle = step * 3.14159265 / 180.0;
        bubble.tip = clampedTip(bubble.geometry,
                                bubble.geometry.center() +
                                    QPoint(int(150 * std::cos(angle)), int(120 * std::sin(angle))));
        surface.fill(Qt::transparent);
        QPainter painter(&surface);
        painter.translate(-QPointF(bubble.geometry.topLeft()));
        paintBubbleShape(painter, bubble);
        painter.end();
        QPainterPathStroker edge;
        edge.setWidth(kBubbleLineWidth + 4);
        const QPainterPath shape = bubbleShape(bubble);
        const QRegion reach(shape.united(edge.createStroke(shape)).toFillPolygon().toPolygon());
        benchmark::DoNotOptimize(reach.rectCount());
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.counters["side_px"] = bubble.geometry.width();
}

void BM_SpeechBubbleTailDrag(benchmark::State &state)
{
    redrawWhileTheTailMoves(state, BubbleKind::Speech);
}
BENCHMARK(BM_SpeechBubbleTailDrag)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ThoughtBubbleTailDrag(benchmark::State &state)
{
    redrawWhileTheTailMoves(state, BubbleKind::Thought);
}
BENCHMARK(BM_ThoughtBubbleTailDrag)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_OpenSixFramesTwentyBubbles(benchmark::State &state)
{
    PageModel made = sixFrames();
    for (int i = 0; i < 20; ++i) {
        const int frame = i % 6;
        QImage picture(made.pictureBoxes[frame].geometry.size(), QImage::Format_RGB32);
        picture.fill(qRgb(40 * frame, 200 - 30 * frame, 120));
        made.pictureBoxes[frame].image = picture;
        const int index = createBubble(made, BubbleKind(i % 3), frame, QPoint(80 + i, 90 + i),
                                       QSize(160, 120), TextStyle{});
        made.kindState<ComicStripState>().bubbles[index].text =
            QStringLiteral("Bubble number %1 has a few words").arg(i);
    }
    QTemporaryDir folder;
    const Staging staging(folder.path());
    const CartoonFamily family;
    QString error;
    if (!family.writeMembers(made, folder.path(), &error) ||
        !family.writeDescription(made, staging, {}, &error))
        qFatal("the strip could not be written: %s", qPrintable(error));
    for (auto _ : state) {
        PageModel page;
        page.documentType = DocumentKind::ComicStrip;
        if (!family.readDescription(staging.memberPath(QStringLiteral("layout.xml")), page,
                                    fullHd(), &error) ||
            !family.readMembers(page, folder.path()))
            qFatal("the strip could not be read");
        benchmark::DoNotOptimize(bubblesOf(page).size());
    }
}
BENCHMARK(BM_OpenSixFramesTwentyBubbles)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
