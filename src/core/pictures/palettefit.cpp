#include "core/pictures/palettefit.h"

#include "core/pictures/paintstate.h"

#include <algorithm>

namespace quillora {

int FeltPenGrid::rows() const
{
    return (kFeltPenCount + columns - 1) / columns;
}

QRect FeltPenGrid::cell(int pen) const
{
    const int row = pen % rows();
    const int column = pen / rows();
    return QRect(column * cellWidth, row * pitch, cellWidth, pitch);
}

FeltPenGrid feltPenGrid(int screenWidthPx, int screenHeightPx, int drawnPitch)
{
    const int columnWidth = paletteColumnWidth(screenWidthPx, screenHeightPx);
    FeltPenGrid grid;
    if (!roomyPalettes(screenWidthPx, screenHeightPx) &&
        feltPensHeight(screenHeightPx) >= kFeltPenCount * drawnPitch) {
        grid.pitch = drawnPitch;
        grid.cellWidth = columnWidth;
        return grid;
    }
    grid.columns = 2;
    grid.cellWidth = columnWidth / 2;
    grid.pitch = std::clamp(feltPensFreeHeight(screenHeightPx) / grid.rows(), 1,
                            FeltPenGrid::kMaxPenPitchPx);
    return grid;
}

} // namespace quillora
