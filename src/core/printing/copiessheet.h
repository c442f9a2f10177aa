#pragma once
// The sheet of repeated copies ("Multi"): the copies count and its "Auto" rule, and pictures of
// the A4 sheet with the copies arranged exactly as the print arranges them.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QSizeF>

namespace quillora {

// The copies scroll bar's range. Two is the least a sheet of copies makes sense with; at 24
// copies of an A4 page each copy is already smaller than a playing card.
constexpr int kFewestSheetCopies = 2;
constexpr int kMostSheetCopies = 24;
// Counts below this leave "Auto" ticked after a change of the scroll bar.
constexpr int kAutoCopiesBelow = 5;

// A copies count after a change of the scroll bar: the count itself, kept within the range,
// and whether "Auto" is ticked (counts below kAutoCopiesBelow).
struct CopiesChoice {
    int count = kFewestSheetCopies;
    bool autoTicked = true;
};
CopiesChoice copiesFromScroll(int value);

// What "Auto" chooses for a page: the count below kAutoCopiesBelow whose copies cover most of
// the sheet (the fewer, larger copies when two counts cover it alike). The page's shape decides:
// two landscape pages share a portrait sheet, four fill it.
int autoCopiesCount(const QSize &pagePx);

// Whether the sheet is printed landscape (as the print does it: with the page's own orientation).
bool sheetIsLandscape(const PageModel &page);

// The A4 sheet, width by height in millimetres, for this page.
QSizeF sheetSizeMm(const PageModel &page);

// The sheet at `sheetWidthPx` pixels wide (height in A4 proportion): white, with the page's
// copies, each copy number filled in, over the printable part of the sheet. A null image when
// the page has no size. With `outlineCopies` each copy gets a light outline, so the preview of
// a page not yet worked on still shows how the copies lie.
QImage renderCopiesSheet(const PageModel &page, int sheetWidthPx, bool outlineCopies = false);

// The sheet for saving as a picture: each copy drawn at `quality` times its size on screen
// (the sheet quality setting), at most kMaxSheetPictureSidePx on the long side.
constexpr int kMaxSheetPictureSidePx = 6000;
QImage renderCopiesSheetPicture(const PageModel &page, double quality);

// The picture a PNG export saves: the sheet of copies for "Multi" (at `sheetQuality`), the
// page itself at its on-screen size for the other kinds. One rule for every picture of the page
// that leaves the screen: the page as it will print. The window's object frames are furniture
// and stay out; lines and boxes, which print, are in; hidden objects are hidden everywhere.
QImage renderExportPicture(const PageModel &page, double sheetQuality);

} // namespace quillora
