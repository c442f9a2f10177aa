#pragma once
// The demonstration texts that presentation mode types into text boxes, one per document type
// and text box.

#include <QString>

namespace quillora {

inline constexpr int kDemoDocumentTypes = 21; // document type codes 0..20
inline constexpr int kDemoTextBoxes = 11;     // text boxes 0..10

// The text for a text box of a document type; "" outside the table.
QString demonstrationText(int documentType, int textBox);

} // namespace quillora
