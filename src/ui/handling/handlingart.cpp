#include "ui/handling/handlingart.h"

#include "ui/kit/looks.h"

#include <QPainter>
#include <QPainterPath>

namespace quillora::handlingart {

namespace {

const QColor kTomato(0xF2, 0x5C, 0x3D);
const QColor kGrass(0x4C, 0xB9, 0x44);
const QColor kWood(0xC9, 0x8B, 0x4E);
const QColor kSilver(0xB8, 0xC4, 0xD0);

QPixmap blank(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon allowPaintingPicture()
{
    const int side = 56;
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A round sunshine badge so the button shows on any picture.
    p.setPen(QPen(looks::kInk, 3));
    p.setBrush(looks::kSunshine);
    p.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    p.translate(side / 2.0, side / 2.0);
    p.rotate(45);
    p.setPen(QPen(looks::kInk, 2));
    p.setBrush(kWood);
    p.drawRoundedRect(QRectF(-4, -4, 8, 24), 3, 3); // handle
    p.setBrush(kSilver);
    p.drawRect(QRectF(-5, -10, 10, 7)); // ferrule
    QPainterPath tip;
    tip.moveTo(-5, -10);
    tip.cubicTo(-6, -16, -2, -20, 0, -22);
    tip.cubicTo(2, -20, 6, -16, 5, -10);
    tip.closeSubpath();
    p.setBrush(kTomato);
    p.drawPath(tip);
    return QIcon(pixmap);
}

QPixmap textIconPicture(int side)
{
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(side * 0.1, side * 0.06, side * 0.8, side * 0.88);
    p.setPen(QPen(looks::kInk, 3));
    p.setBrush(looks::kWhite);
    p.drawRoundedRect(sheet, 6, 6);
    p.setPen(looks::kSky);
    p.setFont(looks::childFont(int(side * 0.3), true));
    p.drawText(QRectF(sheet.left(), sheet.top() + side * 0.04, sheet.width(), side * 0.36),
               Qt::AlignCenter, QStringLiteral("Abc"));
    p.setPen(QPen(kSilver, 4, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 3; ++line) {
        const double y = sheet.top() + side * (0.52 + 0.12 * line);
        const double end = sheet.right() - side * (line == 2 ? 0.3 : 0.1);
        p.drawLine(QPointF(sheet.left() + side * 0.1, y), QPointF(end, y));
    }
    return pixmap;
}

QPixmap pictureIconPicture(int side)
{
    QPixmap pixmap = blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(side * 0.06, side * 0.14, side * 0.88, side * 0.72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xBF, 0xE6, 0xFF));
    p.drawRoundedRect(frame, 6, 6);
    p.setBrush(looks::kSunshine);
    p.drawEllipse(QPointF(frame.right() - side * 0.2, frame.top() + side * 0.2), side * 0.1,
                  side * 0.1);
    QPainterPath hills;
    hills.moveTo(frame.left(), frame.bottom());
    hills.lineTo(frame.left(), frame.bottom() - side * 0.2);
    hills.quadTo(frame.left() + side * 0.25, frame.top() + side * 0.15, frame.left() + side * 0.5,
                 frame.bottom() - side * 0.22);
    hills.quadTo(frame.left() + side * 0.7, frame.bottom() - side * 0.4, frame.right(),
                 frame.bottom() - side * 0.15);
    hills.lineTo(frame.right(), frame.bottom());
    hills.closeSubpath();
    p.setBrush(kGrass);
    p.drawPath(hills);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(looks::kInk, 3));
    p.drawRoundedRect(frame, 6, 6);
    return pixmap;
}

} // namespace quillora::handlingart
