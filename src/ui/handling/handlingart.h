#pragma once
// The pictures of the selection frame's button and of the icons a child drags onto a
// "My layout" page, drawn in code in the program's colours.

#include <QIcon>
#include <QPixmap>

namespace quillora::handlingart {

// `allowPaintingBut`: a paintbrush with a wet tip.
QIcon allowPaintingPicture();
// The text icon: a sheet with a big "Abc" and lines of writing.
QPixmap textIconPicture(int side);
// The picture icon: a framed landscape with a sun.
QPixmap pictureIconPicture(int side);

} // namespace quillora::handlingart
