#include "ui/text/onscreenkeyboardwidget.h"

#include "core/foundation/translator.h"
#include "platform/keysender.h"
#include "ui/kit/twips.h"
#include "ui/text/keyboardkeyface.h"
#include "ui/text/keyvariantspopup.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillora {
namespace {

// How long a key is held before its letters with marks pop up.
constexpr int kHoldMs = 450;

QRect pixels(const QRect &twips)
{
    return QRect(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel,
                 twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel);
}

// Keys are laid out again when the language changes, so they name themselves in its words.
QString spokenName(int index, const QString &caption, const Translator &words)
{
    switch (index) {
    case OnScreenKeyboard::kBackspaceKey:
        return words.translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Backspace")));
    case OnScreenKeyboard::kEnterKey:
        return words.translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Enter")));
    case OnScreenKeyboard::kSpaceKey:
        return words.translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Space")));
    default:
        return caption;
    }
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
    // `english` names the key; a key without `face` shows its name on it.
    ToggleKey(const QString &name, const QString &english, QWidget *parent,
              const QString &face = {})
        : QAbstractButton(parent), m_english(english), m_face(face)
    {
        setObjectName(name);
        setText(face.isEmpty() ? english : face);
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
    }

    void nameIn(const Translator &words)
    {
        const QString name = words.translate(m_english);
        if (m_face.isEmpty())
            setText(name);
        setToolTip(name);
        setAccessibleName(name);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        drawKeyFace(p, rect(), isChecked() || isDown());
        drawKeyCaption(p, rect(), text(), 13);
    }

private:
    QString m_english;
    QString m_face;
};

} // namespace

KeyboardKeyButton::KeyboardKeyButton(int index, QWidget *parent)
    : QAbstractButton(parent), m_index(index)
{
    setObjectName(QStringLiteral("IWBpurpleKey%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
}

void KeyboardKeyButton::setCaption(const QString &caption, const QString &name)
{
    setText(caption);
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
    drawKeyCaption(p, r, text(), 22);
}

void KeyboardKeyButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_holding)
        emit slid(event->globalPosition().toPoint());
    else
        QAbstractButton::mouseMoveEvent(event);
}

void KeyboardKeyButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_holding) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    // The key's own letter is not typed once its variants are open.
    m_holding = false;
    setDown(false);
    emit liftedWhileHeld(event->globalPosition().toPoint());
}

OnScreenKeyboardWidget::OnScreenKeyboardWidget(KeySender &sender, const Translator &words,
                                               QWidget *parent)
    : QWidget(parent), m_sender(sender), m_words(words)
{
    setObjectName(QStringLiteral("IWBkeyboard"));
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(kHoldMs);
    connect(&m_holdTimer, &QTimer::timeout, this, &OnScreenKeyboardWidget::openVariants);
    m_variants = new KeyVariantsPopup(parent ? parent : this);
    connect(m_variants, &KeyVariantsPopup::picked, this,
            [this](int variant) { typeVariant(m_variantsKey, variant); });
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
    auto *close = new ToggleKey(QStringLiteral("closeBut"),
                                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Close keyboard")),
                                this, QStringLiteral("X"));
    close->setCheckable(false);
    close->resize(36, 37);
    connect(close, &QAbstractButton::clicked, this, &OnScreenKeyboardWidget::closeRequested);
    m_closeButton = close;
    applyLayout(keyboardLayoutFor(QLocale()));
}

