#include "core/printing/printjob.h"

#include "core/foundation/settings.h"
#include "core/layout/documenttypes.h"
#include "core/printing/pagerenderer.h"

#include <QLoggingCategory>
#include <QPainter>

#include <algorithm>
#include <cmath>

Q_DECLARE_LOGGING_CATEGORY(lcPrinting)

namespace quillora {

namespace {

constexpr double kA4LongSideMm = 297.0;
constexpr double kA4ShortSideMm = 210.0;
// Room between the copies on a sheet, as a share of a copy's width.
constexpr double kSheetGapShare = 0.04;

void drawCopies(const PageModel &page, PrintDevice &device, const PrintSettings &settings, int copy,
                CopyDrawings &shared)
{
    QPainter &painter = device.painter();
    const QRectF printable = device.printableArea();
    if (kindInfo(page.documentType).copiesSheet) {
        const int count = std::clamp(page.repeatCount, 2, kMaxSheetCopies);
        const QSizeF room(printable.width() * settings.zoom, printable.height() * settings.zoom);
        const SheetPlacement sheet = arrangeRepeatedCopies(page.pageRect.size(), room, count);
        for (int i = 0; i < sheet.origins.size(); ++i) {
            PageRenderOptions options;
            options.origin = sheet.origins[i];
            options.scale = sheet.scale;
            options.fontFactor = settings.fontFactor;
            options.copyNumber = (copy - 1) * count + i + 1;
            options.shared = &shared;
            renderPage(painter, page, options);
        }
        return;
    }
    PageRenderOptions options;
    options.scale = printScale(printable.width(), settings.zoom, page.pageRect.width());
    options.fontFactor = settings.fontFactor;
    renderPage(painter, page, options);
}

} // namespace

bool paperIsNotA4(const QSizeF &paper)
{
    if (!(paper.width() > 0) || !(paper.height() > 0))
        return true;
    const double expected = paper.width() > paper.height() ? kA4LongSideMm / kA4ShortSideMm
                                                           : kA4ShortSideMm / kA4LongSideMm;
    return std::abs(paper.width() / paper.height() - expected) > kA4RatioTolerance;
}

double printScale(double printableWidth, double zoom, int pageWidthPx)
{
    if (pageWidthPx <= 0 || !(printableWidth > 0))
        return 0.0;
    return printableWidth * zoom / pageWidthPx;
}

PageOrientation orientationFor(const PageModel &page)
{
    return page.pageRect.width() >= page.pageRect.height() ? PageOrientation::Landscape
                                                           : PageOrientation::Portrait;
}

PrintSettings PrintSettings::from(const Settings &settings, int copies)
{
    PrintSettings result;
    result.copies = std::clamp(copies, 1, kMaxPrintCopies);
    result.fontFactor = std::clamp(settings.printFontPercent, 85, 100) / 100.0;
    result.zoom = std::clamp(settings.printZoomPercent, 85, 100) / 100.0;
    return result;
}

PrintResult printDocument(const PageModel &page, PrintDevice &device, const PrintSettings &settings)
{
    // The advanced objects of "My layout" are objects of the same page model, drawn alike.
    if (!kindInfo(page.documentType).pageOfBoxes)
        return {PrintOutcome::NotAvailable, kNotReadyMessage};
    if (page.pageRect.isEmpty())
        return {PrintOutcome::Failed, QStringLiteral("the page has no size")};

    const int copies = std::clamp(settings.copies, 1, kMaxPrintCopies);
    CopyDrawings shared;
    return runPrintJob(
        device, orientationFor(page), copies,
        [&](int sheet) { drawCopies(page, device, settings, sheet + 1, shared); }, "the page");
}

PrintResult runPrintJob(PrintDevice &device, PageOrientation orientation, int sheetCount,
                        const std::function<void(int sheet)> &drawSheet, const char *what)
{
    device.setOrientation(orientation);
    QString error;
    if (!device.begin(&error)) {
        if (error.isEmpty())
            return {PrintOutcome::Cancelled, {}};
        qCWarning(lcPrinting) << "printer" << device.name() << "did not start:" << error;
        return {PrintOutcome::Failed, error};
    }
    for (int sheet = 0; sheet < sheetCount; ++sheet) {
        if (sheet > 0 && !device.newPage()) {
            error = QStringLiteral("the printer refused a new page");
            break;
        }
        drawSheet(sheet);
    }
    QString finishError;
    const bool finished = device.finish(&finishError);
    if (error.isEmpty() && !finished)
        error = finishError;
    if (!error.isEmpty()) {
        qCWarning(lcPrinting) << "printing" << what << "on" << device.name() << "failed:" << error;
        return {PrintOutcome::Failed, error};
    }
    return {PrintOutcome::Printed, {}};
}

SheetPlacement arrangeRepeatedCopies(const QSize &pagePx, const QSizeF &printable, int count)
{
    SheetPlacement best;
    if (pagePx.isEmpty() || printable.isEmpty() || count <= 0)
        return best;
    int bestColumns = 1;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const double cellWidth = pagePx.width() * (1.0 + kSheetGapShare);
        const double cellHeight = pagePx.height() + pagePx.width() * kSheetGapShare;
        const double scale = std::min(printable.width() / (columns * cellWidth),
                                      printable.height() / (rows * cellHeight));
        if (scale > best.scale) {
            best.scale = scale;
            bestColumns = columns;
        }
    }
    const double gap = pagePx.width() * kSheetGapShare * best.scale;
    const double stepX = pagePx.width() * best.scale + gap;
    const double stepY = pagePx.height() * best.scale + gap;
    for (int i = 0; i < count; ++i)
        best.origins.append(QPointF((i % bestColumns) * stepX, (i / bestColumns) * stepY));
    return best;
}

PrintResult printPageCopies(
    PrintDevice &device, PageOrientation orientation, QSize pageSize, const PrintSettings &settings,
    const std::function<void(QPainter &, const PageRenderOptions &)> &drawPage, const char *what)
{
    if (pageSize.isEmpty())
        return {PrintOutcome::Failed, QStringLiteral("the page has no size")};
    const int copies = std::clamp(settings.copies, 1, kMaxPrintCopies);
    return runPrintJob(
        device, orientation, copies,
        [&](int) {
            PageRenderOptions options;
            options.scale =
                printScale(device.printableArea().width(), settings.zoom, pageSize.width());
            options.fontFactor = settings.fontFactor;
            drawPage(device.painter(), options);
        },
        what);
}

} // namespace quillora
