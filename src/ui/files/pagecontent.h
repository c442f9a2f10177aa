#pragma once
// Between the page model and the page's controls after opening: the model holds every rich text
// box's RTF, and the controls are given it to show.

#include "core/layout/pagemodel.h"

namespace quillora {

class PageView;

// Puts every box's RTF into its control, after opening (the controls show plain text until then).
// False when some rich text could not be used (not readable, or nested too deep).
bool showRichTextInView(PageView &view, const PageModel &page);
// The plain text of every rich text box whose RTF is known, so the controls start right.
void takePlainTextFromRtf(PageModel &page);

} // namespace quillora
