#pragma once
// Adding an object to a "My layout" page where a child dropped its icon: one template line is
// built for the new rich text box or picture box (60 x 60 mm at the drop point, plain defaults)
// and applied with the template's own element readers, so an added object is in every way like
// one read from a layout file.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QPoint>
#include <QString>

#include <optional>

namespace quillora::objectdrop {

enum class DroppedObject { RichText, Picture };

// Width and height of an added object, in millimetres of the printed page.
constexpr int kAddedObjectSizeMm = 60;

// The template line of a new object numbered `index` whose top-left corner is at `pagePosition`
// (page pixels, converted to millimetres with `scale`).
QString addedObjectLine(DroppedObject kind, int index, QPoint pagePosition, float scale);

// The undo kind that records the addition (an added rich text box or picture).
ObjectKind undoKindOf(DroppedObject kind);
// The kind of the object once current (a rich text box or a picture box).
ObjectKind objectKindOf(DroppedObject kind);

// Adds the object to the page at `pagePosition`, moved in where needed so all of it lies on the
// page. It is counted with the page's own objects so it is saved, a new picture gets blank white
// paper, and the change count goes up so the work is offered for saving. The index of the new
// object, or nothing when the page holds as many objects of that kind as it can.
std::optional<int> addDroppedObject(PageModel &page, DroppedObject kind, QPoint pagePosition,
                                    const PageFitInputs &fit);

} // namespace quillora::objectdrop
