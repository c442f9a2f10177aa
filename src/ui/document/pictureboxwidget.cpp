#include "ui/document/pictureboxwidget.h"

#include "core/pictures/masks.h"
#include "ui/document/maskcontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTabletEvent>
#include <QTouchEvent>

#include <utility>

namespace {
constexpr double kMmPerInch = 25.4;
} // namespace

namespace quillora {

PictureBoxWidget::PictureBoxWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
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
    emit pressed(event->position().toPoint(), event->button(), kMousePointer);
}

void PictureBoxWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint(), event->buttons(), kMousePointer);
}

void PictureBoxWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->position().toPoint(), event->button(), kMousePointer);
}

void PictureBoxWidget::tabletEvent(QTabletEvent *event)
{
    // A tablet that tells no pressure draws at the full chosen size.
    const bool tellsPressure =
        event->pointingDevice() &&
        event->pointingDevice()->capabilities().testFlag(QInputDevice::Capability::Pressure);
    m_penPressure = tellsPressure ? event->pressure() : 1.0;
    m_penErases = event->pointerType() == QPointingDevice::PointerType::Eraser;
    const QPoint at = event->position().toPoint();
    switch (event->type()) {
    case QEvent::TabletPress:
        emit pressed(at, event->button(), kPenPointer);
        break;
    case QEvent::TabletMove:
        if (event->buttons() != Qt::NoButton)
            emit moved(at, event->buttons(), kPenPointer);
        break;
    case QEvent::TabletRelease:
        emit released(at, event->button(), kPenPointer);
        break;
    default:
        return;
    }
    event->accept();
}

bool PictureBoxWidget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
        // A new first touch while fingers are still down: their releases never came.
        cancelTouches();
        takeTouch(static_cast<const QTouchEvent &>(*event));
        return true;
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        takeTouch(static_cast<const QTouchEvent &>(*event));
        return true;
    case QEvent::TouchCancel:
        cancelTouches();
        return true;
    default:
        return QWidget::event(event);
    }
}

void PictureBoxWidget::cancelTouches()
{
    const QSet<int> touching = std::exchange(m_touching, {});
    for (int pointer : touching)
        emit cancelled(pointer);
}

void PictureBoxWidget::takeTouch(const QTouchEvent &event)
{
    const QScreen *shownOn = screen();
    if (shownOn)
        m_palms.setPixelsPerMm(shownOn->physicalDotsPerInch() / kMmPerInch);
    QVector<TouchContact> landed;
    for (const QEventPoint &point : event.points()) {
        if (point.state() == QEventPoint::Pressed)
            landed.append({point.id(), point.position(), point.ellipseDiameters()});
    }
    m_palms.pressed(landed);
    for (const QEventPoint &point : event.points()) {
        const int pointer = fingerPointer(point.id());
        const QPoint at = point.position().toPoint();
        if (point.state() == QEventPoint::Released) {
            m_palms.lifted(point.id());
            if (m_touching.remove(pointer))
                emit released(at, Qt::LeftButton, pointer);
            continue;
        }
        if (m_palms.ignores(point.id()))
            continue;
        if (point.state() == QEventPoint::Pressed) {
            if (m_touching.isEmpty())
                setFocus(Qt::MouseFocusReason);
            m_touching.insert(pointer);
            emit pressed(at, Qt::LeftButton, pointer);
        } else if (point.state() == QEventPoint::Updated && m_touching.contains(pointer)) {
            if (m_palms.becomesPalm({point.id(), point.position(), point.ellipseDiameters()})) {
                m_touching.remove(pointer);
                emit cancelled(pointer);
            } else {
                emit moved(at, Qt::LeftButton, pointer);
            }
        }
    }
}

} // namespace quillora
