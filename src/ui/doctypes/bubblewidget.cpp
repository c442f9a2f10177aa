#include "ui/doctypes/bubblewidget.h"

#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondrawing.h"
#include "ui/doctypes/cartoonart.h"
#include "ui/document/textboxwidget.h"
#include "ui/kit/fingerinput.h"

#include <QCoreApplication>
#include <QApplication>
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
    setAccessibleName(QCoreApplication::translate("Quillora", "Bubble %1").arg(index + 1));
    setCursor(Qt::SizeAllCursor);
    FingerInput::takeFingers(*this);
    m_text = new TextBoxWidget(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(
        QCoreApplication::translate("Quillora", "Bubble %1 words").arg(index + 1));
    m_text->setCursor(Qt::IBeamCursor);
    // White like the bubble, so the words sit on it whatever the frame holds.
    m_text->setAutoFillBackground(false);
    m_text->viewport()->setAutoFillBackground(false);
    connect(m_text, &TextBoxWidget::pressed, this, [this] { emit textPressed(this->index()); });
    connect(m_text, &TextBoxWidget::keyReleased, this,
            [this] { emit textKeyReleased(this->index()); });
    connect(m_text, &QTextEdit::textChanged, this, [this] {
        if (!m_showingText)
            emit textEdited(this->index(), m_text->boxText());
    });
    m_text->installEventFilter(this);
    m_text->viewport()->installEventFilter(this);
}

bool BubbleWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text) {
        if (event->type() == QEvent::FocusOut)
            m_writing = false;
        return false;
    }
    if (watched != m_text->viewport())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_writing || mouse->button() != Qt::LeftButton)
            return false;
        m_wordsHeld = true;
        m_draggingByWords = false;
        m_wordsPressedAt = global;
        return true;
    case QEvent::MouseMove:
        if (!m_wordsHeld)
            return false;
        if (!m_draggingByWords &&
            (global - m_wordsPressedAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_draggingByWords = true;
            emit pressed(index(), m_wordsPressedAt);
        }
        if (m_draggingByWords)
            emit moved(index(), global);
        return true;
    default:
        if (!m_wordsHeld || mouse->button() != Qt::LeftButton)
            return false;
        m_wordsHeld = false;
        if (m_draggingByWords)
            emit released(index(), global);
        else
            writeAt(mouse->position().toPoint());
        return true;
    }
}

// The tap goes to the words as a press and release would have, now that they take presses.
void BubbleWidget::writeAt(QPoint viewportPosition)
{
    m_writing = true;
    QWidget *viewport = m_text->viewport();
    const QPoint global = viewport->mapToGlobal(viewportPosition);
    QMouseEvent press(QEvent::MouseButtonPress, viewportPosition, global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, viewportPosition, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
    m_text->setFocus(Qt::MouseFocusReason);
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
    FingerInput::takeFingers(*this);
    setObjectName((tail ? QStringLiteral("ptHandle%1") : QStringLiteral("szHandle%1")).arg(index));
    setAccessibleName((tail ? QCoreApplication::translate("Quillora", "Bubble %1 point")
                            : QCoreApplication::translate("Quillora", "Bubble %1 size"))
                          .arg(index + 1));
    setToolTip(tail ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Drag to point the bubble"))
                    : QStringLiteral(QT_TRANSLATE_NOOP(
                          "Quillora", "Drag to make the bubble bigger or smaller")));
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
