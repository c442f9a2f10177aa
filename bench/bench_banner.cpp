// Cost of a banner's two heavy moments: a key typed into a 30-letter banner (the text limit,
// laying the letters out again and drawing the whole strip for a full HD screen), and printing
// a five-sheet banner to a PDF.

#include "core/doctypes/bannerdrawing.h"
#include "core/printing/pdfprintdevice.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

// The strip's room on a 1920-pixel screen.
constexpr int kStripRoomPx = 1880;

Banner banner(const QString &text)
{
    Banner banner;
    banner.text = text;
    banner.fontName = QStringLiteral("Comic Sans MS");
    banner.thickness = 6;
    banner.letterFill = 0x00D7FF;
    banner.letterOutline = 0x800080;
    banner.borderPicture = QImage(120, 120, QImage::Format_RGB32);
    banner.borderPicture.fill(Qt::yellow);
    return banner;
}

void BM_BannerKeystroke(benchmark::State &state)
{
    const QString full = QStringLiteral("WELCOME BACK TO SCHOOL CLASS 3");
    QFont fieldFont(QStringLiteral("Liberation Sans"));
    fieldFont.setPixelSize(28);
    const BannerTextField field{fieldFont, 1200.0};
    Banner typed = banner(full);
    bool withLastKey = true;
    for (auto _ : state) {
        // Typing the last letter and rubbing it out again, turn about.
        typed.text = limitBannerText(withLastKey ? full : full.chopped(1), field);
        withLastKey = !withLastKey;
        const BannerLayout layout = layOutBanner(typed);
        benchmark::DoNotOptimize(
            drawBannerStrip(typed, layout, stripScale(kStripRoomPx, layout.sheetCount)));
    }
}
BENCHMARK(BM_BannerKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_PrintFiveSheetBannerToPdf(benchmark::State &state)
{
    const Banner fiveSheets = banner(QStringLiteral("HAPPY BIRTHDAY SAM"));
    const BannerLayout layout = layOutBanner(fiveSheets);
    if (layout.sheetCount != 5)
        state.SkipWithError("the banner does not take five sheets");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("banner.pdf"));
    for (auto _ : state) {
        PdfPrintDevice pdf([&path] { return path; });
        if (printBanner(fiveSheets, layout, pdf).outcome != PrintOutcome::Printed)
            state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_PrintFiveSheetBannerToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
