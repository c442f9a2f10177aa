#pragma once
// The demonstration texts that presentation mode types into text boxes, one per document type
// and text box.

#include "core/layout/documenttypes.h"

#include <QString>

namespace quillora {

inline constexpr int kDemoTextBoxes = 11; // text boxes 0..10

// The text for a text box of a kind; "" outside the table.
QString demonstrationText(DocumentKind kind, int textBox);

} // namespace quillora
