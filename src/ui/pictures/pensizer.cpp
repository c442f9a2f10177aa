#include "ui/pictures/pensizer.h"

#include "core/pictures/paintstate.h"
#include "ui/kit/looks.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillora {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kRingWidthPx = 3;
// The ring round the smallest dots stays big enough to be seen from across the room.
constexpr int kSmallestRingPx = 16;

int dotDiameterPx(int index)
{
    return qMax(3, kPenSizeDotDiametersTwips[index] / kTwipsPerPixel);
}

class SizeDot : public QWidget {
public:
    SizeDot(int index, const ColourRef &colour, QWidget *parent) : QWidget(parent), m_colour(colour)
    {
        setObjectName(QStringLiteral("brushSz%1").arg(index));
        setProperty("Tag", kPenSizes[index]);
        setAccessibleName(PenSizer::tr("Size %1").arg(kPenSizes[index]));
        setToolTip(accessibleName());
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = toQColor(m_colour);
        painter.setBrush(colour);
        // A white paint dot needs a rim to be seen on the cream panel.
        painter.setPen(colour.lightness() > 200 ? QPen(looks::kInk, 1) : QPen(colour, 1));
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    const ColourRef &m_colour;
};

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
    setAccessibleName(tr("Pen sizes"));
    setCursor(Qt::PointingHandCursor);
    m_ring = new SizeRing(this);
    for (int i = 0; i < int(kPenSizes.size()); ++i)
        m_dots.append(new SizeDot(i, m_colour, this));
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

int PenSizer::sizeAt(int x) const
{
    int best = 0;
    for (int i = 1; i < m_dots.size(); ++i) {
        const int boundary =
            (m_dots[i - 1]->geometry().center().x() + m_dots[i]->geometry().center().x()) / 2;
        if (x > boundary)
            best = i;
    }
    return kPenSizes[best];
}

void PenSizer::mousePressEvent(QMouseEvent *event)
{
    const int size = sizeAt(event->position().toPoint().x());
    if (choosePenSize(m_state, size)) {
        setToolSize(size);
        emit sizeChosen(size);
    }
    event->accept();
}

void PenSizer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutDots();
}

void PenSizer::layoutDots()
{
    // The first dot keeps room for its ring at the left edge; equal gaps follow each dot.
    int total = 0;
    for (int i = 0; i < m_dots.size(); ++i)
        total += dotDiameterPx(i);
    const int left = (kSmallestRingPx - dotDiameterPx(0)) / 2;
    const double gap = qMax(0.0, double(width() - left - total) / m_dots.size());
    double x = left;
    const int middle = height() / 2;
    for (int i = 0; i < m_dots.size(); ++i) {
        const int d = dotDiameterPx(i);
        m_dots[i]->setGeometry(int(x + 0.5), middle - d / 2, d, d);
        x += d + gap;
        if (kPenSizes[i] == m_ringSize) {
            const int side = qMin(qMax(d + 2 * (kRingWidthPx + 1), kSmallestRingPx), height());
            const QRect dot = m_dots[i]->geometry();
            m_ring->setGeometry(dot.left() + (d - 1) / 2 - (side - 1) / 2,
                                dot.top() + (d - 1) / 2 - (side - 1) / 2, side, side);
        }
    }
}

} // namespace quillora
