#pragma once
// Moving, resizing, adding and taking away the objects of a "My layout" page (document type 17).
// The selection frame (SelectionFrameWidget) surrounds the current picture or rich text box; its
// handle and bar drags are turned into frame geometry by core/handling/selectionframe, copied onto
// the object in the page model and shown. The icon strip beside the page adds a rich text box or a
// picture box where a child drops an icon. Every move, resize, addition and removal is an undo
// step ("mp", "mr", "ap", "ar").
//
// attachControllers makes one per document window, after its UndoController:
//     new SelectionController(context, *window, *undo, pictures);
// It is a child of the window and shows itself only on "My layout" pages.

#include "core/app/dialoganswer.h"
#include "core/handling/objectdrop.h"
#include "platform/pictureloader.h"
#include "core/handling/selectionframe.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QVector>

#include <functional>

namespace quillora {

class SelectionFrameWidget;
class AppContext;
class ObjectIconStrip;
class DocumentWindow;
class UndoController;
struct UndoTarget;

class SelectionController : public QObject {
    Q_OBJECT
public:
    // Room between the page's right edge and the icon strip.
    static constexpr int kStripGapPx = 16;

    // `pictures` reads an imported picture's file again when its box is resized.
    SelectionController(AppContext &context, DocumentWindow &window, UndoController &undo,
                        PictureLoader &pictures);

    SelectionFrameWidget *frame() const { return m_frame; }
    ObjectIconStrip *iconStrip() const { return m_strip; }

    // Puts the frame round the current picture or rich text box, or hides it when there is none
    // or the page is not a "My layout" page.
    void syncFrame();
    // Adds an object whose top-left corner is at `pagePosition` (page pixels), makes it current
    // and records the addition for undo. False when the page can take no more of its kind.
    bool addObject(objectdrop::DroppedObject kind, QPoint pagePosition);

    // How allowPaintingBut asks whether an imported picture may be painted: Yes to allow
    // (tests give their own; by default the program's own yes/no dialog).
    void setPaintQuestion(std::function<DialogAnswer()> ask);

private:
    struct Selected {
        QString kind; // "p" or "r"
        int index = -1;
        QRect geometry;
        bool imported = false;
    };
    bool selected(Selected &object) const;
    bool isMyLayout() const;
    QRect pageArea() const; // the page in window coordinates
    QString undoKind(const Selected &object) const;

    void recordStartOfDrag(const Selected &object);
    // A left press on a handle or bar of the selected object starts a drag; false otherwise.
    bool startDrag(Qt::MouseButton button, QPoint at);
    void onHandleDown(int index, Qt::MouseButton button, QPoint at);
    void onHandleMove(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void onHandleUp(int index);
    void onBarDown(Qt::MouseButton button, QPoint at);
    void onBarMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void onBarUp();
    void onAllowPainting();
    void onIconDropped(objectdrop::DroppedObject kind, QPoint topLeft, QPoint pointer);
    void onRestored(const QVector<UndoTarget> &changed);
    void placeStrip();

    void showFrame(const QRect &framePageRect);
    void raiseAbovePage();
    // Gives the object the geometry in the page model and on screen.
    void applyGeometry(const Selected &object, const QRect &geometry, bool resized);
    void takeOffPage(const Selected &object);
    void reloadImportedPicture(int index);
    double proportionalAngle(const Selected &object) const;

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    PictureLoader &m_pictures;
    SelectionFrameWidget *m_frame = nullptr;
    ObjectIconStrip *m_strip = nullptr;
    std::function<DialogAnswer()> m_askPaint;

    QRect m_dragFrame;  // the frame being dragged, page pixels
    QPoint m_dragStart; // `dragStartX`, `dragStartY`
    bool m_dragging = false;
    QRect m_dragStartObject; // the object's geometry when the drag began
};

} // namespace quillora
