#pragma once
// The page's rules around painting: which press selects a picture and which paints, which
// pictures may be painted, the change count, and the right button's two meanings. Every
// document window forwards its picture boxes' pointer events and Timer1 ticks here.
//
// Each pointer paints its own stroke: the mouse (and a pen) is `kMousePointer`, every finger on
// a touch screen its own id. Strokes of several pointers run at once, in one picture or in
// several, each with its own tool state (a shape follows its own finger).

#include "core/layout/pagemodel.h"
#include "core/pictures/masks.h"
#include "core/pictures/paintengine.h"

#include <map>
#include <memory>

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
    static constexpr int kMousePointer = 0;

    PicturePainting(PaintState &state, RandomSource &random);
    ~PicturePainting();

    // A button or finger went down on picture box `index`. Makes it the current object first.
    // While another pointer paints, a press on another picture paints at once: children drawing
    // side by side never lose a stroke to the selecting press.
    PressResult press(PageModel &page, int index, const PointerInput &input,
                      int pointer = kMousePointer);
    // Moves and the release only paint in a gesture whose press painted, on the same picture.
    QRect move(PageModel &page, int index, const PointerInput &input, int pointer = kMousePointer);
    QRect release(PageModel &page, int index, const PointerInput &input,
                  int pointer = kMousePointer);
    // Ends the stroke of `pointer` as a release where it was last seen (a touch the system
    // cancelled, a release that never came). Returns the picture it painted on, or -1.
    int endStroke(PageModel &page, int pointer, QRect *dirty = nullptr);
    // Forgets the stroke of `pointer` without drawing more: its release will paint nothing.
    void dropStroke(int pointer);
    // One Timer1 tick on the current picture, for every pointer's animated tools.
    QRect tick(PageModel &page);

    // The picture `pointer` is painting on, or -1.
    int strokePicture(int pointer) const;
    // How many pointers are painting on picture `index` now.
    int strokesOn(int index) const;
    // The pointers painting now, in any picture.
    QVector<int> activePointers() const;

    // Timer1 runs while an animated tool is current.
    bool timerWanted() const { return toolUsesTimer(m_state.tool); }
    // Between press and release of a shape or line: what to draw as Box or the band line.
    std::optional<RubberBand> rubberBand(int pointer = kMousePointer) const;
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

    // A pointer's stroke in progress: its picture and where it was last seen.
    struct Gesture {
        int picture = -1;
        PointerInput last;
    };

    PaintEngine &engineFor(int pointer);
    const PaintEngine *findEngine(int pointer) const;
    // Engines of fingers lifted whose particles have died out are let go.
    void dropIdleEngines();
    PaintTarget targetFor(PageModel &page, int index);
    static PaintTarget borderTarget(PageModel &page);
    // The part of a press shared by pictures and the border: the menu button, or a stroke begun.
    PressResult beginStroke(PageModel &page, int gestureKey, const PaintTarget &target,
                            const PointerInput &input, PressResult result, int pointer);

    PaintState &m_state;
    RandomSource &m_random;
    PaintEngine m_engine; // the mouse's and the border's
    std::map<int, std::unique_ptr<PaintEngine>> m_fingerEngines;
    std::map<int, Gesture> m_gestures; // a pointer whose press painted, until its release
    masks::ShapeCache m_shapes;
};

} // namespace quillora
