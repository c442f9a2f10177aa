#pragma once
// The border set-up of a new document: the kinds of page that always carry a painted border
// ("Shapes", "Certificate", "Display", "Borders") get the standard pattern border when their
// template brings none, and every new document starts with an unpainted border.

#include "core/layout/pagemodel.h"

#include <QString>

namespace quillora {

// The standard pattern border element for a page of this size: portrait pages have the wider
// edges at the sides, landscape pages (wider than tall) at top and bottom.
QString standardBorderElement(int pageWidthMm, int pageHeightMm);

// For the kinds that carry a border, gives a page whose template has none the standard pattern
// border; keeps the painting. Returns whether it did. Switching templates calls this alone.
bool applyStandardBorder(PageModel &page);

// Run after the new document's template has been read. Drops the border painting of the
// previous document (reading a template keeps it only so that switching templates keeps the
// child's work) and, for the kinds that carry a border, gives a page without one the standard
// pattern border. Returns whether the page's border changed.
bool setUpNewDocumentBorder(PageModel &page);

} // namespace quillora
