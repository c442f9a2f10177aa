#include "ui/doctypes/tablewindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/table.h"
#include "ui/document/pageview.h"
#include "ui/kit/choicedialog.h"
#include "ui/kit/picturebutton.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/textboxwidget.h"

#include <QCoreApplication>
#include <QLabel>

namespace quillora {

namespace {

// The current cell's frame: bright enough to find across a classroom.
const QColor kSelectionColour(0xFF, 0x8C, 0x00);
constexpr int kStripThicknessPx = 4;
constexpr int kButtonSidePx = 72;
constexpr int kButtonGapPx = 12;

} // namespace

TableRow::TableRow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabRow"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("rowNumber"));
    m_number->hide();
    setRowNumber(0);
}

void TableRow::setRowNumber(int row)
{
    m_row = row;
    m_number->setText(QString::number(row));
    setAccessibleName(QCoreApplication::translate("Quillora", "Row %1").arg(row + 1));
}

TableWindow::TableWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Table).windowName, parent)
{
    pageView()->translatePlaceholders(context.translator,
                                      {kPlaceholderText, kTableTitlePlaceholder});
    const auto makeButton = [this](const char *name, const char *art, const char *caption,
                                   void (TableWindow::*change)(int), int by) {
        auto *button = new PictureButton(QString::fromLatin1(name),
                                         QIcon(QStringLiteral(":/art/table/%1.svg").arg(art)),
                                         QString::fromLatin1(caption), this);
        button->setFixedSize(kButtonSidePx, kButtonSidePx);
        button->hide();
        connect(button, &QAbstractButton::clicked, this,
                [this, change, by] { (this->*change)(by); });
        return button;
    };
    m_addColumn = makeButton("addColBut", "addcol", QT_TRANSLATE_NOOP("Quillora", "More columns"),
                             &TableWindow::changeColumns, 1);
    m_removeColumn =
        makeButton("remColBut", "remcol", QT_TRANSLATE_NOOP("Quillora", "Fewer columns"),
                   &TableWindow::changeColumns, -1);
    m_addRow = makeButton("addRowBut", "addrow", QT_TRANSLATE_NOOP("Quillora", "More rows"),
                          &TableWindow::changeRows, 1);
    m_removeRow = makeButton("remRowBut", "remrow", QT_TRANSLATE_NOOP("Quillora", "Fewer rows"),
                             &TableWindow::changeRows, -1);

    // The strips are the window's, not the page's: the page raises a cell's picture whenever
    // it shows it again, which would hide strips lying among the cells.
    for (const char *name : {"selTBL", "selTBR", "selTBT", "selTBB"}) {
        auto *strip = new QWidget(this);
        strip->setObjectName(QString::fromLatin1(name));
        strip->setAttribute(Qt::WA_TransparentForMouseEvents);
        strip->setAutoFillBackground(true);
        QPalette colours = strip->palette();
        colours.setColor(QPalette::Window, kSelectionColour);
        strip->setPalette(colours);
        strip->hide();
        m_strips.append(strip);
    }

    connect(this, &DocumentWindow::pageShown, this, &TableWindow::followPage);
    connect(this, &DocumentWindow::currentObjectChanged, this,
            &TableWindow::onCurrentObjectChanged);
    // Connected before the controllers attach, so the placeholder is gone before undo
    // records the text.
    connect(this, &DocumentWindow::textBoxPressed, this, &TableWindow::onTextPressed);
}

bool TableWindow::startDocument(const QString &)
{
    // Cancel keeps the numbers chosen last.
    ChoiceValues &remembered = context().rememberedChoices;
    if (const auto chosen = ChoiceDialog::ask(context(), DocumentKind::Table, this)) {
        remembered.tableColumns = chosen->tableColumns;
        remembered.tableRows = chosen->tableRows;
    }
    startTable(remembered.tableColumns, remembered.tableRows);
    return true;
}

void TableWindow::startTable(int columns, int rows)
{
    newTablePage(context().page, pageFitInputs(), columns, rows);
    showPage();
}

void TableWindow::changeColumns(int by)
{
    const TableShape &shape = tableShapeOf(context().page);
    layOut(shape.columns + by, shape.rows);
}

void TableWindow::changeRows(int by)
{
    const TableShape &shape = tableShapeOf(context().page);
    layOut(shape.columns, shape.rows + by);
}

void TableWindow::resizeEvent(QResizeEvent *event)
{
    DocumentWindow::resizeEvent(event);
    placeButtons();
}

void TableWindow::layOut(int columns, int rows)
{
    PageModel &page = context().page;
    const TableShape before = tableShapeOf(page);
    layOutTable(page, columns, rows);
    const TableShape &shape = tableShapeOf(page);
    if (shape.columns == before.columns && shape.rows == before.rows)
        return;
    // A current cell taken away hands over to the cell the frame moved to, so the picture
    // menu and the webcam act on a cell the child can see.
    const std::optional<TableCell> current = cellOfCurrentObject(page);
    if (current && (current->row >= shape.rows || current->column >= shape.columns)) {
        const TableCell kept{shape.currentRow, shape.currentColumn};
        const bool text = page.current.kind == ObjectKind::Text;
        setCurrentObject(page.current.kind, text ? cellTextIndex(kept) : cellPictureIndex(kept));
    }
    // The saved table changes with its shape, so there is work to offer to save.
    ++page.changeCount;
    showPage();
}

