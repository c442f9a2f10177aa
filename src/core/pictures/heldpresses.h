#pragma once
// Presses that wait to learn what they are, one per pointer, on a target (a picture, a felt pen,
// the page). A right press with the felt pens out: dragged, it paints; let go where it was
// pressed, it opens the picture menu. A left press or a finger while long presses are on: held
// still for `kLongPressMs` it is a right press (the picture menu, the page menu, a felt pen's
// right press); moved away or let go sooner, it is the left press it began as.

#include <QPoint>
#include <QVector>

#include <map>
#include <optional>

namespace quillora {

class HeldPresses {
public:
    static constexpr int kLongPressMs = 800;
    static constexpr int kLongPressSlackPx = 10;
    // How far a right press with the felt pens may wander and still count as a click.
    static constexpr int kRightClickSlackPx = 4;

    enum class Kind { RightButton, MaybeLong };
    struct Press {
        Kind kind = Kind::MaybeLong;
        int target = -1; // the picture's or the felt pen's index
        QPoint position; // where it began, in the target's own pixels
        bool justSelected = false;
    };

    void hold(int pointer, const Press &press) { m_presses[pointer] = press; }
    // The press of `pointer` is settled: returns it and forgets it.
    std::optional<Press> take(int pointer);
    // The pointer moved to `position` on `target`: a press it left its slack behind is taken.
    std::optional<Press> takeIfMovedAway(int pointer, int target, QPoint position);
    QVector<int> pointers() const;
    void clear() { m_presses.clear(); }

private:
    std::map<int, Press> m_presses;
};

} // namespace quillora
