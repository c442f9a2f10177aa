// Autosave of a simple page with three full-size pictures: what the window's thread spends
// (copying the page and handing the job over) and how long the file
// worker takes to write the recovery file, synced to the disk.
#include "core/doctypes/pagefamily.h"
#include "core/files/backgroundfiles.h"
#include "platform/ziparchive.h"
#include "support/benchpage.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

using namespace quillora;

namespace {

struct Fixture {
    QTemporaryDir dir;
    ZipArchiveFormat zip;
    PageFitInputs fit{3000, 2000, 106, 72, DocumentKind::Simple};
    PageModel page = bench::benchPage(dir.path(), fit);
    Staging staging{dir.filePath(QStringLiteral("staging/autosave"))};
    WorkFileJob job{zip,
                    registeredPageFiles(),
                    staging,
                    fit,
                    {},
                    dir.filePath(QStringLiteral("recovery/RUNTAGAB.qlr")),
                    Packing::Quick};
    FileWorker worker;
    QObject receiver;
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// The window's share: the snapshot and the hand-over; the write itself runs meanwhile.
void BM_AutosaveSnapshot(benchmark::State &state)
{
    Fixture &f = fixture();
    QDir().mkpath(QFileInfo(f.job.path).absolutePath());
    bool written = true;
    qint64 strokeNs = 0;
    for (auto _ : state) {
        QElapsedTimer busy;
        busy.start();
        PageModel snapshot = f.page;
        saveInBackground(f.worker, f.job, std::move(snapshot), {}, &f.receiver,
                         [&written](const WorkFileJobResult &result) { written = result.done; });
        state.SetIterationTime(double(busy.nsecsElapsed()) / 1e9);
        // The child paints on while the worker writes: the first stroke into each picture
        // copies it once, as the snapshot still holds the old pixels.
        QElapsedTimer stroke;
        stroke.start();
        for (PictureBoxModel &box : f.page.pictureBoxes)
            box.image.setPixel(0, 0, 0);
        strokeNs += stroke.nsecsElapsed();
        f.worker.finishPending();
        QCoreApplication::processEvents();
    }
    state.counters["first_strokes_ms"] =
        double(strokeNs) / 1e6 / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    if (!written)
        state.SkipWithError("the recovery file was not written");
}
// A fixed count: only the snapshot counts as time, so a time budget would wait for thousands
// of writes.
BENCHMARK(BM_AutosaveSnapshot)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The worker's share: members written, packed, synced and put in place.
void BM_AutosaveWrite(benchmark::State &state)
{
    Fixture &f = fixture();
    QDir().mkpath(QFileInfo(f.job.path).absolutePath());
    for (auto _ : state) {
        const WorkFileJobResult result = saveOnWorker(f.worker, f.job, f.page, {});
        if (!result.done)
            state.SkipWithError(qPrintable(result.error));
    }
    state.counters["file_kB"] = double(QFileInfo(f.job.path).size()) / 1024.0;
}
// Wall time from hand-over to the file in place, and the CPU of the whole process, which is the
// worker's while this thread waits: on a busy machine the two part.
BENCHMARK(BM_AutosaveWrite)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
