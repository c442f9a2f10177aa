#pragma once
// Fitting every text of a page rebuilt from stored work. A page description keeps font sizes
// and boxes rounded, and a rich text may come from another program, so a text that fitted when
// it was stored can be a little too large once rebuilt. Every path that rebuilds a page (opening
// a work file, previews, exports, a template switch, thumbnails) calls this once it is built.

#include "core/layout/pagemodel.h"

namespace quillora {

// Shrinks every visible text box and rich text box whose text overflows, as typing would have.
void fitPageTexts(PageModel &page);

} // namespace quillora
