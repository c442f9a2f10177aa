#pragma once
// The selection frame (SelectionFrameWidget) round the current picture or rich text box of a
// "My layout" page (document type 17). Its handle and bar drags are turned into frame geometry
// by core/handling/selectionframe, copied onto the object in the page model and shown; every
// move and resize is an undo step ("mp", "mr"). An object dragged wholly off the page is handed
// on (draggedOffPage) for the icon strip's controller to take away.
//
// attachControllers makes one per document window, after its UndoController:
//     new SelectionFrameController(context, *window, *undo, pictures);
// It is a child of the window and shows the frame only on "My layout" pages.

#include "core/handling/selectionframe.h"
#include "platform/pictureloader.h"
#include "ui/handling/mylayoutpage.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QVector>

namespace quillora {

class SelectionFrameWidget;
class AppContext;
class DocumentWindow;
class UndoController;
struct UndoTarget;

class SelectionFrameController : public QObject {
    Q_OBJECT
public:
    // `pictures` reads an imported picture's file again when its box is resized.
    SelectionFrameController(AppContext &context, DocumentWindow &window, UndoController &undo,
                             PictureLoader &pictures);

    SelectionFrameWidget *frame() const { return m_frame; }

    // Puts the frame round the current picture or rich text box, or hides it when there is none
    // or the page is not a "My layout" page.
    void syncFrame();

signals:
    // The object of kind `kind` ("p" or "r") was let go wholly off the page at `geometry`.
    void draggedOffPage(ObjectKind kind, int index, const QRect &geometry);

private:
    void recordStartOfDrag(const SelectedObject &object);
    // A left press on a handle or bar of the selected object starts a drag; false otherwise.
    bool startDrag(Qt::MouseButton button, QPoint at);
    void onHandleMove(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void onHandleUp();
    void onBarDown(Qt::MouseButton button, QPoint at);
    void onBarMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void onBarUp();
    void onRestored(const QVector<UndoTarget> &changed);

    void showFrame(const QRect &framePageRect);
    void raiseAbovePage();
    // Gives the object the geometry in the page model and on screen.
    void applyGeometry(const SelectedObject &object, const QRect &geometry, bool resized);
    void reloadImportedPicture(int index);
    double proportionalAngle(const SelectedObject &object) const;

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    PictureLoader &m_pictures;
    MyLayoutPage m_page;
    SelectionFrameWidget *m_frame = nullptr;

    QRect m_dragFrame;  // the frame being dragged, page pixels
    QPoint m_dragStart; // `dragStartX`, `dragStartY`
    bool m_dragging = false;
    QRect m_dragStartObject; // the object's geometry when the drag began
};

} // namespace quillora
