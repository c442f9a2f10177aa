#include "ui/document/presentationlogo.h"

#include "ui/kit/looks.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace quillora {

namespace {

constexpr int kBadgePx = 48;
constexpr int kGapPx = 8;
constexpr int kNamePixels = 28;
const QString kName = QStringLiteral("Quillora");

} // namespace

PresentationLogo::PresentationLogo(QWidget *parent)
    : QWidget(parent), m_badge(QStringLiteral(":/art/logo/logo.svg"))
{
    setObjectName(QStringLiteral("logoImg"));
    setAccessibleName(kName);
    setFont(looks::childFont(kNamePixels, true));
    resize(sizeHint());
}

QSize PresentationLogo::sizeHint() const
{
    return m_compact ? QSize(kBadgePx, kBadgePx) : fullSize();
}

QSize PresentationLogo::fullSize() const
{
    return QSize(kBadgePx + kGapPx + QFontMetrics(font()).horizontalAdvance(kName) + 2, kBadgePx);
}

void PresentationLogo::setCompact(bool compact)
{
    if (m_compact == compact)
        return;
    m_compact = compact;
    updateGeometry();
    update();
}

void PresentationLogo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_badge.paint(&painter, QRect(0, (height() - kBadgePx) / 2, kBadgePx, kBadgePx));
    if (m_compact)
        return;
    painter.setPen(looks::kInk);
    painter.drawText(QRect(kBadgePx + kGapPx, 0, width() - kBadgePx - kGapPx, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, kName);
}

void PresentationLogo::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace quillora
