#pragma once
// The keyboard shortcuts of a document window: which Ctrl key does what for the current object.
// The window asks before any control sees the key, so the program's undo wins over a text
// control's own, while copy and paste of text stay with the text controls.

#include "core/layout/pagemodel.h"

#include <QtGlobal>

#include <functional>

namespace quillora {

enum class ShortcutAction { None, CopyPicture, PastePicture, Undo, Redo, Options };

struct ShortcutState {
    CurrentObject current;
    bool undoButtonShown = false;
    bool redoButtonShown = false;
    // Asked only for Ctrl+V, so the clipboard is not read on every key.
    std::function<bool()> clipboardHasPicture;
};

ShortcutAction shortcutFor(int key, Qt::KeyboardModifiers modifiers, const ShortcutState &state);

} // namespace quillora
