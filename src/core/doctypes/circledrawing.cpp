#include "core/doctypes/circledrawing.h"

#include "core/pictures/floodfill.h"
#include "core/pictures/raster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillora {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kOpaque = 0xFF000000;

double lineWidthFor(const CircleGeometry &geometry)
{
    return std::max(2.0, geometry.circleDiameter / 160.0);
}

// A segment's turn as the rotation that takes a disc point back to where it stands upright.
struct Turn {
    double cosine = 1.0;
    double sine = 0.0;
    explicit Turn(double angle) : cosine(std::cos(angle)), sine(std::sin(angle)) {}
    // The point, relative to the centre, turned clockwise by the angle.
    QPointF forward(QPointF v) const
    {
        return {v.x() * cosine - v.y() * sine, v.x() * sine + v.y() * cosine};
    }
    QPointF back(QPointF v) const
    {
        return {v.x() * cosine + v.y() * sine, -v.x() * sine + v.y() * cosine};
    }
};

// Drawing the circle reads a segment's picture a fraction of a pixel either side of where the
// segment's edges turn to, so each picture keeps the paint of a thin band past its edges too:
// a stroke across a radius line then has no gap there, however the segments are turned.
constexpr double kEdgeBandPx = 1.5;

// Whether a point, relative to the centre, lies in the top segment or within the band round it.
bool inTopSegmentBand(QPointF offset, double halfAngle)
{
    const double fromTop = std::abs(std::atan2(offset.x(), -offset.y()));
    if (fromTop <= halfAngle)
        return true;
    const double past = fromTop - halfAngle;
    const double distance =
        std::hypot(offset.x(), offset.y()) * (past < std::numbers::pi / 2 ? std::sin(past) : 1.0);
    return distance <= kEdgeBandPx;
}

QImage whiteSegmentPicture(const CircleGeometry &geometry)
{
    QImage picture(segmentPictureSize(geometry), QImage::Format_RGB32);
    picture.fill(kWhite);
    return picture;
}

} // namespace

QImage drawCircleTemplate(const CircleGeometry &geometry)
{
    const int diameter = std::max(1, geometry.circleDiameter);
    QImage image(diameter, diameter, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb ink = raster::toPixel(kCircleLineColour);
    const double width = lineWidthFor(geometry);
    const QPointF centre = geometry.centre();
    const double rim = geometry.radius() - width / 2.0;
    raster::strokeEllipse(image, centre, rim, rim, width, ink);
    // The outline closes the disc, so the fill from the centre whitens exactly its inside.
    floodFill(image, centre.toPoint(), kWhite);
    for (int line = 0; line < geometry.segmentCount; ++line) {
        const double angle = geometry.radiusLineAngle(line);
        raster::fillCapsule(image, centre, centre + QPointF(std::cos(angle), std::sin(angle)) * rim,
                            width / 2.0, ink);
    }
    return image;
}

void drawCircle(CirclePage &page)
{
    const CircleGeometry geometry = page.layout().geometry;
    QImage disc = drawCircleTemplate(geometry);
    const QRect top = topSegmentRect(geometry);
    const QPointF centre = geometry.centre();
    const QPointF upright = centre - QPointF(top.topLeft());
    // Each segment's picture read straight from its rows: this runs for every pixel of the disc.
    struct Source {
        QImage picture;
        Turn turn{0.0};
    };
    QVector<Source> sources;
    bool anyPainted = false;
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        QImage picture = page.segments[segment].picture;
        if (!picture.isNull() && picture.format() != QImage::Format_RGB32)
            picture.convertTo(QImage::Format_RGB32);
        anyPainted = anyPainted || !picture.isNull();
        sources.append({picture, Turn(geometry.segmentTurn(segment))});
    }

    const QVector<QPointF> middles = geometry.segmentMiddles();
    const double radius = geometry.radius();
    for (int y = 0; anyPainted && y < disc.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(disc.scanLine(y));
        const double dy = y + 0.5 - centre.y();
        const double halfChord = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const int first = std::max(0, int(std::ceil(centre.x() - halfChord - 0.5)));
        const int last = std::min(disc.width() - 1, int(std::floor(centre.x() + halfChord - 0.5)));
        for (int x = first; x <= last; ++x) {
            const QPointF point(x + 0.5, y + 0.5);
            const int segment = segmentOf(point - centre, middles);
            if (segment < 0 || segment >= sources.size())
                continue;
            const QImage &picture = sources[segment].picture;
            if (picture.isNull())
                continue;
            const QPointF source = sources[segment].turn.back(point - centre) + upright;
            const int sx = int(std::floor(source.x()));
            const int sy = int(std::floor(source.y()));
            if (sx < 0 || sy < 0 || sx >= picture.width() || sy >= picture.height())
                continue;
            const QRgb pixel =
                reinterpret_cast<const QRgb *>(picture.constScanLine(sy))[sx] | kOpaque;
            if (pixel != kWhite)
                line[x] = pixel;
        }
    }
    page.disc = disc;
    page.drawnDisc = disc;
}

