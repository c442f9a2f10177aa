#pragma once
// Shapes dragged out from a grid-snapped start point: the rubber band follows the pointer and
// the shape lands on the picture only on release. Shift makes squares, circles and lines at
// multiples of 45 degrees; Alt turns the grid off.

#include "core/pictures/painttool.h"

namespace quillora {

class ShapeTool : public PaintTool {
public:
    QRect press(Stroke &stroke, const PointerInput &input) override;
    QRect move(Stroke &stroke, const PointerInput &input) override;
    QRect release(Stroke &stroke, const PointerInput &input) override;
    std::optional<RubberBand> rubberBand() const override;

protected:
    virtual RubberBandShape bandShape() const = 0;
    virtual bool filled() const { return false; }
    // The free end for a pointer position, with the tool's Shift constraint applied.
    virtual QPoint constrainedEnd(QPoint start, QPoint snappedEnd) const = 0;
    virtual QRect draw(Stroke &stroke, QPoint start, QPoint end) const = 0;

private:
    QPoint endFor(const Stroke &stroke, const PointerInput &input) const;

    bool m_dragging = false;
    QPoint m_start;
    QPoint m_end;
    ColourRef m_colour = 0;
    int m_penWidth = 1;
};

// The box spanned by two corners, with positive width and height.
QRect boxBetween(QPoint a, QPoint b);

// Rectangles and ellipses: Shift keeps the box square, anchored at the start.
class BoxShapeTool : public ShapeTool {
public:
    int penWidth(int toolSize) const override { return toolSize / 2; }

protected:
    QPoint constrainedEnd(QPoint start, QPoint snappedEnd) const override;
};

// Tool 2.
class RectangleTool : public BoxShapeTool {
protected:
    RubberBandShape bandShape() const override { return RubberBandShape::Rectangle; }
    QRect draw(Stroke &stroke, QPoint start, QPoint end) const override;
};

// Tool 3: the rectangle filled with the pen colour.
class FilledRectangleTool : public RectangleTool {
protected:
    bool filled() const override { return true; }
    QRect draw(Stroke &stroke, QPoint start, QPoint end) const override;
};

// Tool 4: the ellipse that fills the dragged box.
class EllipseTool : public BoxShapeTool {
protected:
    RubberBandShape bandShape() const override { return RubberBandShape::Oval; }
    QRect draw(Stroke &stroke, QPoint start, QPoint end) const override;
};

// Tool 5.
class FilledEllipseTool : public EllipseTool {
protected:
    bool filled() const override { return true; }
    QRect draw(Stroke &stroke, QPoint start, QPoint end) const override;
};

// Tool 6: a straight line; Shift keeps its length and turns it to the nearest 45 degrees.
class LineTool : public ShapeTool {
protected:
    RubberBandShape bandShape() const override { return RubberBandShape::Line; }
    QPoint constrainedEnd(QPoint start, QPoint snappedEnd) const override;
    QRect draw(Stroke &stroke, QPoint start, QPoint end) const override;
};

} // namespace quillora
