#include "core/doctypes/cartoon.h"

#include "core/text/plainfit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillora {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTailStep = kPi / 48;
// The tail's base spans 4 steps of the ellipse, 2 either side of the tail's direction.
constexpr int kTailHalfBaseSteps = 2;
constexpr int kStepsRound = 96;
// The thought trail: puffs from 1.2 ellipse radii out, every 0.2, radius 10 shrinking to 4.
constexpr double kFirstPuffAt = 1.2;
constexpr double kPuffSpacing = 0.2;
constexpr int kFirstPuffRadius = 10;
constexpr int kSmallestPuffRadius = 4;
constexpr int kMaxPuffs = 64;
// Room between a caption box's line and its words.
constexpr int kCaptionMargin = 8;
// The text area of an ellipse keeps this much from the inscribed rectangle's edge.
constexpr int kTextInset = 2;
// A new bubble's width on small and on larger screens.
constexpr int kLargeScreenBubbleWidth = 320;
constexpr int kSmallScreenBubbleWidth = 240;
constexpr double kLargeScreenBubbleFontSize = 16.0;

// Sides are kept to multiples of 4, so the centre and the quarter that places the size handle
// are whole pixels and a bubble read back from its description has the size it was saved with.
int wholeQuarters(double side)
{
    return std::max(8, int(std::lround(side / 4.0)) * 4);
}

QPoint topLeftOf(const BubbleModel &bubble)
{
    return bubble.geometry.topLeft();
}

} // namespace

void ComicStripState::translateWords(const std::function<QString(const QString &)> &translated)
{
    for (BubbleModel &bubble : bubbles)
        bubble.text = translated(bubble.text);
}

void ComicStripState::addReadingPieces(const PageModel &page,
                                       QVector<KindReadingPiece> &pieces) const
{
    for (int i = 0; i < bubbles.size(); ++i) {
        const BubbleModel &bubble = bubbles[i];
        if (!bubble.visible)
            continue;
        const QPoint frameOrigin = bubble.frame >= 0 && bubble.frame < page.pictureBoxes.size()
                                       ? page.pictureBoxes[bubble.frame].geometry.topLeft()
                                       : QPoint();
        pieces.append(
            {{ObjectKind::Bubble, i}, 0, bubble.geometry.translated(frameOrigin), bubble.text});
    }
}

std::optional<KindReadingPiece> ComicStripState::currentReadingPiece(const PageModel &page,
                                                                     int) const
{
    const int i = page.current.index;
    if (page.current.kind != ObjectKind::Bubble || i < 0 || i >= bubbles.size())
        return std::nullopt;
    return KindReadingPiece{page.current, 0, bubbles[i].geometry, bubbles[i].text};
}

const QVector<BubbleModel> &bubblesOf(const PageModel &page)
{
    static const QVector<BubbleModel> none;
    const ComicStripState *state = page.findKindState<ComicStripState>();
    return state ? state->bubbles : none;
}

double tailDirection(QPointF centre, QPointF tip, double rx, double ry)
{
    const double x = rx > 0 ? (tip.x() - centre.x()) / rx : 0.0;
    const double y = ry > 0 ? (tip.y() - centre.y()) / ry : 0.0;
    double theta = 0.0;
    if (x == 0.0)
        theta = y > 0.0 ? kPi / 2 : 3 * kPi / 2;
    else if (x > 0.0)
        theta = std::atan(y / x);
    else
        theta = std::atan(y / x) + kPi;
    if (theta < 0.0)
        theta += 2 * kPi;
    return theta;
}

BubbleLayout bubbleLayout(BubbleKind kind, QSize surface)
{
    BubbleLayout layout;
    const int width = surface.width();
    const int height = surface.height();
    layout.centre = QPointF(width / 2.0, height / 2.0);
    layout.rx = int(0.25 * width);
    layout.ry = int(0.25 * height);
    if (kind == BubbleKind::Caption) {
        const QRect box(width / 2 - layout.rx, height / 2 - layout.ry, 2 * layout.rx,
                        2 * layout.ry);
        layout.textArea =
            box.adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
    } else {
        const int a = int(layout.rx * std::cos(kPi / 4));
        const int b = int(layout.ry * std::sin(kPi / 4));
        layout.textArea =
            QRect(int(width / 2.0 - a + kTextInset), int(height / 2.0 - b + kTextInset),
                  2 * a - 2 * kTextInset, 2 * b - 2 * kTextInset);
    }
    if (layout.textArea.width() < 1 || layout.textArea.height() < 1)
        layout.textArea = QRect(layout.centre.toPoint(), QSize(1, 1));
    return layout;
}

