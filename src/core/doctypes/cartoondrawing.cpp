#include "core/doctypes/cartoondrawing.h"

#include "core/doctypes/cartoon.h"
#include "core/text/textdrawing.h"

#include <QPainter>

namespace quillora {

namespace {

// A page picture larger than this on a side is refused rather than allocated.
constexpr qreal kMaxPictureSide = 20000.0;
// The frames' outline, window pixels: a comic's panels are drawn in ink.
constexpr qreal kFrameLineWidth = 2.0;

QRectF frameOnTarget(const PictureBoxModel &box, const PageRenderOptions &options)
{
    return QRectF(options.origin + QPointF(box.geometry.topLeft()) * options.scale,
                  QSizeF(box.geometry.size()) * options.scale);
}

} // namespace

void paintBubbleShape(QPainter &painter, const BubbleModel &bubble)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Mitred: a round join where the outline turns back at its top or bottom draws a
    // pixel-high tick across the line.
    painter.setPen(QPen(Qt::black, kBubbleLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    // Filled as one shape, so where the puffs or the tail meet the ellipse no line crosses.
    const QPainterPath shape = bubbleShape(bubble).simplified();
    painter.drawPath(shape);
    painter.restore();
}

void drawBubble(QPainter &painter, const BubbleModel &bubble, QPointF frameOrigin, qreal scale,
                const QRectF &frameOnTarget, qreal fontFactor)
{
    if (!bubble.visible || bubble.geometry.isEmpty())
        return;
    painter.save();
    painter.setClipRect(frameOnTarget, Qt::IntersectClip);
    painter.save();
    painter.translate(frameOrigin + QPointF(bubble.geometry.topLeft()) * scale);
    painter.scale(scale, scale);
    paintBubbleShape(painter, bubble);
    painter.restore();
    const TextBoxModel words = bubbleTextBox(bubble);
    TextPlacement placement;
    placement.origin = frameOrigin + QPointF(words.geometry.topLeft()) * scale;
    placement.scaleX = scale;
    placement.scaleY = scale;
    placement.fontFactor = fontFactor;
    drawTextBox(painter, words, placement);
    painter.restore();
}

void renderCartoonPage(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    renderPage(painter, page, options);
    painter.save();
    painter.setPen(QPen(Qt::black, kFrameLineWidth * options.scale, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    for (const PictureBoxModel &box : page.pictureBoxes)
        if (box.visible && !box.geometry.isEmpty())
            painter.drawRect(frameOnTarget(box, options));
    painter.restore();
    for (const BubbleModel &bubble : bubblesOf(page)) {
        if (!bubble.visible || bubble.frame < 0 || bubble.frame >= page.pictureBoxes.size())
            continue;
        const PictureBoxModel &frame = page.pictureBoxes[bubble.frame];
        const QRectF target = frameOnTarget(frame, options);
        drawBubble(painter, bubble, target.topLeft(), options.scale, target, options.fontFactor);
    }
}

QImage renderCartoonPageImage(const PageModel &page, qreal scale)
{
    const QSizeF size = QSizeF(page.pageRect.size()) * scale;
    if (!(scale > 0) || size.isEmpty() || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide)
        return {};
    QImage image(size.toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderOptions options;
    options.scale = scale;
    renderCartoonPage(painter, page, options);
    return image;
}

PrintResult printCartoon(const PageModel &page, PrintDevice &device, const PrintSettings &settings)
{
    return printPageCopies(
        device, orientationFor(page), page.pageRect.size(), settings,
        [&](QPainter &painter, const PageRenderOptions &options) {
            renderCartoonPage(painter, page, options);
        },
        "the comic strip");
}

} // namespace quillora
