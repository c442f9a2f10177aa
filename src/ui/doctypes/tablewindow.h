#pragma once
// The table window (`tableForm`): a title and a grid of cells, each a picture above its text,
// laid over the page by the table core. One row control (`tabRow`) lies under each row of
// cells, a frame of four strips (`selTBL`, `selTBR`, `selTBT`, `selTBB`) marks the current
// cell, and four buttons right of the page add and remove columns and rows (2 to 12 each).
// Painting, typing, the picture menu, the webcam and undo reach the cells through the
// controllers every window has, because the cells are the page's own boxes.

#include "ui/document/documentwindow.h"

#include <QVector>

class QLabel;

namespace quillora {

class PictureButton;

// The row control under one row of cells: it spans the row and carries the row's number.
class TableRow : public QWidget {
    Q_OBJECT
public:
    explicit TableRow(QWidget *parent = nullptr);
    void setRowNumber(int row);
    int rowNumber() const { return m_row; }

private:
    QLabel *m_number = nullptr; // `rowNumber`, hidden
    int m_row = 0;
};

class TableWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit TableWindow(AppContext &context, QWidget *parent = nullptr);

    // Asks the child for the columns and rows in the choice dialog, then starts that table.
    bool startDocument(const QString &templatePath) override;
    // A new table of `columns` x `rows` (clamped to 2..12), cell (0, 0) current.
    void startTable(int columns, int rows);
    // One more or one fewer column or row, as the four buttons do.
    void changeColumns(int by);
    void changeRows(int by);

    PictureButton *addColumnButton() const { return m_addColumn; }
    PictureButton *removeColumnButton() const { return m_removeColumn; }
    PictureButton *addRowButton() const { return m_addRow; }
    PictureButton *removeRowButton() const { return m_removeRow; }
    // The strips round the current cell, left, right, top and bottom.
    const QVector<QWidget *> &selectionStrips() const { return m_strips; }
    const QVector<TableRow *> &rows() const { return m_rows; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut(int columns, int rows);
    void followPage();
    void nameCells();
    void placeRows();
    void placeSelectionFrame();
    void placeButtons();
    void onCurrentObjectChanged(ObjectKind kind, int index);
    void onTextPressed(int index);

    QVector<TableRow *> m_rows;
    QVector<QWidget *> m_strips;
    PictureButton *m_addColumn = nullptr;
    PictureButton *m_removeColumn = nullptr;
    PictureButton *m_addRow = nullptr;
    PictureButton *m_removeRow = nullptr;
};

} // namespace quillora
