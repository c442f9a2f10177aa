#include "ui/handling/dividerhandlewidget.h"

#include "ui/kit/fingerinput.h"
#include "ui/kit/looks.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quillora {

namespace {

const QColor kHandleFill(0xFF, 0x8C, 0x1A); // orange: nothing else on a page is this colour
const QColor kHandleRim(0x9A, 0x4A, 0x00);

// An arrow head pointing up (direction -1) or down (+1) with its tip at `tip`.
QPainterPath arrowHead(QPointF tip, qreal half, int direction)
{
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip.x() - half, tip.y() - direction * half);
    path.lineTo(tip.x() + half, tip.y() - direction * half);
    path.closeSubpath();
    return path;
}

} // namespace

DividerHandleWidget::DividerHandleWidget(int index, QWidget *page) : QWidget(page)
{
    setObjectName(QStringLiteral("Handle%1").arg(index));
    setAccessibleName(QCoreApplication::translate("Quillora", "Divider %1").arg(index + 1));
    setCursor(Qt::SizeVerCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    FingerInput::takeFingers(*this);
    hide();
}

void DividerHandleWidget::place(QPoint centre, int squareSide)
{
    m_squareSide = std::max(squareSide, kLeastSquarePx);
    const int side = std::max(m_squareSide, kTouchSidePx);
    setGeometry(centre.x() - side / 2, centre.y() - side / 2, side, side);
    update();
}

QRect DividerHandleWidget::squareOnPage() const
{
    return QRect(x() + (width() - m_squareSide) / 2, y() + (height() - m_squareSide) / 2,
                 m_squareSide, m_squareSide);
}

void DividerHandleWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = m_squareSide;
    const QRectF square(QPointF((width() - side) / 2.0, (height() - side) / 2.0),
                        QSizeF(side, side));
    const qreal rim = std::max(2.0, side / 12.0);
    painter.setPen(QPen(kHandleRim, rim));
    painter.setBrush(kHandleFill);
    painter.drawRoundedRect(square.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), side / 6,
                            side / 6);

    // White arrows up and down say which way it goes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(looks::kWhite);
    const QPointF centre = square.center();
    const qreal half = side * 0.22;
    painter.drawPath(arrowHead(centre - QPointF(0, side * 0.34), half, -1));
    painter.drawPath(arrowHead(centre + QPointF(0, side * 0.34), half, 1));
    painter.drawRect(
        QRectF(centre.x() - side * 0.06, centre.y() - side * 0.14, side * 0.12, side * 0.28));
}

QPoint DividerHandleWidget::onPage(const QMouseEvent &event) const
{
    return mapToParent(event.position().toPoint());
}

void DividerHandleWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_held = true;
    emit pressed(onPage(*event));
}

void DividerHandleWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_held && (event->buttons() & Qt::LeftButton))
        emit dragged(onPage(*event));
}

void DividerHandleWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_held || event->button() != Qt::LeftButton)
        return;
    m_held = false;
    emit released(onPage(*event));
}

DividerLineWidget::DividerLineWidget(int index, QWidget *page) : QWidget(page)
{
    setObjectName(QStringLiteral("handleLine%1").arg(index));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DividerLineWidget::place(int centreY)
{
    const QWidget *page = parentWidget();
    setGeometry(0, centreY - kThicknessPx / 2, page ? page->width() : 0, kThicknessPx);
}

void DividerLineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(kHandleFill, kThicknessPx, Qt::DashLine, Qt::FlatCap);
    pen.setDashPattern({3.0, 2.0});
    painter.setPen(pen);
    painter.drawLine(QPointF(0, height() / 2.0), QPointF(width(), height() / 2.0));
}

} // namespace quillora
