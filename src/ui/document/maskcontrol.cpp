#include "ui/document/maskcontrol.h"

#include "core/pictures/masks.h"
#include "ui/kit/fingerinput.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

namespace quillora {

QRegion regionOfShape(const QImage &shape)
{
    if (shape.isNull())
        return {};
    // A one-bit picture with the inside set: the bitmap's set pixels form the region.
    QImage bits(shape.size(), QImage::Format_MonoLSB);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    bool anyInside = false;
    for (int y = 0; y < shape.height(); ++y) {
        const uchar *marks = shape.constScanLine(y);
        for (int x = 0; x < shape.width(); ++x) {
            if (marks[x] != 0) {
                bits.setPixel(x, y, 1);
                anyInside = true;
            }
        }
    }
    if (!anyInside)
        return QRegion(-1, -1, 1, 1);
    return QRegion(QBitmap::fromImage(bits, Qt::MonoOnly | Qt::ThresholdDither));
}

MaskControl::MaskControl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("maskCtrl"));
    setAttribute(Qt::WA_TranslucentBackground);
    FingerInput::takeFingers(*this);
}

void MaskControl::setPicture(const QImage &picture)
{
    m_picture = picture;
    refresh();
}

void MaskControl::refresh()
{
    if (m_picture.isNull() || size().isEmpty()) {
        m_shown = QImage();
        m_shape = QImage();
        clearMask();
        update();
        return;
    }
    const QImage sized =
        m_picture.size() == size()
            ? m_picture
            : m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_shape = masks::shapeOutsideColour(sized);
    m_shown = masks::clipToShape(sized, m_shape);
    setMask(regionOfShape(m_shape));
    update();
}

void MaskControl::setPointerPicture(const QImage &icon)
{
    if (icon.isNull()) {
        unsetCursor();
        return;
    }
    setCursor(QCursor(QPixmap::fromImage(icon)));
}

bool MaskControl::isOnShape(QPoint point) const
{
    return !m_shape.isNull() && masks::contains(m_shape, point);
}

void MaskControl::paintEvent(QPaintEvent *)
{
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_shown);
}

void MaskControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    refresh();
}

void MaskControl::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->modifiers(), event->position().toPoint());
}

void MaskControl::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void MaskControl::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button(), event->modifiers(), event->position().toPoint());
}

} // namespace quillora
