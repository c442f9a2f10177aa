#include "core/doctypes/leafletsheet.h"

#include "core/printing/pagerenderer.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quillora {

namespace {

constexpr QSizeF kA4PortraitMm(210.0, 297.0);
// Fold lines and the flip mark: light and thin, a guide rather than part of the publication.
constexpr QRgb kGuideColour = 0xFFB4B4B4;
constexpr double kGuideWidthMm = 0.25;
constexpr double kNoteHeightMm = 2.5;
constexpr double kMarkFromEdgeMm = 6.0;
constexpr double kArrowLengthMm = 14.0;
constexpr double kArrowHeadMm = 1.6;

// One row of pages side by side from `top`; turned rows are printed upside down.
void addRow(LeafletSheet &sheet, const QList<int> &pages, QSizeF pageMm, double top, bool turned)
{
    for (int i = 0; i < pages.size(); ++i)
        sheet.cells.append({pages[i], QRectF(QPointF(i * pageMm.width(), top), pageMm), turned});
}

void addFolds(LeafletSheet &sheet, int columns, int rows, QSizeF pageMm)
{
    for (int c = 1; c < columns; ++c)
        sheet.foldsMm.append(
            QLineF(c * pageMm.width(), 0, c * pageMm.width(), sheet.sizeMm.height()));
    for (int r = 1; r < rows; ++r)
        sheet.foldsMm.append(
            QLineF(0, r * pageMm.height(), sheet.sizeMm.width(), r * pageMm.height()));
}

void drawFlipMark(QPainter &painter, const LeafletSheet &sheet, double unitsPerMm,
                  const QString &note)
{
    const double right = (sheet.sizeMm.width() - kMarkFromEdgeMm) * unitsPerMm;
    const double y = kMarkFromEdgeMm * unitsPerMm;
    const double head = kArrowHeadMm * unitsPerMm;
    const double left = right - kArrowLengthMm * unitsPerMm;
    QPainterPath arrow;
    arrow.moveTo(left, y);
    arrow.lineTo(right, y);
    arrow.moveTo(right - head, y - head);
    arrow.lineTo(right, y);
    arrow.lineTo(right - head, y + head);
    // A short bar for the edge the sheet turns over.
    arrow.moveTo(right + head, y - 2 * head);
    arrow.lineTo(right + head, y + 2 * head);
    painter.setPen(QPen(QColor::fromRgb(kGuideColour), kGuideWidthMm * 1.5 * unitsPerMm));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    if (note.isEmpty())
        return;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, int(kNoteHeightMm * unitsPerMm)));
    painter.setFont(font);
    const QRectF room(0, y - 2 * head, left - head, 4 * head);
    painter.drawText(room, Qt::AlignRight | Qt::AlignVCenter, note);
}

} // namespace

QRectF LeafletSheetCell::printedMm() const
{
    return cellMm.adjusted(kLeafletPrintMarginMm, kLeafletPrintMarginMm, -kLeafletPrintMarginMm,
                           -kLeafletPrintMarginMm);
}

LeafletPrintLayout leafletPrintLayout(LeafletStyle style)
{
    const QSizeF pageMm = leafletStyleInfo(style).pageMm;
    LeafletPrintLayout layout;
    LeafletSheet sheet;
    switch (style) {
    case LeafletStyle::Booklet:
    case LeafletStyle::Card:
        sheet.sizeMm = kA4PortraitMm;
        addRow(sheet, {0, 3}, pageMm, 0, true);
        addRow(sheet, {1, 2}, pageMm, pageMm.height(), false);
        addFolds(sheet, 2, 2, pageMm);
        layout.sheets = {sheet};
        break;
    case LeafletStyle::SmallLeaflet:
        sheet.orientation = PageOrientation::Landscape;
        sheet.sizeMm = kA4PortraitMm.transposed();
        addRow(sheet, {0, 3, 2}, pageMm, 0, true);
        addRow(sheet, {1, 4, 5}, pageMm, pageMm.height(), false);
        addFolds(sheet, 3, 2, pageMm);
        layout.sheets = {sheet};
        break;
    case LeafletStyle::LargeLeaflet: {
        sheet.orientation = PageOrientation::Landscape;
        sheet.sizeMm = kA4PortraitMm.transposed();
        addFolds(sheet, 3, 1, pageMm);
        LeafletSheet outside = sheet;
        addRow(sheet, {1, 4, 5}, pageMm, 0, false);
        addRow(outside, {2, 3, 0}, pageMm, 0, false);
        layout.sheets = {sheet, outside};
        layout.flip = FlipEdge::ShortEdge;
        break;
    }
    }
    return layout;
}

void drawLeafletSheet(QPainter &painter, const PageModel &leaflet, LeafletStyle style,
                      const LeafletSheet &sheet, double unitsPerMm, double fontFactor,
                      FlipEdge flip, const QString &flipNote)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen fold(QColor::fromRgb(kGuideColour), kGuideWidthMm * unitsPerMm, Qt::DashLine);
    painter.setPen(fold);
    for (const QLineF &line : sheet.foldsMm)
        painter.drawLine(QLineF(line.p1() * unitsPerMm, line.p2() * unitsPerMm));
    if (flip != FlipEdge::None)
        drawFlipMark(painter, sheet, unitsPerMm, flipNote);
    painter.restore();

    if (!(leaflet.scale > 0))
        return;
    for (const LeafletSheetCell &cell : sheet.cells) {
        const QRectF target(cell.cellMm.topLeft() * unitsPerMm, cell.cellMm.size() * unitsPerMm);
        painter.save();
        if (cell.turned) {
            // Turned about the cell's centre: upside down, never mirrored.
            painter.translate(target.center());
            painter.rotate(180);
            painter.translate(-target.center());
        }
        const QRectF printed = cell.printedMm();
        painter.setClipRect(QRectF(printed.topLeft() * unitsPerMm, printed.size() * unitsPerMm),
                            Qt::IntersectClip);
        PageRenderOptions options;
        options.origin = target.topLeft();
        options.scale = unitsPerMm / double(leaflet.scale);
        options.fontFactor = fontFactor;
        renderPage(painter, leafletPageModel(leaflet, style, cell.page), options);
        painter.restore();
    }
}

PrintResult printLeaflet(const PageModel &leaflet, LeafletStyle style, PrintDevice &device,
                         const PrintSettings &settings, const QString &flipNote)
{
    const LeafletPrintLayout layout = leafletPrintLayout(style);
    const int faces = int(layout.sheets.size());
    const int copies = std::clamp(settings.copies, 1, kMaxPrintCopies);
    if (layout.flip == FlipEdge::ShortEdge)
        device.askTwoSidedShortEdge();
    return runPrintJob(
        device, layout.sheets.front().orientation, copies * faces,
        [&](int sheet) {
            // A4 fills the paper exactly; other paper takes the sheet as large as it fits.
            const QSizeF paper = device.paperSize();
            const QSizeF sheetMm = layout.sheets.front().sizeMm;
            const double unitsPerMm =
                std::min(paper.width() / sheetMm.width(), paper.height() / sheetMm.height());
            const int face = sheet % faces;
            QPainter &painter = device.painter();
            painter.save();
            painter.translate(-device.printableArea().topLeft());
            const bool turnsOver = face == 0 && faces > 1;
            drawLeafletSheet(painter, leaflet, style, layout.sheets[face], unitsPerMm,
                             settings.fontFactor, turnsOver ? layout.flip : FlipEdge::None,
                             flipNote);
            painter.restore();
        },
        "the leaflet");
}

} // namespace quillora
