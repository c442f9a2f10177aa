#pragma once
// The pull-down string (`String` with its handle `stringHandle`): on a whiteboard a child pulls
// it to bring the whole window down the screen, so the top of the window comes within reach.

#include <QPoint>
#include <QWidget>

namespace quillora {

class PullString : public QObject {
    Q_OBJECT
public:
    // Distance of the string from the window's right edge (63 on the table window).
    static constexpr int kRightInsetPx = 30;
    static constexpr int kHandleSizePx = 56;
    static constexpr int kStringWidthPx = 12;

    // The string and its handle become children of `window`, which they move.
    explicit PullString(QWidget &window, int rightInsetPx = kRightInsetPx);

    QWidget *string() const { return m_string; }
    QWidget *handle() const { return m_handle; }

    void setShown(bool shown);
    // Places the string at the window's right edge, hanging from `topPx` (below the window's
    // toolbar, so it never covers a button) for 0.66 of the screen height less the handle, and
    // the handle below it.
    void place(int screenHeightPx, int topPx);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    int m_rightInset;
    int m_screenHeight = 0;
    QWidget *m_string = nullptr;
    QWidget *m_handle = nullptr;
    QPoint m_grabGlobal;
    int m_grabTop = 0;
    bool m_dragging = false;
};

} // namespace quillora
