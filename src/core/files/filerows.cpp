#include "core/files/filerows.h"

#include <algorithm>

namespace quillora {

int FileRows::fileInRow(int row, int sliderValue) const
{
    if (row < 0 || row >= kRowCount)
        return -1;
    const int file = sliderValue + row;
    return file >= 0 && file < fileCount ? file : -1;
}

int FileRows::rowOfFile(int selected, int sliderValue) const
{
    if (selected < 0 || selected >= fileCount)
        return -1;
    const int row = selected - sliderValue;
    return row >= 0 && row < kRowCount ? row : -1;
}

FileRows::Position FileRows::next(Position from) const
{
    if (fileCount == 0)
        return from;
    Position to = from;
    to.selected = std::min(from.selected + 1, fileCount - 1);
    if (to.selected >= to.sliderValue + kRowCount)
        to.sliderValue = std::min(to.selected - kRowCount + 1, sliderMaximum());
    if (to.selected < to.sliderValue)
        to.sliderValue = to.selected;
    return to;
}

FileRows::Position FileRows::previous(Position from) const
{
    if (fileCount == 0)
        return from;
    Position to = from;
    to.selected = std::max(from.selected - 1, 0);
    if (to.selected < to.sliderValue)
        to.sliderValue = to.selected;
    if (to.selected >= to.sliderValue + kRowCount)
        to.sliderValue = to.selected - kRowCount + 1;
    return to;
}

} // namespace quillora
