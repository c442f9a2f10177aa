#include "core/pictures/pictureimport.h"

#include "core/layout/objectkinds.h"
#include <QPainter>

#include <algorithm>

#include <cmath>

namespace quillora {

namespace {

// An imported or pasted object takes half the page.
constexpr double kImportFitFactor = 0.5;

bool onMyLayout(const PageModel &page)
{
    return kindInfo(page.documentType).freeArrangement;
}

bool validBox(const PageModel &page, int index)
{
    return index >= 0 && index < page.pictureBoxes.size();
}

} // namespace

QString importChoiceText(ImportChoice choice)
{
    switch (choice) {
    case ImportChoice::Crop:
        return QStringLiteral("crop");
    case ImportChoice::Letterbox:
        return QStringLiteral("letterbox");
    case ImportChoice::Cancel:
        break;
    }
    return QStringLiteral("cancel");
}

std::optional<ImportFit> fitFor(ImportChoice choice)
{
    switch (choice) {
    case ImportChoice::Crop:
        return ImportFit::Crop;
    case ImportChoice::Letterbox:
        return ImportFit::Letterbox;
    case ImportChoice::Cancel:
        break;
    }
    return std::nullopt;
}

ObjectKind PictureTarget::undoKind() const
{
    return isBorder() ? ObjectKind::Border : ObjectKind::Picture;
}

std::optional<PictureTarget> currentPictureTarget(const PageModel &page)
{
    const CurrentObject &current = page.current;
    if (current.kind == ObjectKind::Border)
        return PictureTarget{current.kind, 0};
    if (current.kind == ObjectKind::Picture && validBox(page, current.index))
        return PictureTarget{current.kind, current.index};
    return std::nullopt;
}

QImage *targetPicture(PageModel &page, const PictureTarget &target)
{
    if (target.isBorder())
        return page.border.picture.isNull() ? nullptr : &page.border.picture;
    if (target.kind != ObjectKind::Picture || !validBox(page, target.index))
        return nullptr;
    PictureBoxModel &box = page.pictureBoxes[target.index];
    if (box.image.isNull()) {
        if (box.geometry.isEmpty())
            return nullptr;
        box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
        box.image.fill(Qt::white);
    }
    return &box.image;
}

const QImage *targetPicture(const PageModel &page, const PictureTarget &target)
{
    if (target.isBorder())
        return page.border.picture.isNull() ? nullptr : &page.border.picture;
    if (target.kind != ObjectKind::Picture || !validBox(page, target.index))
        return nullptr;
    const QImage &image = page.pictureBoxes[target.index].image;
    return image.isNull() ? nullptr : &image;
}

bool clearPicture(PageModel &page, const PictureTarget &target)
{
    QImage *picture = targetPicture(page, target);
    if (!picture)
        return false;
    picture->fill(target.isBorder() && picture->hasAlphaChannel() ? QColor(Qt::transparent)
                                                                  : QColor(Qt::white));
    // Whatever is drawn here next is no longer the imported file, so a resize must not
    // reload that file over it.
    if (!target.isBorder()) {
        PictureBoxModel &box = page.pictureBoxes[target.index];
        box.tag.clear();
        box.importedDiagonalAngle = 0.0;
    }
    return true;
}

bool placePictureInto(PageModel &page, const PictureTarget &target, const QImage &source,
                      ImportFit fit)
{
    if (source.isNull() || !targetPicture(page, target))
        return false;
    clearPicture(page, target);
    drawImported(*targetPicture(page, target), source, fit, onMyLayout(page));
    return true;
}

QRect pasteTargetRect(QSize picture, QSize target, bool alignTopLeft)
{
    if (picture.isEmpty() || target.isEmpty())
        return {};
    const double pictureRatio = double(picture.width()) / picture.height();
    const double targetRatio = double(target.width()) / target.height();
    if (pictureRatio > targetRatio) {
        const int height = std::max(
            1, int(std::lround(double(target.width()) / picture.width() * picture.height())));
        const int top = alignTopLeft ? 0 : (target.height() - height) / 2;
        return QRect(0, top, target.width(), height);
    }
    const int width =
        std::max(1, int(std::lround(double(target.height()) / picture.height() * picture.width())));
    const int left = alignTopLeft ? 0 : (target.width() - width) / 2;
    return QRect(left, 0, width, target.height());
}

bool pastePictureInto(PageModel &page, const PictureTarget &target, const QImage &picture)
{
    if (picture.isNull() || !targetPicture(page, target))
        return false;
    clearPicture(page, target);
    QImage &canvas = *targetPicture(page, target);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pasteTargetRect(picture.size(), canvas.size(), onMyLayout(page)), picture);
    return true;
}

std::optional<int> addPictureObject(PageModel &page, const QImage &picture, QPoint topLeft,
                                    const QString &tag)
{
    const QSize pageSize = page.pageRect.size();
    const QSize size = importedObjectSize(picture.size(), pageSize, kImportFitFactor);
    const int index = int(page.pictureBoxes.size());
    if (size.isEmpty() || index > kMaxPictureBoxIndex)
        return std::nullopt;

    // The whole object stays on the page, however near its edge the child asked for it.
    const int left = std::clamp(topLeft.x(), 0, std::max(0, pageSize.width() - size.width()));
    const int top = std::clamp(topLeft.y(), 0, std::max(0, pageSize.height() - size.height()));
    PictureBoxModel box;
    box.geometry = QRect(QPoint(left, top), size);
    box.image = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    box.tag = tag;
    box.importedDiagonalAngle = std::atan2(double(size.height()), double(size.width()));
    box.visible = true;
    page.pictureBoxes.append(box);
    return index;
}

QString importedTag(const QString &path)
{
    return QStringLiteral("file") + path;
}

} // namespace quillora
