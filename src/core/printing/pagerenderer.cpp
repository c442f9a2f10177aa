#include "core/printing/pagerenderer.h"

#include "core/layout/colour.h"
#include "core/pictures/masks.h"
#include "core/printing/pageborder.h"
#include "core/text/rtfreader.h"
#include "core/text/textboxformat.h"
#include "core/text/textdrawing.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPrinting, "quillora.printing")

namespace quillora {

namespace {

// A rendered picture larger than this on either side is refused rather than allocated.
constexpr qreal kMaxImageSide = 20000.0;
// Shaped edges and borders are smoothed at the size they land, up to this many pixels on a
// side (an A4 sheet at about 340 dots per inch); larger pages have them drawn stretched.
constexpr qreal kMaxSmoothedSide = 4000.0;

QRectF scaledRect(const QRect &rect, const PageRenderOptions &options)
{
    return QRectF(options.origin + QPointF(rect.topLeft()) * options.scale,
                  QSizeF(rect.size()) * options.scale);
}

TextPlacement placementFor(const QRect &geometry, const PageRenderOptions &options)
{
    TextPlacement placement;
    placement.origin = options.origin + QPointF(geometry.topLeft()) * options.scale;
    placement.scaleX = options.scale;
    placement.scaleY = options.scale;
    placement.fontFactor = options.fontFactor;
    placement.copyNumber = options.copyNumber;
    return placement;
}

// Target device pixels per unit of the painter, so shaped edges are smoothed at the size they
// land on paper or in a picture rather than at the window's size.
qreal deviceScale(const QPainter &painter)
{
    const QTransform toDevice = painter.deviceTransform();
    return std::max(std::hypot(toDevice.m11(), toDevice.m12()),
                    std::hypot(toDevice.m21(), toDevice.m22()));
}

// `rect`'s size in device pixels on `painter`, kept within what may be allocated.
QSize deviceSize(const QPainter &painter, const QRectF &rect)
{
    const QSizeF size = rect.size() * deviceScale(painter);
    const qreal shrink = std::min(1.0, kMaxSmoothedSide / std::max(size.width(), size.height()));
    return (size * shrink).toSize().expandedTo(QSize(1, 1));
}

// A shaped picture: only the inside of its mask, its edge smoothed at `size`, the size it is
// drawn; the page and border show round it.
QImage clippedPicture(const PictureBoxModel &box, const QSize &size)
{
    const QImage coverage = masks::coverageFromMaskPicture(box.mask, size);
    QImage picture = box.image;
    if (picture.isNull()) {
        picture = QImage(box.geometry.size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    return masks::clipToShape(picture, coverage);
}

void drawShapedPicture(QPainter &painter, const PictureBoxModel &box, const QRectF &target,
                       const PageRenderOptions &options)
{
    const QSize size = deviceSize(painter, target);
    painter.drawImage(target, options.shared ? options.shared->shapedPicture(box, size)
                                             : clippedPicture(box, size));
}

QImage pageBorder(const PageModel &page, qreal scale, bool guide)
{
    return guide ? composeBorderGuide(page.border, page.pageRect.size(), scale)
                 : composeBorder(page.border, page.pageRect.size(), scale);
}

void drawPictures(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const PictureBoxModel &box : page.pictureBoxes) {
        if (!box.visible || box.geometry.isEmpty())
            continue;
        const QRectF target = scaledRect(box.geometry, options);
        if (box.hasMaskPicture && !box.mask.isNull()) {
            drawShapedPicture(painter, box, target, options);
            continue;
        }
        if (box.image.isNull())
            painter.fillRect(target, Qt::white);
        else
            painter.drawImage(target, box.image);
    }
    painter.restore();
}

void drawLinesAndBoxes(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const int lines = std::min<int>(page.announcedLines, page.lines.size());
    for (int i = 0; i < lines; ++i) {
        const LineModel &line = page.lines[i];
        painter.setPen(QPen(Qt::black, std::max(line.thickness, 1) * options.scale, Qt::SolidLine,
                            Qt::FlatCap));
        painter.drawLine(options.origin + QPointF(line.from) * options.scale,
                         options.origin + QPointF(line.to) * options.scale);
    }
    const int boxes = std::min<int>(page.announcedBoxes, page.boxes.size());
    painter.setPen(QPen(Qt::black, options.scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int i = 0; i < boxes; ++i)
        painter.drawRect(scaledRect(page.boxes[i].rect, options));
    painter.restore();
}

// The content of a rich text box: its stored RTF, or, before it has any, its plain text in
// the box's base style (as the box shows it).
void loadRichText(const RichTextBoxModel &box, QTextDocument &document)
{
    if (!box.rtf.isEmpty()) {
        QString error;
        if (readRtf(box.rtf.toLatin1(), document, &error))
            return;
        qCWarning(lcPrinting) << "rich text not drawn as written:" << error;
    }
    document.setPlainText(normalisedBoxText(box.plainText));
    QTextCharFormat format;
    format.setFont(fontForStyle(box.style), QTextCharFormat::FontPropertiesAll);
    format.setForeground(toQColor(box.style.colour));
    QTextBlockFormat block;
    block.setAlignment(qtAlignment(box.style.align));
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    all.mergeBlockFormat(block);
}

void drawTexts(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    for (const RichTextBoxModel &box : page.richTextBoxes) {
        if (!box.visible || box.geometry.isEmpty())
            continue;
        QTextDocument content;
        content.setUndoRedoEnabled(false);
        loadRichText(box, content);
        const TextBoxFormat format{box.style, QSizeF(box.geometry.size()), true};
        drawRichTextBox(painter, content, format, placementFor(box.geometry, options));
    }
    for (const TextBoxModel &box : page.textBoxes) {
        if (box.visible && !box.geometry.isEmpty())
            drawTextBox(painter, box, placementFor(box.geometry, options));
    }
}

void drawFrames(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    QVector<QRect> frames;
    for (const PictureBoxModel &box : page.pictureBoxes)
        if (box.visible && !(box.hasMaskPicture && !box.mask.isNull()))
            frames.append(box.geometry);
    for (const RichTextBoxModel &box : page.richTextBoxes)
        if (box.visible)
            frames.append(box.geometry);
    for (const TextBoxModel &box : page.textBoxes)
        if (box.visible)
            frames.append(box.geometry);
    painter.save();
    painter.setPen(QPen(toQColor(*options.frameColour), std::max(options.scale, 1.0)));
    painter.setBrush(Qt::NoBrush);
    for (const QRect &frame : std::as_const(frames))
        painter.drawRect(scaledRect(frame.adjusted(-1, -1, 1, 1), options));
    // A shaped picture is outlined along its shape, as the window shows it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRgb edgeColour = toQColor(*options.frameColour).rgba();
    for (const PictureBoxModel &box : page.pictureBoxes) {
        if (!box.visible || !box.hasMaskPicture || box.mask.isNull() || box.geometry.isEmpty())
            continue;
        const QRectF target = scaledRect(box.geometry, options);
        const QImage coverage =
            masks::coverageFromMaskPicture(box.mask, deviceSize(painter, target));
        // About a window pixel and a half wide, and never under two pixels where it lands.
        const int width = std::max(2, int(std::lround(1.5 * options.scale * deviceScale(painter))));
        painter.drawImage(target, masks::shapeEdge(coverage, edgeColour, width));
    }
    painter.restore();
}

} // namespace

QImage CopyDrawings::shapedPicture(const PictureBoxModel &box, const QSize &size)
{
    const QString key = QStringLiteral("picture %1 %2 %3x%4")
                            .arg(box.image.cacheKey())
                            .arg(box.mask.cacheKey())
                            .arg(size.width())
                            .arg(size.height());
    auto drawn = m_drawn.find(key);
    if (drawn == m_drawn.end())
        drawn = m_drawn.insert(key, clippedPicture(box, size));
    return *drawn;
}

QImage CopyDrawings::border(const PageModel &page, qreal scale, bool guide)
{
    const QString key = QStringLiteral("border %1 %2").arg(scale).arg(guide);
    auto drawn = m_drawn.find(key);
    if (drawn == m_drawn.end())
        drawn = m_drawn.insert(key, pageBorder(page, scale, guide));
    return *drawn;
}

void renderPage(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    // The border is composed at the pixels it lands on, so a map's edges are smooth there.
    const QRectF sheet = scaledRect(QRect(QPoint(0, 0), page.pageRect.size()), options);
    const qreal borderScale =
        page.pageRect.isEmpty() ? 1.0
                                : qreal(deviceSize(painter, sheet).width()) / page.pageRect.width();
    // Pictures of the layout itself (frames asked for) show where the border goes, as the
    // window does; printed and exported pages show only what was painted.
    const bool guide = options.frameColour.has_value();
    const QImage border = options.shared ? options.shared->border(page, borderScale, guide)
                                         : pageBorder(page, borderScale, guide);
    if (!border.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(sheet, border);
        painter.restore();
    }
    drawPictures(painter, page, options);
    if (options.frameColour)
        drawFrames(painter, page, options);
    drawLinesAndBoxes(painter, page, options);
    drawTexts(painter, page, options);
}

namespace {

QImage renderWithOptions(const PageModel &page, PageRenderOptions options)
{
    const qreal scale = options.scale;
    const QSizeF size = QSizeF(page.pageRect.size()) * scale;
    if (!(scale > 0) || size.isEmpty() || size.width() > kMaxImageSide ||
        size.height() > kMaxImageSide)
        return {};
    QImage image(size.toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, page, options);
    return image;
}

} // namespace

QImage renderPageImage(const PageModel &page, qreal scale)
{
    PageRenderOptions options;
    options.scale = scale;
    return renderWithOptions(page, options);
}

QImage renderPageThumbnail(const PageModel &page, const QSize &bounds, ColourRef frameColour)
{
    const QSize pageSize = page.pageRect.size();
    if (pageSize.isEmpty() || bounds.isEmpty())
        return {};
    const qreal scale = std::min(qreal(bounds.width()) / pageSize.width(),
                                 qreal(bounds.height()) / pageSize.height());
    PageRenderOptions options;
    options.scale = scale;
    options.frameColour = frameColour;
    return renderWithOptions(page, options);
}

} // namespace quillora
