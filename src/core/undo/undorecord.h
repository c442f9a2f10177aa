#pragma once
// One slot of the undo history: the state of one page object right after a change.

#include "core/layout/objectkinds.h"
#include "core/layout/pagemodel.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <vector>

namespace quillora {

// Step number of a slot that holds nothing; lower than any real step so empty slots are reused
// first.
constexpr qint32 kEmptyUndoStep = -99;

struct UndoRecord {
    ObjectKind kind = ObjectKind::Nothing;
    int index = 0; // index in the object's list; a table cell's is its slot in the table
    qint32 step = kEmptyUndoStep;

    // What a record holds depends on its kind; unused fields stay empty.
    QRect geometry; // picture and rich text boxes; objects moved by handles
    bool visible = false;
    QImage picture;    // shares the object's pixels until either side is written
    QString text;      // a text box's text, or a rich text box's RTF
    QString plainText; // rich text boxes
    TextStyle style;   // text boxes, and the base style of rich text boxes
    // Picture 0: the part of the kind's own state that follows it (an anywhere page's texts over
    // the picture), so painting and writing on the page share one history.
    KindState pictureZeroState;

    // Handles: every handle's centre, and the state of each object listed beside a handle.
    QVector<QPoint> handleCentres;
    std::vector<UndoRecord> movedObjects;

    bool isEmpty() const { return step == kEmptyUndoStep; }
    // The same object in the same state (the step number aside).
    bool holdsSameStateAs(const UndoRecord &other) const;
};

// An object that undo or redo wrote into, so the window can refresh that widget.
// For a text box the caret goes to the end; for a rich text box the selection is reset; a moved
// picture rebuilds its mask; a moved rich text box and handles re-lay the boxes out.
struct UndoTarget {
    ObjectKind kind = ObjectKind::Nothing;
    int index = 0;
    bool operator==(const UndoTarget &) const = default;
};

} // namespace quillora
