#pragma once
// How each kind of undo record is taken from its object and put back: one handler per kind.
// The page kinds are built in; a window whose objects live outside the page model (table cells,
// the anywhere page, bubbles, the table title) adds its own handler for its kind.

#include "core/undo/undorecord.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace quillora {

// What happens to the history when work turns to an object of this kind.
enum class UndoRestart {
    None,     // the history goes on (handles, the page itself)
    Picture,  // capacity from the picture's size
    Text,     // 100 steps
    RichText, // 50 steps
};

struct UndoKindHandler {
    // Records with the same family and index describe the same object (a picture, a moved picture
    // and an added picture are one picture box). Nothing means the kind itself.
    ObjectKind family = ObjectKind::Nothing;
    UndoRestart restart = UndoRestart::None;
    // Fills the record's state from the object; false when there is no such object.
    std::function<bool(const PageModel &, int index, UndoRecord &)> capture;
    // Puts the record's state back into its object and names every object it wrote into.
    std::function<void(const UndoRecord &, PageModel &, QVector<UndoTarget> &)> restore;
    // For kinds that record an addition: takes the object away again when the addition is undone.
    std::function<void(const UndoRecord &, PageModel &, QVector<UndoTarget> &)> retract;
};

class UndoKindTable {
public:
    UndoKindTable(); // with the page kinds (isBuiltInPageKind)

    // Adds or replaces the handler of a kind.
    void add(ObjectKind kind, UndoKindHandler handler);
    const UndoKindHandler *find(ObjectKind kind) const;
    ObjectKind familyOf(ObjectKind kind) const;

private:
    QHash<ObjectKind, UndoKindHandler> m_handlers;
};

// The built-in page kinds; a window restores those of its kind's row in the table of kinds and
// skips the others. Kinds added by a window are always restored.
bool isBuiltInPageKind(ObjectKind kind);

} // namespace quillora
