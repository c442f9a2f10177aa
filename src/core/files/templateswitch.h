#pragma once
// Trying another template of the same kind without losing the work: the page's pictures, texts
// and rich texts go to the staging folder as members, the new template is read, and each piece
// comes back into the object of the same index.

#include "core/foundation/translator.h"
#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QString>

namespace quillora {

class Staging;

// Switches `page` to the template at `templatePath`. The new template is read first: when it
// cannot be read, or the work cannot be stored, `page` is left exactly as it was and `error`
// says why. On success:
//  - picture box i gets the old picture i stretched to its new size, text box i the old text i,
//    rich text box i the old RTF i (and its plain text); objects the old page did not have keep
//    what the template gives them ("Abc" for texts), its words in the program's language;
//  - texts too long for their new box are shrunk to fit;
//  - the painted border picture is kept, for a new template with a border to show again;
//  - a sheet of repeated copies stops choosing its own count, so the child's count stays;
//  - the change count goes up by one (a switch is a change to save) and no object is current.
// Rich text still held by controls must be written into the model before the call.
[[nodiscard]] bool switchTemplate(PageModel &page, const Staging &staging,
                                  const QString &templatePath, const PageFitInputs &fit,
                                  const Translator &translator, QString *error = nullptr);

} // namespace quillora
