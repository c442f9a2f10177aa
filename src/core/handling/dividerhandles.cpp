#include "core/handling/dividerhandles.h"

#include "core/layout/objectkinds.h"
#include <QPainter>

#include <algorithm>
#include <climits>

namespace quillora {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template <typename List> bool shown(const List &list, int index)
{
    return index >= 0 && index < list.size() && list.at(index).visible;
}

// Only called for objects dividedObject() found on the page.
QRect geometryOf(const PageModel &page, const DividedObject &object)
{
    if (object.kind == ObjectKind::Picture)
        return page.pictureBoxes.at(object.index).geometry;
    if (object.kind == ObjectKind::Text)
        return page.textBoxes.at(object.index).geometry;
    return page.richTextBoxes.at(object.index).geometry;
}

QVector<DividedObject> validObjects(const PageModel &page, const QStringList &names)
{
    QVector<DividedObject> objects;
    for (const QString &name : names) {
        const std::optional<DividedObject> object = dividedObject(page, name);
        if (object && !objects.contains(*object))
            objects.append(*object);
    }
    return objects;
}

// A box named in both lists would be pulled two ways at once; the list above wins.
QVector<DividedObject> objectsBelow(const PageModel &page, const HandleModel &handle)
{
    const QVector<DividedObject> above = validObjects(page, handle.boxesAbove);
    QVector<DividedObject> below;
    for (const DividedObject &object : validObjects(page, handle.boxesBelow))
        if (!above.contains(object))
            below.append(object);
    return below;
}

void setGeometry(PageModel &page, const DividedObject &object, const QRect &geometry)
{
    if (object.kind == ObjectKind::Picture) {
        PictureBoxModel &box = page.pictureBoxes[object.index];
        box.image = pictureMovedOnPage(box.image, box.geometry, geometry);
        box.geometry = geometry;
    } else if (object.kind == ObjectKind::Text) {
        page.textBoxes[object.index].geometry = geometry;
    } else {
        page.richTextBoxes[object.index].geometry = geometry;
    }
}

} // namespace

std::optional<DividedObject> dividedObject(const PageModel &page, QStringView name)
{
    if (name.size() != 3 || !isAsciiDigit(name[1]) || !isAsciiDigit(name[2]))
        return std::nullopt;
    const ObjectKind kind =
        objectKindOfCode(name.left(1).toString().toLower()).value_or(ObjectKind::Nothing);
    const int index = (name[1].unicode() - u'0') * 10 + (name[2].unicode() - u'0');
    const bool exists = (kind == ObjectKind::Picture && shown(page.pictureBoxes, index)) ||
                        (kind == ObjectKind::Text && shown(page.textBoxes, index)) ||
                        (kind == ObjectKind::RichText && shown(page.richTextBoxes, index));
    if (!exists)
        return std::nullopt;
    return DividedObject{kind, index};
}

QVector<DividedObject> objectsBesideHandle(const PageModel &page, int handleIndex)
{
    if (handleIndex < 0 || handleIndex >= page.handles.size())
        return {};
    const HandleModel &handle = page.handles.at(handleIndex);
    return validObjects(page, handle.boxesAbove) + objectsBelow(page, handle);
}

int allowedHandleMove(const PageModel &page, int handleIndex, int wantedCentreY, int minHeight)
{
    if (handleIndex < 0 || handleIndex >= page.handles.size())
        return 0;
    const HandleModel &handle = page.handles.at(handleIndex);
    const int wanted = std::clamp(wantedCentreY, handle.minY, handle.maxY) - handle.centre.y();

    // Each box bounds the move; a box already below the least height is not shrunk further.
    int lowest = INT_MIN;
    int highest = INT_MAX;
    for (const DividedObject &object : validObjects(page, handle.boxesAbove)) {
        const int height = geometryOf(page, object).height();
        lowest = std::max(lowest, std::min(0, minHeight - height));
    }
    for (const DividedObject &object : objectsBelow(page, handle)) {
        const int height = geometryOf(page, object).height();
        highest = std::min(highest, std::max(0, height - minHeight));
    }
    return std::clamp(wanted, lowest, highest);
}

QVector<DividedObject> moveHandleBy(PageModel &page, int handleIndex, int distance)
{
    if (handleIndex < 0 || handleIndex >= page.handles.size() || distance == 0)
        return {};
    const QVector<DividedObject> above = validObjects(page, page.handles[handleIndex].boxesAbove);
    const QVector<DividedObject> below = objectsBelow(page, page.handles[handleIndex]);
    page.handles[handleIndex].centre.ry() += distance;
    for (const DividedObject &object : above) {
        QRect geometry = geometryOf(page, object);
        geometry.setHeight(geometry.height() + distance);
        setGeometry(page, object, geometry);
    }
    for (const DividedObject &object : below) {
        QRect geometry = geometryOf(page, object);
        geometry.setTop(geometry.top() + distance);
        setGeometry(page, object, geometry);
    }
    return above + below;
}

int dragHandleTo(PageModel &page, int handleIndex, int wantedCentreY, int minHeight)
{
    const int distance = allowedHandleMove(page, handleIndex, wantedCentreY, minHeight);
    moveHandleBy(page, handleIndex, distance);
    return distance;
}

QImage pictureMovedOnPage(const QImage &picture, const QRect &from, const QRect &to)
{
    if (picture.isNull() || to.isEmpty())
        return picture;
    if (from == to && picture.size() == to.size())
        return picture;
    // A picture shown stretched to its box is first brought to the box's own pixels.
    const QImage source =
        picture.size() == from.size() || from.isEmpty()
            ? picture
            : picture.scaled(from.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage moved(to.size(),
                 source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    moved.fill(Qt::white);
    QPainter painter(&moved);
    painter.drawImage(from.topLeft() - to.topLeft(), source);
    painter.end();
    return moved;
}

} // namespace quillora
