#pragma once
// The keys pressed in one text control and not yet released. A release counts as typing only
// when its press came to the same control: the key that closes a dialog (Return in a file
// dialog) is released over whichever box has the focus afterwards, and that is no change of
// the child's.

#include <QKeyEvent>
#include <QSet>

namespace quillora {

class KeyPresses {
public:
    void pressed(const QKeyEvent &event)
    {
        if (!event.isAutoRepeat())
            m_down.insert(event.key());
    }
    // True when this release ends a press the control saw.
    [[nodiscard]] bool released(const QKeyEvent &event)
    {
        return !event.isAutoRepeat() && m_down.remove(event.key());
    }
    // Leaving the control: keys still held are released elsewhere.
    void forget() { m_down.clear(); }

private:
    QSet<int> m_down;
};

} // namespace quillora
