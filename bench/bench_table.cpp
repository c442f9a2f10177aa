// A 12 x 12 table on a 1920 x 1080 screen: laying it out (every cell placed and its text
// fitted), which must stay under 30 ms so the add and remove buttons feel instant; saving and
// opening it with every cell painted, under 400 ms each, beside the zip and unzip tools
// packing and unpacking the very same members.

#include "core/doctypes/table.h"
#include "support/workfilebench.h"

#include <benchmark/benchmark.h>

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

void BM_TableSave(benchmark::State &state)
{
    bench::timeSave(state, fixture());
}
BENCHMARK(BM_TableSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_TableOpen(benchmark::State &state)
{
    bench::timeOpen(state, fixture());
}
BENCHMARK(BM_TableOpen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_TableZipToolPack(benchmark::State &state)
{
    bench::timeZipTool(state, fixture());
}
BENCHMARK(BM_TableZipToolPack)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_TableUnzipToolUnpack(benchmark::State &state)
{
    bench::timeUnzipTool(state, fixture());
}
BENCHMARK(BM_TableUnzipToolUnpack)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
