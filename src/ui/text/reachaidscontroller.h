#pragma once
// What lets a small child reach what a keyboard and a high window keep out of reach: the
// on-screen keyboard with the mini key that brings it back, typing into the text being worked
// on, and the pull-down string that lowers the window. The text controller makes it; the
// settings say which of them show.

#include <QObject>

namespace quillora {

class AppContext;
class DocumentWindow;
class KeySender;
class MiniKeyWidget;
class OnScreenKeyboardWidget;
class PullString;
class TextController;

class ReachAidsController : public QObject {
    Q_OBJECT
public:
    // The keyboard types through `keys`: into whatever has the focus, as a physical key does,
    // in the program; tests give their own.
    ReachAidsController(AppContext &context, DocumentWindow &window, TextController &text,
                        KeySender &keys);

    // After the options changed: keyboard and string shown or hidden by the settings.
    void applySettings();

    OnScreenKeyboardWidget *keyboard() const { return m_keyboard; }
    MiniKeyWidget *miniKey() const { return m_miniKey; }
    PullString *pullString() const { return m_string; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveKeyboardATarget();
    void placeKeyboard();

    AppContext &m_context;
    DocumentWindow &m_window;
    TextController &m_text;
    OnScreenKeyboardWidget *m_keyboard = nullptr;
    MiniKeyWidget *m_miniKey = nullptr;
    PullString *m_string = nullptr;
};

} // namespace quillora
