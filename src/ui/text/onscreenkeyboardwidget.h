#pragma once
// The on-screen keyboard (`IWBkeyboard`) and its mini key (`minKeyBd`): big purple keys a child
// can tap on a whiteboard. The keyboard asks its window for a typing target before every key,
// then types through the key sender exactly as a physical key would.

#include "core/text/onscreenkeyboard.h"

#include <QAbstractButton>
#include <QWidget>

namespace quillora {

class KeySender;

class KeyboardKeyButton : public QAbstractButton {
    Q_OBJECT
public:
    KeyboardKeyButton(int index, QWidget *parent);
    int index() const { return m_index; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_index;
};

class OnScreenKeyboardWidget : public QWidget {
    Q_OBJECT
public:
    OnScreenKeyboardWidget(KeySender &sender, QWidget *parent = nullptr);

    const OnScreenKeyboard &keyboard() const { return m_keyboard; }
    KeyboardKeyButton *keyButton(int index) const { return m_keys.value(index); }

    void setShift(bool on);
    void setCaps(bool on);

signals:
    // Raised before every key: the window gives the focus to the current text object.
    void keyAboutToBeTyped();
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void typeKey(int index);
    void refreshCaptions();

    KeySender &m_sender;
    OnScreenKeyboard m_keyboard;
    QVector<KeyboardKeyButton *> m_keys;
    QAbstractButton *m_shiftCheck = nullptr;
    QAbstractButton *m_capsCheck = nullptr;
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
