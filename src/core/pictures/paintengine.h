#pragma once
// Drives the fourteen tools on one picture's pixels: a press starts a stroke with the current
// tool, size and colour, moves and the release continue it, ticks advance the animated tools.
// The engine knows nothing of pages or widgets; PicturePainting adds the page's rules.

#include "core/pictures/paintstate.h"
#include "core/pictures/painttool.h"

#include <array>
#include <memory>

namespace quillora {

class ScribbleTool;
class SplatTool;

// The picture a gesture paints on. The key names the picture to the animated tools, which
// drop their particles when the picture changes (page pictures use their index).
struct PaintTarget {
    QImage *image = nullptr;
    int key = 0;
    Symmetry symmetry;
    // A shaped picture's shape, the size of the image: nothing outside it ever changes.
    const QImage *shape = nullptr;
};

class PaintEngine {
public:
    static constexpr int kGridSize = 8;
    // Interval of the window's Timer1 while an animated tool is current.
    static constexpr int kTickIntervalMs = 40;

    PaintEngine(const PaintState &state, RandomSource &random);
    ~PaintEngine();
    PaintEngine(const PaintEngine &) = delete;
    PaintEngine &operator=(const PaintEngine &) = delete;

    // Starts a stroke with the current tool. Tools 8 and 9 paint nothing and start no stroke.
    QRect press(const PaintTarget &target, const PointerInput &input);
    // Continue / end the stroke; nothing happens without one.
    QRect move(const PaintTarget &target, const PointerInput &input);
    QRect release(const PaintTarget &target, const PointerInput &input);
    // One Timer1 step of the scribble particles and the splat on the target picture.
    QRect tick(const PaintTarget &target);
    // Forgets the stroke in progress without drawing its shape.
    void cancelStroke();

    bool strokeActive() const { return m_strokeTool != nullptr; }
    // True while particles or splat blobs are still alive.
    bool animating() const;
    // The rubber band to draw over the picture, while a shape or line is dragged.
    std::optional<RubberBand> rubberBand() const;

    const ScribbleTool &scribble() const;
    const SplatTool &splat() const;

private:
    bool begin(const PaintTarget &target, const PointerInput &input);
    // A stylus's pressure sets the width of the segment it draws.
    void followPressure(const PointerInput &input);
    // Runs one drawing step; on a shaped picture, puts back what it drew outside the shape.
    template <typename Draw> QRect clipped(const PaintTarget &target, Draw draw);

    const PaintState &m_state;
    RandomSource &m_random;
    std::array<std::unique_ptr<PaintTool>, kToolCount> m_tools;
    PaintTool *m_strokeTool = nullptr;
    Stroke m_stroke;
};

} // namespace quillora