void updateSegmentPictures(CirclePage &page)
{
    if (page.disc.isNull() || page.disc.size() != page.drawnDisc.size() ||
        page.disc == page.drawnDisc)
        return;
    const CircleGeometry geometry = page.layout().geometry;
    const QRect top = topSegmentRect(geometry);
    const QPointF centre = geometry.centre();
    const QRect discRect = page.disc.rect();
    const double halfAngle = geometry.segmentAngle() / 2.0;
    const double radius = geometry.radius();
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        const Turn turn(geometry.segmentTurn(segment));
        QImage picture = page.segments[segment].picture;
        if (picture.size() != top.size())
            picture = whiteSegmentPicture(geometry);
        bool changed = false;
        for (int y = 0; y < top.height(); ++y) {
            for (int x = 0; x < top.width(); ++x) {
                const QPointF upright(top.left() + x + 0.5, top.top() + y + 0.5);
                const QPointF offset = upright - centre;
                if (QPointF::dotProduct(offset, offset) > radius * radius ||
                    !inTopSegmentBand(offset, halfAngle))
                    continue;
                const QPointF there = turn.forward(upright - centre) + centre;
                const QPoint pixel(int(std::floor(there.x())), int(std::floor(there.y())));
                if (!discRect.contains(pixel))
                    continue;
                const QRgb now = page.disc.pixel(pixel);
                if (now == page.drawnDisc.pixel(pixel))
                    continue;
                picture.setPixel(x, y, now | kOpaque);
                changed = true;
            }
        }
        if (changed)
            page.segments[segment].picture = picture;
    }
    page.drawnDisc = page.disc;
}

QImage discPaintShape(const CircleGeometry &geometry)
{
    const int diameter = std::max(1, geometry.circleDiameter);
    QImage shape(diameter, diameter, QImage::Format_Grayscale8);
    shape.fill(0);
    const double inner = geometry.innerRadius();
    const QPointF centre = geometry.centre();
    for (int y = 0; y < diameter; ++y) {
        uchar *line = shape.scanLine(y);
        for (int x = 0; x < diameter; ++x) {
            const QPointF offset = QPointF(x + 0.5, y + 0.5) - centre;
            if (QPointF::dotProduct(offset, offset) < inner * inner)
                line[x] = 255;
        }
    }
    return shape;
}

QImage ringMaskPicture(const CircleGeometry &geometry)
{
    const int diameter = std::max(1, geometry.circleDiameter);
    QImage ring(diameter, diameter, QImage::Format_RGB32);
    ring.fill(kWhite);
    const QPointF centre = geometry.centre();
    const double width = geometry.ringWidth();
    const double middle = geometry.radius() - width / 2.0;
    raster::strokeEllipse(ring, centre, middle, middle, width,
                          raster::toPixel(kCircleRingEdgeColour));
    const double edge = std::max(1.0, width / 8.0);
    raster::strokeEllipse(ring, centre, middle, middle, width - 2.0 * edge,
                          raster::toPixel(kCircleRingColour));
    return ring;
}

TextBoxModel segmentTextBox(const CirclePage &page, const CircleLayout &layout, int segment)
{
    TextBoxModel box;
    const CircleSegment &source = page.segments.at(segment);
    box.style = source.style;
    box.text = source.text;
    box.geometry = layout.textBoxes.value(segment);
    box.multiLine = false;
    box.visible = true;
    return box;
}

void drawSegmentTexts(QPainter &painter, const CirclePage &page, const TextPlacement &placement)
{
    const CircleLayout layout = page.layout();
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        const TextBoxModel box = segmentTextBox(page, layout, segment);
        TextPlacement at = placement;
        at.origin +=
            QPointF(box.geometry.x() * placement.scaleX, box.geometry.y() * placement.scaleY);
        drawTextBox(painter, box, at);
    }
}

} // namespace quillora
