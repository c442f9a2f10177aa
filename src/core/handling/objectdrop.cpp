#include "core/handling/objectdrop.h"

#include "core/layout/objectkinds.h"
#include "core/layout/dialect.h"
#include "core/layout/templatereader.h"

#include <algorithm>

namespace quillora::objectdrop {

namespace {

using dialect::attribute;

QString attr(const char *name, const QString &value)
{
    return attribute(QString::fromLatin1(name), value);
}

QString number(int value)
{
    return QString::number(value);
}

// An icon dropped near an edge still gives a box wholly on the page, where a child can reach
// all of it.
QPoint placeOnPage(const PageModel &page, QPoint position)
{
    const int side = int(kAddedObjectSizeMm * double(page.scale));
    const int maxLeft = std::max(0, page.pageRect.width() - side);
    const int maxTop = std::max(0, page.pageRect.height() - side);
    return QPoint(std::clamp(position.x(), 0, maxLeft), std::clamp(position.y(), 0, maxTop));
}

} // namespace

QString addedObjectLine(DroppedObject kind, int index, QPoint pagePosition, float scale)
{
    const QString placement = attr("x", number(dialect::pixelsToMm(pagePosition.x(), scale))) +
                              attr("y", number(dialect::pixelsToMm(pagePosition.y(), scale))) +
                              attr("width", number(kAddedObjectSizeMm)) +
                              attr("height", number(kAddedObjectSizeMm));
    if (kind == DroppedObject::RichText)
        return QStringLiteral("<rtb") + attr("name", QStringLiteral("rt%1").arg(index)) +
               placement + attr("size", "8") + attr("bold", "f") + attr("italic", "f") +
               attr("underline", "f") + attr("align", "0") + attr("colour", "0") +
               QStringLiteral("/>");
    return QStringLiteral("<picbox") + attr("name", QStringLiteral("pb%1").arg(index)) + placement +
           attr("symmType", "0") + attr("reptType", "0") + attr("copyTo", "0") +
           QStringLiteral("/>");
}

ObjectKind undoKindOf(DroppedObject kind)
{
    return kind == DroppedObject::RichText ? ObjectKind::AddedRichText : ObjectKind::AddedPicture;
}

ObjectKind objectKindOf(DroppedObject kind)
{
    return kind == DroppedObject::RichText ? ObjectKind::RichText : ObjectKind::Picture;
}

std::optional<int> addDroppedObject(PageModel &page, DroppedObject kind, QPoint pagePosition,
                                    const PageFitInputs &fit)
{
    const bool richText = kind == DroppedObject::RichText;
    int &count = richText ? page.announcedRichTextBoxes : page.announcedPictureBoxes;
    const int highest = richText ? kMaxObjectIndex : kMaxPictureBoxIndex;
    // The counts say which objects belong to the page; entries past them are left over from an
    // earlier, larger page and are taken over.
    const int index = count;
    if (index > highest)
        return std::nullopt;
    applyTemplateLine(addedObjectLine(kind, index, placeOnPage(page, pagePosition), page.scale),
                      page.layoutPath, page, fit);
    const bool made =
        richText ? index < page.richTextBoxes.size() : index < page.pictureBoxes.size();
    if (!made)
        return std::nullopt;
    count = index + 1;
    ++page.changeCount;
    if (!richText) {
        PictureBoxModel &box = page.pictureBoxes[index];
        box.image = QImage(box.geometry.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        box.image.fill(Qt::white);
    }
    return index;
}

} // namespace quillora::objectdrop
