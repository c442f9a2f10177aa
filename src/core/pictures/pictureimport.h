#pragma once
// Bringing pictures into the page from outside: a picture file drawn into a picture box
// (cropped or letterboxed), a clipboard picture pasted to fit, a picture cut away, and a picture
// added to a "My layout" page as an object of its own. Every operation works on the page model
// only; the window shows the result and records it for undo.

#include "core/layout/pagemodel.h"
#include "core/pictures/importfit.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

namespace quillora {

// What the child chose in the fit dialog.
enum class ImportChoice { Crop, Letterbox, Cancel };
QString importChoiceText(ImportChoice choice); // "crop", "letterbox", "cancel"
std::optional<ImportFit> fitFor(ImportChoice choice);

// The picture an action works on: a picture box (with its index) or the page border.
struct PictureTarget {
    ObjectKind kind = ObjectKind::Nothing;
    int index = 0;
    bool isBorder() const { return kind == ObjectKind::Border; }
    // The undo kind recorded after a change: the border, else the picture box.
    ObjectKind undoKind() const;
    bool operator==(const PictureTarget &) const = default;
};

// The target named by the page's current object, if it is a picture box or the border.
std::optional<PictureTarget> currentPictureTarget(const PageModel &page);

// The target's pixels, or nullptr when there is no such picture. A picture box whose picture is
// still empty gets white paper of its own size first, so it can be drawn on.
QImage *targetPicture(PageModel &page, const PictureTarget &target);
const QImage *targetPicture(const PageModel &page, const PictureTarget &target);

// Empties the target to its background: white paper for a picture box, see-through for a border
// picture that has an alpha channel; a picture box stops counting as an imported file. False when
// there is no such picture.
bool clearPicture(PageModel &page, const PictureTarget &target);

// Clears the target and draws `source` into it by `fit` (on "My layout" a letterbox sits at the
// top left). False, with nothing changed, for a missing target or an empty source.
bool placePictureInto(PageModel &page, const PictureTarget &target, const QImage &source,
                      ImportFit fit);

// Clears the target and draws `picture` scaled to fit with its proportions kept, centred in the
// other direction (at the top left on "My layout").
bool pastePictureInto(PageModel &page, const PictureTarget &target, const QImage &picture);
// Where a pasted picture lands inside a target of size `target`.
QRect pasteTargetRect(QSize picture, QSize target, bool alignTopLeft);

// Adds `picture` to the page as a new picture box at `topLeft` (page pixels), sized by
// importedObjectSize() to half the page; the caller makes it current. `tag` is "file" + path for an
// imported file and empty for a pasted picture. Returns the new box's index, or nothing when the
// page cannot take another box or the picture is empty.
std::optional<int> addPictureObject(PageModel &page, const QImage &picture, QPoint topLeft,
                                    const QString &tag);
// The tag of a picture imported from `path`: painting leaves such a picture alone.
QString importedTag(const QString &path);

} // namespace quillora
