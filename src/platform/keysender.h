#pragma once
// Delivering keystrokes to whatever has the keyboard focus, as a physical key would, so the
// on-screen keyboard types through the same path as a real one (caret, undo, fitting).

#include "core/text/onscreenkeyboard.h"

namespace quillora {

class KeySender {
public:
    virtual ~KeySender() = default;
    virtual void send(const KeyStroke &stroke) = 0;
};

// Sends key press and release events to the application's focus object.
class FocusKeySender : public KeySender {
public:
    void send(const KeyStroke &stroke) override;
};

} // namespace quillora
