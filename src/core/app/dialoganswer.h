#pragma once
// How one of the program's own questions was answered.

namespace quillora {

enum class DialogAnswer {
    None,   // not answered: the question is still open or went away unanswered
    Yes,    // OK
    No,     // Cancel
    Closed, // the close button, Escape or the window manager's close
};

} // namespace quillora
