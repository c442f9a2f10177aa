#pragma once
// The pictures of the painting palettes that are not plain SVG files: the tool cursors, the
// felt pens with their lids, and the spoken names of colours for accessible names.

#include "core/layout/colour.h"

#include <QCursor>
#include <QIcon>
#include <QString>

class QPainter;
class QRect;

namespace quillora::paletteart {

// The picture of a tool button (":/art/pictures/..."); an empty icon for tools without a button.
QIcon toolPicture(int tool);
// `toolCursor(t)`: the tool's picture beside a crosshair whose centre is the hot spot. Tool 8
// paints nothing and keeps the arrow; the writing mode gets the text cursor.
QCursor toolCursor(int tool);

// A short English name a child would use ("Red", "Light blue"); it passes through translation.
QString colourName(ColourRef colour);

// Felt pens lie tip to the right in a band `height` pixels high (16 or 32).
void drawFeltPenBody(QPainter &painter, const QRect &band, ColourRef colour);
void drawFeltPenLid(QPainter &painter, const QRect &lid, ColourRef colour);
// The shine over the barrel (the clear pen picture), white at low opacity.
void drawFeltPenShine(QPainter &painter, const QRect &band);
// Where the lid sits inside a pen band of the given width and height.
QRect lidRect(int bandWidth, int bandHeight);

} // namespace quillora::paletteart
