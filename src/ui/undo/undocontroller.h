#pragma once
// Connects a document window to the undo history: the undo and redo buttons and Ctrl+Z / Ctrl+Y
// step through `AppContext::undo`, the objects a step wrote into are shown again, and `undoBut`
// and `RedoBut` show only while there is a step to take.
//
// Whoever changes an object calls beginWorkOn() when work turns to it and record() after each
// change; both keep the buttons right.

#include "core/undo/undohistory.h"

#include <QObject>

namespace quillora {

class AppContext;
class DocumentWindow;

class UndoController : public QObject {
    Q_OBJECT
public:
    // Parented to the window; lives as long as it does.
    UndoController(AppContext &context, DocumentWindow &window);

    // Work turns to `object`: a text or picture other than the last restarts the history with
    // the object's present state as its first step.
    void beginWorkOn(const CurrentObject &object);
    // Records object `index` of `kind` as it is now. False for an unknown kind or missing object.
    bool record(ObjectKind kind, int index);

    void undo();
    void redo();
    // Shows or hides undoBut and RedoBut by the history.
    void updateButtons();

signals:
    // An undo or redo wrote into these objects; text and picture boxes are already refreshed.
    void restored(const QVector<quillora::UndoTarget> &changed);

private:
    void show(const UndoResult &result);

    AppContext &m_context;
    DocumentWindow &m_window;
};

} // namespace quillora
