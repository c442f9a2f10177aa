#include "core/pictures/paintstate.h"

#include "core/pictures/palettefit.h"

#include <algorithm>

namespace quillora {

namespace {
constexpr int kMaxFeltPensHeight = 768;
constexpr int kFeltScreenMargin = 44 + 64;
} // namespace

ToolSelection currentToolSelection(const PaintState &state)
{
    const ToolInfo &info = toolInfo(state.tool);
    return {state.tool, state.toolSize, info.cursorPicture, info.animated, state.box};
}

ToolSelection selectTool(PaintState &state, int tool)
{
    if (!isValidTool(tool))
        return currentToolSelection(state);
    const ToolInfo &info = toolInfo(tool);
    state.tool = qint16(tool);
    if (info.sizeOnSelection > 0)
        state.toolSize = qint16(info.sizeOnSelection);
    // Tools without a shape of their own leave Box as the last shape tool set it.
    if (info.rubberBand == RubberBandShape::Rectangle || info.rubberBand == RubberBandShape::Oval)
        state.box = info.rubberBand;
    return currentToolSelection(state);
}

bool choosePaletteColour(PaintState &state, int index)
{
    if (index < 0 || index >= kPaletteColourCount)
        return false;
    state.paintColour = paletteColours()[index].colour;
    return true;
}

bool choosePenSize(PaintState &state, int size)
{
    if (penSizeIndex(size) < 0)
        return false;
    state.toolSize = qint16(size);
    return true;
}

void FeltPenColumn::setStrip(int strip)
{
    m_strip = std::clamp(strip, 0, kFeltStripCount - 1);
}

void FeltPenColumn::choseColour(int index)
{
    if (index < 0 || index >= kFeltPenCount)
        return;
    m_currentPen = index;
    m_currentLidOpen = true;
}

bool pressFeltPen(PaintState &state, FeltPenColumn &pens, int index, bool rightButton)
{
    if (index < 0 || index >= kFeltPenCount)
        return false;
    pens.choseColour(index);
    state.feltRightClick = rightButton;
    state.paintColour = pens.currentPenColour();
    return true;
}

int feltPensFreeHeight(int screenHeightPx)
{
    int free = screenHeightPx - kFeltScreenMargin;
    if (screenHeightPx < kLowResScreenHeight)
        free -= 32;
    return std::max(0, free);
}

int feltPensHeight(int screenHeightPx)
{
    return std::min(feltPensFreeHeight(screenHeightPx) / 32 * 32, kMaxFeltPensHeight);
}

void showFeltPens(PaintState &state, FeltPenColumn &pens)
{
    pens.setPenSize(32);
    pens.choseColour(0);
    state.paintColour = kPureRed;
    state.paintToolsShown = false;
}

ToolSelection showPaintTools(PaintState &state)
{
    state.paintToolsShown = true;
    return selectTool(state, ToolMarker);
}

} // namespace quillora
