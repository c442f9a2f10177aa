#include "ui/app/gestureguard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

namespace quillora {

GestureGuard *GestureGuard::guard(QWidget &window, int ms, QPoint origin)
{
    return new GestureGuard(window, ms, origin);
}

GestureGuard::GestureGuard(QWidget &window, int ms, QPoint origin)
    : QObject(&window), m_window(&window), m_origin(origin)
{
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, &GestureGuard::finishWhenFree);
    m_expiry.start(ms);
    qApp->installEventFilter(this);
}

void GestureGuard::finishWhenFree()
{
    if (m_holdingSwallowedPress || m_expiry.isActive())
        return;
    qApp->removeEventFilter(this);
    deleteLater();
}

bool GestureGuard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !m_window || (widget != m_window && !m_window->isAncestorOf(widget)))
        return false;
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (!m_expiry.isActive() || (at - m_origin).manhattanLength() >
                                        QGuiApplication::styleHints()->mouseDoubleClickDistance())
            return false;
        m_holdingSwallowedPress = true;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_holdingSwallowedPress)
            return false;
        if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton) {
            m_holdingSwallowedPress = false;
            finishWhenFree();
        }
        return true;
    default:
        return m_holdingSwallowedPress;
    }
}

ReleaseWatch::ReleaseWatch(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

ReleaseWatch::~ReleaseWatch()
{
    qApp->removeEventFilter(this);
}

std::optional<QPoint> ReleaseWatch::releasedWithin(int ms) const
{
    if (!m_since.isValid() || m_since.elapsed() > ms)
        return std::nullopt;
    return m_at;
}

bool ReleaseWatch::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        m_at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        m_since.start();
    }
    return false;
}

} // namespace quillora
