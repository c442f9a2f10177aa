#include "core/layout/reach.h"

#include "core/layout/pagefit.h"

namespace quillora {

namespace {

// A roomy palette column must leave the page most of the screen and hold the roomy paint tools.
constexpr int kRoomyScreenWidthPx = 1600;
constexpr int kRoomyScreenHeightPx = 960;

} // namespace

bool roomyPalettes(int screenWidthPx, int screenHeightPx)
{
    return screenWidthPx >= kRoomyScreenWidthPx && screenHeightPx >= kRoomyScreenHeightPx;
}

int paletteColumnWidth(int screenWidthPx, int screenHeightPx)
{
    return roomyPalettes(screenWidthPx, screenHeightPx) ? 2 * kToolPaletteWidthPx
                                                        : kToolPaletteWidthPx;
}

} // namespace quillora
