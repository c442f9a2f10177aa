#include "core/doctypes/bannerlayout.h"

#include "core/foundation/fontmapping.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// Letters are measured and drawn from outlines at this size, then scaled to 105 mm.
constexpr int kReferenceSize = 100;

QFont letterFont(const QString &fontName)
{
    QFont font(metricCompatibleFamily(fontName));
    font.setPixelSize(kReferenceSize);
    font.setBold(false);
    font.setItalic(false);
    // Outlines as the font draws them, unhinted, so the screen and the printer agree.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QStringList charactersOf(const QString &text)
{
    QStringList characters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        characters.append(text.mid(start, end - start));
        start = end;
    }
    return characters;
}

} // namespace

BannerLayout layOutBanner(const Banner &banner)
{
    BannerLayout layout;
    layout.bordered = showsBorder(banner.mode);
    layout.outlineMm =
        std::clamp(banner.thickness, kMinBannerThickness, kMaxBannerThickness) * kOutlineMmPerStep;
    if (banner.text.isEmpty())
        return layout;

    const QFont font = letterFont(banner.fontName);
    const QFontMetricsF metrics(font);
    const QString reference = layout.bordered ? QStringLiteral("Testy") : QStringLiteral("W");
    const double lineHeight = metrics.boundingRect(reference).height();
    if (!(lineHeight > 0))
        return layout;
    const double mmPerUnit = kBannerLetterHeightMm / lineHeight;
    const double baselineMm = kBannerCellTopMm + metrics.ascent() * mmPerUnit;
    const double outline = layout.outlineMm;

    int sheet = 0;
    double x = kBannerFirstSheetStartMm;
    for (const QString &character : charactersOf(banner.text)) {
        QPainterPath glyphUnits;
        glyphUnits.addText(0, 0, font, character);
        // Fonts draw overlapping strokes (a crossbar over its stems) meant to be filled whole.
        glyphUnits.setFillRule(Qt::WindingFill);
        const QRectF ink = glyphUnits.boundingRect();
        const double advance = metrics.horizontalAdvance(character) * mmPerUnit;
        const bool inked = !ink.isEmpty();
        const double left = inked ? std::min(0.0, ink.left() * mmPerUnit - outline) : 0.0;
        const double right = inked ? std::max(advance, ink.right() * mmPerUnit + outline) : advance;
        double width = right - left;
        const bool sheetHoldsLetters =
            !layout.cells.isEmpty() && layout.cells.back().sheet == sheet;
        if (x + width >= kBannerLetterLimitMm && sheetHoldsLetters) {
            ++sheet;
            x = kBannerSheetStartMm;
        }
        // A letter wider than the room a sheet has is narrowed to a hair under it, so no sheet
        // is left empty and no letter reaches the limit.
        const double room = kBannerLetterLimitMm - x;
        const double squeeze = width < room ? 1.0 : room * 0.999 / width;
        width *= squeeze;
        const QTransform place(mmPerUnit * squeeze, 0, 0, mmPerUnit, x - left * squeeze,
                               baselineMm);
        layout.cells.append({character, sheet, x, width, place.map(glyphUnits)});
        x += width;
    }
    layout.sheetCount = sheet + 1;
    return layout;
}

QVector<QRectF> bannerTiles(const BannerLayout &layout, int sheet)
{
    QVector<QRectF> tiles;
    if (!layout.bordered || sheet < 0 || sheet >= layout.sheetCount)
        return tiles;
    const auto slotX = [](int slot) { return kBannerTileStartMm + slot * kBannerTileMm; };
    const auto column = [&tiles](double x) {
        for (int row = 0; row < kBannerTilesInColumn; ++row)
            tiles.append(
                QRectF(x, kBannerTileStartMm + row * kBannerTileMm, kBannerTileMm, kBannerTileMm));
    };
    // Slots whose tile ends by the letter limit: the joining strip stays clear.
    int rowSlots = int((kBannerLetterLimitMm - kBannerTileStartMm) / kBannerTileMm);
    if (sheet == layout.sheetCount - 1 && !layout.cells.isEmpty()) {
        const BannerCell &last = layout.cells.back();
        const int closing =
            int(std::ceil((last.xMm + last.widthMm - kBannerTileStartMm) / kBannerTileMm - 1e-9));
        if (closing < rowSlots) {
            column(slotX(closing));
            rowSlots = closing;
        }
    }
    if (sheet == 0)
        column(slotX(0));
    const double bottomRow = kBannerTileStartMm + (kBannerTilesInColumn - 1) * kBannerTileMm;
    for (int slot = sheet == 0 ? 1 : 0; slot < rowSlots; ++slot) {
        tiles.append(QRectF(slotX(slot), kBannerTileStartMm, kBannerTileMm, kBannerTileMm));
        tiles.append(QRectF(slotX(slot), bottomRow, kBannerTileMm, kBannerTileMm));
    }
    return tiles;
}

double stripScale(int availableWidthPx, int sheetCount)
{
    const double across = (std::max(sheetCount, 1) + 1) * kBannerSheetWidthMm;
    return std::clamp((availableWidthPx - 20) / across, 0.01, kMaxStripScale);
}

} // namespace quillora
