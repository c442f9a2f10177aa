#pragma once
// How to fold a printed leaflet, step by step, read from the sheet layout that placed its
// pages: first the fold across that puts the turned row of pages behind, then the folds between
// the columns, the right ones in first and the leftmost last, so the front cover ends on top.

#include "core/doctypes/leafletsheet.h"

#include <QLineF>
#include <QRectF>
#include <QVector>

namespace quillora {

enum class FoldMove {
    Behind, // the moving part goes behind the rest
    Over,   // the moving part comes over onto the rest
};

struct FoldStep {
    FoldMove move = FoldMove::Over;
    QRectF paperMm;  // the folded paper as it lies before this step, in sheet millimetres
    QLineF foldMm;   // the fold to make, across the paper
    QRectF movingMm; // the part of the paper that moves
    // Where the moving part lands: the paper that is left after the step.
    QRectF afterMm() const;
    // Which side of the paper moves.
    Qt::Edge movingEdge() const;
};

// The folds for the printed sheet, in order; nothing for a sheet without folds.
QVector<FoldStep> leafletFoldSteps(const LeafletPrintLayout &layout);

} // namespace quillora
