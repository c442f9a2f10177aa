#include "ui/pictures/pressarea.h"

#include "ui/kit/fingerinput.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillora {

PressArea::PressArea(const QString &objectName, QWidget *parent, Painter paint, PressHandler press)
    : QAbstractButton(parent), m_paint(std::move(paint)), m_press(std::move(press))
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    // A pen pressed while a text is selected recolours that text, so the text keeps the focus.
    setFocusPolicy(Qt::NoFocus);
    FingerInput::takeFingers(*this);
    connect(this, &QAbstractButton::clicked, this, [this] { m_press(Qt::LeftButton); });
}

void PressArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_paint(painter, rect());
}

void PressArea::mousePressEvent(QMouseEvent *event)
{
    m_press(event->button());
    event->accept();
}

} // namespace quillora
