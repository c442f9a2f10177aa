#pragma once
// A circle ("Circle"): one big disc cut into equal segments that the child paints, writes a word
// beside and turns. What a circle page holds, where its parts stand, and which segment a point
// of the disc lies in.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QVector>

namespace quillora {

constexpr int kMinCircleSegments = 2;
constexpr int kMaxCircleSegments = 12;
constexpr int kDefaultCircleSegments = 4;

// The circle's page: A4 landscape.
constexpr int kCirclePageWidthMm = 297;
constexpr int kCirclePageHeightMm = 210;

// The disc of `circleDiameter` pixels and its `segmentCount` segments, in the disc's own pixels
// (the disc's square picture, its top-left corner at 0, 0). Angles are the screen's: radians
// from the x axis, growing clockwise because y grows downwards. Segment 0 is the top one;
// the others follow clockwise.
struct CircleGeometry {
    int circleDiameter = 0;
    int segmentCount = kDefaultCircleSegments;

    double radius() const { return circleDiameter / 2.0; }
    QPointF centre() const { return {radius(), radius()}; }
    double segmentAngle() const;
    // Radius line `line` (0 .. segmentCount - 1): the first at 3π/2 − π/n, so the boundaries sit
    // symmetrically about the top.
    double radiusLineAngle(int line) const;
    // How far segment `segment` is turned clockwise from the top one, in radians.
    double segmentTurn(int segment) const;
    // The segment a point lies in, or -1 outside the disc.
    int segmentAt(QPointF point) const;
    // Unit vectors from the centre through the middle of each segment.
    QVector<QPointF> segmentMiddles() const;
    // The band along the rim that the ring covers and a finger drags to turn the circle.
    int ringWidth() const;
    // The paintable disc: inside the ring.
    double innerRadius() const { return radius() - ringWidth(); }
};

// The segment of a point `offset` from the centre: the one whose middle is nearest in angle.
// For loops over many pixels, with the middles worked out once.
int segmentOf(QPointF offset, const QVector<QPointF> &middles);

// The segment count a circle may have: within 2..12.
int clampSegmentCount(int count);

// Int(0.47 x page height).
int circleDiameterFor(int pageHeightPx);

// Where the circle's parts stand on its page (window pixels relative to the page).
struct CircleLayout {
    CircleGeometry geometry;
    QRect disc;               // the circle picture and the ring over it
    QVector<QRect> textBoxes; // one a segment, just outside the disc along its middle
};

// The disc centred across the page with its top at a quarter of the page height; each text box
// beyond the rim on the line through its segment's middle, the boxes narrower the more
// segments there are, so that no two meet and all stay on the page.
CircleLayout layOutCircle(const QSize &pagePx, int segmentCount);

struct CircleSegment {
    // The segment's own painting, upright as the top segment stands, on white (white lets the
    // template show through). Null while the segment is unpainted.
    QImage picture;
    QString text = kPlaceholderText;
    TextStyle style;
};

struct CirclePage {
    QSize pageSize;                  // window pixels
    QVector<CircleSegment> segments; // 2..12, clockwise from the top
    // `circPic`: the disc as the child sees and paints it. `drawnDisc` is the disc as it was
    // last drawn from the segments, so that new paint can be told from old.
    QImage disc;
    QImage drawnDisc;

    int segmentCount() const { return int(segments.size()); }
    CircleLayout layout() const { return layOutCircle(pageSize, segmentCount()); }
};

// The size of a segment's picture: the bounding box of the top segment.
QSize segmentPictureSize(const CircleGeometry &geometry);
// Where that box lies on the disc's picture.
QRect topSegmentRect(const CircleGeometry &geometry);

// The text style a new circle's words get: centred, big enough to read across a classroom.
TextStyle defaultSegmentTextStyle(const CircleLayout &layout);

// A new circle: unpainted segments with placeholder words, the disc drawn.
CirclePage newCirclePage(const QSize &pagePx, int segmentCount);

} // namespace quillora
