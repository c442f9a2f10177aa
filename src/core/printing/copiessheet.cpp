#include "core/printing/copiessheet.h"

#include "core/layout/documenttypes.h"
#include "core/printing/pagerenderer.h"
#include "core/printing/printjob.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

constexpr double kA4LongMm = 297.0;
constexpr double kA4ShortMm = 210.0;
// A printer cannot print to the paper's edge; the preview leaves the same strip free.
constexpr double kPrinterMarginMm = 5.0;
// The largest share of the sheet any count may cover; counts within this of it count as equal.
constexpr double kCoverageTolerance = 0.02;

double coverage(const QSize &pagePx, const QSizeF &sheet, int count)
{
    const SheetPlacement placement = arrangeRepeatedCopies(pagePx, sheet, count);
    const double copyArea = pagePx.width() * placement.scale * pagePx.height() * placement.scale;
    return count * copyArea / (sheet.width() * sheet.height());
}

} // namespace

CopiesChoice copiesFromScroll(int value)
{
    CopiesChoice choice;
    choice.count = std::clamp(value, kFewestSheetCopies, kMostSheetCopies);
    choice.autoTicked = choice.count < kAutoCopiesBelow;
    return choice;
}

int autoCopiesCount(const QSize &pagePx)
{
    if (pagePx.isEmpty())
        return kFewestSheetCopies;
    const bool landscape = pagePx.width() >= pagePx.height();
    const QSizeF sheet = landscape ? QSizeF(kA4LongMm, kA4ShortMm) : QSizeF(kA4ShortMm, kA4LongMm);
    int best = kFewestSheetCopies;
    double bestCoverage = coverage(pagePx, sheet, best);
    for (int count = kFewestSheetCopies + 1; count < kAutoCopiesBelow; ++count) {
        const double covered = coverage(pagePx, sheet, count);
        if (covered > bestCoverage + kCoverageTolerance) {
            best = count;
            bestCoverage = covered;
        }
    }
    return best;
}

bool sheetIsLandscape(const PageModel &page)
{
    return orientationFor(page) == PageOrientation::Landscape;
}

QSizeF sheetSizeMm(const PageModel &page)
{
    return sheetIsLandscape(page) ? QSizeF(kA4LongMm, kA4ShortMm) : QSizeF(kA4ShortMm, kA4LongMm);
}

QImage renderCopiesSheet(const PageModel &page, int sheetWidthPx, bool outlineCopies)
{
    if (page.pageRect.isEmpty() || sheetWidthPx <= 0)
        return {};
    const QSizeF sheetMm = sheetSizeMm(page);
    const double pxPerMm = sheetWidthPx / sheetMm.width();
    const int sheetHeightPx = std::max(1, int(std::lround(sheetMm.height() * pxPerMm)));
    QImage sheet(sheetWidthPx, sheetHeightPx, QImage::Format_RGB32);
    sheet.fill(Qt::white);

    const double margin = kPrinterMarginMm * pxPerMm;
    const QSizeF room(sheetWidthPx - 2 * margin, sheetHeightPx - 2 * margin);
    const int count = std::clamp(page.repeatCount, kFewestSheetCopies, kMaxSheetCopies);
    const SheetPlacement placement = arrangeRepeatedCopies(page.pageRect.size(), room, count);
    CopyDrawings shared;
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < placement.origins.size(); ++i) {
        PageRenderOptions options;
        options.origin = placement.origins[i] + QPointF(margin, margin);
        options.scale = placement.scale;
        options.copyNumber = i + 1;
        options.shared = &shared;
        renderPage(painter, page, options);
        if (outlineCopies) {
            painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(
                QRectF(options.origin, QSizeF(page.pageRect.size()) * placement.scale));
        }
    }
    return sheet;
}

QImage renderCopiesSheetPicture(const PageModel &page, double quality)
{
    if (page.pageRect.isEmpty())
        return {};
    // Arranged on a sheet one millimetre per unit, a copy is drawn at `unitScale` units per
    // window pixel; the picture's width is chosen so that this becomes `quality` pixels.
    const QSizeF sheetMm = sheetSizeMm(page);
    const QSizeF room(sheetMm.width() - 2 * kPrinterMarginMm,
                      sheetMm.height() - 2 * kPrinterMarginMm);
    const int count = std::clamp(page.repeatCount, kFewestSheetCopies, kMaxSheetCopies);
    const double unitScale = arrangeRepeatedCopies(page.pageRect.size(), room, count).scale;
    if (!(unitScale > 0))
        return {};
    const double wanted = std::clamp(quality, 0.25, 8.0) / unitScale * sheetMm.width();
    const double longest = std::max(sheetMm.width(), sheetMm.height()) / sheetMm.width();
    const double width = std::min(wanted, kMaxSheetPictureSidePx / longest);
    return renderCopiesSheet(page, std::max(1, int(width)));
}

QImage renderExportPicture(const PageModel &page, double sheetQuality)
{
    if (kindInfo(page.documentType).copiesSheet)
        return renderCopiesSheetPicture(page, sheetQuality);
    return renderPageImage(page, 1.0);
}

} // namespace quillora
