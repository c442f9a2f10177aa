#include "core/doctypes/circle.h"

#include "core/doctypes/circledrawing.h"
#include "core/text/textboxformat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quillora {

namespace {

constexpr double kPi = std::numbers::pi;

// Shares of the page height: a text box's height and the room between the rim and the boxes.
constexpr int kTextBoxHeightPercent = 6;
constexpr int kTextGapPercent = 1;
// No text box is wider than this share of the disc's diameter.
constexpr int kTextBoxMaxWidthPercent = 45;
// The default font's size in points per pixel of its box's height: a line takes about two
// thirds of the box.
constexpr double kDefaultFontShareOfBox = 0.45;

} // namespace

double CircleGeometry::segmentAngle() const
{
    return 2.0 * kPi / segmentCount;
}

double CircleGeometry::radiusLineAngle(int line) const
{
    return 1.5 * kPi - kPi / segmentCount + line * segmentAngle();
}

double CircleGeometry::segmentTurn(int segment) const
{
    return segment * segmentAngle();
}

int CircleGeometry::segmentAt(QPointF point) const
{
    const QPointF offset = point - centre();
    if (segmentCount <= 0 || QPointF::dotProduct(offset, offset) > radius() * radius())
        return -1;
    return segmentOf(offset, segmentMiddles());
}

QVector<QPointF> CircleGeometry::segmentMiddles() const
{
    QVector<QPointF> middles;
    for (int segment = 0; segment < segmentCount; ++segment) {
        const double turn = segmentTurn(segment);
        middles.append(QPointF(std::sin(turn), -std::cos(turn)));
    }
    return middles;
}

int segmentOf(QPointF offset, const QVector<QPointF> &middles)
{
    int nearest = -1;
    double best = -std::numeric_limits<double>::infinity();
    for (int segment = 0; segment < middles.size(); ++segment) {
        const double along = QPointF::dotProduct(offset, middles[segment]);
        if (along > best) {
            best = along;
            nearest = segment;
        }
    }
    return nearest;
}

int CircleGeometry::ringWidth() const
{
    return std::max(10, circleDiameter / 24);
}

int clampSegmentCount(int count)
{
    return std::clamp(count, kMinCircleSegments, kMaxCircleSegments);
}

int circleDiameterFor(int pageHeightPx)
{
    return std::max(0, pageHeightPx) * 47 / 100;
}

CircleLayout layOutCircle(const QSize &pagePx, int segmentCount)
{
    CircleLayout layout;
    layout.geometry = {circleDiameterFor(pagePx.height()), clampSegmentCount(segmentCount)};
    const CircleGeometry &geometry = layout.geometry;
    const int diameter = geometry.circleDiameter;
    layout.disc = QRect((pagePx.width() - diameter) / 2, pagePx.height() / 4, diameter, diameter);

    const QPointF centre = QPointF(layout.disc.topLeft()) + geometry.centre();
    const double boxHeight = std::max(12, pagePx.height() * kTextBoxHeightPercent / 100);
    const double gap = std::max(4, pagePx.height() * kTextGapPercent / 100);
    // Neighbouring boxes stand one segment apart on a circle just beyond the rim: each may be as
    // wide as the chord between two neighbours there.
    const double reach = geometry.radius() + gap + boxHeight;
    const double chord = 2.0 * reach * std::sin(kPi / geometry.segmentCount) - gap;
    const double boxWidth =
        std::max(boxHeight, std::min(chord, diameter * kTextBoxMaxWidthPercent / 100.0));
    const QRect page(QPoint(0, 0), pagePx);
    const QVector<QPointF> middles = geometry.segmentMiddles();
    for (int segment = 0; segment < geometry.segmentCount; ++segment) {
        const QPointF outwards = middles[segment];
        // How far the box reaches towards the disc from its centre, along that line.
        const double halfExtent =
            boxWidth / 2.0 * std::abs(outwards.x()) + boxHeight / 2.0 * std::abs(outwards.y());
        const QPointF boxCentre = centre + outwards * (geometry.radius() + gap + halfExtent);
        QRect box(int(std::lround(boxCentre.x() - boxWidth / 2.0)),
                  int(std::lround(boxCentre.y() - boxHeight / 2.0)), int(boxWidth), int(boxHeight));
        // A page too small for the words keeps them on it, even if they then touch the disc.
        box.moveLeft(std::clamp(box.left(), 0, std::max(0, page.width() - box.width())));
        box.moveTop(std::clamp(box.top(), 0, std::max(0, page.height() - box.height())));
        layout.textBoxes.append(box);
    }
    return layout;
}

QRect topSegmentRect(const CircleGeometry &geometry)
{
    const double halfAngle = std::min(kPi / geometry.segmentCount, kPi / 2.0);
    const double halfWidth = geometry.radius() * std::sin(halfAngle);
    const int left = int(std::floor(geometry.radius() - halfWidth));
    const int right = int(std::ceil(geometry.radius() + halfWidth));
    return QRect(left, 0, right - left, int(std::ceil(geometry.radius())));
}

QSize segmentPictureSize(const CircleGeometry &geometry)
{
    return topSegmentRect(geometry).size();
}

TextStyle defaultSegmentTextStyle(const CircleLayout &layout)
{
    TextStyle style;
    style.align = Alignment::Centre;
    if (!layout.textBoxes.isEmpty())
        style.fontSize =
            std::max(kSmallestFittedFontSize,
                     std::floor(layout.textBoxes.first().height() * kDefaultFontShareOfBox));
    return style;
}

CirclePage newCirclePage(const QSize &pagePx, int segmentCount)
{
    CirclePage page;
    page.pageSize = pagePx;
    const CircleLayout layout = layOutCircle(pagePx, segmentCount);
    CircleSegment blank;
    blank.style = defaultSegmentTextStyle(layout);
    page.segments = QVector<CircleSegment>(layout.geometry.segmentCount, blank);
    drawCircle(page);
    return page;
}

} // namespace quillora