void OnScreenKeyboardWidget::applyLayout(const KeyboardLayout &layout)
{
    closeVariants();
    const bool placed = !m_keys.isEmpty();
    qDeleteAll(m_keys);
    m_keys.clear();
    const bool shift = m_keyboard.shift();
    const bool caps = m_keyboard.caps();
    m_keyboard = OnScreenKeyboard(layout);
    m_keyboard.setShift(shift);
    m_keyboard.setCaps(caps);
    for (const KeyboardKey &key : m_keyboard.keys()) {
        auto *button = new KeyboardKeyButton(key.index, this);
        button->setGeometry(pixels(key.twips));
        button->show();
        connect(button, &QAbstractButton::pressed, this, [this, i = key.index] { keyPressed(i); });
        connect(button, &QAbstractButton::released, this, [this, i = key.index] { typeKey(i); });
        connect(button, &KeyboardKeyButton::slid, m_variants, &KeyVariantsPopup::highlightAt);
        connect(button, &KeyboardKeyButton::liftedWhileHeld, this, [this](QPoint at) {
            const int variant = m_variants->variantAt(at);
            if (variant >= 0)
                typeVariant(m_variantsKey, variant);
        });
        m_keys << button;
    }
    // A wider language keeps its right edge where the keyboard stood.
    const int oldWidth = width();
    setFixedSize(m_keyboard.widthPx(), OnScreenKeyboard::kHeightPx);
    if (placed && layoutDirection() == Qt::LeftToRight)
        move(x() + oldWidth - width(), y());
    m_closeButton->move(width() - 44, 200);
    refreshCaptions();
}

void OnScreenKeyboardWidget::showEvent(QShowEvent *)
{
    // The child's language, or the school's words for the keys, may have changed since the
    // keyboard was made.
    const KeyboardLayout &layout = keyboardLayoutFor(QLocale());
    if (layout.language != m_keyboard.language())
        applyLayout(layout);
    else
        refreshCaptions();
}

void OnScreenKeyboardWidget::hideEvent(QHideEvent *)
{
    closeVariants();
}

void OnScreenKeyboardWidget::keyPressed(int index)
{
    closeVariants();
    m_heldKey = index;
    if (!m_keyboard.variantsOf(index).isEmpty())
        m_holdTimer.start();
}

void OnScreenKeyboardWidget::openVariants()
{
    KeyboardKeyButton *key = keyButton(m_heldKey);
    if (!key || !key->isDown())
        return;
    m_variantsKey = m_heldKey;
    key->setHolding(true);
    const QRect keyRect(key->mapTo(m_variants->parentWidget(), QPoint(0, 0)), key->size());
    m_variants->open(m_keyboard.variantsOf(m_variantsKey), keyRect);
}

void OnScreenKeyboardWidget::closeVariants()
{
    m_holdTimer.stop();
    m_variants->hide();
    if (KeyboardKeyButton *key = keyButton(m_variantsKey))
        key->setHolding(false);
    m_variantsKey = -1;
}

void OnScreenKeyboardWidget::typeVariant(int index, int variant)
{
    closeVariants();
    emit keyAboutToBeTyped();
    const bool wasShifted = m_keyboard.shift();
    m_sender.send(m_keyboard.releaseVariant(index, variant));
    if (wasShifted)
        setShift(false);
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
    m_holdTimer.stop();
    emit keyAboutToBeTyped();
    const bool wasShifted = m_keyboard.shift();
    m_sender.send(m_keyboard.release(index));
    if (wasShifted)
        setShift(false);
}

void OnScreenKeyboardWidget::refreshCaptions()
{
    setAccessibleName(
        m_words.translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "On screen keyboard"))));
    for (auto *toggle : {m_shiftCheck, m_capsCheck, m_closeButton})
        static_cast<ToggleKey *>(toggle)->nameIn(m_words);
    for (KeyboardKeyButton *key : std::as_const(m_keys)) {
        const QString caption = m_keyboard.captionOf(key->index());
        key->setCaption(caption, spokenName(key->index(), caption, m_words));
    }
}

void OnScreenKeyboardWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    drawKeyboardBoard(p, rect(), 14);
}

void OnScreenKeyboardWidget::mousePressEvent(QMouseEvent *event)
{
    closeVariants();
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
    drawKeyboardBoard(p, rect(), 9);
    p.setPen(Qt::NoPen);
    p.setBrush(kKeyboardKeyFace);
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
