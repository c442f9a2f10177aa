#include "ui/text/pullstring.h"

#include "core/text/onscreenkeyboard.h"
#include "ui/kit/looks.h"
#include "ui/kit/twips.h"

#include <QMouseEvent>
#include <QStyle>
#include <QPainter>

namespace quillora {

namespace {

void paintString(QWidget *string)
{
    QPainter p(string);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal middle = string->width() / 2.0;
    p.setPen(QPen(looks::kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(middle, 0), QPointF(middle, string->height()));
    p.setPen(QPen(looks::kSunshine, 2, Qt::DashLine));
    p.drawLine(QPointF(middle, 0), QPointF(middle, string->height()));
}

void paintHandle(QWidget *handle)
{
    QPainter p(handle);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8C, 0x15, 0x18), 4));
    p.setBrush(QColor(0xE8, 0x37, 0x3B));
    p.drawEllipse(QRectF(handle->rect()).adjusted(3, 3, -3, -3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QRectF(12, 10, handle->width() / 3.0, handle->height() / 4.0));
}

} // namespace

PullString::PullString(QWidget &window, int rightInsetPx)
    : QObject(&window), m_window(window), m_rightInset(rightInsetPx)
{
    m_string = new QWidget(&window);
    m_string->setObjectName(QStringLiteral("String"));
    m_string->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pull down")));
    m_string->setToolTip(m_string->accessibleName());
    m_handle = new QWidget(&window);
    m_handle->setObjectName(QStringLiteral("stringHandle"));
    m_handle->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pull down")));
    m_handle->setToolTip(m_handle->accessibleName());
    m_handle->setFixedSize(kHandleSizePx, kHandleSizePx);
    for (QWidget *part : {m_string, m_handle}) {
        part->setCursor(Qt::SizeVerCursor);
        part->installEventFilter(this);
        part->hide();
    }
}

void PullString::setShown(bool shown)
{
    m_string->setVisible(shown);
    m_handle->setVisible(shown);
    if (shown) {
        m_string->raise();
        m_handle->raise();
    }
}

void PullString::place(int screenHeightPx, int topPx)
{
    m_screenHeight = screenHeightPx;
    const int centreX = m_window.width() - m_rightInset;
    const int length = std::max(int(0.66 * screenHeightPx) - kHandleSizePx, 0);
    // A right-to-left window hangs the string at its left edge.
    const auto mirrored = [this](const QRect &r) {
        return QStyle::visualRect(m_window.layoutDirection(), m_window.rect(), r);
    };
    m_string->setGeometry(
        mirrored(QRect(centreX - kStringWidthPx / 2, topPx, kStringWidthPx, length)));
    m_handle->move(
        mirrored(QRect(QPoint(centreX - kHandleSizePx / 2, topPx + length), m_handle->size()))
            .topLeft());
}

bool PullString::eventFilter(QObject *watched, QEvent *event)
{
    auto *part = qobject_cast<QWidget *>(watched);
    if (part != m_string && part != m_handle)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        if (part == m_string)
            paintString(part);
        else
            paintHandle(part);
        return true;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_grabGlobal = mouse->globalPosition().toPoint();
        m_grabTop = m_window.y();
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return true;
        const int distance = mouse->globalPosition().toPoint().y() - m_grabGlobal.y();
        const int top = pulledWindowTop(m_grabTop * kTwipsPerPixel, distance * kTwipsPerPixel,
                                        m_screenHeight * kTwipsPerPixel);
        m_window.move(m_window.x(), top / kTwipsPerPixel);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace quillora
