#include "ui/pictures/longpressring.h"

#include "core/pictures/heldpresses.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace quillora {

namespace {
constexpr int kRingRadiusPx = 60;
constexpr int kRingWidthPx = 12;
constexpr int kFrameMs = 30;
const QColor kRingColour(0xFF, 0x80, 0x00);
} // namespace

LongPressRing::LongPressRing(QWidget *window, QPoint centre) : QWidget(window)
{
    setObjectName(QStringLiteral("longPressRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    const int side = 2 * (kRingRadiusPx + kRingWidthPx);
    setGeometry(centre.x() - side / 2, centre.y() - side / 2, side, side);
    m_held.start();
    m_frames = new QTimer(this);
    m_frames->setInterval(kFrameMs);
    connect(m_frames, &QTimer::timeout, this, [this] {
        update();
        if (progress() >= 1.0) {
            m_frames->stop();
            emit completed();
        }
    });
    m_frames->start();
    raise();
    show();
}

double LongPressRing::progress() const
{
    return std::min(1.0, double(m_held.elapsed()) / HeldPresses::kLongPressMs);
}

void LongPressRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring =
        QRectF(rect()).adjusted(kRingWidthPx, kRingWidthPx, -kRingWidthPx, -kRingWidthPx);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 0xC0), kRingWidthPx + 4));
    painter.drawEllipse(ring);
    // Qt measures arcs in sixteenths of a degree, anticlockwise from three o'clock.
    constexpr int kFullTurn = 360 * 16;
    painter.setPen(QPen(kRingColour, kRingWidthPx, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, 90 * 16, -int(progress() * kFullTurn));
}

} // namespace quillora
