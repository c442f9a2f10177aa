#include "core/doctypes/leafletfolds.h"

#include <algorithm>
#include <functional>

namespace quillora {

namespace {

bool isAcross(const QLineF &fold)
{
    return qFuzzyCompare(fold.y1(), fold.y2());
}

// The part of `paper` on one side of a fold at `at` (x for a fold between columns, y across).
QRectF partOf(const QRectF &paper, double at, Qt::Edge side)
{
    QRectF part = paper;
    switch (side) {
    case Qt::TopEdge:
        part.setBottom(at);
        break;
    case Qt::BottomEdge:
        part.setTop(at);
        break;
    case Qt::LeftEdge:
        part.setRight(at);
        break;
    case Qt::RightEdge:
        part.setLeft(at);
        break;
    }
    return part;
}

Qt::Edge opposite(Qt::Edge edge)
{
    switch (edge) {
    case Qt::TopEdge:
        return Qt::BottomEdge;
    case Qt::BottomEdge:
        return Qt::TopEdge;
    case Qt::LeftEdge:
        return Qt::RightEdge;
    case Qt::RightEdge:
        break;
    }
    return Qt::LeftEdge;
}

// The row of turned pages goes behind: folded away, it comes upright on the outside.
Qt::Edge turnedSideOf(const LeafletSheet &sheet, double foldY)
{
    for (const LeafletSheetCell &cell : sheet.cells) {
        if (cell.turned)
            return cell.cellMm.center().y() < foldY ? Qt::TopEdge : Qt::BottomEdge;
    }
    return Qt::TopEdge;
}

FoldStep makeStep(FoldMove move, const QRectF &paper, double at, bool across, Qt::Edge moving)
{
    FoldStep step;
    step.move = move;
    step.paperMm = paper;
    step.foldMm = across ? QLineF(paper.left(), at, paper.right(), at)
                         : QLineF(at, paper.top(), at, paper.bottom());
    step.movingMm = partOf(paper, at, moving);
    return step;
}

} // namespace

QRectF FoldStep::afterMm() const
{
    const bool across = isAcross(foldMm);
    return partOf(paperMm, across ? foldMm.y1() : foldMm.x1(), opposite(movingEdge()));
}

Qt::Edge FoldStep::movingEdge() const
{
    if (isAcross(foldMm))
        return movingMm.center().y() < foldMm.y1() ? Qt::TopEdge : Qt::BottomEdge;
    return movingMm.center().x() < foldMm.x1() ? Qt::LeftEdge : Qt::RightEdge;
}

QVector<FoldStep> leafletFoldSteps(const LeafletPrintLayout &layout)
{
    QVector<FoldStep> steps;
    if (layout.sheets.isEmpty())
        return steps;
    const LeafletSheet &sheet = layout.sheets.front();
    QVector<double> across;
    QVector<double> between;
    for (const QLineF &fold : sheet.foldsMm)
        (isAcross(fold) ? across : between).append(isAcross(fold) ? fold.y1() : fold.x1());
    std::sort(between.begin(), between.end(), std::greater<>());

    QRectF paper(QPointF(0, 0), sheet.sizeMm);
    const auto add = [&](FoldMove move, double at, bool isAcrossFold, Qt::Edge moving) {
        steps.append(makeStep(move, paper, at, isAcrossFold, moving));
        paper = steps.constLast().afterMm();
    };
    for (const double y : across)
        add(FoldMove::Behind, y, true, turnedSideOf(sheet, y));
    for (int i = 0; i < between.size(); ++i) {
        const bool last = i == between.size() - 1;
        add(FoldMove::Over, between[i], false, last ? Qt::LeftEdge : Qt::RightEdge);
    }
    return steps;
}

} // namespace quillora
