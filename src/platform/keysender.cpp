#include "platform/keysender.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace quillora {

void FocusKeySender::send(const KeyStroke &stroke)
{
    QObject *target = QGuiApplication::focusObject();
    if (!target)
        return;
    int key = Qt::Key_unknown;
    QString text = stroke.text;
    switch (stroke.action) {
    case KeyAction::Backspace:
        key = Qt::Key_Backspace;
        text = QStringLiteral("\b");
        break;
    case KeyAction::Enter:
        key = Qt::Key_Return;
        text = QStringLiteral("\r");
        break;
    case KeyAction::Text:
        if (text.size() == 1 && text[0].isLetterOrNumber() && text[0].unicode() < 0x80)
            key = text[0].toUpper().unicode();
        else if (text == u" ")
            key = Qt::Key_Space;
        break;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace quillora
