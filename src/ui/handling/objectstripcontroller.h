#pragma once
// The icon strip (ObjectIconStrip) beside a "My layout" page (document type 17): it stands by
// the page's right edge, half way down, and a rich text box or a picture box is added where a
// child drops one of its icons. Objects dragged wholly off the page are taken away here too.
// Every addition and removal is an undo step ("ap", "ar"; "mp", "mr").
//
// attachControllers makes one per document window, after its UndoController:
//     new ObjectStripController(context, *window, *undo);
// It is a child of the window and shows the strip only on "My layout" pages.

#include "core/handling/objectdrop.h"
#include "ui/handling/mylayoutpage.h"

#include <QObject>
#include <QPoint>
#include <QRect>

namespace quillora {

class AppContext;
class ObjectIconStrip;
class DocumentWindow;
class UndoController;

class ObjectStripController : public QObject {
    Q_OBJECT
public:
    // Room between the page's right edge and the icon strip.
    static constexpr int kStripGapPx = 16;

    ObjectStripController(AppContext &context, DocumentWindow &window, UndoController &undo);

    ObjectIconStrip *iconStrip() const { return m_strip; }

    // Adds an object whose top-left corner is at `pagePosition` (page pixels), makes it current
    // and records the addition for undo. False when the page can take no more of its kind.
    bool addObject(objectdrop::DroppedObject kind, QPoint pagePosition);
    // Empties and hides the object of kind `kind` ("p" or "r"), leaving it at `geometry` (off
    // the page), records that for undo and selects nothing.
    void takeOffPage(ObjectKind kind, int index, const QRect &geometry);

signals:
    // An object was added or taken away: the selection frame follows.
    void objectsChanged();

private:
    void onIconDropped(objectdrop::DroppedObject kind, QPoint topLeft, QPoint pointer);
    void placeStrip();

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    MyLayoutPage m_page;
    ObjectIconStrip *m_strip = nullptr;
};

} // namespace quillora