void TableWindow::followPage()
{
    nameCells();
    placeRows();
    placeSelectionFrame();
    placeButtons();
}

void TableWindow::nameCells()
{
    const TableShape &table = tableShapeOf(context().page);
    if (TextBoxWidget *title = pageView()->textBox(kTableTitleIndex)) {
        title->setObjectName(QStringLiteral("titleTextBox"));
        title->setAccessibleName(context().tr(kTableTitlePlaceholder));
    }
    for (int row = 0; row < table.rows; ++row) {
        for (int column = 0; column < table.columns; ++column) {
            const TableCell cell{row, column};
            const QString rowNumber = QLocale().toString(row + 1);
            const QString columnNumber = QLocale().toString(column + 1);
            if (PictureBoxWidget *picture = pageView()->pictureBox(cellPictureIndex(cell))) {
                picture->setObjectName(QStringLiteral("CellPic"));
                picture->setAccessibleName(context()
                                               .tr(QStringLiteral(QT_TRANSLATE_NOOP(
                                                   "Quillora", "Picture, row %1 column %2")))
                                               .arg(rowNumber, columnNumber));
            }
            if (TextBoxWidget *text = pageView()->textBox(cellTextIndex(cell))) {
                text->setObjectName(QStringLiteral("cellTB"));
                text->setAccessibleName(context()
                                            .tr(QStringLiteral(QT_TRANSLATE_NOOP(
                                                "Quillora", "Words, row %1 column %2")))
                                            .arg(rowNumber, columnNumber));
            }
        }
    }
}

void TableWindow::placeRows()
{
    const PageModel &page = context().page;
    const TableGrid grid = tableGridOf(page);
    const int rows = tableShapeOf(page).rows;
    while (m_rows.size() < rows)
        m_rows.append(new TableRow(pageView()));
    for (int row = 0; row < m_rows.size(); ++row) {
        TableRow *tabRow = m_rows[row];
        const bool shown = row < rows;
        tabRow->setVisible(shown);
        if (!shown)
            continue;
        tabRow->setRowNumber(row);
        tabRow->setGeometry(grid.margin, grid.titleHeight + row * grid.rowHeight,
                            grid.columnWidth * grid.columns, grid.rowHeight);
        tabRow->lower();
    }
}

void TableWindow::placeSelectionFrame()
{
    const PageModel &page = context().page;
    const TableShape &shape = tableShapeOf(page);
    if (shape.rows == 0)
        return;
    const QRect cell = tableGridOf(page)
                           .cellRect({shape.currentRow, shape.currentColumn})
                           .translated(page.pageRect.topLeft());
    const int t = kStripThicknessPx;
    const QRect places[] = {
        {cell.left(), cell.top(), t, cell.height()},
        {cell.right() + 1 - t, cell.top(), t, cell.height()},
        {cell.left(), cell.top(), cell.width(), t},
        {cell.left(), cell.bottom() + 1 - t, cell.width(), t},
    };
    for (int i = 0; i < m_strips.size(); ++i) {
        m_strips[i]->setGeometry(places[i]);
        m_strips[i]->raise();
        m_strips[i]->show();
    }
}

void TableWindow::placeButtons()
{
    const PageModel &page = context().page;
    const TableShape &shape = tableShapeOf(page);
    if (shape.rows == 0)
        return;
    // In the column right of the page: the column buttons level with the top of the grid,
    // the row buttons below them.
    const QRect paper = page.pageRect;
    const int left = paper.right() + 1 + (width() - paper.right() - 1 - kButtonSidePx) / 2;
    const int top = paper.top() + tableGridOf(page).titleHeight;
    const int step = kButtonSidePx + kButtonGapPx;
    m_addColumn->move(left, top);
    m_removeColumn->move(left, top + step);
    m_addRow->move(left, top + 2 * step + kButtonSidePx / 2);
    m_removeRow->move(left, top + 3 * step + kButtonSidePx / 2);
    m_addColumn->setVisible(shape.columns < kMaxTableCount);
    m_removeColumn->setVisible(shape.columns > kMinTableCount);
    m_addRow->setVisible(shape.rows < kMaxTableCount);
    m_removeRow->setVisible(shape.rows > kMinTableCount);
}

void TableWindow::onCurrentObjectChanged(ObjectKind, int)
{
    PageModel &page = context().page;
    const std::optional<TableCell> cell = cellOfCurrentObject(page);
    TableShape *shape = page.findKindState<TableShape>();
    if (!cell || !shape)
        return;
    shape->currentRow = cell->row;
    shape->currentColumn = cell->column;
    placeSelectionFrame();
}

void TableWindow::onTextPressed(int index)
{
    if (index != kTableTitleIndex)
        return;
    TextBoxModel &title = context().page.textBoxes[kTableTitleIndex];
    if (title.text != kTableTitlePlaceholder)
        return;
    title.text.clear();
    refreshTextBox(kTableTitleIndex);
}

} // namespace quillora
