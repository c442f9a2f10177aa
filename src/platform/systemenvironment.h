#pragma once
// The environment of the machine the program runs on: screen, clock and folders.

#include "core/foundation/environment.h"

namespace quillora {

// Reads the primary screen, the executable's folder, the documents, temporary and
// configuration folders. Needs a QGuiApplication.
Environment systemEnvironment();

} // namespace quillora
