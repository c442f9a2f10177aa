#pragma once
// Where the 24 felt pens stand on a screen, so that every one of them is on it and as easy to
// press as the room allows (the column's width is paletteColumnWidth).

#include "core/layout/reach.h"

#include <QRect>

namespace quillora {

// Where the felt pens stand: one column, each pen below the one before, where all 24 fit the
// drawn pitch on a narrow column; otherwise two columns of twelve (pens 0-11 on the left), each
// pen's band as tall as the screen allows up to kMaxPenPitchPx.
struct FeltPenGrid {
    static constexpr int kMaxPenPitchPx = 56;

    int columns = 1;
    int pitch = 32; // the height of one pen's band, the whole of which takes presses
    int cellWidth = 0;

    int rows() const;
    int height() const { return rows() * pitch; }
    QRect cell(int pen) const;
};

// The height the felt pens may take below the toolbar on a screen, in pixels.
int feltPensFreeHeight(int screenHeightPx);

// `drawnPitch` is the pitch of the drawn layout (32 for big pens, 16 for small ones).
FeltPenGrid feltPenGrid(int screenWidthPx, int screenHeightPx, int drawnPitch);

} // namespace quillora
