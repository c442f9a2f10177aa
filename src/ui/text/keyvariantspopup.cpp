#include "ui/text/keyvariantspopup.h"

#include "ui/text/keyboardkeyface.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillora {
namespace {

constexpr int kGapPx = 6;

} // namespace

KeyVariantsPopup::KeyVariantsPopup(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("keyVariants"));
    hide();
}

void KeyVariantsPopup::open(const QStringList &variants, const QRect &keyRect)
{
    m_variants = variants;
    m_highlighted = -1;
    const int count = int(variants.size());
    resize(kGapPx + count * (kKeySizePx + kGapPx), kKeySizePx + 2 * kGapPx);
    const QRect area = parentWidget()->rect();
    QPoint at(keyRect.center().x() - width() / 2, keyRect.top() - height() - kGapPx);
    if (at.y() < area.top())
        at.setY(keyRect.bottom() + kGapPx); // no room above the key: under it
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
    move(at);
    show();
    raise();
    update();
}

QRect KeyVariantsPopup::variantRect(int variant) const
{
    // In the keyboard's own order, as its keys are: a Latin keyboard stays left to right in a
    // mirrored window.
    return QRect(kGapPx + variant * (kKeySizePx + kGapPx), kGapPx, kKeySizePx, kKeySizePx);
}

int KeyVariantsPopup::variantAt(const QPoint &globalPoint) const
{
    if (!isVisible())
        return -1;
    const QPoint local = mapFromGlobal(globalPoint);
    for (int i = 0; i < m_variants.size(); ++i) {
        // A finger a little off the key still means it.
        if (variantRect(i).adjusted(-kGapPx, -kGapPx, kGapPx, kGapPx).contains(local))
            return i;
    }
    return -1;
}

void KeyVariantsPopup::highlightAt(const QPoint &globalPoint)
{
    const int under = variantAt(globalPoint);
    if (under != m_highlighted) {
        m_highlighted = under;
        update();
    }
}

void KeyVariantsPopup::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    drawKeyboardBoard(p, rect(), 10);
    for (int i = 0; i < m_variants.size(); ++i) {
        const QRect r = variantRect(i);
        drawKeyFace(p, r, i == m_highlighted);
        drawKeyCaption(p, r, m_variants[i], 28);
    }
}

void KeyVariantsPopup::mousePressEvent(QMouseEvent *event)
{
    highlightAt(event->globalPosition().toPoint());
}

void KeyVariantsPopup::mouseReleaseEvent(QMouseEvent *event)
{
    const int variant = variantAt(event->globalPosition().toPoint());
    if (variant >= 0)
        emit picked(variant);
}

} // namespace quillora
