#include "core/pictures/heldpresses.h"

#include <cmath>

namespace quillora {

std::optional<HeldPresses::Press> HeldPresses::take(int pointer)
{
    const auto found = m_presses.find(pointer);
    if (found == m_presses.end())
        return std::nullopt;
    const Press press = found->second;
    m_presses.erase(found);
    return press;
}

QVector<int> HeldPresses::pointers() const
{
    QVector<int> held;
    for (const auto &entry : m_presses)
        held.append(entry.first);
    return held;
}

std::optional<HeldPresses::Press> HeldPresses::takeIfMovedAway(int pointer, int target,
                                                               QPoint position)
{
    const auto found = m_presses.find(pointer);
    if (found == m_presses.end() || found->second.target != target)
        return std::nullopt;
    const QPoint travelled = position - found->second.position;
    const bool away = found->second.kind == Kind::RightButton
                          ? travelled.manhattanLength() > kRightClickSlackPx
                          : std::hypot(travelled.x(), travelled.y()) > kLongPressSlackPx;
    return away ? take(pointer) : std::nullopt;
}

} // namespace quillora
