#pragma once
// The presses of a window that may still turn into right presses, with the ring that grows round
// each: the one path a held press takes on the picture boxes, the felt pens and the "My layout"
// page. What a press turns into is the caller's: it is told when one has been held long enough.

#include "core/pictures/heldpresses.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>

class QWidget;

namespace quillora {

class LongPressRing;

class LongPresses : public QObject {
    Q_OBJECT
public:
    using Completed = std::function<void(const HeldPresses::Press &)>;

    // Rings are shown on `window`.
    LongPresses(QWidget &window, QObject *parent);

    // Holds the press of `pointer`. A left press or a finger grows a ring at `ringCentre` (in
    // the window's coordinates) and, held still until it is full, is settled and handed to
    // `completed`; a right press waits for its release without a ring.
    void hold(int pointer, const HeldPresses::Press &press, QPoint ringCentre = {},
              Completed completed = {});
    // The press of `pointer` is settled one way or the other: its ring goes.
    std::optional<HeldPresses::Press> settle(int pointer);
    // The pointer moved to `position` on `target`: a press that left its slack is settled.
    std::optional<HeldPresses::Press> takeIfMovedAway(int pointer, int target, QPoint position);
    QVector<int> pointers() const { return m_held.pointers(); }

private:
    QWidget &m_window;
    HeldPresses m_held;
    std::map<int, QPointer<LongPressRing>> m_rings; // by pointer
};

} // namespace quillora