QPolygonF speechOutline(QSize surface, QPointF tip)
{
    const BubbleLayout layout = bubbleLayout(BubbleKind::Speech, surface);
    const double theta = tailDirection(layout.centre, tip, layout.rx, layout.ry);
    QPolygonF outline;
    outline.reserve(kStepsRound);
    outline << tip;
    for (int step = kTailHalfBaseSteps; step <= kStepsRound - kTailHalfBaseSteps; ++step) {
        const double phi = theta + step * kTailStep;
        outline << QPointF(layout.centre.x() + layout.rx * std::cos(phi),
                           layout.centre.y() + layout.ry * std::sin(phi));
    }
    outline << tip;
    return outline;
}

QVector<QRectF> thoughtTrail(QSize surface, QPointF tip)
{
    const BubbleLayout layout = bubbleLayout(BubbleKind::Thought, surface);
    const double theta = tailDirection(layout.centre, tip, layout.rx, layout.ry);
    const double radiusThatWay =
        std::hypot(layout.rx * std::cos(theta), layout.ry * std::sin(theta));
    QVector<QRectF> puffs;
    if (radiusThatWay <= 0.0)
        return puffs;
    const QPointF toTip = tip - layout.centre;
    const double reach = std::hypot(toTip.x(), toTip.y()) / radiusThatWay;
    int radius = kFirstPuffRadius;
    for (int i = 0; puffs.size() < kMaxPuffs; ++i) {
        const double t = kFirstPuffAt + i * kPuffSpacing;
        if (t > reach)
            break;
        const QPointF centre(layout.centre.x() + layout.rx * t * std::cos(theta),
                             layout.centre.y() + layout.ry * t * std::sin(theta));
        puffs.append(
            QRectF(centre.x() - radius, centre.y() - radius / 2.0, 2.0 * radius, double(radius)));
        radius = std::max(radius - 1, kSmallestPuffRadius);
    }
    return puffs;
}

QPainterPath bubbleShape(const BubbleModel &bubble)
{
    const QSize surface = bubble.geometry.size();
    const BubbleLayout layout = bubbleLayout(bubble.kind, surface);
    const QPointF tip = QPointF(bubble.tip - topLeftOf(bubble));
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    switch (bubble.kind) {
    case BubbleKind::Speech:
        shape.addPolygon(speechOutline(surface, tip));
        shape.closeSubpath();
        break;
    case BubbleKind::Thought:
        shape.addEllipse(layout.centre, layout.rx, layout.ry);
        for (const QRectF &puff : thoughtTrail(surface, tip))
            shape.addEllipse(puff);
        break;
    case BubbleKind::Caption:
        shape.addRect(QRectF(layout.centre.x() - layout.rx, layout.centre.y() - layout.ry,
                             2.0 * layout.rx, 2.0 * layout.ry));
        break;
    }
    return shape;
}

bool bubbleContains(const BubbleModel &bubble, QPoint framePoint)
{
    if (!bubble.visible || !bubble.geometry.contains(framePoint))
        return false;
    return bubbleShape(bubble).contains(QPointF(framePoint - topLeftOf(bubble)));
}

TextBoxModel bubbleTextBox(const BubbleModel &bubble)
{
    TextBoxModel box;
    box.style = bubble.style;
    box.style.align = Alignment::Centre;
    box.geometry =
        bubbleLayout(bubble.kind, bubble.geometry.size()).textArea.translated(topLeftOf(bubble));
    box.text = bubble.text;
    box.multiLine = true;
    box.visible = bubble.visible;
    TextMeasure measure;
    box.style.fontSize = fittedFontSize(measure, formatOf(box), box.text);
    if (box.text.isEmpty())
        return box;
    measure.load(formatOf(box), box.text);
    const int used = int(std::ceil(measure.lineCount() * measure.lineHeight()));
    const int spare = box.geometry.height() - used;
    if (spare > 1)
        box.geometry.adjust(0, spare / 2, 0, 0);
    return box;
}

bool fitBubbleText(BubbleModel &bubble)
{
    const double fitted = bubbleTextBox(bubble).style.fontSize;
    if (fitted == bubble.style.fontSize)
        return false;
    bubble.style.fontSize = fitted;
    return true;
}

QPoint sizeHandleCentre(const BubbleModel &bubble)
{
    const BubbleLayout layout = bubbleLayout(bubble.kind, bubble.geometry.size());
    return topLeftOf(bubble) +
           QPoint(int(layout.centre.x()) + layout.rx, int(layout.centre.y()) + layout.ry);
}

int maxBubbleReach(int frameWidth)
{
    return std::max(kMinBubbleReach, int(kMaxBubbleReachShare * frameWidth));
}

