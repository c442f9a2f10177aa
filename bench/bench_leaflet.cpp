// Cost of one frame of the leaflet page turn on a full HD screen (the holder cleared, the page
// beneath drawn, the turning page drawn through the three-corner transform), of flattening a
// busy leaflet page into its picture, and of printing a large leaflet (two faces) to PDF.

#include "core/doctypes/leafletsheet.h"
#include "core/doctypes/leafletturn.h"
#include "core/layout/documenttypes.h"
#include "core/printing/pdfprintdevice.h"

#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

const QSize kScreen(1920, 1080);

QImage picture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawLine(QPoint(0, 0), QPoint(size.width(), size.height()));
    return image;
}

// Every page of a large leaflet fitted to a full HD screen: three pictures, three texts and a
// rich text each, as a busy page holds.
PageModel busyLargeLeaflet()
{
    const LeafletScreenGeometry geometry =
        leafletScreenGeometry(LeafletStyle::LargeLeaflet, kScreen);
    const QSize page = geometry.panelSize;
    PageModel leaflet;
    leaflet.documentType = DocumentKind::Leaflet;
    leaflet.scale = geometry.scale;
    leaflet.pageHeightMm = 210;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int round = 0; round < 3; ++round) {
        for (int p = 0; p < 6; ++p) {
            PictureBoxModel box;
            box.geometry =
                QRect(40, 40 + round * page.height() / 4, page.width() - 80, page.height() / 5);
            box.image = picture(box.geometry.size(), colours[round]);
            box.visible = true;
            leaflet.pictureBoxes.append(box);
            TextBoxModel text;
            text.style.fontName = QStringLiteral("Liberation Sans");
            text.style.fontSize = 20;
            text.geometry = QRect(40, box.geometry.bottom() + 4, page.width() - 80, 40);
            text.text = QStringLiteral("We saw a big ship in the harbour");
            text.visible = true;
            leaflet.textBoxes.append(text);
        }
    }
    for (int p = 0; p < 6; ++p) {
        RichTextBoxModel rich;
        rich.geometry = QRect(40, page.height() - 120, page.width() - 80, 90);
        rich.rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0\\fs40 The "
                                  "\\b sea\\b0  was very cold}");
        rich.visible = true;
        leaflet.richTextBoxes.append(rich);
    }
    leaflet.announcedPictureBoxes = int(leaflet.pictureBoxes.size());
    leaflet.announcedTextBoxes = int(leaflet.textBoxes.size());
    leaflet.announcedRichTextBoxes = int(leaflet.richTextBoxes.size());
    return leaflet;
}

void BM_PageTurnFrame(benchmark::State &state)
{
    const LeafletScreenGeometry geometry = leafletScreenGeometry(LeafletStyle::Booklet, kScreen);
    QVector<QImage> pages;
    for (QColor colour : {Qt::red, Qt::green, Qt::blue, Qt::yellow})
        pages.append(picture(geometry.panelSize, colour));
    LeafletViewer viewer(LeafletStyle::Booklet, geometry, 15);
    viewer.start(LeafletMotion::TurnForward);
    for (int i = 0; i < 4; ++i)
        viewer.tick(); // 60 degrees: the page well lifted
    QImage holder(geometry.holder.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&holder);
        drawLeafletFrame(painter, viewer.frame(), geometry, pages, Qt::lightGray);
        painter.end();
        benchmark::DoNotOptimize(holder.constBits());
    }
}
BENCHMARK(BM_PageTurnFrame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_FlattenBusyPage(benchmark::State &state)
{
    const PageModel leaflet = busyLargeLeaflet();
    LeafletPagePictures pages;
    pages.reset(6);
    for (auto _ : state) {
        pages.markChanged(1);
        pages.bringUpToDate(leaflet, LeafletStyle::LargeLeaflet);
        benchmark::DoNotOptimize(pages.pictures[1].constBits());
    }
}
BENCHMARK(BM_FlattenBusyPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_PrintLargeLeafletToPdf(benchmark::State &state)
{
    const PageModel leaflet = busyLargeLeaflet();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("leaflet.pdf"));
    for (auto _ : state) {
        PdfPrintDevice pdf([&path] { return path; });
        const PrintResult result = printLeaflet(leaflet, LeafletStyle::LargeLeaflet, pdf,
                                                PrintSettings{}, QStringLiteral("Turn over"));
        if (result.outcome != PrintOutcome::Printed)
            state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_PrintLargeLeafletToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
