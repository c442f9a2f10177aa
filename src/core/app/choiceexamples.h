#pragma once
// The example pictures of the choice dialog, drawn afresh whenever a number changes: a circle
// cut into its segments and a table with its columns and rows.

#include <QImage>
#include <QSize>

#include <optional>

namespace quillora {

// The pages of the choice dialog and the kinds that ask them.
enum class ChoicePage { Circle, Table, Leaflet };

// Circle for code 1, table for 2, leaflet for 15; nothing for the kinds that ask nothing.
std::optional<ChoicePage> choicePageFor(int code);

// A circle of `segments` slices in the program's colours, neighbours never alike, on a
// transparent square of `sizePx`. Segments are taken within 1..64.
QImage drawCircleExample(int segments, int sizePx);

// A table grid of `columns` by `rows` cells with a coloured heading row, filling `size`.
// Columns and rows are taken within 1..64.
QImage drawTableExample(int columns, int rows, QSize size);

} // namespace quillora
