#pragma once
// When a window changes under the pointer (the start screen's OK opens the page), the rest of
// the gesture that changed it — the second click of a double-click — must not land on the new
// window, where it would select a word or paint a dot.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace quillora {

class GestureGuard : public QObject {
    Q_OBJECT
public:
    // A press on `window` within `ms` milliseconds and a double-click's distance of `origin`
    // (global, where the gesture began) is swallowed with its moves and release; presses
    // elsewhere are the child's next action. The guard removes itself when the time is up and
    // no swallowed press is held.
    static GestureGuard *guard(QWidget &window, int ms, QPoint origin);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GestureGuard(QWidget &window, int ms, QPoint origin);
    void finishWhenFree();

    QPointer<QWidget> m_window;
    QPoint m_origin;
    QTimer m_expiry;
    bool m_holdingSwallowedPress = false;
};

} // namespace quillora
