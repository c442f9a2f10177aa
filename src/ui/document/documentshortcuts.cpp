#include "ui/document/documentshortcuts.h"

namespace quillora {

ShortcutAction shortcutFor(int key, Qt::KeyboardModifiers modifiers, const ShortcutState &state)
{
    // Keypad keys count the same; any other extra modifier (Alt, AltGr, Meta) is another key.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == (Qt::ControlModifier | Qt::ShiftModifier))
        return key == Qt::Key_O ? ShortcutAction::Options : ShortcutAction::None;
    if (held != Qt::ControlModifier)
        return ShortcutAction::None;

    const bool onPicture = state.current.kind == ObjectKind::Picture;
    switch (key) {
    case Qt::Key_C:
        return onPicture ? ShortcutAction::CopyPicture : ShortcutAction::None;
    case Qt::Key_V:
        return onPicture && state.clipboardHasPicture && state.clipboardHasPicture()
                   ? ShortcutAction::PastePicture
                   : ShortcutAction::None;
    case Qt::Key_Y:
        return state.redoButtonShown ? ShortcutAction::Redo : ShortcutAction::None;
    case Qt::Key_Z:
        return state.undoButtonShown ? ShortcutAction::Undo : ShortcutAction::None;
    default:
        return ShortcutAction::None;
    }
}

} // namespace quillora
