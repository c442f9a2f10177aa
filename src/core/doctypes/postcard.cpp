#include "core/doctypes/postcard.h"

#include "core/foundation/fileaccess.h"
#include "core/layout/objectkinds.h"
#include "core/layout/templateelements.h"
#include "core/layout/templatereader.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace quillora {

namespace {

constexpr int kAddressLineDropPx = 3;

int pixels(int mm, float scale)
{
    return int(std::lround(double(mm) * double(scale)));
}

} // namespace

QRect pictureSideRect(float scale)
{
    return QRect(pixels(kPictureSideMarginMm, scale), pixels(kPictureSideMarginMm, scale),
                 pixels(kPictureSideWidthMm, scale), pixels(kPictureSideHeightMm, scale));
}

bool shapePostcard(PageModel &page, QString *error)
{
    if (page.pageWidthMm != kCardWidthMm || page.pageHeightMm != kCardHeightMm) {
        setError(error, QStringLiteral("a postcard is %1 x %2 mm, this page is %3 x %4 mm")
                            .arg(kCardWidthMm)
                            .arg(kCardHeightMm)
                            .arg(page.pageWidthMm)
                            .arg(page.pageHeightMm));
        return false;
    }
    // Whatever a stored description announces beyond the card's own objects is left out.
    page.textBoxes.resize(std::min<qsizetype>(page.textBoxes.size(), kPostcardTextBoxes));
    page.pictureBoxes.resize(kPostcardPictureBoxes);
    page.richTextBoxes.clear();
    page.handles.clear();
    page.lines.clear();
    page.boxes.clear();
    page.border = BorderModel{};
    page.announcedTextBoxes = int(page.textBoxes.size());
    page.announcedPictureBoxes = kPostcardPictureBoxes;
    page.announcedRichTextBoxes = 0;
    page.announcedHandles = 0;
    page.announcedLines = 0;
    page.announcedBoxes = 0;

    PictureBoxModel &picture = page.pictureBoxes[kPostcardPictureIndex];
    picture.geometry = pictureSideRect(page.scale);
    picture.visible = true;
    picture.hasMaskPicture = false;
    picture.mask = QImage();
    // A stamp box is only a stamp while it lies on the card.
    PictureBoxModel &stamp = page.pictureBoxes[kPostcardStampIndex];
    stamp.geometry &= QRect(QPoint(0, 0), page.pageRect.size());
    stamp.hasMaskPicture = false;
    stamp.mask = QImage();
    return true;
}

bool buildPostcard(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                   QString *error)
{
    if (!readTemplate(templatePath, page, fit, error) || !shapePostcard(page, error))
        return false;
    const QString stampPath = stampPicturePath(templatePath);
    const QImage stamp = loadSidePicture(stampPath);
    if (stamp.isNull()) {
        setError(error,
                 QStringLiteral(
                     QT_TRANSLATE_NOOP("Quillora", "The stamp picture \"%1\" could not be read."))
                     .arg(stampPath));
        return false;
    }
    PictureBoxModel &box = page.pictureBoxes[kPostcardStampIndex];
    box.image = stampBoxPicture(stamp, postcardFurniture(page).stampFrame, box.geometry.size());
    return true;
}

PostcardFurniture postcardFurniture(const PageModel &page)
{
    PostcardFurniture furniture;
    if (page.pictureBoxes.size() > kPostcardPictureIndex)
        furniture.pictureFrame = page.pictureBoxes[kPostcardPictureIndex].geometry.adjusted(
            -kPictureFrameOutsetPx, -kPictureFrameOutsetPx, kPictureFrameOutsetPx,
            kPictureFrameOutsetPx);
    if (page.pictureBoxes.size() > kPostcardStampIndex)
        furniture.stampFrame = page.pictureBoxes[kPostcardStampIndex].geometry.adjusted(
            -kStampFrameOutsetPx, -kStampFrameOutsetPx, kStampFrameOutsetPx, kStampFrameOutsetPx);
    const int middle = page.pageRect.width() / 2;
    furniture.divider = QLine(middle, pixels(kDividerTopMm, page.scale), middle,
                              pixels(kDividerBottomMm, page.scale));
    for (int i = 0; i < page.textBoxes.size(); ++i) {
        if (!isAddressBox(page, i))
            continue;
        // Just below the box's frame, so the box never covers its line on screen.
        const QRect box = page.textBoxes[i].geometry;
        const int y = box.bottom() + kAddressLineDropPx;
        furniture.addressLines.append(QLine(box.left(), y, box.right(), y));
    }
    return furniture;
}

PostcardSide sideOf(ObjectKind kind, int index)
{
    return kind == ObjectKind::Picture && index == kPostcardPictureIndex ? PostcardSide::Picture
                                                                         : PostcardSide::Writing;
}

bool isAddressBox(const PageModel &page, int textIndex)
{
    if (textIndex < 0 || textIndex >= page.textBoxes.size())
        return false;
    const TextBoxModel &box = page.textBoxes[textIndex];
    return box.visible && box.geometry.left() > page.pageRect.width() / 2;
}

QString stampPicturePath(const QString &templatePath)
{
    return QFileInfo(templatePath).dir().filePath(kStampPictureName);
}

QImage stampBoxPicture(const QImage &stamp, const QRect &stampFrame, const QSize &boxSize)
{
    if (boxSize.isEmpty())
        return {};
    QImage picture(boxSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (stamp.isNull() || stampFrame.isEmpty())
        return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The box lies kStampFrameOutsetPx inside the frame the whole picture is stretched over.
    painter.drawImage(QRect(QPoint(-kStampFrameOutsetPx, -kStampFrameOutsetPx), stampFrame.size()),
                      stamp);
    return picture;
}

} // namespace quillora
