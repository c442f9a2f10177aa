#pragma once
// An undo step shares its picture's pixels with the page, so the next stroke into that picture
// would first copy every pixel on the window's thread, before its first segment shows: several
// milliseconds for a full-screen picture on a slow machine. A pool thread makes that copy while
// the child lifts the pen, and the page takes it.

class QObject;

namespace quillora {

struct PageModel;

// Copies picture box `index` on a pool thread when the page shares its pixels; back on
// `context`'s thread the page takes the copy, unless the picture has been written to (or
// replaced) meanwhile. The page must outlive `context`.
void unsharePictureLater(QObject *context, PageModel &page, int index);
// The same for every picture of the page, as a copy of the whole page (the autosave's) shares
// them all while it is written.
void unsharePicturesLater(QObject *context, PageModel &page);

} // namespace quillora