QRect resizedBubble(const BubbleModel &bubble, QPoint handle, int frameWidth)
{
    const QRect &surface = bubble.geometry;
    const QPointF centre = QRectF(surface).center();
    const double now = std::hypot(surface.width() / 4.0, surface.height() / 4.0);
    if (now <= 0.0)
        return surface;
    const QPointF pull = QPointF(handle) - centre;
    const double wanted = std::clamp(std::hypot(pull.x(), pull.y()), double(kMinBubbleReach),
                                     double(maxBubbleReach(frameWidth)));
    const double factor = wanted / now;
    const QSize size(wholeQuarters(surface.width() * factor),
                     wholeQuarters(surface.height() * factor));
    return QRect(QPoint(int(std::lround(centre.x() - size.width() / 2.0)),
                        int(std::lround(centre.y() - size.height() / 2.0))),
                 size);
}

QPoint clampedTip(const QRect &surface, QPoint tip)
{
    if (surface.isEmpty())
        return tip;
    return QPoint(std::clamp(tip.x(), surface.left(), surface.right()),
                  std::clamp(tip.y(), surface.top(), surface.bottom()));
}

QSize defaultBubbleSize(int screenWidthPx, int frameWidth)
{
    const int width =
        screenWidthPx <= kSmallScreenWidthPx ? kSmallScreenBubbleWidth : kLargeScreenBubbleWidth;
    QSize size(width, width * 3 / 4);
    // The size handle's reach is a fifth of the width more than a quarter of it (3-4-5).
    const int reach = int(std::hypot(size.width() / 4.0, size.height() / 4.0));
    const int allowed = maxBubbleReach(frameWidth);
    if (reach > allowed)
        size = QSize(wholeQuarters(allowed * 3.2), wholeQuarters(allowed * 2.4));
    return size;
}

double defaultBubbleFontSize(int screenWidthPx)
{
    return screenWidthPx <= kSmallScreenWidthPx ? kSmallScreenBubbleFontSize
                                                : kLargeScreenBubbleFontSize;
}

int frameAt(const PageModel &page, QPoint pagePoint)
{
    // The last box drawn is the one on top.
    for (int i = page.pictureBoxes.size() - 1; i >= 0; --i) {
        const PictureBoxModel &box = page.pictureBoxes[i];
        if (box.visible && box.geometry.contains(pagePoint))
            return i;
    }
    return -1;
}

int createBubble(PageModel &page, BubbleKind kind, int frame, QPoint at, QSize surface,
                 const TextStyle &style)
{
    if (frame < 0 || frame >= page.pictureBoxes.size() || surface.isEmpty())
        return -1;
    QVector<BubbleModel> &bubbles = page.kindState<ComicStripState>().bubbles;
    int index = 0;
    while (index < bubbles.size() && bubbles[index].visible)
        ++index;
    if (index >= kMaxBubbles)
        return -1;
    if (index == bubbles.size())
        bubbles.append(BubbleModel{});
    BubbleModel &bubble = bubbles[index];
    bubble = BubbleModel{};
    bubble.kind = kind;
    bubble.frame = frame;
    bubble.geometry = QRect(at - QPoint(surface.width() / 2, surface.height() / 2), surface);
    const QRect frameArea(QPoint(0, 0), page.pictureBoxes[frame].geometry.size());
    bubble.tip = clampedTip(bubble.geometry & frameArea,
                            at + QPoint(-surface.width() * 3 / 8, surface.height() * 3 / 8));
    bubble.text.clear();
    bubble.style = style;
    bubble.style.align = Alignment::Centre;
    bubble.visible = true;
    return index;
}

void deleteBubble(PageModel &page, int index)
{
    if (index < 0 || index >= bubblesOf(page).size())
        return;
    BubbleModel &bubble = page.kindState<ComicStripState>().bubbles[index];
    bubble.visible = false;
    bubble.text.clear();
}

void moveBubble(BubbleModel &bubble, QPoint topLeft)
{
    const QPoint by = topLeft - bubble.geometry.topLeft();
    bubble.geometry.translate(by);
    bubble.tip += by;
}

BubbleDrop dropBubble(PageModel &page, int index, QPoint pagePoint, bool overBin,
                      QPoint startTopLeft)
{
    if (index < 0 || index >= bubblesOf(page).size())
        return BubbleDrop::Stayed;
    BubbleModel &bubble = page.kindState<ComicStripState>().bubbles[index];
    if (overBin) {
        deleteBubble(page, index);
        return BubbleDrop::Binned;
    }
    const int frame = frameAt(page, pagePoint);
    if (frame == bubble.frame)
        return BubbleDrop::Stayed;
    if (frame < 0 || bubble.frame < 0 || bubble.frame >= page.pictureBoxes.size()) {
        moveBubble(bubble, startTopLeft);
        return BubbleDrop::WentBack;
    }
    const QPoint offset = page.pictureBoxes[bubble.frame].geometry.topLeft() -
                          page.pictureBoxes[frame].geometry.topLeft();
    bubble.geometry.translate(offset);
    bubble.tip += offset;
    bubble.frame = frame;
    return BubbleDrop::ChangedFrame;
}

} // namespace quillora
