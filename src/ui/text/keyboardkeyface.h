#pragma once
// How the on-screen keyboard's keys and board are drawn, shared by the keyboard, its mini key
// and the row of variants a held key opens.

#include <QColor>
#include <QPainter>

namespace quillora {

inline const QColor kKeyboardKeyFace(0x7b, 0x3f, 0xe4);
inline const QColor kKeyboardEdge(0x2b, 0x2d, 0x42);

void drawKeyFace(QPainter &p, const QRectF &r, bool down);
void drawKeyboardBoard(QPainter &p, const QRectF &r, qreal radius);
void drawKeyCaption(QPainter &p, const QRectF &r, const QString &caption, int pixelSize);

} // namespace quillora
