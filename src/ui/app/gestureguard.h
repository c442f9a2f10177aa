#pragma once
// When a window changes under the pointer (the start screen's OK opens the page), the rest of
// the gesture that changed it — the second click of a double-click — must not land on the new
// window, where it would select a word or paint a dot.

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <optional>

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

// Where the pointer last let go anywhere in the program, and how long ago. A window change that
// a click caused may still receive that click's second half there; one that the keyboard, a
// tap on a tile's double-click or an assistive tool caused receives nothing it must swallow.
class ReleaseWatch : public QObject {
public:
    explicit ReleaseWatch(QObject *parent = nullptr);
    ~ReleaseWatch() override;
    // The global place of a release no more than `ms` milliseconds ago, or nothing.
    std::optional<QPoint> releasedWithin(int ms) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint m_at;
    QElapsedTimer m_since;
};

} // namespace quillora
