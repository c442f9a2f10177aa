#pragma once
// Makes the whole program speak the language start-up or the options dialog chose: the
// catalogues installed for every control that translates itself (the standard dialogs too), the
// default locale for numbers and dates, and the writing direction of every window.

#include "core/foundation/language.h"

namespace quillora {

// Replaces `previous` (what was applied before; a default Language at start-up) by `current`.
// A reason why the chosen language could not be loaded goes to the log.
void applyLanguage(const Language &previous, const Language &current);

} // namespace quillora
