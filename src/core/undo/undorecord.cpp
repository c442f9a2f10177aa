#include "core/undo/undorecord.h"

namespace quillora {

bool UndoRecord::holdsSameStateAs(const UndoRecord &other) const
{
    if (kind != other.kind || index != other.index || geometry != other.geometry ||
        visible != other.visible || text != other.text || plainText != other.plainText ||
        !(style == other.style) || handleCentres != other.handleCentres ||
        !pictureZeroState.holdsSameStateAs(other.pictureZeroState) ||
        movedObjects.size() != other.movedObjects.size())
        return false;
    // Shared pixels are the same picture without looking at them.
    if (picture.cacheKey() != other.picture.cacheKey() && picture != other.picture)
        return false;
    for (std::size_t i = 0; i < movedObjects.size(); ++i) {
        if (!movedObjects[i].holdsSameStateAs(other.movedObjects[i]))
            return false;
    }
    return true;
}

} // namespace quillora
