#pragma once
// The page turn and the flap of a leaflet, frame by frame: the view state with the one
// animation that may run, the angle each tick reaches, and each frame's turning page as a
// parallelogram given by three corners. Ticks come from the window's timer, or a test.

#include "core/doctypes/leaflet.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QTransform>

#include <array>

class QPainter;

namespace quillora {

enum class LeafletMotion { TurnForward, TurnBack, OpenFlap, CloseFlap };

// A page picture drawn as a parallelogram: its upper-left, upper-right and lower-left corners.
struct TurningPage {
    int page = -1;
    bool backSide = false;
    std::array<QPoint, 3> corners;

    // Maps the picture's rectangle of `pictureSize` onto the three corners.
    QTransform transform(QSize pictureSize) const;
};

// The three corners of a page W × H turned `angleDegrees` about `hinge`: on its front side it
// lies to the right of the hinge at 0 degrees, on its back side to the left at 180. The far
// edge dips by a fifth of the width at 90 degrees, as a lifted page seen from above.
std::array<QPoint, 3> turnedPageCorners(QPoint hinge, QSize page, int angleDegrees, bool backSide);

// What one frame shows: the pages lying flat (page number on each panel, -1 for none) and the
// turning page over them.
struct LeafletFrame {
    std::array<int, 3> restingPageOnPanel{-1, -1, -1};
    TurningPage turning;
};

// The view shown and the animation running, if any. Only one animation runs at a time: a turn
// asked for while another runs is refused, so the view is never left between two.
class LeafletViewer {
public:
    LeafletViewer(LeafletStyle style, LeafletScreenGeometry geometry, int turnStep);

    LeafletView view() const { return m_view; }
    bool animating() const { return m_motion.has_value(); }
    int angle() const { return m_angle; }

    // Shows a view at once (a leaflet just opened); refused while an animation runs or when
    // the style has no such view.
    bool show(LeafletView view);
    // Starts an animation; false while another runs or when the view allows no such move.
    bool start(LeafletMotion motion);
    // One timer tick: the angle moves by the step; at the end the target view is shown.
    // True while the animation goes on.
    bool tick();
    // What to draw now; valid while animating.
    LeafletFrame frame() const;

private:
    std::optional<LeafletView> targetOf(LeafletMotion motion) const;

    LeafletStyle m_style;
    LeafletScreenGeometry m_geometry;
    int m_step;
    LeafletView m_view = LeafletView::Front;
    std::optional<LeafletMotion> m_motion;
    LeafletView m_from = LeafletView::Front;
    int m_angle = 0;
};

// Draws a frame into the holder's picture: cleared to `background`, the resting pages on their
// panels, then the turning page. `pages` are the page pictures by page number.
void drawLeafletFrame(QPainter &painter, const LeafletFrame &frame,
                      const LeafletScreenGeometry &geometry, const QVector<QImage> &pages,
                      const QColor &background);
QImage renderLeafletFrame(const LeafletFrame &frame, const LeafletScreenGeometry &geometry,
                          const QVector<QImage> &pages, const QColor &background);

} // namespace quillora
