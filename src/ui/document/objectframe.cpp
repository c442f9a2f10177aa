#include "ui/document/objectframe.h"

#include <QPainter>

namespace quillora {

ObjectFrame::ObjectFrame(QWidget *parent) : QWidget(parent)
{
    // Presses go to the object or the page beneath, never to the frame.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ObjectFrame::setColour(const QColor &colour)
{
    if (m_colour == colour)
        return;
    m_colour = colour;
    update();
}

void ObjectFrame::surround(const QRect &objectRect)
{
    setGeometry(objectRect.adjusted(-1, -1, 1, 1));
}

void ObjectFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quillora
