#pragma once
// Between the page model and the page's controls for saving and opening: the rich text boxes
// keep their formatted content in their controls.

#include "core/layout/pagemodel.h"

namespace quillora {

class PageView;

// Writes the content of every rich text control into its box's RTF, for saving.
void readRichTextFromView(const PageView &view, PageModel &page);
// Puts every box's RTF into its control, after opening (the controls show plain text until then).
// False when some rich text could not be used (not readable, or nested too deep).
bool showRichTextInView(PageView &view, const PageModel &page);
// The plain text of every rich text box whose RTF is known, so the controls start right.
void takePlainTextFromRtf(PageModel &page);

} // namespace quillora
