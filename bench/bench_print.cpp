// Cost of printing a full simple page (three pictures at screen size, three texts, one rich
// text) to an A4 PDF, as "Save as PDF…" and the PDF export do; and of drawing the same page
// into a picture, as the PNG export and the thumbnails do. Also a sheet of fifteen badges, each
// a shaped painting and a name, printed to PDF: a sheet of copies should cost about what one
// page of the same pictures does, not one shaped picture's work per copy.

#include "core/printing/pagerenderer.h"
#include "core/printing/pdfprintdevice.h"
#include "core/printing/printjob.h"
#include "core/layout/pagefit.h"
#include "core/layout/templatereader.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

QImage picture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    // A stroke across it, so the picture is not one flat colour.
    for (int x = 0; x < size.width(); ++x)
        image.setPixelColor(x, (x * size.height()) / std::max(size.width(), 1), Qt::black);
    return image;
}

TextBoxModel text(QRect geometry, const QString &words, Alignment align)
{
    TextBoxModel box;
    box.style.fontName = QStringLiteral("Liberation Sans");
    box.style.fontSize = 22;
    box.style.align = align;
    box.geometry = geometry;
    box.text = words;
    box.visible = true;
    return box;
}

// A portrait A4 page fitted to the height of a 1920 × 1080 screen.
PageModel fullSimplePage()
{
    PageModel page;
    page.pageRect = QRect(707, 72, 673, 952);
    const auto pictureBox = [](QRect geometry, QColor colour) {
        PictureBoxModel box;
        box.geometry = geometry;
        box.image = picture(geometry.size(), colour);
        box.visible = true;
        return box;
    };
    page.pictureBoxes = {pictureBox({30, 30, 613, 330}, Qt::red),
                         pictureBox({30, 380, 295, 230}, Qt::green),
                         pictureBox({348, 380, 295, 230}, Qt::blue)};
    page.textBoxes = {
        text({30, 630, 613, 60}, QStringLiteral("Our trip to the seaside"), Alignment::Centre),
        text({30, 700, 295, 120}, QStringLiteral("We built a big sandcastle with a moat"),
             Alignment::Left),
        text({348, 700, 295, 120}, QStringLiteral("Then the tide came in and filled it"),
             Alignment::Right)};
    RichTextBoxModel rich;
    rich.geometry = QRect(30, 840, 613, 90);
    rich.rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}"
                              "{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs44 The \\b sea\\b0 "
                              " was \\cf1 very cold\\cf0  but we swam all the same!}");
    rich.visible = true;
    page.richTextBoxes = {rich};
    return page;
}

void timePrintingToPdf(benchmark::State &state, const PageModel &page)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    PrintSettings settings;
    for (auto _ : state) {
        PdfPrintDevice pdf([&path] { return path; });
        const PrintResult result = printDocument(page, pdf, settings);
        if (result.outcome != PrintOutcome::Printed)
            state.SkipWithError("the PDF was not written");
    }
}

void BM_PrintFullPageToPdf(benchmark::State &state)
{
    timePrintingToPdf(state, fullSimplePage());
}
BENCHMARK(BM_PrintFullPageToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The sheet of copies the child sees first: badges, on a 1920 x 1080 screen.
PageModel badgesSheet()
{
    PageModel page;
    page.documentType = DocumentKind::Multi;
    QString error;
    if (!readTemplate(QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/multi/badges.xml"), page,
                      documentWindowFit(1920, 1080, DocumentKind::Multi), &error))
        qFatal("%s", qPrintable(error));
    PictureBoxModel &badge = page.pictureBoxes[0];
    badge.image = picture(badge.geometry.size(), Qt::magenta);
    page.textBoxes[0].text = QStringLiteral("Samira");
    return page;
}

void BM_PrintCopiesSheetToPdf(benchmark::State &state)
{
    const PageModel page = badgesSheet();
    timePrintingToPdf(state, page);
    state.counters["copies"] = page.repeatCount;
}
BENCHMARK(BM_PrintCopiesSheetToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RenderFullPageImage(benchmark::State &state)
{
    const PageModel page = fullSimplePage();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPageImage(page, 1.0));
}
BENCHMARK(BM_RenderFullPageImage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
