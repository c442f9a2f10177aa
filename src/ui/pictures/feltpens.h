#pragma once
// The felt pen palette (`FeltPens`): a column of 24 pens, the open one without its lid. A press
// on a pen or a lid opens that pen and makes its colour the paint colour; the window listens to
// colourChosen() for the rest (recolouring a selected text).

#include "core/pictures/paintstate.h"
#include "core/pictures/palettefit.h"

#include <QVector>
#include <QWidget>

namespace quillora {

class FeltPens : public QWidget {
    Q_OBJECT
public:
    explicit FeltPens(PaintState &state, QWidget *parent = nullptr);

    const FeltPenColumn &column() const { return m_column; }

    // Opens pen `index` and closes the one open before. Raises no event.
    void feltChoseColour(int index);
    void closeCurrentLid();
    void openCurrentLid();
    // Lays the pens out: one below the other, 16 or 32 pixels each by the pen size, in the
    // cells of the grid the screen gave when one column does not fit it.
    void drawPens();

    int penSize() const { return m_column.penSize(); }
    void setPenSize(int size);
    int colPalette() const { return m_column.strip(); }
    void setColPalette(int strip);
    int currentPen() const { return m_column.currentPen(); }
    ColourRef currentPenCol() const { return m_column.currentPenColour(); }

    // "Show felt pens": big pens, pen 0 open, red paint, laid out for this screen.
    void showForScreen(QSize screen);

    QWidget *pen(int index) const { return m_pens.value(index); }
    QWidget *lid(int index) const { return m_lids.value(index); }

    // A press on pen `index` held long enough: the pen is pressed again as with the right button.
    void rightPress(int index) { pressPen(index, Qt::RightButton); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A pen or lid was pressed; PaintState already holds the colour and the right-click flag.
    void colourChosen(int pen, bool rightButton);
    // A left press (or a finger) on pen `index` or its lid went down, moved or was let go, at
    // `at` in the pens' coordinates: whoever decides on long presses follows it.
    void leftPressStarted(int index, QPoint at);
    void leftPressMoved(int index, QPoint at);
    void leftPressEnded(int index);

private:
    void pressPen(int index, Qt::MouseButton button);
    void showLids();
    QRect penCell(int index) const;
    QRect penBand(int index) const;

    PaintState &m_state;
    FeltPenColumn m_column;
    FeltPenGrid m_grid;
    QVector<QWidget *> m_pens;
    QVector<QWidget *> m_lids;
    QVector<QWidget *> m_shines;
    QVector<QWidget *> m_endLines;
};

} // namespace quillora
