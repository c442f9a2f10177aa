#include "ui/text/keyboardkeyface.h"

#include <QFontMetricsF>

namespace quillora {
namespace {

const QColor kKeyFaceDown(0x5a, 0x23, 0xb8);
const QColor kBoard(0xf3, 0xe8, 0xff);

} // namespace

void drawKeyFace(QPainter &p, const QRectF &r, bool down)
{
    p.setPen(QPen(kKeyboardEdge, 2));
    p.setBrush(down ? kKeyFaceDown : kKeyboardKeyFace);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(r.left() + 5, r.top() + 4, r.width() - 10, r.height() / 3), 4, 4);
}

void drawKeyboardBoard(QPainter &p, const QRectF &r, qreal radius)
{
    p.setPen(QPen(kKeyboardEdge, 3));
    p.setBrush(kBoard);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
}

void drawKeyCaption(QPainter &p, const QRectF &r, const QString &caption, int pixelSize)
{
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    // A longer word in the child's language ("Verr. Maj") takes a smaller size on the same key.
    constexpr int kSmallestPixels = 8;
    const qreal room = r.width() - 6;
    f.setPixelSize(pixelSize);
    while (f.pixelSize() > kSmallestPixels && QFontMetricsF(f).horizontalAdvance(caption) > room)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, caption);
}

} // namespace quillora
