#pragma once
// The pen size picker (`penSizer`): six dots `brushSz0`..`brushSz5` for the sizes 4 to 32 in the
// paint colour, growing left to right, and the ring `selCirc` round the current one.

#include "core/layout/colour.h"

#include <QVector>
#include <QWidget>

namespace quillora {

struct PaintState;

class PenSizer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeightPx = 40;
    static constexpr int kLowResHeightPx = 36;

    explicit PenSizer(PaintState &state, QWidget *parent = nullptr);

    // Colour of all six dots.
    void setCol(ColourRef colour);
    // Moves the ring onto the dot of `size`; sizes the picker does not offer leave it where it is.
    void setToolSize(int size);
    int getToolSize() const { return m_ringSize; }

    QWidget *dot(int index) const { return m_dots.value(index); }
    QWidget *ring() const { return m_ring; }
    // The size whose dot is nearest to a point of the picker.
    int sizeAt(QPoint at) const;
    // The dots stand in one row (as drawn) or, in a roomy picker, in rows of equal parts.
    void setRows(int rows);

signals:
    void sizeChosen(int size);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutDots();
    void chooseSize(int size);

    PaintState &m_state;
    QVector<QWidget *> m_dots;
    QWidget *m_ring = nullptr;
    ColourRef m_colour = 255;
    int m_ringSize = 16;
    int m_rows = 1;
};

} // namespace quillora
