#include "core/doctypes/circleprint.h"

#include "core/doctypes/circledrawing.h"

#include <QLoggingCategory>
#include <QPainter>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcPrinting)

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
    device.setOrientation(PageOrientation::Landscape);
    QString error;
    if (!device.begin(&error))
        return {error.isEmpty() ? PrintOutcome::Cancelled : PrintOutcome::Failed, error};
    PageRenderOptions options;
    options.scale =
        printScale(device.printableArea().width(), settings.zoom, page.pageSize.width());
    options.fontFactor = settings.fontFactor;
    const int copies = std::clamp(settings.copies, 1, kMaxPrintCopies);
    for (int copy = 1; copy <= copies; ++copy) {
        if (copy > 1 && !device.newPage()) {
            error = QStringLiteral("the printer refused a new page");
            break;
        }
        renderCirclePage(device.painter(), page, options);
    }
    QString finishError;
    if (!device.finish(&finishError) && error.isEmpty())
        error = finishError;
    if (!error.isEmpty()) {
        qCWarning(lcPrinting) << "printing the circle on" << device.name() << "failed:" << error;
        return {PrintOutcome::Failed, error};
    }
    return {PrintOutcome::Printed, {}};
}

} // namespace quillora
