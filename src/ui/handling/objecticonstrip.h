#pragma once
// The icons beside a "My layout" page that a child drags onto the page to add an object: a
// text icon (`addTextIcon`) and a picture icon (`addPictureIcon`), each a big picture with its
// word under it. While an icon is dragged a copy of its picture follows the pointer; on release
// the strip reports where that copy was let go. The window decides what a drop means.

#include "core/handling/objectdrop.h"

#include <QPoint>
#include <QWidget>

#include <array>

class QLabel;

namespace quillora {

class ObjectIconStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIconSide = 72;
    static constexpr int kStripWidth = 96;

    // `dragLayer` is the widget the dragged picture is drawn on (the window); drops are reported
    // in its coordinates.
    ObjectIconStrip(QWidget &dragLayer, QWidget *parent = nullptr);

    QWidget *icon(objectdrop::DroppedObject kind) const;
    // The picture following the pointer while an icon is dragged (hidden otherwise).
    QLabel *dragPicture() const { return m_dragPicture; }

signals:
    // `topLeft` is where the dragged picture's corner was let go, `pointer` where the pointer
    // was; both in the drag layer's coordinates.
    void iconDropped(quillora::objectdrop::DroppedObject kind, QPoint topLeft, QPoint pointer);

private:
    friend class ObjectIcon;
    void startDrag(objectdrop::DroppedObject kind, QPoint grab, QPoint global);
    void followDrag(QPoint global);
    void endDrag(QPoint global);

    QWidget &m_dragLayer;
    std::array<QWidget *, 2> m_icons{};
    QLabel *m_dragPicture = nullptr;
    objectdrop::DroppedObject m_dragged = objectdrop::DroppedObject::RichText;
    QPoint m_grab;
    bool m_dragging = false;
};

} // namespace quillora
