#include "ui/doctypes/bannerstrip.h"

#include "core/doctypes/bannerlayout.h"
#include "ui/kit/fingerinput.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace quillora {

namespace {

const QColor kShadowColour(0x9D, 0xBE, 0xDF);

} // namespace

BannerStrip::BannerStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaperHolder"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Banner")));
    FingerInput::takeFingers(*this);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setCursor(Qt::PointingHandCursor);
}

void BannerStrip::showStrip(const QImage &strip, double scale)
{
    m_strip = strip;
    m_scale = scale > 0 ? scale : 1.0;
    setFixedSize(m_strip.size() + QSize(kShadowPx, kShadowPx));
    update();
}

void BannerStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(stripRect().translated(kShadowPx, kShadowPx), kShadowColour);
    painter.drawImage(0, 0, m_strip);
}

void BannerStrip::mousePressEvent(QMouseEvent *event)
{
    const QPointF mm = event->position() / m_scale;
    const int sheet = std::max(0, int(std::floor(mm.x() / kBannerSheetWidthMm)));
    emit pressed(sheet, QPointF(mm.x() - sheet * kBannerSheetWidthMm, mm.y()), event->button());
}

} // namespace quillora
