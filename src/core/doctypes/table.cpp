#include "core/doctypes/table.h"

#include "core/text/plainfit.h"

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

constexpr int kCellSlots = kMaxTableCount * kMaxTableCount;
// Share of a row's height its text takes, under the picture.
constexpr double kCellTextShare = 0.33;
constexpr double kMarginMm = 10.0;
constexpr double kLandscapeWidthMm = 297.0;
constexpr double kPortraitWidthMm = 210.0;
// How tall a line of a new table's words and title stands on the printed sheet, so a table
// reads alike on every screen.
constexpr double kCellLetterHeightMm = 9.0;
constexpr double kTitleLetterHeightMm = 14.0;

int nearest(double value)
{
    // The default rounding mode takes halves to the even neighbour.
    return int(std::nearbyint(value));
}

std::optional<TableCell> cellOfSlot(int slot)
{
    if (slot < 0 || slot >= kCellSlots)
        return std::nullopt;
    return TableCell{slot / kMaxTableCount, slot % kMaxTableCount};
}

// Whole points for a line `pixels` high on a 96 dots per inch screen.
double pointsForHeight(double pixels)
{
    return std::max(8.0, std::round(pixels * 72.0 / 96.0));
}

} // namespace

int cellPictureIndex(TableCell cell)
{
    return cell.row * kMaxTableCount + cell.column;
}

int cellTextIndex(TableCell cell)
{
    return kTableTitleIndex + 1 + cellPictureIndex(cell);
}

std::optional<TableCell> cellOfPicture(int index)
{
    return cellOfSlot(index);
}

std::optional<TableCell> cellOfText(int index)
{
    return index == kTableTitleIndex ? std::nullopt : cellOfSlot(index - kTableTitleIndex - 1);
}

int clampTableCount(int count)
{
    return std::clamp(count, kMinTableCount, kMaxTableCount);
}

QRect TableGrid::cellRect(TableCell cell) const
{
    return {margin + cell.column * columnWidth, titleHeight + cell.row * rowHeight, columnWidth,
            rowHeight};
}

QRect TableGrid::pictureRect(TableCell cell) const
{
    const int textHeight = int(kCellTextShare * rowHeight);
    const QRect around = cellRect(cell);
    return {around.left() + 1, around.top() + 1, columnWidth - 2,
            std::max(rowHeight - 2 - textHeight, kMinCellPictureHeightPx)};
}

QRect TableGrid::textRect(TableCell cell) const
{
    const QRect picture = pictureRect(cell);
    const int top = cellRect(cell).top() + picture.height() + 1;
    return {picture.left(), top, columnWidth - 2, int(kCellTextShare * rowHeight)};
}

QRect TableGrid::titleRect(const QSize &paper) const
{
    // Half the page wide and centred, in the band above the grid.
    return {paper.width() / 4, margin, paper.width() / 2, titleHeight - margin};
}

TableGrid tableGrid(const QSize &paper, int columns, int rows)
{
    TableGrid grid;
    grid.columns = clampTableCount(columns);
    grid.rows = clampTableCount(rows);
    const double sheetWidthMm =
        paper.width() > paper.height() ? kLandscapeWidthMm : kPortraitWidthMm;
    grid.margin = nearest(kMarginMm * paper.width() / sheetWidthMm);
    grid.titleHeight = 3 * grid.margin;
    grid.columnWidth = nearest(double(paper.width() - 2 * grid.margin) / grid.columns);
    grid.rowHeight = nearest(double(paper.height() - grid.titleHeight - grid.margin) / grid.rows);
    return grid;
}

QString TableShape::textBoxWords(const PageModel &page, int index, const QString &text) const
{
    const bool tableTitle = page.documentType == DocumentKind::Table && index == kTableTitleIndex;
    return tableTitle && text == kTableTitlePlaceholder ? QString() : text;
}

const TableShape &tableShapeOf(const PageModel &page)
{
    static const TableShape none;
    const TableShape *shape = page.findKindState<TableShape>();
    return shape ? *shape : none;
}

TableGrid tableGridOf(const PageModel &page)
{
    const TableShape &shape = tableShapeOf(page);
    return tableGrid(page.pageRect.size(), shape.columns, shape.rows);
}

