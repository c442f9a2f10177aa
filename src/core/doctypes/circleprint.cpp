#include "core/doctypes/circleprint.h"

#include "core/doctypes/circledrawing.h"

#include <QPainter>

namespace quillora {

void renderCirclePage(QPainter &painter, const CirclePage &page, const PageRenderOptions &options)
{
    const QRect disc = page.layout().disc;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target(options.origin + QPointF(disc.topLeft()) * options.scale,
                        QSizeF(disc.size()) * options.scale);
    painter.drawImage(target, page.disc);
    painter.restore();
    TextPlacement placement;
    placement.origin = options.origin;
    placement.scaleX = options.scale;
    placement.scaleY = options.scale;
    placement.fontFactor = options.fontFactor;
    drawSegmentTexts(painter, page, placement);
}

QImage renderCirclePageImage(const CirclePage &page, qreal scale)
{
    const QSize size = (QSizeF(page.pageSize) * scale).toSize();
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderOptions options;
    options.scale = scale;
    renderCirclePage(painter, page, options);
    return image;
}

PrintResult printCircle(const CirclePage &page, PrintDevice &device, const PrintSettings &settings)
{
    return printPageCopies(
        device, PageOrientation::Landscape, page.pageSize, settings,
        [&](QPainter &painter, const PageRenderOptions &options) {
            renderCirclePage(painter, page, options);
        },
        "the circle");
}

} // namespace quillora
