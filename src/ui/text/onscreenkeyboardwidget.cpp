#include "ui/text/onscreenkeyboardwidget.h"

#include "platform/keysender.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillora {
namespace {

constexpr int kTwipsPerPixel = 15;
const QColor kKeyFace(0x7b, 0x3f, 0xe4);
const QColor kKeyFaceDown(0x5a, 0x23, 0xb8);
const QColor kKeyEdge(0x2b, 0x2d, 0x42);
const QColor kBoard(0xf3, 0xe8, 0xff);

QRect pixels(const QRect &twips)
{
    return QRect(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel,
                 twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel);
}

QString spokenName(int index, const QString &caption)
{
    switch (index) {
    case OnScreenKeyboard::kBackspaceKey:
        return QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Backspace"));
    case OnScreenKeyboard::kEnterKey:
        return QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Enter"));
    case OnScreenKeyboard::kSpaceKey:
        return QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Space"));
    default:
        return caption;
    }
}

void drawKeyFace(QPainter &p, const QRectF &r, bool down)
{
    p.setPen(QPen(kKeyEdge, 2));
    p.setBrush(down ? kKeyFaceDown : kKeyFace);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(r.left() + 5, r.top() + 4, r.width() - 10, r.height() / 3), 4, 4);
}

void drawArrow(QPainter &p, const QRectF &r, bool enter)
{
    QPainterPath path;
    const QPointF c = r.center();
    const qreal w = r.width() * 0.28;
    if (enter) {
        path.moveTo(c.x() + w, c.y() - 8);
        path.lineTo(c.x() + w, c.y() + 4);
        path.lineTo(c.x() - w, c.y() + 4);
    } else {
        path.moveTo(c.x() + w, c.y());
        path.lineTo(c.x() - w, c.y());
    }
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const qreal ay = enter ? c.y() + 4 : c.y();
    QPainterPath head;
    head.moveTo(c.x() - w - 4, ay);
    head.lineTo(c.x() - w + 5, ay - 7);
    head.lineTo(c.x() - w + 5, ay + 7);
    head.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(head);
}

class ToggleKey : public QAbstractButton {
public:
    ToggleKey(const QString &name, const QString &caption, QWidget *parent)
        : QAbstractButton(parent)
    {
        setObjectName(name);
        setText(caption);
        setToolTip(caption);
        setAccessibleName(caption);
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        drawKeyFace(p, rect(), isChecked() || isDown());
        p.setPen(Qt::white);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.drawText(rect(), Qt::AlignCenter, text());
    }
};

} // namespace

KeyboardKeyButton::KeyboardKeyButton(int index, QWidget *parent)
    : QAbstractButton(parent), m_index(index)
{
    setObjectName(QStringLiteral("IWBpurpleKey%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
}

void KeyboardKeyButton::setCaption(const QString &caption)
{
    setText(caption);
    const QString name = spokenName(m_index, caption);
    setToolTip(name);
    setAccessibleName(name);
    update();
}

void KeyboardKeyButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = rect();
    if (isDown())
        r.translate(1, 1);
    drawKeyFace(p, r, isDown());
    if (m_index == OnScreenKeyboard::kBackspaceKey || m_index == OnScreenKeyboard::kEnterKey) {
        drawArrow(p, r, m_index == OnScreenKeyboard::kEnterKey);
        return;
    }
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, text());
}

OnScreenKeyboardWidget::OnScreenKeyboardWidget(KeySender &sender, QWidget *parent)
    : QWidget(parent), m_sender(sender)
{
    setObjectName(QStringLiteral("IWBkeyboard"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "On screen keyboard")));
    setFixedSize(OnScreenKeyboard::kWidthPx, OnScreenKeyboard::kHeightPx);
    m_keys.resize(OnScreenKeyboard::kKeyCount);
    for (const KeyboardKey &key : OnScreenKeyboard::keys()) {
        auto *button = new KeyboardKeyButton(key.index, this);
        button->setGeometry(pixels(key.twips));
        connect(button, &QAbstractButton::released, this, [this, i = key.index] { typeKey(i); });
        m_keys[key.index] = button;
    }
    auto *shift = new ToggleKey(QStringLiteral("ShiftCheck"),
                                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Shift")), this);
    shift->setGeometry(8, 156, 76, 41);
    connect(shift, &QAbstractButton::toggled, this, &OnScreenKeyboardWidget::setShift);
    m_shiftCheck = shift;
    auto *caps = new ToggleKey(QStringLiteral("CapsCheck"),
                               QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Caps")), this);
    caps->setGeometry(8, 112, 52, 41);
    connect(caps, &QAbstractButton::toggled, this, &OnScreenKeyboardWidget::setCaps);
    m_capsCheck = caps;
    auto *close =
        new ToggleKey(QStringLiteral("closeBut"),
                      QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Close keyboard")), this);
    close->setCheckable(false);
    close->setText(QStringLiteral("X"));
    close->setGeometry(width() - 44, 200, 36, 37);
    connect(close, &QAbstractButton::clicked, this, &OnScreenKeyboardWidget::closeRequested);
    refreshCaptions();
}

void OnScreenKeyboardWidget::setShift(bool on)
{
    m_keyboard.setShift(on);
    if (m_shiftCheck->isChecked() != on)
        m_shiftCheck->setChecked(on);
    refreshCaptions();
}

void OnScreenKeyboardWidget::setCaps(bool on)
{
    m_keyboard.setCaps(on);
    if (m_capsCheck->isChecked() != on)
        m_capsCheck->setChecked(on);
    refreshCaptions();
}

void OnScreenKeyboardWidget::typeKey(int index)
{
    emit keyAboutToBeTyped();
    const bool wasShifted = m_keyboard.shift();
    m_sender.send(m_keyboard.release(index));
    if (wasShifted)
        setShift(false);
}

void OnScreenKeyboardWidget::refreshCaptions()
{
    for (KeyboardKeyButton *key : std::as_const(m_keys))
        key->setCaption(m_keyboard.captionOf(key->index()));
}

void OnScreenKeyboardWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kKeyEdge, 3));
    p.setBrush(kBoard);
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
}

void OnScreenKeyboardWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragStart = event->position().toPoint();
}

void OnScreenKeyboardWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        move(pos() + event->position().toPoint() - m_dragStart);
}

MiniKeyWidget::MiniKeyWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("minKeyBd"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open keyboard")));
    setToolTip(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open keyboard")));
    setFixedSize(64, 48);
    setCursor(Qt::PointingHandCursor);
}

void MiniKeyWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kKeyEdge, 3));
    p.setBrush(kBoard);
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(kKeyFace);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < (row == 2 ? 1 : 5); ++col) {
            const QRectF key =
                row == 2 ? QRectF(18, 34, 28, 6) : QRectF(9 + col * 10, 10 + row * 11, 7, 7);
            p.drawRoundedRect(key, 2, 2);
        }
    }
}

void MiniKeyWidget::mousePressEvent(QMouseEvent *event)
{
    m_grab = event->position().toPoint();
    m_startPosition = pos();
}

void MiniKeyWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        move(pos() + event->position().toPoint() - m_grab);
}

void MiniKeyWidget::mouseReleaseEvent(QMouseEvent *)
{
    if (OnScreenKeyboard::isTap(m_startPosition, pos()))
        emit tapped();
}

} // namespace quillora