void layOutTable(PageModel &page, int columns, int rows)
{
    const TableGrid grid = tableGrid(page.pageRect.size(), columns, rows);
    TableShape &shape = page.kindState<TableShape>();
    shape.columns = grid.columns;
    shape.rows = grid.rows;
    shape.currentRow = std::clamp(shape.currentRow, 0, grid.rows - 1);
    shape.currentColumn = std::clamp(shape.currentColumn, 0, grid.columns - 1);
    if (page.pictureBoxes.size() < kCellSlots)
        page.pictureBoxes.resize(kCellSlots);
    if (page.textBoxes.size() < kCellSlots + 1)
        page.textBoxes.resize(kCellSlots + 1);

    TextMeasure measure;
    TextBoxModel &title = page.textBoxes[kTableTitleIndex];
    title.geometry = grid.titleRect(page.pageRect.size());
    title.visible = true;
    shrinkToFit(measure, title);
    for (int slot = 0; slot < kCellSlots; ++slot) {
        const TableCell cell = *cellOfSlot(slot);
        const bool shown = cell.row < grid.rows && cell.column < grid.columns;
        PictureBoxModel &picture = page.pictureBoxes[cellPictureIndex(cell)];
        TextBoxModel &text = page.textBoxes[cellTextIndex(cell)];
        picture.visible = shown;
        text.visible = shown;
        if (!shown)
            continue;
        // The picture keeps its own pixels: it is stretched to its cell only where it is shown
        // and printed, so a cell resized back and forth never grows soft.
        picture.geometry = grid.pictureRect(cell);
        text.geometry = grid.textRect(cell);
        if (!text.text.isEmpty())
            shrinkToFit(measure, text);
    }
    page.announcedPictureBoxes = kCellSlots;
    page.announcedTextBoxes = kCellSlots + 1;
}

TextStyle defaultCellTextStyle(float scale)
{
    TextStyle style;
    style.fontSize = pointsForHeight(kCellLetterHeightMm * scale);
    style.align = Alignment::Centre;
    return style;
}

TextStyle defaultTitleTextStyle(float scale)
{
    TextStyle style;
    style.fontSize = pointsForHeight(kTitleLetterHeightMm * scale);
    style.bold = true;
    style.align = Alignment::Centre;
    return style;
}

void newTablePage(PageModel &page, const PageFitInputs &fit, int columns, int rows)
{
    const PageFit placed = fitPage(fit, kTablePageWidthMm, kTablePageHeightMm);
    page.pageWidthMm = kTablePageWidthMm;
    page.pageHeightMm = kTablePageHeightMm;
    page.scale = placed.scale;
    page.pageRect = placed.pageRect;
    page.pictureBoxes = QVector<PictureBoxModel>(kCellSlots);
    page.textBoxes = QVector<TextBoxModel>(kCellSlots + 1);
    page.richTextBoxes.clear();
    page.handles.clear();
    page.lines.clear();
    page.boxes.clear();
    page.border = {};
    page.announcedRichTextBoxes = 0;
    page.announcedHandles = 0;
    page.announcedLines = 0;
    page.announcedBoxes = 0;
    for (TextBoxModel &text : page.textBoxes) {
        text.style = defaultCellTextStyle(page.scale);
        text.text.clear();
    }
    page.textBoxes[kTableTitleIndex].style = defaultTitleTextStyle(page.scale);
    page.textBoxes[kTableTitleIndex].text = kTableTitlePlaceholder;
    page.kindState<TableShape>() = {};
    layOutTable(page, columns, rows);
    page.current = {ObjectKind::Picture, cellPictureIndex({0, 0})};
}

QVector<int> applyFontToEveryCell(PageModel &page, const FontChoice &choice, int except,
                                  TextMeasure &measure)
{
    QVector<int> shownChanged;
    for (int index = 0; index < page.textBoxes.size(); ++index) {
        if (index == except || !cellOfText(index))
            continue;
        TextBoxModel &text = page.textBoxes[index];
        if (text.visible) {
            // A single-line box too low for the size keeps its own font.
            if (applyFontChoice(text, choice, measure))
                shownChanged.append(index);
            continue;
        }
        text.style.fontName = choice.fontName;
        text.style.fontSize = choice.fontSize;
        text.style.colour = choice.colour;
    }
    return shownChanged;
}

std::optional<TableCell> cellOfCurrentObject(const PageModel &page)
{
    if (page.current.kind == ObjectKind::Picture)
        return cellOfPicture(page.current.index);
    if (page.current.kind == ObjectKind::Text)
        return cellOfText(page.current.index);
    return std::nullopt;
}

} // namespace quillora
