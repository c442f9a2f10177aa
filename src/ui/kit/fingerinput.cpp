#include "ui/kit/fingerinput.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTouchEvent>
#include <QWidget>

#include <utility>

namespace quillora {

void FingerInput::takeFingers(QWidget &control)
{
    control.setAttribute(Qt::WA_AcceptTouchEvents);
    control.installEventFilter(new FingerInput(control));
}

FingerInput::FingerInput(QWidget &control) : QObject(&control) {}

bool FingerInput::sendMouse(QWidget &control, QEvent::Type type, const QTouchEvent &touch)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    // The mouse's own device: a mouse event on the touch screen would take over the state Qt
    // keeps for the touch point of the same number.
    QMouseEvent mouse(type, m_position, m_scenePosition, m_globalPosition, button, held,
                      touch.modifiers(), QPointingDevice::primaryPointingDevice());
    mouse.setTimestamp(touch.timestamp());
    // A press the control lets through goes on as a touch, which Qt hands on itself; the
    // mouse made here stays with the control.
    const bool propagated = !control.testAttribute(Qt::WA_NoMousePropagation);
    control.setAttribute(Qt::WA_NoMousePropagation);
    // A press or release may close the window the control is on.
    const QPointer<QWidget> alive(&control);
    QCoreApplication::sendEvent(&control, &mouse);
    if (!alive)
        return true;
    if (propagated)
        control.setAttribute(Qt::WA_NoMousePropagation, false);
    return mouse.isAccepted();
}

bool FingerInput::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
        type != QEvent::TouchCancel)
        return false;
    auto &control = static_cast<QWidget &>(*watched);
    auto &touch = static_cast<QTouchEvent &>(*event);
    if (type == QEvent::TouchCancel) {
        // The system took the finger back: it is let go where it was last seen.
        if (std::exchange(m_finger, -1) >= 0)
            sendMouse(control, QEvent::MouseButtonRelease, touch);
        return true;
    }
    // A new first touch while the finger is still down: its release never came.
    if (type == QEvent::TouchBegin && m_finger >= 0) {
        m_finger = -1;
        const QPointer<FingerInput> alive(this);
        sendMouse(control, QEvent::MouseButtonRelease, touch);
        if (!alive)
            return true;
    }
    for (const QEventPoint &point : touch.points()) {
        const bool followed = point.id() == m_finger;
        if (!followed && !(m_finger < 0 && point.state() == QEventPoint::Pressed))
            continue;
        m_position = point.position();
        m_scenePosition = point.scenePosition();
        m_globalPosition = point.globalPosition();
        if (!followed) {
            m_finger = point.id();
            // A control that lets the press through lets the finger through, as a touch. A
            // control gone with the press has taken it.
            const bool taken = sendMouse(control, QEvent::MouseButtonPress, touch);
            if (!taken)
                m_finger = -1;
            touch.setAccepted(taken);
            return true;
        }
        if (point.state() == QEventPoint::Released) {
            m_finger = -1;
            sendMouse(control, QEvent::MouseButtonRelease, touch);
        } else if (point.state() == QEventPoint::Updated) {
            sendMouse(control, QEvent::MouseMove, touch);
        }
        break;
    }
    touch.accept();
    return true;
}

} // namespace quillora
