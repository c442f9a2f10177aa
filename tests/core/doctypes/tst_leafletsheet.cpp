// The printed leaflet folds into reading order: a model of the printed sheet is folded along
// its fold lines and read view by view; every page must come in order and upright, and moving
// or turning any one page must break that. Then the print itself, in pixels.

#include "core/doctypes/leafletsheet.h"
#include "core/layout/documenttypes.h"
#include "core/printing/imageprintdevice.h"

#include <QTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)

namespace {

// A page as the reader meets it: which page, and where its top points (y grows downwards).
struct Seen {
    int page = -1;
    QPointF up;
};

// One panel of the folded strip: its place, the page printed on the face towards the reader
// of the inside, and the page behind it, both given as seen from the inside.
struct Panel {
    QRectF rect;
    Seen inside;
    Seen outside;
};

QPointF printedUp(const LeafletSheetCell &cell)
{
    return cell.turned ? QPointF(0, 1) : QPointF(0, -1);
}

// Seen from the outside, the panel is turned over about an upright axis: left and right swap.
Seen fromOutside(Seen seen)
{
    seen.up.setX(-seen.up.x());
    return seen;
}

bool sameRect(const QRectF &a, const QRectF &b)
{
    return (a.topLeft() - b.topLeft()).manhattanLength() < 1e-6 && a.size() == b.size();
}

// Folds the printed faces into one strip of panels, left to right as the inside shows them.
// A sheet with a fold across is folded with its upper half behind: those pages are mirrored
// top to bottom onto the panels below them. A second face printed back to back, turned over
// its short edge, lies behind the first mirrored left to right.
QString foldIntoStrip(const LeafletPrintLayout &layout, QVector<Panel> &strip)
{
    const LeafletSheet &first = layout.sheets.front();
    std::optional<double> across;
    for (const QLineF &fold : first.foldsMm)
        if (fold.dy() == 0)
            across = fold.y1();
    QVector<LeafletSheetCell> behind;
    for (const LeafletSheetCell &cell : first.cells) {
        if (across && cell.cellMm.bottom() <= *across + 1e-9) {
            LeafletSheetCell folded = cell;
            folded.cellMm.moveTop(2 * *across - cell.cellMm.bottom());
            behind.append(folded);
            continue;
        }
        strip.append({cell.cellMm, {cell.page, printedUp(cell)}, {}});
    }
    if (layout.sheets.size() == 2) {
        if (layout.flip != FlipEdge::ShortEdge)
            return QStringLiteral("a second face without a way to turn the sheet");
        const double width = layout.sheets[1].sizeMm.width();
        for (LeafletSheetCell cell : layout.sheets[1].cells) {
            // Mirrored left to right: the top stays the top.
            cell.cellMm.moveLeft(width - cell.cellMm.right());
            behind.append(cell);
        }
    }
    for (const LeafletSheetCell &cell : behind) {
        auto panel = std::find_if(strip.begin(), strip.end(), [&cell](const Panel &p) {
            return sameRect(p.rect, cell.cellMm);
        });
        if (panel == strip.end() || panel->outside.page >= 0)
            return QStringLiteral("page %1 lands behind no panel").arg(cell.page);
        QPointF up = printedUp(cell);
        if (across)
            up.setY(-up.y());
        panel->outside = {cell.page, up};
    }
    std::sort(strip.begin(), strip.end(),
              [](const Panel &a, const Panel &b) { return a.rect.x() < b.rect.x(); });
    // The strip folds between its panels, exactly where the fold lines are printed.
    for (int i = 1; i < strip.size(); ++i) {
        const double edge = strip[i].rect.left();
        const bool printed = std::any_of(first.foldsMm.begin(), first.foldsMm.end(),
                                         [edge](const QLineF &f) {
                                             return f.dx() == 0 && qFuzzyCompare(f.x1(), edge);
                                         });
        if (!printed)
            return QStringLiteral("no fold line at %1 mm").arg(edge);
    }
    return {};
}

// What the reader meets: the cover (the outside of the first panel); opened, the inside of the
// first panel beside the next page; on six pages the flap (the last panel, folded in first)
// shows its outside there until it is opened too; last the back (the outside of the middle).
QVector<QVector<Seen>> read(const QVector<Panel> &strip)
{
    if (strip.size() == 2)
        return {{fromOutside(strip[0].outside)},
                {strip[0].inside, strip[1].inside},
                {fromOutside(strip[1].outside)}};
    return {{fromOutside(strip[0].outside)},
            {strip[0].inside, fromOutside(strip[2].outside)},
            {strip[0].inside, strip[1].inside, strip[2].inside},
            {fromOutside(strip[1].outside)}};
}

QString readingProblem(const LeafletPrintLayout &layout, int pageCount)
{
    QVector<Panel> strip;
    const QString folding = foldIntoStrip(layout, strip);
    if (!folding.isEmpty())
        return folding;
    const QVector<QVector<int>> expected =
        pageCount == 4 ? QVector<QVector<int>>{{0}, {1, 2}, {3}}
                       : QVector<QVector<int>>{{0}, {1, 2}, {1, 4, 5}, {3}};
    const QVector<QVector<Seen>> views = read(strip);
    for (int v = 0; v < views.size(); ++v)
        for (int i = 0; i < views[v].size(); ++i) {
            const Seen &seen = views[v][i];
            if (seen.page != expected[v][i])
                return QStringLiteral("view %1 shows page %2 where page %3 belongs")
                    .arg(v)
                    .arg(seen.page)
                    .arg(expected[v][i]);
            if (seen.up != QPointF(0, -1))
                return QStringLiteral("page %1 is not upright").arg(seen.page);
        }
    return {};
}

void addStyleRows()
{
    QTest::addColumn<LeafletStyle>("style");
    for (LeafletStyle style : {LeafletStyle::Booklet, LeafletStyle::Card,
                               LeafletStyle::LargeLeaflet, LeafletStyle::SmallLeaflet})
        QTest::newRow(qPrintable(leafletStyleCode(style))) << style;
}

// A leaflet whose every page is one picture of its own colour, with a black mark in the
// page's top-left corner inside the printed area.
PageModel colouredLeaflet(LeafletStyle style, float scale)
{
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    const LeafletStyleInfo info = leafletStyleInfo(style);
    PageModel leaflet;
    leaflet.documentType = DocumentKind::Leaflet;
    leaflet.scale = scale;
    for (int page = 0; page < info.pageCount; ++page) {
        PictureBoxModel box;
        box.geometry = QRect(QPoint(), (info.pageMm * scale).toSize());
        box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
        box.image.fill(colours[page]);
        const int mark = int(12 * scale);
        QPainter(&box.image).fillRect(QRect(mark, mark, mark, mark), Qt::black);
        box.visible = true;
        leaflet.pictureBoxes.append(box);
    }
    return leaflet;
}

} // namespace

