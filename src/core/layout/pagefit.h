#pragma once
// Fitting a page of a given size in millimetres to the screen: the page scale factor and
// where the page sits in its window.

#include "core/layout/documenttypes.h"

#include <QRect>

namespace quillora {

// The furniture of every document window round its page: the top toolbar and the column on the
// left that holds the felt pens or the paint tools.
constexpr int kToolbarHeightPx = 64;
constexpr int kToolPaletteWidthPx = 106;

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

// How a document window fits a page of `kind` on a screen of this size.
PageFitInputs documentWindowFit(int screenWidthPx, int screenHeightPx,
                                DocumentKind kind = DocumentKind::Simple);

} // namespace quillora
