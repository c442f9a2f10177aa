#pragma once
// The room a child's finger needs, and the furniture beside the page that gives it: the palette
// column on the left and the wide column on the right.

namespace quillora {

// The smallest side of anything a child presses: a fingertip on a whiteboard lands inside it.
constexpr int kReachPx = 44;

// Screens with room to spare get a palette column twice the drawn width, so every pen, colour
// and size can be kReachPx square; the others keep the drawn column.
bool roomyPalettes(int screenWidthPx, int screenHeightPx);
int paletteColumnWidth(int screenWidthPx, int screenHeightPx);

// The wide column right of the page (template menu, copies preview) and its gap to the window's
// right edge.
constexpr int kWideSideColumnPx = 338;
constexpr int kWideSideColumnGapPx = 8;

} // namespace quillora
