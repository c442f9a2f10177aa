#pragma once
// Between the page model and the page's controls for saving, opening and pictures of a page:
// the rich text boxes keep their formatted content in their controls, and a page can be drawn
// by the same controls that show it on screen.

#include "core/layout/pagemodel.h"

#include <QImage>

namespace quillora {

class PageView;

// Writes the content of every rich text control into its box's RTF, for saving.
void readRichTextFromView(const PageView &view, PageModel &page);
// Puts every box's RTF into its control, after opening (the controls show plain text until then).
void showRichTextInView(PageView &view, const PageModel &page);
// The plain text of every rich text box whose RTF is known, so the controls start right.
void takePlainTextFromRtf(PageModel &page);

// The page area as shown, without object frames, focus marks or the text caret.
QImage grabPageArea(PageView &view);

// The page drawn by controls of its own, off screen; `scale` is picture pixels per page pixel.
QImage renderPageWithControls(const PageModel &page, double scale);

} // namespace quillora
