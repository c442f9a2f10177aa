#pragma once
// A control that takes fingers from the touch events themselves. Qt turns only the first finger
// on the whole screen into a mouse, so while one child paints, another child's finger on a
// bubble, a handle or a text would do nothing. Here every control follows its own finger: its
// press, moves and release reach the control as the left button's (through its own mouse
// handlers and event filters: one input path for both), and the touch is taken, so Qt makes no
// mouse of it as well. Further fingers on the same control are ignored: two fingers never zoom,
// scroll or drag anything twice.

#include <QEvent>
#include <QObject>
#include <QPointF>

class QTouchEvent;
class QWidget;

namespace quillora {

class FingerInput : public QObject {
    Q_OBJECT
public:
    // `control` takes touch events from now on; the filter goes with it.
    static void takeFingers(QWidget &control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FingerInput(QWidget &control);
    // Sends the left button's `type` at the finger's place; whether the control took it.
    bool sendMouse(QWidget &control, QEvent::Type type, const QTouchEvent &touch);

    int m_finger = -1; // the touch point followed, -1 while none is down
    QPointF m_position;
    QPointF m_scenePosition;
    QPointF m_globalPosition;
};

} // namespace quillora
