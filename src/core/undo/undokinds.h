#pragma once
// How each kind of undo record is taken from its object and put back: one handler per kind code.
// The page kinds are built in; a window whose objects live outside the page model (table cells,
// the anywhere page, bubbles, the table title) adds its own handler for its kind code.

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
    // Records with the same family and index describe the same object ("p", "mp" and "ap" are one
    // picture box). Empty means the kind code itself.
    QString family;
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
    UndoKindTable(); // with the page kinds: p, t, r, b, h, mp, mr, ap, ar

    // Adds or replaces the handler of a kind code.
    void add(const QString &kind, UndoKindHandler handler);
    const UndoKindHandler *find(const QString &kind) const;
    QString familyOf(const QString &kind) const;

private:
    QHash<QString, UndoKindHandler> m_handlers;
};

// The built-in page kinds; a window restores those of its kind's row in the table of kinds and
// skips the others. Kinds added by a window are always restored.
bool isBuiltInPageKind(const QString &kind);

} // namespace quillora
