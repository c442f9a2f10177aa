// A 12 x 12 table on a 1920 x 1080 screen: laying it out (every cell placed and its text
// fitted), which must stay under 30 ms so the add and remove buttons feel instant; saving and
// opening it with every cell painted, under 400 ms each and within 1.5 times the zip and unzip
// tools packing and unpacking the very same members.

#include "core/doctypes/table.h"
#include "support/workfilebench.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QPainter>

using namespace quillora;

namespace {

const PageFitInputs kFit = documentWindowFit(1920, 1080, DocumentKind::Table);

// Every cell painted (a few bright shapes) and labelled.
PageModel paintedTable()
{
    PageModel page;
    page.documentType = DocumentKind::Table;
    newTablePage(page, kFit, kMaxTableCount, kMaxTableCount);
    page.textBoxes[kTableTitleIndex].text = QStringLiteral("Animals and where they live");
    for (int row = 0; row < kMaxTableCount; ++row) {
        for (int column = 0; column < kMaxTableCount; ++column) {
            const TableCell cell{row, column};
            PictureBoxModel &box = page.pictureBoxes[cellPictureIndex(cell)];
            box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
            box.image.fill(Qt::white);
            QPainter painter(&box.image);
            painter.setPen(QPen(QColor::fromHsv((row * 30 + column * 7) % 360, 255, 200), 4));
            painter.setBrush(QColor::fromHsv((row * 11 + column * 29) % 360, 200, 255));
            painter.drawEllipse(box.image.rect().adjusted(4, 4, -4, -4));
            page.textBoxes[cellTextIndex(cell)].text =
                QStringLiteral("word %1").arg(row * kMaxTableCount + column);
        }
    }
    // As typing leaves them: every word fitted to its cell.
    layOutTable(page, kMaxTableCount, kMaxTableCount);
    return page;
}

struct Fixture : bench::WorkFileBench {
    Fixture() : WorkFileBench(kFit, QStringLiteral("table.qlr")) { page = paintedTable(); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_TableLayOutTwelveByTwelve(benchmark::State &state)
{
    PageModel page = paintedTable();
    int rows = kMaxTableCount;
    for (auto _ : state) {
        // One row away and back, as the buttons do: every cell moves and is fitted again.
        rows = rows == kMaxTableCount ? kMaxTableCount - 1 : kMaxTableCount;
        layOutTable(page, kMaxTableCount, rows);
        benchmark::DoNotOptimize(page.textBoxes.constData());
    }
}
BENCHMARK(BM_TableLayOutTwelveByTwelve)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Saving and opening, each iteration beside the zip tool packing (or unpacking) the same members
// in the same run: `x_zip_tool` is our time over the tool's.
template <typename Ours, typename Tool>
void timeAgainstTool(benchmark::State &state, Ours &&ours, Tool &&tool)
{
    double oursSeconds = 0;
    double toolSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        ours();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        oursSeconds += seconds;
        clock.start();
        if (!tool())
            state.SkipWithError("the zip tools failed");
        toolSeconds += double(clock.nsecsElapsed()) / 1e9;
    }
    if (toolSeconds > 0)
        state.counters["x_zip_tool"] = oursSeconds / toolSeconds;
}

void BM_TableSave(benchmark::State &state)
{
    Fixture &f = fixture();
    if (!f.save(state))
        return;
    const QString archive = f.dir.filePath(QStringLiteral("tool.zip"));
    timeAgainstTool(
        state, [&] { f.save(state); }, [&] { return f.packWithZipTool(archive); });
}
BENCHMARK(BM_TableSave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_TableOpen(benchmark::State &state)
{
    Fixture &f = fixture();
    if (!f.save(state))
        return;
    const QString target = f.dir.filePath(QStringLiteral("unpacked"));
    timeAgainstTool(
        state, [&] { f.open(state); }, [&] { return f.unpackWithUnzipTool(target); });
}
BENCHMARK(BM_TableOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
