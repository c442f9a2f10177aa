#pragma once
// Fitting a page of a given size in millimetres to the screen: the page scale factor and
// where the page sits in its window.

#include "core/layout/documenttypes.h"

#include <QRect>

namespace quillora {

struct PageFitInputs {
    int screenWidthPx = 0;
    int screenHeightPx = 0;
    int toolPaletteWidthPx = 0;
    int toolbarHeightPx = 0;
    DocumentKind documentType = DocumentKind::Simple;
};

struct PageFit {
    float scale = 1.0f;   // pixels per millimetre
    QRect pageRect;       // window pixels
};

PageFit fitPage(const PageFitInputs &in, int pageWidthMm, int pageHeightMm);

} // namespace quillora
