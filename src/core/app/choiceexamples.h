#pragma once
// The example pictures of the choice dialog, drawn afresh whenever a number changes: a circle
// cut into its segments and a table with its columns and rows.

#include <QImage>
#include <QSize>

namespace quillora {

// A circle of `segments` slices in the program's colours, neighbours never alike, on a
// transparent square of `sizePx`. Segments are taken within 1..64.
QImage drawCircleExample(int segments, int sizePx);

// A table grid of `columns` by `rows` cells with a coloured heading row, filling `size`.
// Columns and rows are taken within 1..64.
QImage drawTableExample(int columns, int rows, QSize size);

} // namespace quillora
