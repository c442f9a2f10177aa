#include "core/layout/pagefit.h"

#include "core/layout/documenttypes.h"
#include "core/layout/reach.h"

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// Room kept free around the page: window margins, the right-hand column and the bottom gap.
constexpr int kSideMargins = 32;
constexpr int kRightColumn = 88;
// What the wide column takes beyond the narrow one keeps a page 16 pixels clear of it (242, the
// copies preview alone, let a page that fills the width run against the column).
constexpr int kPageClearance = 16;
constexpr int kCopiesPreview =
    kWideSideColumnPx + kWideSideColumnGapPx + kPageClearance - kRightColumn - kSideMargins / 2;
constexpr int kBottomMargin = 16;
constexpr int kGapBelowToolbar = 8;
constexpr int kGapRightOfPalette = 16;

// A page edge of scale × its own size is meant to be whole; floating point may put it a hair
// below, which truncation would turn into a lost pixel.
constexpr double kPageEdgeSlack = 1e-4;

// The card's free area: the screen less this much across and down, and the share it may use.
constexpr int kCardFreeAreaLeft = 100;
constexpr int kCardFreeAreaLessHeight = 104;
constexpr double kCardShareOfFreeArea = 0.75;

int truncatedPixels(int mm, float scale)
{
    const double pixels = std::floor(double(mm) * double(scale) + kPageEdgeSlack);
    return int(std::clamp(pixels, 0.0, 1.0e6));
}

} // namespace

static PageFit mirroredFor(const PageFitInputs &in, PageFit fit)
{
    if (in.rightToLeft)
        fit.pageRect.moveLeft(in.screenWidthPx - fit.pageRect.right() - 1);
    return fit;
}

PageFit fitPage(const PageFitInputs &in, int pageWidthMm, int pageHeightMm)
{
    if (kindInfo(in.documentType).pageFit == PageFitRule::Card)
        return fitCard(in, pageWidthMm, pageHeightMm);
    int availableWidth = in.screenWidthPx - in.toolPaletteWidthPx - kSideMargins - kRightColumn;
    // The copies preview and the template menu take the wide column.
    switch (kindInfo(in.documentType).sideColumn) {
    case SideColumn::None:
        availableWidth += kRightColumn;
        break;
    case SideColumn::Narrow:
        break;
    case SideColumn::Wide:
        availableWidth -= kCopiesPreview;
        break;
    }
    // Kinds with the rich text toolbar keep its band free above the page.
    const int toolbarBand =
        kindInfo(in.documentType).richTextToolbarRoom ? kRichTextToolbarHeightPx : 0;
    int availableHeight =
        in.screenHeightPx - in.toolbarHeightPx - toolbarBand - kSideMargins - kBottomMargin;

    // A screen too small for the window furniture or a page without size still gives a
    // finite, positive scale: the page is then tiny rather than the program broken.
    availableWidth = std::max(availableWidth, 1);
    availableHeight = std::max(availableHeight, 1);
    const int pageWidth = std::max(pageWidthMm, 1);
    const int pageHeight = std::max(pageHeightMm, 1);

    PageFit fit;
    const double pageAspect = double(pageWidth) / double(pageHeight);
    const double availableAspect = double(availableWidth) / double(availableHeight);
    if (pageAspect < availableAspect) {
        fit.scale = float(double(availableHeight) / double(pageHeight));
        const int width = truncatedPixels(pageWidth, fit.scale);
        const int height = truncatedPixels(pageHeight, fit.scale);
        const int top = in.toolbarHeightPx + toolbarBand + kGapBelowToolbar;
        fit.pageRect =
            QRect(in.toolPaletteWidthPx + (availableWidth - width) / 2, top, width, height);
    } else {
        fit.scale = float(double(availableWidth) / double(pageWidth));
        const int width = truncatedPixels(pageWidth, fit.scale);
        const int height = truncatedPixels(pageHeight, fit.scale);
        fit.pageRect =
            QRect(in.toolPaletteWidthPx + kGapRightOfPalette,
                  in.toolbarHeightPx + toolbarBand + (availableHeight - height) / 2, width, height);
    }
    return mirroredFor(in, fit);
}

PageFit fitCard(const PageFitInputs &in, int cardWidthMm, int cardHeightMm)
{
    const int areaWidth = std::max(in.screenWidthPx - kCardFreeAreaLeft, 1);
    const int areaHeight = std::max(in.screenHeightPx - kCardFreeAreaLessHeight, 1);
    const double usableWidth = areaWidth * kCardShareOfFreeArea;
    const double usableHeight = areaHeight * kCardShareOfFreeArea;
    const int cardWidth = std::max(cardWidthMm, 1);
    const int cardHeight = std::max(cardHeightMm, 1);

    // A relatively wider area gives the card its height; a taller one its width.
    const double widthPx = usableWidth / usableHeight > double(cardWidth) / cardHeight
                               ? usableHeight * cardWidth / cardHeight
                               : usableWidth;
    PageFit fit;
    fit.scale = float(widthPx / cardWidth);
    const int width = truncatedPixels(cardWidth, fit.scale);
    const int height = truncatedPixels(cardHeight, fit.scale);
    fit.pageRect = QRect(kCardFreeAreaLeft + (areaWidth - width) / 2,
                         in.toolbarHeightPx + (areaHeight - height) / 2, width, height);
    return mirroredFor(in, fit);
}

PageFitInputs documentWindowFit(int screenWidthPx, int screenHeightPx, DocumentKind kind)
{
    return PageFitInputs{screenWidthPx, screenHeightPx,
                         paletteColumnWidth(screenWidthPx, screenHeightPx), kToolbarHeightPx, kind};
}

} // namespace quillora
