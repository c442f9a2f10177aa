#include "ui/kit/windowdrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace quillora {

bool WindowDrag::handle(QWidget &window, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_offset = mouse->globalPosition().toPoint() - window.frameGeometry().topLeft();
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove:
        if (!m_dragging)
            return false;
        window.move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_offset);
        return true;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return false;
    default:
        return false;
    }
}

} // namespace quillora
