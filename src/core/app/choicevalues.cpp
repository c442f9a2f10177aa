#include "core/app/choicevalues.h"

#include <algorithm>

namespace quillora {

int ChoiceCount::clamped(int value)
{
    return std::clamp(value, kMinimum, kMaximum);
}

bool ChoiceCount::add()
{
    if (!canAdd())
        return false;
    ++m_value;
    return true;
}

bool ChoiceCount::remove()
{
    if (!canRemove())
        return false;
    --m_value;
    return true;
}

} // namespace quillora
