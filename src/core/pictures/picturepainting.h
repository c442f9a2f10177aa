#pragma once
// The page's rules around painting: which press selects a picture and which paints, which
// pictures may be painted, the change count, and the right button's two meanings. Every
// document window forwards its picture boxes' mouse events and Timer1 ticks here.

#include "core/layout/pagemodel.h"
#include "core/pictures/masks.h"
#include "core/pictures/paintengine.h"

namespace quillora {

enum class PressOutcome {
    Painted,             // the current tool took the press; the change count rose
    Selected,            // the press only made the picture current; this gesture paints nothing
    SelectedForHandling, // "My layout": select the picture as an object to move and resize
    ContextMenu,         // right button while the paint tools show: open the menu at the pointer
    NothingPainted,      // an imported picture, a tool that paints nothing, or no such picture
};

struct PressResult {
    PressOutcome outcome = PressOutcome::NothingPainted;
    bool becameCurrent = false; // the window restarts the undo history for this picture
    QRect dirty;                // picture pixels to repaint
};

class PicturePainting {
public:
    PicturePainting(PaintState &state, RandomSource &random);

    // A button went down on picture box `index`. Makes it the current object first.
    PressResult press(PageModel &page, int index, const PointerInput &input);
    // Moves and the release only paint in a gesture whose press painted, on the same picture.
    QRect move(PageModel &page, int index, const PointerInput &input);
    QRect release(PageModel &page, int index, const PointerInput &input);
    // One Timer1 tick on the current picture.
    QRect tick(PageModel &page);

    // Timer1 runs while an animated tool is current.
    bool timerWanted() const { return toolUsesTimer(m_state.tool); }
    // Between press and release of a shape or line: what to draw as Box or the band line.
    std::optional<RubberBand> rubberBand() const { return m_engine.rubberBand(); }
    const PaintEngine &engine() const { return m_engine; }

    static bool isImported(const PictureBoxModel &picture);

    // The enlarged border picture (`BordPaper`, kind "b") is painted like a picture that is
    // already current: every press paints with the current tool. The right button while the
    // paint tools show asks for the menu instead. A page without a border picture paints nothing.
    PressResult pressBorder(PageModel &page, const PointerInput &input);
    QRect moveBorder(PageModel &page, const PointerInput &input);
    QRect releaseBorder(PageModel &page, const PointerInput &input);

private:
    // The gesture key of the border picture: no picture box has it.
    static constexpr int kBorderKey = -2;

    PaintTarget targetFor(PageModel &page, int index);
    static PaintTarget borderTarget(PageModel &page);
    // The part of a press shared by pictures and the border: the menu button, or a stroke begun.
    PressResult beginStroke(PageModel &page, int gestureKey, const PaintTarget &target,
                            const PointerInput &input, PressResult result);

    PaintState &m_state;
    PaintEngine m_engine;
    int m_gesturePicture = -1; // the picture whose press painted, until its release
    masks::ShapeCache m_shapes;
};

} // namespace quillora
