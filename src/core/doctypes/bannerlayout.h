#pragma once
// Where a banner's letters go: character cells placed one after another across landscape A4
// sheets, each letter 105 mm tall, no letter reaching the last 10 mm of its sheet; and where
// the border tiles go on each sheet. All in millimetres of the printed sheet.

#include "core/doctypes/banner.h"

#include <QPainterPath>
#include <QRectF>
#include <QVector>

namespace quillora {

constexpr double kBannerSheetWidthMm = 297.0;
constexpr double kBannerSheetHeightMm = 210.0;
constexpr double kBannerLetterHeightMm = 105.0;
// Letters start here on the first sheet (right of the border's tile column) and on the others.
constexpr double kBannerFirstSheetStartMm = 48.0;
constexpr double kBannerSheetStartMm = 10.0;
// No letter may end at or beyond this, so the last 10 mm of a sheet stay free for joining.
constexpr double kBannerLetterLimitMm = 287.0;
// The top of the character cells: a quarter of the sheet's height.
constexpr double kBannerCellTopMm = kBannerSheetHeightMm * 0.25;
// The border: square tiles, the first column at 10 mm from the left, rows from 10 mm down.
constexpr double kBannerTileMm = 38.0;
constexpr double kBannerTileStartMm = 10.0;
constexpr int kBannerTilesInColumn = 5;
// Each step of the thickness slider widens the outline round every letter by this much.
constexpr double kOutlineMmPerStep = 1.0;
// The strip on screen is never drawn larger than this many pixels per millimetre.
constexpr double kMaxStripScale = 2.0;

struct BannerCell {
    QString character; // one character as the child sees it
    int sheet = 0;
    double xMm = 0.0;     // where the cell starts, from its sheet's left edge
    double widthMm = 0.0; // the character's width as drawn: its advance, widened where its ink
                          // and outline reach further, so no ink ever leaves its cell
    QPainterPath glyph;   // the letter's outline, millimetres from its sheet's top-left corner
};

struct BannerLayout {
    bool bordered = true;
    double outlineMm = 0.0; // the outline band drawn round every letter, outside its shape
    int sheetCount = 0;     // 0 for an empty text
    QVector<BannerCell> cells;
};

// Lays the banner's text out: letters sized so that a line of the font (measured with "Testy"
// with a border, "W" without) is 105 mm tall, placed from 48 mm on the first sheet; a letter
// that would reach 287 mm goes to the next sheet at 10 mm. A letter too wide for the room of
// the sheet it starts is narrowed to fit there, so no sheet stays empty.
BannerLayout layOutBanner(const Banner &banner);

// The border tiles of one sheet, millimetres from its top-left corner. The first sheet has the
// column of five tiles at 10 mm; every sheet has a row along its top and its bottom; the last
// sheet closes the border with a column just after its last letter when there is room.
QVector<QRectF> bannerTiles(const BannerLayout &layout, int sheet);

// Pixels per millimetre for the strip on screen: the sheets and one more across the available
// width less 20 pixels, never more than kMaxStripScale. An empty banner counts one sheet.
double stripScale(int availableWidthPx, int sheetCount);

} // namespace quillora
