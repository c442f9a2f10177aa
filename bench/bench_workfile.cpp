// Saving and opening a work file: a simple page with three 1000 x 700 pictures, three texts
// and one rich text, through the program's own archive code, side by side with the plain
// zip and unzip tools packing and unpacking the very same members.
#include "core/files/backgroundfiles.h"
#include "core/files/workfile.h"
#include "platform/ziparchive.h"
#include "support/benchpage.h"
#include "support/ziptools.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace quillora;
using bench::childCpuMs;
using bench::runTool;

namespace {

using bench::benchPage;
using bench::painting;

struct Fixture {
    QTemporaryDir dir;
    ZipArchiveFormat zip;
    Staging staging{dir.filePath(QStringLiteral("staging"))};
    PageFitInputs fit{3000, 2000, 106, 72, DocumentKind::Simple};
    PageModel page;
    QString path = dir.filePath(QStringLiteral("bench.qlr"));

    Fixture() : page(benchPage(dir.path(), fit)) {}

    WorkFileContext context() { return {zip, staging, fit, UnpackLimits{}}; }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_SaveWorkFile(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        QString error;
        if (!saveWorkFile(f.page, f.context(), f.path, {}, &error))
            state.SkipWithError(qPrintable(error));
    }
    state.counters["file_kB"] = double(QFileInfo(f.path).size()) / 1024.0;
}
BENCHMARK(BM_SaveWorkFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_OpenWorkFile(benchmark::State &state)
{
    Fixture &f = fixture();
    QString error;
    if (!saveWorkFile(f.page, f.context(), f.path, {}, &error))
        state.SkipWithError(qPrintable(error));
    for (auto _ : state) {
        PageModel opened;
        if (!openWorkFile(opened, f.context(), f.path, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(opened.pictureBoxes.size());
    }
}
BENCHMARK(BM_OpenWorkFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The same members packed by the zip tool, at its default compression like ours.
void BM_ZipToolPack(benchmark::State &state)
{
    Fixture &f = fixture();
    QString error;
    if (!saveWorkFile(f.page, f.context(), f.path, {}, &error))
        state.SkipWithError(qPrintable(error));
    const QStringList members = f.staging.membersToPack();
    const QString archive = f.dir.filePath(QStringLiteral("tool.zip"));
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        QFile::remove(archive);
        if (!runTool(QStringLiteral("zip"), QStringList{QStringLiteral("-q"), archive} + members,
                     f.staging.folder()))
            state.SkipWithError("zip failed");
    }
    state.counters["file_kB"] = double(QFileInfo(archive).size()) / 1024.0;
    state.counters["tool_cpu_ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_ZipToolPack)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_UnzipToolUnpack(benchmark::State &state)
{
    Fixture &f = fixture();
    QString error;
    if (!saveWorkFile(f.page, f.context(), f.path, {}, &error))
        state.SkipWithError(qPrintable(error));
    const QString target = f.dir.filePath(QStringLiteral("unpacked"));
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        QDir(target).removeRecursively();
        if (!runTool(
                QStringLiteral("unzip"),
                {QStringLiteral("-q"), QStringLiteral("-o"), f.path, QStringLiteral("-d"), target},
                f.dir.path()))
            state.SkipWithError("unzip failed");
    }
    state.counters["tool_cpu_ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
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
                painting(quint32(i + 7)).scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
        stall = std::max(stall, longestStallMs([&] {
            QString error;
            const bool saved = onWorker
                                   ? saveOnWorker(worker, {f.zip, f.staging, f.fit, {}, f.path}, f.page, {}).done
                                   : saveWorkFile(f.page, f.context(), f.path, {}, &error);
            if (!saved)
                state.SkipWithError("the save failed");
        }));
    }
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_SaveThreePhotos)->Arg(0)->Arg(1)->ArgName("on_worker")->Unit(benchmark::kMillisecond)->Iterations(3);

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
        stall = std::max(stall, longestStallMs([&] {
            PageModel opened;
            const bool done = onWorker
                                  ? openOnWorker(worker, {f.zip, f.staging, f.fit, {}, f.path}, DocumentKind::Simple).done
                                  : openWorkFile(opened, f.context(), f.path, &error);
            if (!done)
                state.SkipWithError("the open failed");
        }));
    }
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_OpenThreePhotos)->Arg(0)->Arg(1)->ArgName("on_worker")->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
