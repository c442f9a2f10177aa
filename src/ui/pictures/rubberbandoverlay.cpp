#include "ui/pictures/rubberbandoverlay.h"

#include "ui/kit/looks.h"

#include <QPainter>

namespace quillora {

RubberBandOverlay::RubberBandOverlay(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Box"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void RubberBandOverlay::showBand(QWidget *picture, const std::optional<RubberBand> &band,
                                 QSize imageSize)
{
    if (!picture || !band || band->shape == RubberBandShape::None) {
        hideBand();
        return;
    }
    if (parentWidget() != picture)
        setParent(picture);
    setGeometry(picture->rect());
    m_band = band;
    m_imageSize = imageSize;
    show();
    raise();
    update();
}

void RubberBandOverlay::hideBand()
{
    m_band.reset();
    hide();
}

void RubberBandOverlay::paintEvent(QPaintEvent *)
{
    if (!m_band || m_imageSize.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(width()) / m_imageSize.width(), double(height()) / m_imageSize.height());

    const QColor colour = toQColor(m_band->colour);
    QPen pen(colour, qMax(1, m_band->penWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // A thin dashed ink edge keeps the band visible over paint of its own colour.
    QPen edge(looks::kInk, 1, Qt::DashLine);
    edge.setCosmetic(true);

    switch (m_band->shape) {
    case RubberBandShape::Line:
        painter.setPen(pen);
        painter.drawLine(m_band->line);
        painter.setPen(edge);
        painter.drawLine(m_band->line);
        break;
    case RubberBandShape::Rectangle:
    case RubberBandShape::Oval: {
        const QRectF box(m_band->box);
        const bool oval = m_band->shape == RubberBandShape::Oval;
        painter.setPen(pen);
        painter.setBrush(m_band->filled ? QBrush(colour) : QBrush(Qt::NoBrush));
        oval ? painter.drawEllipse(box) : painter.drawRect(box);
        painter.setPen(edge);
        painter.setBrush(Qt::NoBrush);
        oval ? painter.drawEllipse(box) : painter.drawRect(box);
        break;
    }
    case RubberBandShape::None:
        break;
    }
}

} // namespace quillora
