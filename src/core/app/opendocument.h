#pragma once
// The document in work: its page, the undo history of the object worked on, the painting
// state every window shares, and the name it was last saved or opened under.

#include "core/layout/pagemodel.h"
#include "core/pictures/paintstate.h"
#include "core/undo/undohistory.h"

#include <QString>

namespace quillora {

struct OpenDocument {
    PageModel page;
    UndoHistory undo; // of the object being worked on; emptied by a page reset
    PaintState paint; // tool, size, colour and palette shared by every window
    QString workName; // the work last saved or opened ("seaside"); "" when new
};

} // namespace quillora
