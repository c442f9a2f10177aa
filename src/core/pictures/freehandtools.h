#pragma once
// Freehand pens: a dot on press, a segment per move, mirrored or rotated as the picture's
// symmetry asks. Shift held draws nothing, so a child can lift the pen without lifting it.

#include "core/pictures/painttool.h"

namespace quillora {

class FreehandTool : public PaintTool {
public:
    QRect press(Stroke &stroke, const PointerInput &input) override;
    QRect move(Stroke &stroke, const PointerInput &input) override;

protected:
    // The n + 1 dots (the last on the first) of a point turned around the picture's centre.
    static QRect rotatedDots(Stroke &stroke, QPoint at);
};

// Tool 0: the thick marker, as wide as the size.
class MarkerTool : public FreehandTool {};

// Tool 1: the pencil, half as wide as the size.
class PencilTool : public FreehandTool {
public:
    int penWidth(int toolSize) const override { return toolSize / 2; }
};

} // namespace quillora
