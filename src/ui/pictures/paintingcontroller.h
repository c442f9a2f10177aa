#pragma once
// Painting in a document window: puts the felt pens and the paint tools into the window's
// palette column, switches between them, forwards presses, moves and releases on the picture
// boxes to PicturePainting, shows the rubber band `Box` while a shape is dragged, runs `Timer1`
// for the animated tools and records every finished stroke for undo.
//
// The application makes one per document window, after the window and its UndoController:
//     auto *undo = new UndoController(context, window);
//     auto *painting = new PaintingController(context, window, *undo);
// Both are children of the window and go with it.

#include "core/pictures/picturepainting.h"
#include "ui/pictures/longpresses.h"

#include <QCursor>
#include <QObject>
#include <QPointer>

#include <array>
#include <map>
#include <optional>

class QTimer;

namespace quillora {

class AppContext;
class FeltPens;
class PaintTools;
class PictureBoxWidget;
class RubberBandOverlay;
class DocumentWindow;
class UndoController;

class PaintingController : public QObject {
    Q_OBJECT
public:
    PaintingController(AppContext &context, DocumentWindow &window, UndoController &undo);

    FeltPens *feltPens() const { return m_feltPens; }
    PaintTools *paintTools() const { return m_paintTools; }
    QTimer *timer() const { return m_timer; } // `Timer1`

    // A press, move or release on a picture widget as the painting core takes it: the position in
    // the picture's pixels, the button and the keys held now.
    static PointerInput pointerInput(const PictureBoxWidget *widget, QPoint position,
                                     Qt::MouseButton button, int pointer = 0);
    // `Box`: made on the first shape drag, then moved onto whichever picture is dragged on.
    // Each finger dragging a shape has a band of its own; this is the mouse's.
    RubberBandOverlay *box() const;
    const PicturePainting &painting() const { return m_painting; }

    // The window's "Show felt pens" / "Show paint tools".
    void showFeltPens();
    void showPaintTools();
    // "Select tool": the tool with its size, the pictures' cursor, Timer1 and the size ring.
    void selectTool(int tool);

    // While the window is busy (a picture is being brought in through a dialog) presses, moves
    // and releases on the pictures paint nothing, and a stroke or right press in progress is
    // dropped, so the release still pending from before paints nothing either.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

signals:
    // A felt pen or palette colour became the paint colour; a selected text takes it too.
    void paintColourChosen(quillora::ColourRef colour);
    // Right button on a picture while the paint tools show; `at` is in window coordinates.
    void contextMenuRequested(int pictureIndex, QPoint at);
    // A press on a palette or a painting press: an open right-click menu closes.
    void contextMenuDismissRequested();
    // "My layout": the press selected the picture as an object to move and resize.
    void pictureSelectedForHandling(int pictureIndex);

private:
    void onPicturePressed(int index, QPoint position, Qt::MouseButton button, bool justSelected,
                          int pointer);
    void onPictureMoved(int index, QPoint position, Qt::MouseButtons buttons, int pointer);
    void onPictureReleased(int index, QPoint position, Qt::MouseButton button, int pointer);
    void onTouchCancelled(int index, int pointer);
    void onTick();
    void holdFeltPenPresses();
    void pressPicture(int index, QPoint position, Qt::MouseButton button, bool justSelected,
                      int pointer);
    void requestMenu(int index, QPoint position, bool justSelected);
    // The stroke on `index` ended: once no other pointer paints there, the strokes that
    // overlapped in time are one undo step.
    void strokeEnded(int index);

    PictureBoxWidget *pictureWidget(int index) const;
    // pointerInput for a picture of this window, with the settings applied.
    PointerInput inputOn(int index, QPoint position, Qt::MouseButton button, int pointer) const;
    // The core paints into the model's image; the widget lets go of its copy meanwhile.
    template <typename Paint> QRect paintOn(int index, Paint paint);
    void showBand(int index, int pointer);
    void hideBand(int pointer);
    void applyToolCursor();
    QSize screenSize() const;
    const QCursor &cursorFor(int tool);

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    PicturePainting m_painting;
    FeltPens *m_feltPens = nullptr;
    PaintTools *m_paintTools = nullptr;
    QTimer *m_timer = nullptr;
    std::map<int, QPointer<RubberBandOverlay>> m_boxes; // by pointer
    std::array<std::optional<QCursor>, kToolCount> m_cursors;

    // Presses waiting to learn whether they paint or open the menu.
    LongPresses *m_held = nullptr;
    LongPresses *m_penHeld = nullptr; // on the felt pens
    bool m_busy = false;
};

} // namespace quillora
