#pragma once
// The comic strip's pictures, drawn in code in the program's colours: the three bubble icons a
// child drags onto a frame, the bin with its lid open and shut, and the bubbles' handles.

#include "core/doctypes/cartoon.h"

#include <QPixmap>

namespace quillora::cartoonart {

// A bubble of `kind` with a few words' squiggles in it, `side` pixels square.
QPixmap bubbleIconPicture(BubbleKind kind, int side);
// The bin, `side` pixels square, its lid lifted and tilted when open.
QPixmap binPicture(bool open, int side);
// The tail handle (a round orange target) and the size handle (a sky disc with a diagonal
// two-headed arrow), `side` pixels square.
QPixmap tailHandlePicture(int side);
QPixmap sizeHandlePicture(int side);

} // namespace quillora::cartoonart
