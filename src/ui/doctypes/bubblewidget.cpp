#include "ui/doctypes/bubblewidget.h"

#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondrawing.h"
#include "ui/doctypes/cartoonart.h"
#include "ui/text/textboxwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>

namespace quillora {

void BubblePart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(m_index, event->globalPosition().toPoint());
}

void BubblePart::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit moved(m_index, event->globalPosition().toPoint());
}

void BubblePart::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit released(m_index, event->globalPosition().toPoint());
}

BubbleWidget::BubbleWidget(int index, QWidget *parent) : BubblePart(index, parent)
{
    setObjectName(QStringLiteral("bubble%1").arg(index));
    setAccessibleName(QStringLiteral("Bubble %1").arg(index + 1));
    setCursor(Qt::SizeAllCursor);
    m_text = new TextBoxWidget(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Bubble %1 words").arg(index + 1));
    m_text->setCursor(Qt::IBeamCursor);
    // White like the bubble, so the words sit on it whatever the frame holds.
    m_text->setAutoFillBackground(false);
    m_text->viewport()->setAutoFillBackground(false);
    connect(m_text, &TextBoxWidget::pressed, this, [this] { emit textPressed(this->index()); });
    connect(m_text, &TextBoxWidget::keyReleased, this, [this] { emit textKeyReleased(this->index()); });
    connect(m_text, &QTextEdit::textChanged, this, [this] {
        if (!m_showingText)
            emit textEdited(this->index(), m_text->boxText());
    });
}

void BubbleWidget::showBubble(const BubbleModel &bubble, QPoint frameTopLeft, const QRect &clip)
{
    m_bubble = bubble;
    const QRect place = bubble.geometry.translated(frameTopLeft);
    // A new outline may leave parts of the old one uncovered: what lies beneath is drawn again.
    if (parentWidget() && isVisible())
        parentWidget()->update(geometry());
    setGeometry(place);
    m_clip = clip.isNull() ? QRect() : clip.translated(-place.topLeft());

    // Presses count on the outline and a little round it; elsewhere they reach the frame.
    QPainterPathStroker edge;
    edge.setWidth(kBubbleLineWidth + 4);
    const QPainterPath shape = bubbleShape(bubble);
    QRegion reach(shape.united(edge.createStroke(shape)).toFillPolygon().toPolygon());
    if (!m_clip.isNull())
        reach &= QRegion(m_clip);
    setMask(reach);

    TextBoxModel words = bubbleTextBox(bubble);
    words.geometry.translate(-bubble.geometry.topLeft());
    m_showingText = true;
    m_text->showBox(words);
    m_text->setGeometry(words.geometry);
    m_showingText = false;
    setVisible(bubble.visible);
    update();
}

void BubbleWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_clip.isNull())
        painter.setClipRect(m_clip);
    paintBubbleShape(painter, m_bubble);
}

BubbleHandle::BubbleHandle(Role role, int index, QWidget *parent)
    : BubblePart(index, parent),
      m_picture(role == Role::Tail ? cartoonart::tailHandlePicture(kSide)
                                   : cartoonart::sizeHandlePicture(kSide))
{
    const bool tail = role == Role::Tail;
    setObjectName((tail ? QStringLiteral("ptHandle%1") : QStringLiteral("szHandle%1")).arg(index));
    setAccessibleName((tail ? QStringLiteral("Bubble %1 point") : QStringLiteral("Bubble %1 size"))
                          .arg(index + 1));
    setToolTip(tail ? QStringLiteral("Drag to point the bubble")
                    : QStringLiteral("Drag to make the bubble bigger or smaller"));
    setCursor(tail ? Qt::CrossCursor : Qt::SizeFDiagCursor);
    setFixedSize(kSide, kSide);
    // Round: the corners let presses through to what lies beneath.
    setMask(QRegion(rect(), QRegion::Ellipse));
}

void BubbleHandle::centreOn(QPoint centre)
{
    move(centre - QPoint(kSide / 2, kSide / 2));
}

void BubbleHandle::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

} // namespace quillora
