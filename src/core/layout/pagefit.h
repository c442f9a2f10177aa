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
// The band under the top toolbar that the rich text toolbar fills on the kinds that show it.
constexpr int kRichTextToolbarHeightPx = 56;

struct PageFitInputs {
    int screenWidthPx = 0;
    int screenHeightPx = 0;
    int toolPaletteWidthPx = 0;
    int toolbarHeightPx = 0;
    DocumentKind documentType = DocumentKind::Simple;
    // A right-to-left window: the palette column stands on the right and the page mirrors.
    bool rightToLeft = false;
};

struct PageFit {
    float scale = 1.0f; // pixels per millimetre
    QRect pageRect;     // window pixels
};

PageFit fitPage(const PageFitInputs &in, int pageWidthMm, int pageHeightMm);

// A card in three quarters of the free area (the screen less 100 pixels across and 104 down,
// from the palette's edge and the toolbar's foot), as wide or as tall as its proportions allow
// and centred there: the postcard. fitPage uses it for kinds whose fit rule is Card.
PageFit fitCard(const PageFitInputs &in, int cardWidthMm, int cardHeightMm);

// How a document window fits a page of `kind` on a screen of this size.
PageFitInputs documentWindowFit(int screenWidthPx, int screenHeightPx,
                                DocumentKind kind = DocumentKind::Simple);

} // namespace quillora