class TestLeafletSheet : public QObject {
    Q_OBJECT
private slots:
    void foldsIntoReadingOrder_data() { addStyleRows(); }

    void foldsIntoReadingOrder()
    {
        QFETCH(LeafletStyle, style);
        const LeafletPrintLayout layout = leafletPrintLayout(style);
        const int pages = leafletStyleInfo(style).pageCount;
        const QString problem = readingProblem(layout, pages);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        // The model notices any page moved to another place or turned the other way.
        for (int sheet = 0; sheet < layout.sheets.size(); ++sheet)
            for (int a = 0; a < layout.sheets[sheet].cells.size(); ++a) {
                LeafletPrintLayout turned = layout;
                turned.sheets[sheet].cells[a].turned = !turned.sheets[sheet].cells[a].turned;
                QVERIFY(!readingProblem(turned, pages).isEmpty());
                for (int b = a + 1; b < layout.sheets[sheet].cells.size(); ++b) {
                    LeafletPrintLayout swapped = layout;
                    std::swap(swapped.sheets[sheet].cells[a].page,
                              swapped.sheets[sheet].cells[b].page);
                    QVERIFY(!readingProblem(swapped, pages).isEmpty());
                }
            }
    }

    // Printed on one-pixel-per-millimetre paper: each page's colour fills its printed area and
    // its corner mark comes out where the layout turns it; the 10 mm edge stays white.
    void printsEachPageInItsPlace_data() { addStyleRows(); }

    void printsEachPageInItsPlace()
    {
        QFETCH(LeafletStyle, style);
        const PageModel leaflet = colouredLeaflet(style, 2.0f);
        ImagePrintDevice device(QStringLiteral("paper"), QSize(210, 297), QMargins(5, 5, 5, 5));
        const PrintResult result = printLeaflet(leaflet, style, device, PrintSettings{});
        QCOMPARE(result.outcome, PrintOutcome::Printed);
        const LeafletPrintLayout layout = leafletPrintLayout(style);
        QCOMPARE(device.pages().size(), layout.sheets.size());
        for (int face = 0; face < layout.sheets.size(); ++face) {
            const QImage &printed = device.pages()[face];
            QCOMPARE(printed.size(), layout.sheets[face].sizeMm.toSize());
            for (const LeafletSheetCell &cell : layout.sheets[face].cells) {
                const QRectF area = cell.printedMm();
                const QColor colour = leaflet.pictureBoxes[cell.page].image.pixelColor(0, 0);
                QCOMPARE(printed.pixelColor(area.center().toPoint()), colour);
                QCOMPARE(printed.pixelColor((cell.cellMm.topLeft() + QPointF(5, 5)).toPoint()),
                         QColor(Qt::white));
                // The mark 12 mm in from the page's top-left corner, 2 mm into the print.
                const QPointF mark = cell.turned ? area.bottomRight() - QPointF(3.5, 3.5)
                                                 : area.topLeft() + QPointF(3, 3);
                QCOMPARE(printed.pixelColor(mark.toPoint()), QColor(Qt::black));
            }
        }
    }
};

QTEST_MAIN(TestLeafletSheet)
#include "tst_leafletsheet.moc"
