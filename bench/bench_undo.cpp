// Undo snapshots of a full-screen picture: the time to record one, and the memory a full history
// keeps, against three screens of pixels.

#include "core/undo/pictureunshare.h"
#include "core/undo/undohistory.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <algorithm>

using namespace quillora;

namespace {

const ScreenMetrics kScreen{1920, 1080, 15, 15};
constexpr double kMegabyte = 1024.0 * 1024.0;

PageModel fullScreenPage()
{
    PageModel page;
    page.pictureBoxes.resize(1);
    PictureBoxModel &box = page.pictureBoxes[0];
    box.geometry = QRect(0, 0, kScreen.widthPx, kScreen.heightPx);
    box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
    box.image.fill(Qt::white);
    box.visible = true;
    return page;
}

void stroke(QImage &image, int n)
{
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(0x20 * (n % 8), 0x40, 0x80), 12));
    painter.drawLine(n % 1900, 10, 1900 - n % 1900, 1070);
}

// Kilobytes of a "VmRSS:" or "VmHWM:" line of this process.
qint64 processMemoryKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// A child paints many strokes on a full-screen picture; each release records a step.
void BM_FullHistoryMemory(benchmark::State &state)
{
    const qint64 rssBeforeKb = processMemoryKb("VmRSS:");
    qint64 heldBytes = 0;
    int capacity = 0;
    for (auto _ : state) {
        PageModel page = fullScreenPage();
        UndoHistory history;
        history.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen);
        for (int n = 0; n < 12; ++n) {
            stroke(page.pictureBoxes[0].image, n);
            benchmark::DoNotOptimize(history.record(page, ObjectKind::Picture, 0));
        }
        heldBytes = history.pictureBytes();
        capacity = history.capacity();
    }
    const double screenBytes = double(kScreen.widthPx) * kScreen.heightPx * 4;
    state.counters["capacity"] = capacity;
    state.counters["history_MB"] = double(heldBytes) / kMegabyte;
    state.counters["three_screens_MB"] = 3 * screenBytes / kMegabyte;
    state.counters["history_in_screens"] = double(heldBytes) / screenBytes;
    state.counters["peak_rss_growth_MB"] =
        double(processMemoryKb("VmHWM:") - rssBeforeKb) * 1024.0 / kMegabyte;
}
BENCHMARK(BM_FullHistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Recording after a stroke: the snapshot shares the picture, so nothing is copied here.
void BM_RecordFullScreenSnapshot(benchmark::State &state)
{
    PageModel page = fullScreenPage();
    UndoHistory history;
    history.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        stroke(page.pictureBoxes[0].image, ++n);
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.record(page, ObjectKind::Picture, 0));
    }
}
BENCHMARK(BM_RecordFullScreenSnapshot)->Unit(benchmark::kMicrosecond);

// The price of sharing is paid once by the first write after a snapshot: the picture is copied.
void BM_FirstStrokeAfterSnapshot(benchmark::State &state)
{
    PageModel page = fullScreenPage();
    UndoHistory history;
    history.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        benchmark::DoNotOptimize(history.record(page, ObjectKind::Picture, 0));
        state.ResumeTiming();
        stroke(page.pictureBoxes[0].image, ++n);
    }
}
BENCHMARK(BM_FirstStrokeAfterSnapshot)->Unit(benchmark::kMicrosecond);

// As the window does it: a pool thread copies the picture while the pen is up, so a stroke's
// first segment (20 pixels of a 12-pixel pen) writes at once. `handover_ms` is how long after
// the release the page holds its own copy: a stroke begun sooner still copies. The picture is
// shared by an undo step (0) or by the copy of the page an autosave writes (1).
void BM_FirstSegmentAfterHandOver(benchmark::State &state)
{
    PageModel page = fullScreenPage();
    UndoHistory history;
    history.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen);
    QObject window;
    PageModel autosaved;
    double handoverMs = 0;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QElapsedTimer handover;
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(history.record(page, ObjectKind::Picture, 0));
            handover.start();
            unsharePictureLater(&window, page, 0);
        } else {
            autosaved = page;
            handover.start();
            unsharePicturesLater(&window, page);
        }
        while (!page.pictureBoxes[0].image.isDetached())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        handoverMs += double(handover.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
        QPainter painter(&page.pictureBoxes[0].image);
        painter.setPen(QPen(QColor::fromRgb(0x20 * (++n % 8), 0x40, 0x80), 12));
        painter.drawLine(900 + n % 40, 500, 920 + n % 40, 510);
    }
    state.counters["handover_ms"] =
        handoverMs / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
}
BENCHMARK(BM_FirstSegmentAfterHandOver)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Stepping back through a full history puts the snapshots back without copying them.
void BM_UndoRedoFullScreen(benchmark::State &state)
{
    PageModel page = fullScreenPage();
    UndoHistory history;
    history.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen);
    for (int n = 0; n < 3; ++n) {
        stroke(page.pictureBoxes[0].image, n);
        benchmark::DoNotOptimize(history.record(page, ObjectKind::Picture, 0));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.undo(page));
        benchmark::DoNotOptimize(history.redo(page));
    }
}
BENCHMARK(BM_UndoRedoFullScreen)->Unit(benchmark::kMicrosecond);

} // namespace
