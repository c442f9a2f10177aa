#pragma once
// Printing a leaflet: where each page goes on the A4 sheet so that, folded, the publication
// reads in order with every page upright; the fold lines; and the print itself.
//
// Booklets and cards: an A4 portrait sheet of four pages, the outside row (front and back
// cover) turned over, since the sheet is folded across first with that row behind. Small
// leaflets: the same across an A4 landscape sheet of six pages. Large leaflets fill both faces
// of a landscape sheet: the inside and the outside, printed back to back by turning the sheet
// over its short edge.

#include "core/doctypes/leaflet.h"
#include "core/printing/printjob.h"

#include <QLineF>
#include <QRectF>
#include <QVector>

namespace quillora {

// Each page loses this much on every side when printed: printers cannot reach the paper's
// edge, and the fold lines run clear of the pages' content.
constexpr double kLeafletPrintMarginMm = 10.0;

struct LeafletSheetCell {
    int page = 0;
    QRectF cellMm;       // the page's whole place on the sheet
    bool turned = false; // printed turned by 180 degrees
    QRectF printedMm() const;
};

struct LeafletSheet {
    PageOrientation orientation = PageOrientation::Portrait;
    QSizeF sizeMm;
    QVector<LeafletSheetCell> cells;
    QVector<QLineF> foldsMm; // from edge to edge of the sheet
};

enum class FlipEdge { None, ShortEdge };

struct LeafletPrintLayout {
    QVector<LeafletSheet> sheets;   // the faces to print, in order
    FlipEdge flip = FlipEdge::None; // how the second face goes on the back of the first
};

LeafletPrintLayout leafletPrintLayout(LeafletStyle style);

// Draws one face onto a painter whose origin is the sheet's top-left corner, `unitsPerMm`
// device units to the millimetre: faint fold lines, each page's objects turned as the layout
// says and cut to its printed area, and where the sheet is to be turned over, a small arrow to
// that edge with `flipNote` beside it.
void drawLeafletSheet(QPainter &painter, const PageModel &leaflet, LeafletStyle style,
                      const LeafletSheet &sheet, double unitsPerMm, double fontFactor,
                      FlipEdge flip = FlipEdge::None, const QString &flipNote = {});

// Prints every face of the leaflet for each copy. `flipNote` tells, in the margin of a face
// that has a second face behind it, how to turn the sheet over.
PrintResult printLeaflet(const PageModel &leaflet, LeafletStyle style, PrintDevice &device,
                         const PrintSettings &settings, const QString &flipNote = {});

} // namespace quillora
