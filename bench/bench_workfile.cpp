// Saving and opening a work file: a simple page with three 1000 x 700 pictures, three texts
// and one rich text, through the program's own archive code, side by side with the plain
// zip and unzip tools packing and unpacking the very same members.
#include "core/files/backgroundfiles.h"
#include "support/benchpage.h"
#include "support/workfilebench.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>

using namespace quillora;

namespace {

using bench::benchPage;
using bench::painting;

struct Fixture : bench::WorkFileBench {
    Fixture()
        : WorkFileBench({3000, 2000, 106, 72, DocumentKind::Simple}, QStringLiteral("bench.qlr"))
    {
        page = benchPage(dir.path(), fit);
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_SaveWorkFile(benchmark::State &state)
{
    bench::timeSave(state, fixture());
}
BENCHMARK(BM_SaveWorkFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_OpenWorkFile(benchmark::State &state)
{
    bench::timeOpen(state, fixture());
}
BENCHMARK(BM_OpenWorkFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ZipToolPack(benchmark::State &state)
{
    bench::timeZipTool(state, fixture());
}
BENCHMARK(BM_ZipToolPack)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_UnzipToolUnpack(benchmark::State &state)
{
    bench::timeUnzipTool(state, fixture());
}
BENCHMARK(BM_UnzipToolUnpack)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The same page with three 12-megapixel photos instead of the paintings: what a child waits for
// after importing camera pictures, and how long the window's thread goes without handling an
// event meanwhile (a 1 ms timer on it notes the longest gap). On the window's thread, as the
// program used to, the whole save is one stall; on the file worker only the hand-over is.
struct PhotoFixture : Fixture {
    PhotoFixture()
    {
        for (int i = 0; i < 3; ++i) {
            page.pictureBoxes[i].image =
                painting(quint32(i + 7))
                    .scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
};

PhotoFixture &photoFixture()
{
    static PhotoFixture f;
    return f;
}

// Runs `work` while timing the gaps between events handled on this thread.
template <typename Work> double longestStallMs(Work work)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticks;
    ticks.setInterval(1);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticks.start();
    work();
    return double(std::max(longest, clock.elapsed() - last));
}

void BM_SaveThreePhotos(benchmark::State &state)
{
    PhotoFixture &f = photoFixture();
    const bool onWorker = state.range(0) != 0;
    FileWorker worker;
    double stall = 0;
    for (auto _ : state) {
        stall = std::max(
            stall, longestStallMs([&] {
                QString error;
                const bool saved =
                    onWorker
                        ? saveOnWorker(worker,
                                       {f.zip, registeredPageFiles(), f.staging, f.fit, {}, f.path},
                                       f.page, {})
                              .done
                        : saveWorkFile(f.page, f.context(), f.path, {}, &error);
                if (!saved)
                    state.SkipWithError("the save failed");
            }));
    }
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_SaveThreePhotos)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("on_worker")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_OpenThreePhotos(benchmark::State &state)
{
    PhotoFixture &f = photoFixture();
    const bool onWorker = state.range(0) != 0;
    QString error;
    if (!saveWorkFile(f.page, f.context(), f.path, {}, &error))
        state.SkipWithError(qPrintable(error));
    FileWorker worker;
    double stall = 0;
    for (auto _ : state) {
        stall = std::max(
            stall, longestStallMs([&] {
                PageModel opened;
                const bool done =
                    onWorker
                        ? openOnWorker(worker,
                                       {f.zip, registeredPageFiles(), f.staging, f.fit, {}, f.path},
                                       DocumentKind::Simple)
                              .done
                        : openWorkFile(opened, f.context(), f.path, &error);
                if (!done)
                    state.SkipWithError("the open failed");
            }));
    }
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_OpenThreePhotos)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("on_worker")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
