#include "core/doctypes/circleprint.h"

#include "core/doctypes/circledrawing.h"

#include <QPainter>

#include <algorithm>

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
    if (page.pageSize.isEmpty())
        return {PrintOutcome::Failed, QStringLiteral("the page has no size")};
    const int copies = std::clamp(settings.copies, 1, kMaxPrintCopies);
    return runPrintJob(
        device, PageOrientation::Landscape, copies,
        [&](int) {
            PageRenderOptions options;
            options.scale =
                printScale(device.printableArea().width(), settings.zoom, page.pageSize.width());
            options.fontFactor = settings.fontFactor;
            renderCirclePage(device.painter(), page, options);
        },
        "the circle");
}

} // namespace quillora
