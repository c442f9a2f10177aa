#pragma once
// What every paint tool is fed and what it gives back. A window turns its mouse events into
// PointerInput values; the engine hands each tool the Stroke it draws with. Every operation
// returns the rectangle of picture pixels it changed, for the widget to repaint.

#include "core/foundation/environment.h"
#include "core/layout/colour.h"
#include "core/pictures/painttables.h"

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>

#include <optional>

namespace quillora {

enum class PointerButton { Left, Right, Middle };

// One press, move or release over a picture, in the picture's own pixels.
struct PointerInput {
    QPoint pos;
    PointerButton button = PointerButton::Left;
    bool shift = false;
    bool alt = false;
    // A stylus: how hard it presses (0..1; the width follows it within the chosen size), and
    // whether its eraser end is down (it paints white). The mouse and fingers press fully.
    double pressure = 1.0;
    bool eraser = false;
};

// The painting symmetry of a picture box.
struct Symmetry {
    static constexpr int None = 0;
    static constexpr int Mirror = 1;   // about the vertical centre line
    static constexpr int Rotation = 3; // `rotations` copies around the centre
    int type = None;
    int rotations = 0; // 0 means 12
};

// The shape the window draws over the picture while a shape or line is dragged (Box and the
// rubber-band line). Never part of the picture itself.
struct RubberBand {
    RubberBandShape shape = RubberBandShape::None;
    QRect box;  // Rectangle and Oval: normalised, picture pixels
    QLine line; // Line: from the snapped press point to the free end
    ColourRef colour = 0;
    int penWidth = 1;
    bool filled = false; // the shape lands filled with the colour
};

// The pen and the running position of one gesture on one picture.
struct Stroke {
    QImage *image = nullptr;
    Symmetry symmetry;
    ColourRef colour = 0;
    QRgb pixel = 0; // colour as the picture stores it
    int toolSize = 16;
    int penWidth = 16;
    int gridSize = 8;
    QPoint last;         // previous press or move: start of the next segment
    int pictureKey = -1; // which picture this is, for tools that keep state per picture
    RandomSource *random = nullptr;
    // A shaped picture's shape (core/pictures/masks.h), the picture's size; null for none. The
    // engine keeps paint inside it; the fill also treats its edge as a wall.
    const QImage *shape = nullptr;
};

class PaintTool {
public:
    virtual ~PaintTool() = default;
    // The pen width a tool paints with for a given size.
    virtual int penWidth(int toolSize) const { return toolSize; }
    virtual QRect press(Stroke &stroke, const PointerInput &input) = 0;
    virtual QRect move(Stroke &, const PointerInput &) { return {}; }
    virtual QRect release(Stroke &, const PointerInput &) { return {}; }
    virtual std::optional<RubberBand> rubberBand() const { return std::nullopt; }
};

namespace paintmath {
// Nearest multiple of the grid, unless Alt is held.
int snap(int value, int grid, bool alt);
QPoint snap(QPoint point, int grid, bool alt);
// Direction of (dx, dy) measured from the +y axis towards +x, in [0, 2 pi).
double angle(double dx, double dy);
// Each channel moved by a random amount in [-32, 32), clamped.
ColourRef jitter(ColourRef colour, RandomSource &random);
// Each channel raised by d, clamped.
ColourRef lighten(ColourRef colour, int d);
} // namespace paintmath

} // namespace quillora
