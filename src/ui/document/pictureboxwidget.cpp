#include "ui/document/pictureboxwidget.h"

#include "core/pictures/masks.h"
#include "ui/document/maskcontrol.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillora {

PictureBoxWidget::PictureBoxWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::CrossCursor);
}

void PictureBoxWidget::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void PictureBoxWidget::showPainted(const QImage &image, const QRect &dirty)
{
    m_image = image;
    if (dirty.isEmpty())
        return;
    if (m_image.size() == size()) {
        update(dirty);
        return;
    }
    update();
}

QPoint PictureBoxWidget::toImage(QPoint widgetPoint) const
{
    if (m_image.isNull() || m_image.size() == size() || width() <= 0 || height() <= 0)
        return widgetPoint;
    return {widgetPoint.x() * m_image.width() / width(),
            widgetPoint.y() * m_image.height() / height()};
}

void PictureBoxWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_coverage.isNull()) {
        drawShaped(painter, event->rect());
    } else if (m_image.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else if (m_image.size() == size()) {
        painter.drawImage(0, 0, m_image);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_image);
    }
    if (!m_shapeEdge.isNull())
        painter.drawImage(0, 0, m_shapeEdge);
}

void PictureBoxWidget::drawShaped(QPainter &painter, const QRect &area)
{
    const QRect part = area & rect();
    if (part.isEmpty())
        return;
    QImage picture;
    if (m_image.isNull()) {
        picture = QImage(part.size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
    } else if (m_image.size() == size()) {
        picture = m_image.copy(part);
    } else {
        picture =
            m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).copy(part);
    }
    painter.drawImage(part.topLeft(), masks::clipToShape(picture, m_coverage.copy(part)));
}

void PictureBoxWidget::setMaskPicture(const QImage &mask, const QColor &edgeColour)
{
    const bool shapeCurrent = mask.isNull() ? m_shape.isNull() : m_shape.size() == size();
    if (mask.cacheKey() == m_maskPicture.cacheKey() && edgeColour == m_edgeColour && shapeCurrent)
        return;
    m_maskPicture = mask;
    m_edgeColour = edgeColour;
    updateShape();
}

void PictureBoxWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_maskPicture.isNull())
        updateShape();
}

void PictureBoxWidget::updateShape()
{
    m_coverage = masks::coverageFromMaskPicture(m_maskPicture, size());
    m_shape = masks::shapeFromMaskPicture(m_maskPicture, size());
    // A shaped box lays its smooth edge over the page, so the page beneath is painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, m_shape.isNull());
    if (m_shape.isNull()) {
        m_shapeEdge = QImage();
        clearMask();
    } else {
        m_shapeEdge = masks::shapeEdge(m_coverage, m_edgeColour.rgb());
        // The pixels the shape covers only in part draw the edge too.
        setMask(regionOfShape(m_coverage));
    }
    update();
}

void PictureBoxWidget::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->position().toPoint(), event->button());
}

void PictureBoxWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint(), event->buttons());
}

void PictureBoxWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->position().toPoint(), event->button());
}

} // namespace quillora
