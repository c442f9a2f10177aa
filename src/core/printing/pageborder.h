#pragma once
// Laying the child's painted border picture around the page, as the page shows it and prints
// it: a pattern border repeats one tile along the four edges, a map border shows the picture
// wherever the border map marks border.

#include "core/layout/pagemodel.h"

#include <QImage>

namespace quillora {

// The border over a transparent page of `pageSize` window pixels; a null image when the page
// has no border or nothing has been painted for it.
QImage composeBorder(const BorderModel &border, const QSize &pageSize);

} // namespace quillora
