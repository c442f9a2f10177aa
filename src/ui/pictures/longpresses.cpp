#include "ui/pictures/longpresses.h"

#include "ui/pictures/longpressring.h"

namespace quillora {

LongPresses::LongPresses(QWidget &window, QObject *parent) : QObject(parent), m_window(window) {}

void LongPresses::hold(int pointer, const HeldPresses::Press &press, QPoint ringCentre,
                       Completed completed)
{
    settle(pointer);
    m_held.hold(pointer, press);
    if (press.kind != HeldPresses::Kind::MaybeLong || !completed)
        return;
    auto *ring = new LongPressRing(&m_window, ringCentre);
    connect(ring, &LongPressRing::completed, this,
            [this, pointer, completed = std::move(completed)] {
                if (const auto held = settle(pointer))
                    completed(*held);
            });
    m_rings[pointer] = ring;
}

std::optional<HeldPresses::Press> LongPresses::settle(int pointer)
{
    const auto ring = m_rings.find(pointer);
    if (ring != m_rings.end()) {
        if (ring->second)
            ring->second->deleteLater();
        m_rings.erase(ring);
    }
    return m_held.take(pointer);
}

std::optional<HeldPresses::Press> LongPresses::takeIfMovedAway(int pointer, int target,
                                                               QPoint position)
{
    const auto press = m_held.takeIfMovedAway(pointer, target, position);
    if (press)
        settle(pointer);
    return press;
}

} // namespace quillora
