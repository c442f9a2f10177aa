#include "ui/kit/picturebutton.h"

#include "ui/kit/fingerinput.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillora {

PictureButton::PictureButton(const QString &objectName, const QIcon &picture,
                             const QString &caption, QWidget *parent)
    : QAbstractButton(parent), m_picture(picture)
{
    setObjectName(objectName);
    setCaption(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    FingerInput::takeFingers(*this);
    resize(sizeHint());
}

void PictureButton::setPicture(const QIcon &picture)
{
    m_picture = picture;
    update();
}

void PictureButton::setCaption(const QString &caption)
{
    setText(caption);
    setToolTip(caption);
    setAccessibleName(caption);
}

QSize PictureButton::sizeHint() const
{
    return QSize(48, 48);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture.paint(&painter, rect(), Qt::AlignCenter,
                    isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        sink();
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Put the button back before its action runs, so a dialog it opens sees it at rest.
    if (event->button() == Qt::LeftButton)
        rise();
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::sink()
{
    if (m_sunk)
        return;
    m_restPosition = pos();
    move(m_restPosition + QPoint(2, 2));
    m_sunk = true;
}

void PictureButton::rise()
{
    if (!m_sunk)
        return;
    move(m_restPosition);
    m_sunk = false;
}

} // namespace quillora
