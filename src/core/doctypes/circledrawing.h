#pragma once
// Drawing a circle: the template (outline, radius lines, the white disc), the segments' own
// paintings laid on it each turned to its place, and back again: what the child painted on the
// disc taken into the segments' pictures. Also the shape painting keeps to, the ring over the
// rim and the words beside the segments.

#include "core/doctypes/circle.h"
#include "core/text/textdrawing.h"

class QPainter;

namespace quillora {

constexpr ColourRef kCircleLineColour = 0x404040;
constexpr ColourRef kCircleRingColour = colourRef(150, 170, 205);
constexpr ColourRef kCircleRingEdgeColour = colourRef(80, 95, 135);

// The circle template on a transparent square: the outline at the rim, the radius lines, and
// the disc inside filled white.
QImage drawCircleTemplate(const CircleGeometry &geometry);

// Draws the template and lays each segment's picture on it, turned clockwise to its segment,
// white seen through; the result becomes both the disc and the disc as drawn.
void drawCircle(CirclePage &page);

// Brings the segments' pictures up to date: every pixel of the disc the child changed since it
// was drawn goes, turned back upright, into its segment's picture. Pixels left alone keep the
// segment's own, so turning the circle again and again never wears the painting away.
void updateSegmentPictures(CirclePage &page);

// The shape painting keeps to (Grayscale8, 255 inside): the disc within the ring.
QImage discPaintShape(const CircleGeometry &geometry);

// The picture of the ring control `maskCtrl`: the ring over the rim on white, the ring
// control's see-through colour, so that only the ring takes presses.
QImage ringMaskPicture(const CircleGeometry &geometry);

// The text box that carries segment `segment`'s word, where the layout puts it.
TextBoxModel segmentTextBox(const CirclePage &page, const CircleLayout &layout, int segment);

// Draws the words of every segment with the text drawing, `placement.origin` being where the
// page's top-left corner goes. Placeholder words draw nothing.
void drawSegmentTexts(QPainter &painter, const CirclePage &page, const TextPlacement &placement);

} // namespace quillora
