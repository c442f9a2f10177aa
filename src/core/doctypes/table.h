#pragma once
// A table ("Table"): a title above a grid of 2 to 12 columns and rows, each cell a small
// picture above a line or two of text. The cells are the page model's own picture and text
// boxes, so painting, typing, the picture menu, the webcam and undo reach them as they reach
// any box; this module says which box is which cell and where every one of them stands.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"
#include "core/text/plainfit.h"

#include <QRect>
#include <QSize>

#include <optional>

namespace quillora {

constexpr int kMinTableCount = 2;
constexpr int kMaxTableCount = 12;
constexpr int kDefaultTableColumns = 6;
constexpr int kDefaultTableRows = 4;

// A table's page: A4 landscape.
constexpr int kTablePageWidthMm = 297;
constexpr int kTablePageHeightMm = 210;

// The title box is text box 0; it shows this until it is first clicked.
constexpr int kTableTitleIndex = 0;
inline const QString kTableTitlePlaceholder =
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Title"));

// The smallest height a cell's picture gets, however short its row.
constexpr int kMinCellPictureHeightPx = 2;

// A table page's grid: its counts (2..12 each) and the cell last clicked.
struct TableShape {
    int columns = 0;
    int rows = 0;
    int currentRow = 0;
    int currentColumn = 0;

    // The title's placeholder is not read aloud.
    QString textBoxWords(const PageModel &page, int index, const QString &text) const;
};

// The page's grid; an empty one on a page of another kind.
const TableShape &tableShapeOf(const PageModel &page);

struct TableCell {
    int row = 0;
    int column = 0;
    bool operator==(const TableCell &) const = default;
};

// Every cell of the largest table has a picture and a text box of its own, so cells taken away
// keep their work until they come back. Box indexes follow the rows of the largest table.
int cellPictureIndex(TableCell cell);
int cellTextIndex(TableCell cell);
std::optional<TableCell> cellOfPicture(int index);
std::optional<TableCell> cellOfText(int index);

// A count within 2..12.
int clampTableCount(int count);

// The grid arithmetic, in window pixels, every value rounded to the nearest whole number
// with halves to the even one.
struct TableGrid {
    int columns = kDefaultTableColumns;
    int rows = kDefaultTableRows;
    int margin = 0;      // M: 10 mm at the page's scale
    int titleHeight = 0; // T = 3 × M
    int columnWidth = 0; // C = (width − 2M) / columns
    int rowHeight = 0;   // R = (height − T − M) / rows

    QRect cellRect(TableCell cell) const;
    // The picture above, the text below, one pixel inside the cell; the picture never less
    // than kMinCellPictureHeightPx high.
    QRect pictureRect(TableCell cell) const;
    QRect textRect(TableCell cell) const;
    QRect titleRect(const QSize &paper) const;
};

TableGrid tableGrid(const QSize &paper, int columns, int rows);

// The grid of the page as it is laid out now.
TableGrid tableGridOf(const PageModel &page);

// Lays the table out with `columns` and `rows` (each clamped to 2..12): the cells inside
// show, the others hide and keep their pictures and texts; pictures keep their own size (they
// are stretched to their cells to be shown and printed); every text shrinks to fit. The current
// cell moves inside the table.
void layOutTable(PageModel &page, int columns, int rows);

// The text style of a new cell's text and of the title on a page of `scale` pixels a
// millimetre.
TextStyle defaultCellTextStyle(float scale);
TextStyle defaultTitleTextStyle(float scale);

// A new table on a landscape A4 page fitted to the window: empty cells, the title showing
// its placeholder, cell (0, 0) current.
void newTablePage(PageModel &page, const PageFitInputs &fit, int columns, int rows);

// The font dialog's "apply to all" on a table: the text of every cell other than `except`
// takes the choice, cells taken away included (they are fitted when they come back); the
// title keeps its own font. Returns the shown texts that changed, to be redrawn.
QVector<int> applyFontToEveryCell(PageModel &page, const FontChoice &choice, int except,
                                  TextMeasure &measure);

// The cell a current object names (a cell's picture or text), if any.
std::optional<TableCell> cellOfCurrentObject(const PageModel &page);

} // namespace quillora
