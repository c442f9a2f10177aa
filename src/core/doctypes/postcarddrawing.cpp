#include "core/doctypes/postcarddrawing.h"

#include "core/text/textdrawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

constexpr int kDividerWidthPx = 2;
constexpr int kAddressLineWidthPx = 2;
// The drawn stamp edge: a warm band with round perforations along its outer edge.
constexpr ColourRef kStampEdgeColour = 0x1A8CFF;
constexpr double kPerforationStepPx = 6.0;

void drawPicture(QPainter &painter, const PictureBoxModel &box, const QRectF &target)
{
    if (box.image.isNull())
        painter.fillRect(target, Qt::white);
    else
        painter.drawImage(target, box.image);
}

// A stamp edge where no stamp picture is at hand (the printer): perforations in a coloured band.
void drawStampEdge(QPainter &painter, const QRectF &frame, qreal scale)
{
    painter.fillRect(frame, toQColor(kStampEdgeColour));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal radius = kStampFrameOutsetPx * scale * 0.45;
    const qreal step = kPerforationStepPx * scale;
    for (qreal x = frame.left() + step / 2; x < frame.right(); x += step) {
        painter.drawEllipse(QPointF(x, frame.top()), radius, radius);
        painter.drawEllipse(QPointF(x, frame.bottom()), radius, radius);
    }
    for (qreal y = frame.top() + step / 2; y < frame.bottom(); y += step) {
        painter.drawEllipse(QPointF(frame.left(), y), radius, radius);
        painter.drawEllipse(QPointF(frame.right(), y), radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

QRectF scaled(const QRect &rect, const PostcardDrawOptions &options)
{
    return QRectF(options.origin + QPointF(rect.topLeft()) * options.scale,
                  QSizeF(rect.size()) * options.scale);
}

QLineF scaled(const QLine &line, const PostcardDrawOptions &options)
{
    return QLineF(options.origin + QPointF(line.p1()) * options.scale,
                  options.origin + QPointF(line.p2()) * options.scale);
}

void drawPictureSide(QPainter &painter, const PageModel &page, const PostcardFurniture &furniture,
                     const PostcardDrawOptions &options)
{
    if (options.screenFurniture)
        painter.fillRect(scaled(furniture.pictureFrame, options), toQColor(kPictureFrameColour));
    const PictureBoxModel &box = page.pictureBoxes[kPostcardPictureIndex];
    drawPicture(painter, box, scaled(box.geometry, options));
}

void drawWritingSide(QPainter &painter, const PageModel &page, const PostcardFurniture &furniture,
                     const PostcardDrawOptions &options)
{
    QPen line(toQColor(kCardLineColour), kDividerWidthPx * options.scale);
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    painter.drawLine(scaled(furniture.divider, options));
    line.setWidthF(kAddressLineWidthPx * options.scale);
    painter.setPen(line);
    for (const QLine &address : furniture.addressLines)
        painter.drawLine(scaled(address, options));

    const PictureBoxModel &stamp = page.pictureBoxes[kPostcardStampIndex];
    if (stamp.visible && !stamp.geometry.isEmpty()) {
        const QRectF frame = scaled(furniture.stampFrame, options);
        if (options.stampFrame.isNull())
            drawStampEdge(painter, frame, options.scale);
        else
            painter.drawImage(frame, options.stampFrame);
        drawPicture(painter, stamp, scaled(stamp.geometry, options));
    }

    for (const TextBoxModel &box : page.textBoxes) {
        if (!box.visible)
            continue;
        TextPlacement placement;
        placement.origin = options.origin + QPointF(box.geometry.topLeft()) * options.scale;
        placement.scaleX = options.scale;
        placement.scaleY = options.scale;
        placement.fontFactor = options.fontFactor;
        drawTextBox(painter, box, placement);
    }
}

} // namespace

void drawPostcardSide(QPainter &painter, const PageModel &page, PostcardSide side,
                      const PostcardDrawOptions &options)
{
    if (page.pictureBoxes.size() < kPostcardPictureBoxes)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const PostcardFurniture furniture = postcardFurniture(page);
    if (side == PostcardSide::Picture)
        drawPictureSide(painter, page, furniture, options);
    else
        drawWritingSide(painter, page, furniture, options);
    painter.restore();
}

QImage renderPostcardSide(const PageModel &page, PostcardSide side,
                          const PostcardDrawOptions &options)
{
    const QSize size(int(std::ceil(page.pageRect.width() * options.scale)),
                     int(std::ceil(page.pageRect.height() * options.scale)));
    if (size.isEmpty())
        return {};
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PostcardDrawOptions atCorner = options;
    atCorner.origin = QPointF();
    drawPostcardSide(painter, page, side, atCorner);
    return picture;
}

PrintResult printPostcard(const PageModel &page, PrintDevice &device, const PrintSettings &settings)
{
    if (page.pageRect.isEmpty())
        return {PrintOutcome::Failed, QStringLiteral("the postcard has no size")};
    const int copies = std::clamp(settings.copies, 1, kMaxPrintCopies);
    constexpr int kSides = 2;
    device.askTwoSidedShortEdge();
    return runPrintJob(
        device, PageOrientation::Landscape, copies * kSides,
        [&](int sheet) {
            const QRectF printable = device.printableArea();
            PostcardDrawOptions options;
            options.scale = std::min(printable.width() / page.pageRect.width(),
                                     printable.height() / page.pageRect.height()) *
                            settings.zoom;
            // Centred, so the two sides meet back to back when the sheet is turned over.
            options.origin =
                QPointF((printable.width() - page.pageRect.width() * options.scale) / 2,
                        (printable.height() - page.pageRect.height() * options.scale) / 2);
            options.fontFactor = settings.fontFactor;
            drawPostcardSide(device.painter(), page,
                             sheet % kSides == 0 ? PostcardSide::Picture : PostcardSide::Writing,
                             options);
        },
        "the postcard");
}

} // namespace quillora
