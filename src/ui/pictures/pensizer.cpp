#include "ui/pictures/pensizer.h"

#include "core/pictures/paintstate.h"
#include "ui/kit/looks.h"
#include "ui/kit/twips.h"
#include "ui/pictures/pressarea.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kRingWidthPx = 3;
// The ring round the smallest dots stays big enough to be seen from across the room.
constexpr int kSmallestRingPx = 16;

int dotDiameterPx(int index)
{
    return qMax(3, kPenSizeDotDiametersTwips[index] / kTwipsPerPixel);
}

class SizeRing : public QWidget {
public:
    explicit SizeRing(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("selCirc"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
        painter.setPen(QPen(looks::kInk, kRingWidthPx + 2));
        painter.drawEllipse(ring);
        painter.setPen(QPen(looks::kSunshine, kRingWidthPx - 1));
        painter.drawEllipse(ring);
    }
};

} // namespace

PenSizer::PenSizer(PaintState &state, QWidget *parent)
    : QWidget(parent), m_state(state), m_colour(state.paintColour)
{
    setObjectName(QStringLiteral("penSizer"));
    setAccessibleName(QCoreApplication::translate("Quillora", "Pen sizes"));
    setCursor(Qt::PointingHandCursor);
    m_ring = new SizeRing(this);
    for (int i = 0; i < int(kPenSizes.size()); ++i) {
        const int diameter = dotDiameterPx(i);
        // The dot is drawn in the middle of its part of the picker; the whole part takes presses.
        auto *dot = new PressArea(
            QStringLiteral("brushSz%1").arg(i), this,
            [this, diameter](QPainter &painter, const QRect &r) {
                painter.setRenderHint(QPainter::Antialiasing);
                const QColor colour = toQColor(m_colour);
                painter.setBrush(colour);
                // A white paint dot needs a rim to be seen on the cream panel.
                painter.setPen(colour.lightness() > 200 ? QPen(looks::kInk, 1) : QPen(colour, 1));
                const QPointF centre = QRectF(r).center();
                painter.drawEllipse(centre, diameter / 2.0 - 0.5, diameter / 2.0 - 0.5);
            },
            [this, i](Qt::MouseButton) { chooseSize(kPenSizes[i]); });
        dot->setProperty("Tag", kPenSizes[i]);
        dot->setAccessibleName(
            QCoreApplication::translate("Quillora", "Size %1").arg(kPenSizes[i]));
        m_dots.append(dot);
    }
    m_ring->raise();
    resize(kPaintToolsPanelWidthPx, kHeightPx);
    setToolSize(kInitialPenSize);
}

void PenSizer::setCol(ColourRef colour)
{
    m_colour = colour;
    for (QWidget *dot : std::as_const(m_dots))
        dot->update();
}

void PenSizer::setToolSize(int size)
{
    if (penSizeIndex(size) < 0)
        return;
    m_ringSize = size;
    m_ring->setProperty("Tag", QString::number(size));
    layoutDots();
}

int PenSizer::sizeAt(QPoint at) const
{
    int best = 0;
    for (int i = 1; i < m_dots.size(); ++i) {
        const QPoint offset = m_dots[i]->geometry().center() - at;
        const QPoint bestOffset = m_dots[best]->geometry().center() - at;
        if (offset.manhattanLength() < bestOffset.manhattanLength())
            best = i;
    }
    return kPenSizes[best];
}

void PenSizer::setRows(int rows)
{
    m_rows = std::clamp(rows, 1, int(kPenSizes.size()));
    layoutDots();
}

void PenSizer::mousePressEvent(QMouseEvent *event)
{
    chooseSize(sizeAt(event->position().toPoint()));
    event->accept();
}

void PenSizer::chooseSize(int size)
{
    if (choosePenSize(m_state, size)) {
        setToolSize(size);
        emit sizeChosen(size);
    }
}

void PenSizer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutDots();
}

void PenSizer::layoutDots()
{
    // Each dot owns a part of the picker. In one row the parts follow the dots' sizes: the first
    // keeps room for its ring at the left edge, equal gaps follow each dot and the parts meet
    // half way between neighbours. In more rows the parts are equal, smallest first.
    const int count = int(m_dots.size());
    QVector<QRect> parts(count);
    if (m_rows == 1) {
        int total = 0;
        for (int i = 0; i < count; ++i)
            total += dotDiameterPx(i);
        const int left = (kSmallestRingPx - dotDiameterPx(0)) / 2;
        const double gap = qMax(0.0, double(width() - left - total) / count);
        QVector<int> centres(count);
        double x = left;
        for (int i = 0; i < count; ++i) {
            centres[i] = int(x + dotDiameterPx(i) / 2.0 + 0.5);
            x += dotDiameterPx(i) + gap;
        }
        for (int i = 0; i < count; ++i) {
            const int from = i == 0 ? 0 : (centres[i - 1] + centres[i] + 1) / 2;
            const int to = i == count - 1 ? width() : (centres[i] + centres[i + 1] + 1) / 2;
            parts[i] = QRect(from, 0, to - from, height());
        }
    } else {
        const int perRow = (count + m_rows - 1) / m_rows;
        for (int i = 0; i < count; ++i) {
            const int row = i / perRow;
            const int column = i % perRow;
            const int from = column * width() / perRow;
            const int top = row * height() / m_rows;
            parts[i] = QRect(from, top, (column + 1) * width() / perRow - from,
                             (row + 1) * height() / m_rows - top);
        }
    }
    for (int i = 0; i < count; ++i) {
        m_dots[i]->setGeometry(parts[i]);
        if (kPenSizes[i] == m_ringSize) {
            const int d = dotDiameterPx(i);
            const int side =
                qMin(qMax(d + 2 * (kRingWidthPx + 1), kSmallestRingPx), parts[i].height());
            QRect ring(0, 0, side, side);
            ring.moveCenter(parts[i].center());
            m_ring->setGeometry(ring);
        }
    }
}

} // namespace quillora
