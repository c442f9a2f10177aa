#pragma once
// Divider handles on the single-page window: shows each handle of the page as a grab square on
// a guide line, and turns a drag of the square into a move of the boxes beside it. Pressing a
// handle makes it current and records the handles for undo; releasing refits the texts and
// records them again. Undo and redo put squares, lines and boxes back on screen.
//
// The application makes one per single-page window, after its UndoController and
// TextController (which refits the texts); the window owns it.

#include <QObject>
#include <QPoint>
#include <QVector>

namespace quillora {

class AppContext;
class DividerHandleWidget;
class DividerLineWidget;
class DocumentWindow;
class UndoController;
struct UndoTarget;

class DividerHandleController : public QObject {
    Q_OBJECT
public:
    DividerHandleController(AppContext &context, DocumentWindow &window, UndoController &undo);

    // The controls made so far (nullptr for an index never shown).
    DividerHandleWidget *handle(int index) const;
    DividerLineWidget *line(int index) const;

    // Puts every square and line where the page model says, above the page's boxes.
    void placeHandles();

private:
    void onPressed(int index, QPoint atPage);
    void onDragged(int index, QPoint atPage);
    void onReleased(int index);
    void onRestored(const QVector<UndoTarget> &changed);
    void makeControls(int count);
    void keepSquaresApart();
    void showMovedObjects(int index);
    void refitTexts(int index);

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    QVector<DividerHandleWidget *> m_handles;
    QVector<DividerLineWidget *> m_lines;
    int m_grabOffset = 0; // pointer y minus the handle's centre when it was pressed
    bool m_moved = false;
};

} // namespace quillora
