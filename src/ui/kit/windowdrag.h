#pragma once
// Dragging a title-bar-less window by its own top bar: the program's dialogs and the start
// screen move with the pointer while it is held on one of their handles.

#include <QPoint>

class QEvent;
class QWidget;

namespace quillora {

class WindowDrag {
public:
    // Handles one event of a drag handle of `window`; true when the event was used.
    bool handle(QWidget &window, QEvent *event);
    // Ends a drag the window can no longer finish (it was hidden).
    void cancel() { m_dragging = false; }

private:
    QPoint m_offset;
    bool m_dragging = false;
};

} // namespace quillora
