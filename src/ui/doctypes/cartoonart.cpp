#include "ui/doctypes/cartoonart.h"

#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondrawing.h"
#include "ui/kit/looks.h"

#include <QPainter>
#include <QPainterPath>

namespace quillora::cartoonart {

namespace {

const QColor kOrange(0xFF, 0x8C, 0x1A);
const QColor kDarkOrange(0xA8, 0x52, 0x00);
const QColor kDarkSky(0x13, 0x5C, 0x96);
const QColor kGrass(0x2E, 0xB8, 0x2E);
const QColor kDarkGrass(0x17, 0x70, 0x1A);

QPixmap blank(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap bubbleIconPicture(BubbleKind kind, int side)
{
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The icon is a real bubble, drawn as the page draws one, scaled to the icon.
    BubbleModel bubble;
    bubble.kind = kind;
    bubble.visible = true;
    bubble.geometry = QRect(0, 0, 160, 120);
    bubble.tip = QPoint(50, 114);
    const qreal scale = side / 100.0;
    p.scale(scale, scale);
    p.translate(-30, -22);
    paintBubbleShape(p, bubble);
    const QRect words = bubbleLayout(kind, bubble.geometry.size()).textArea;
    p.setPen(QPen(looks::kInk, 4, Qt::SolidLine, Qt::RoundCap));
    const int middle = words.center().y();
    p.drawLine(words.left() + 6, middle - 8, words.right() - 6, middle - 8);
    p.drawLine(words.left() + 12, middle + 6, words.right() - 12, middle + 6);
    return pixmap;
}

QPixmap binPicture(bool open, int side)
{
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side / 100.0;
    p.scale(s, s);
    p.setPen(QPen(kDarkGrass, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kGrass);
    QPainterPath body;
    body.moveTo(22, 36);
    body.lineTo(78, 36);
    body.lineTo(71, 95);
    body.lineTo(29, 95);
    body.closeSubpath();
    p.drawPath(body);
    for (int x : {38, 50, 62})
        p.drawLine(QPointF(x, 46), QPointF(x + (x - 50) * 0.15, 86));
    p.save();
    if (open) {
        // The lid swings up about its left hinge, so the bin plainly opens for what is dropped.
        p.translate(20, 32);
        p.rotate(-40);
        p.translate(-20, -32);
    }
    p.drawRoundedRect(QRectF(16, 24, 68, 10), 4, 4);
    p.drawRoundedRect(QRectF(42, 16, 16, 9), 3, 3);
    p.restore();
    return pixmap;
}

QPixmap tailHandlePicture(int side)
{
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDarkOrange, 3));
    p.setBrush(kOrange);
    p.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    p.setBrush(looks::kWhite);
    p.drawEllipse(QRectF(side * 0.32, side * 0.32, side * 0.36, side * 0.36));
    return pixmap;
}

QPixmap sizeHandlePicture(int side)
{
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDarkSky, 3));
    p.setBrush(looks::kSky);
    p.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    p.setPen(QPen(looks::kWhite, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal a = side * 0.3;
    const qreal b = side * 0.7;
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawPolyline(
        QPolygonF({QPointF(a, a + side * 0.16), QPointF(a, a), QPointF(a + side * 0.16, a)}));
    p.drawPolyline(
        QPolygonF({QPointF(b, b - side * 0.16), QPointF(b, b), QPointF(b - side * 0.16, b)}));
    return pixmap;
}

} // namespace quillora::cartoonart
