#pragma once
// The on-screen keyboard (`IWBkeyboard`) and its mini key (`minKeyBd`): big purple keys a child
// can tap on a whiteboard. The keyboard asks its window for a typing target before every key,
// then types through the key sender exactly as a physical key would.

#include "core/text/onscreenkeyboard.h"

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

namespace quillora {

class KeySender;
class Translator;
class KeyVariantsPopup;

class KeyboardKeyButton : public QAbstractButton {
    Q_OBJECT
public:
    KeyboardKeyButton(int index, QWidget *parent);
    int index() const { return m_index; }
    // `name` is what the key is called aloud and in its tool tip: the caption, or a word for
    // the keys without letters.
    void setCaption(const QString &caption, const QString &name);
    // While its variants are open the held key reports the finger instead of typing itself.
    void setHolding(bool holding) { m_holding = holding; }

signals:
    void slid(QPoint globalPoint);
    void liftedWhileHeld(QPoint globalPoint);

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_holding = false;
};

class OnScreenKeyboardWidget : public QWidget {
    Q_OBJECT
public:
    // The keys are named in `words`, the school's and the program's language.
    OnScreenKeyboardWidget(KeySender &sender, const Translator &words, QWidget *parent = nullptr);

    const OnScreenKeyboard &keyboard() const { return m_keyboard; }
    KeyboardKeyButton *keyButton(int index) const { return m_keys.value(index); }
    KeyVariantsPopup *variantsPopup() const { return m_variants; }

    void setShift(bool on);
    void setCaps(bool on);

signals:
    // Raised before every key: the window gives the focus to the current text object.
    void keyAboutToBeTyped();
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void applyLayout(const KeyboardLayout &layout);
    void keyPressed(int index);
    void openVariants();
    void closeVariants();
    void typeKey(int index);
    void typeVariant(int index, int variant);
    void refreshCaptions();

    KeySender &m_sender;
    const Translator &m_words;
    OnScreenKeyboard m_keyboard;
    QVector<KeyboardKeyButton *> m_keys;
    QAbstractButton *m_shiftCheck = nullptr;
    QAbstractButton *m_capsCheck = nullptr;
    QAbstractButton *m_closeButton = nullptr;
    KeyVariantsPopup *m_variants = nullptr;
    QTimer m_holdTimer;
    int m_heldKey = -1;
    int m_variantsKey = -1; // the key whose variants are open
    QPoint m_dragStart;
};

// The small key that stands for the keyboard while it is closed: a tap opens the keyboard,
// a drag moves it.
class MiniKeyWidget : public QWidget {
    Q_OBJECT
public:
    explicit MiniKeyWidget(QWidget *parent = nullptr);

signals:
    void tapped();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_grab;
    QPoint m_startPosition;
};

} // namespace quillora
