#include "core/doctypes/bannerdrawing.h"

#include "core/foundation/fontmapping.h"
#include "core/printing/pageborder.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// Printers leave about this much of a sheet's edge unprinted; the rest must come out whole.
constexpr double kUnprintedEdgeMm = 5.0;
// The joining marks: pale enough never to be taken for part of the banner.
const QColor kGlueStripColour(205, 205, 205);
const QColor kSheetNumberColour(120, 120, 120);
constexpr double kGlueHatchStepMm = 4.0;
constexpr double kGlueHatchWidthMm = 0.4;
constexpr double kSheetNumberHeightMm = 4.5;
constexpr double kSheetNumberRightMm = kBannerLetterLimitMm - 3.0;

void drawLetter(QPainter &painter, const Banner &banner, const BannerLayout &layout,
                const QPainterPath &glyph)
{
    // The pen is centred on the letter's edge; the fill then covers its inner half, so the
    // outline shows outside the letter, as wide as the thickness asks.
    painter.strokePath(glyph, QPen(toQColor(banner.letterOutline), 2 * layout.outlineMm,
                                   Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(glyph, toQColor(banner.letterFill));
}

QRectF sheetRect(int sheet)
{
    return QRectF(sheet * kBannerSheetWidthMm, 0, kBannerSheetWidthMm, kBannerSheetHeightMm);
}

void drawJoiningMarks(QPainter &painter, int sheet, int sheetCount)
{
    painter.save();
    if (sheet + 1 < sheetCount) {
        const QRectF glue(kBannerLetterLimitMm, 0, kBannerSheetWidthMm - kBannerLetterLimitMm,
                          kBannerSheetHeightMm);
        painter.setClipRect(glue);
        painter.setPen(QPen(kGlueStripColour, kGlueHatchWidthMm));
        for (double y = 0; y < glue.height() + glue.width(); y += kGlueHatchStepMm)
            painter.drawLine(QPointF(glue.left(), y), QPointF(glue.right(), y - glue.width()));
        painter.setClipping(false);
    }
    QString number = QString::number(sheet + 1);
    if (sheet + 1 < sheetCount)
        number += QStringLiteral(" → ") + QString::number(sheet + 2);
    QFont font(metricCompatibleFamily(QStringLiteral("Verdana")));
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    QPainterPath label;
    label.addText(0, 0, font, number);
    const double mmPerUnit = kSheetNumberHeightMm / metrics.height();
    const double top = kUnprintedEdgeMm + 0.5;
    painter.fillPath(QTransform(mmPerUnit, 0, 0, mmPerUnit,
                                kSheetNumberRightMm - label.boundingRect().right() * mmPerUnit,
                                top + metrics.ascent() * mmPerUnit)
                         .map(label),
                     kSheetNumberColour);
    painter.restore();
}

// Millimetres of the sheet to device units from the printable area's corner. The paper is
// taken as A4 landscape, 297 mm wide.
QTransform sheetToDevice(const PrintDevice &device)
{
    const double unitsPerMm = device.paperSize().width() / kBannerSheetWidthMm;
    const QRectF printable = device.printableArea();
    const QRectF kept = sheetRect(0).adjusted(kUnprintedEdgeMm, kUnprintedEdgeMm, -kUnprintedEdgeMm,
                                              -kUnprintedEdgeMm);
    const QRectF keptOnPaper(kept.topLeft() * unitsPerMm, kept.size() * unitsPerMm);
    if (printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(keptOnPaper))
        return QTransform(unitsPerMm, 0, 0, unitsPerMm, -printable.left(), -printable.top());
    const double fit =
        std::min(printable.width() / kept.width(), printable.height() / kept.height());
    const QPointF corner((printable.width() - kept.width() * fit) / 2,
                         (printable.height() - kept.height() * fit) / 2);
    const QPointF origin = corner - kept.topLeft() * fit;
    return QTransform(fit, 0, 0, fit, origin.x(), origin.y());
}

} // namespace

QImage drawBannerStrip(const Banner &banner, const BannerLayout &layout, double scale)
{
    const int sheets = std::max(layout.sheetCount, 1);
    const int height = int(kBannerSheetHeightMm * scale) + 2;
    QImage strip(int(std::ceil(sheets * kBannerSheetWidthMm * scale)) + 2, height,
                 QImage::Format_RGB32);
    strip.fill(Qt::white);
    if (layout.sheetCount == 0)
        return strip;

    QPainter painter(&strip);
    painter.fillRect(
        QRectF(0, 0, layout.sheetCount * kBannerSheetWidthMm * scale, kBannerSheetHeightMm * scale),
        toQColor(banner.background));
    for (int edge = 0; edge <= layout.sheetCount; ++edge) {
        const int x = int(std::lround(edge * kBannerSheetWidthMm * scale));
        painter.fillRect(x, 0, 1, height, Qt::white);
        painter.fillRect(x + 1, 0, 1, height, Qt::black);
    }

    const int side = std::max(1, int(std::lround(kBannerTileMm * scale)));
    QImage tile(side, side, QImage::Format_RGB32);
    if (banner.borderPicture.isNull())
        tile.fill(kBorderGuideColour);
    else
        tile = banner.borderPicture.scaled(side, side, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
    for (int sheet = 0; sheet < layout.sheetCount; ++sheet) {
        for (const QRectF &place : bannerTiles(layout, sheet))
            painter.drawImage(
                QPoint(int(std::lround((sheetRect(sheet).left() + place.x()) * scale)),
                       int(std::lround(place.y() * scale))),
                tile);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const BannerCell &cell : layout.cells) {
        painter.save();
        painter.translate(sheetRect(cell.sheet).left(), 0);
        drawLetter(painter, banner, layout, cell.glyph);
        painter.restore();
    }
    return strip;
}

void renderBannerSheet(QPainter &painter, const Banner &banner, const BannerLayout &layout,
                       int sheet)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(sheetRect(0), toQColor(banner.background));
    if (!banner.borderPicture.isNull()) {
        for (const QRectF &place : bannerTiles(layout, sheet))
            painter.drawImage(place, banner.borderPicture);
    }
    for (const BannerCell &cell : layout.cells) {
        if (cell.sheet == sheet)
            drawLetter(painter, banner, layout, cell.glyph);
    }
    if (layout.sheetCount > 1)
        drawJoiningMarks(painter, sheet, layout.sheetCount);
    painter.restore();
}

PrintResult printBanner(const Banner &banner, const BannerLayout &layout, PrintDevice &device)
{
    if (layout.sheetCount == 0)
        return {PrintOutcome::NothingToPrint, QStringLiteral("the banner has no letters to print")};
    return runPrintJob(
        device, PageOrientation::Landscape, layout.sheetCount,
        [&](int sheet) {
            QPainter &painter = device.painter();
            painter.save();
            painter.setTransform(sheetToDevice(device), true);
            renderBannerSheet(painter, banner, layout, sheet);
            painter.restore();
        },
        "the banner");
}

} // namespace quillora
