// Leaflets: fitted to the screen, turned tick by tick, the description's bytes and the reader's
// repairs (work files round trip in tst_leafletwindow); and the printed sheet, every page in its
// place and the right way up.

#include "core/doctypes/leafletdescription.h"
#include "core/doctypes/leafletfolds.h"
#include "core/doctypes/leafletsheet.h"
#include "core/doctypes/leafletturn.h"
#include "core/layout/documenttypes.h"
#include "core/printing/imageprintdevice.h"
#include "support/rows.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)
Q_DECLARE_METATYPE(quillora::LeafletView)
Q_DECLARE_METATYPE(quillora::LeafletMotion)
Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

const QSize kScreen(1920, 1080);
const QSize kSmallScreen(1280, 800);
constexpr auto kBooklet = LeafletStyle::Booklet;
constexpr auto kSmall = LeafletStyle::SmallLeaflet;

const QColor kPageColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};

QVector<QImage> colouredPages(QSize size)
{
    QVector<QImage> pages;
    for (QColor colour : kPageColours) {
        pages.append(QImage(size, QImage::Format_RGB32));
        pages.back().fill(colour);
    }
    return pages;
}

// A card at two pixels to the millimetre: a picture on the front, a text on every page, a
// rich text inside (the first one left unused) and the painted border.
PageModel sampleCard()
{
    PageModel card;
    card.documentType = DocumentKind::Card;
    card.scale = 2.0f;
    card.pageWidthMm = 105;
    card.pageHeightMm = 148;
    card.pictureBoxes.resize(1);
    card.pictureBoxes[0].geometry = QRect(30, 30, 150, 120);
    card.pictureBoxes[0].image = test::filledPicture(QSize(150, 120), Qt::red);
    card.textBoxes.resize(4);
    for (int page = 0; page < 4; ++page) {
        TextBoxModel &text = card.textBoxes[page];
        text.geometry = QRect(30, 170 + 10 * page, 150, 60);
        text.style = {
            QStringLiteral("comic sans ms"), 24, false, false, false, Alignment::Centre, 0x2820DC};
        text.text = QStringLiteral("Page %1\r\nwith the child's words").arg(page);
    }
    card.richTextBoxes.resize(2);
    card.richTextBoxes[1].geometry = QRect(20, 20, 170, 100);
    card.richTextBoxes[1].style.fontSize = 20;
    card.richTextBoxes[1].style.bold = true;
    card.richTextBoxes[1].rtf = QStringLiteral("{\\rtf1\\ansi Hello}");
    card.announcedPictureBoxes = 1;
    card.announcedTextBoxes = 4;
    card.announcedRichTextBoxes = 2;
    card.border = cardBorder(card.scale, QImage(20, 20, QImage::Format_RGB32));
    card.border.picture.fill(Qt::blue);
    return card;
}

// A leaflet whose every page is one picture of its own colour, with a black mark in the
// page's top-left corner inside the printed area.
PageModel colouredLeaflet(LeafletStyle style, float scale)
{
    const LeafletStyleInfo info = leafletStyleInfo(style);
    PageModel leaflet;
    leaflet.documentType = DocumentKind::Leaflet;
    leaflet.scale = scale;
    for (int page = 0; page < info.pageCount; ++page) {
        PictureBoxModel box;
        box.geometry = QRect(QPoint(), (info.pageMm * scale).toSize());
        box.image = test::filledPicture(box.geometry.size(), kPageColours[page]);
        const int mark = int(12 * scale);
        QPainter(&box.image).fillRect(QRect(mark, mark, mark, mark), Qt::black);
        box.visible = true;
        leaflet.pictureBoxes.append(box);
    }
    return leaflet;
}

} // namespace

class TestLeaflet : public QObject {
    Q_OBJECT
private slots:
    void screenGeometry_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("holder");
        QTest::addColumn<QSize>("panel");
        // Wide screens limit by height and centre the holder; tall ones limit by width.
        QTest::newRow("4p wide") << kBooklet << kScreen << QRect(334, 0, 1152, 976)
                                 << QSize(575, 813);
        test::addRow("4p tall", kBooklet, QSize(800, 1280), QRect(0, 0, 700, 594), QSize(350, 495));
        QTest::newRow("6s wide") << kSmall << kScreen << QRect(0, 0, 1782, 756) << QSize(594, 630);
        QTest::newRow("tiny screen")
            << LeafletStyle::Card << QSize(50, 50) << QRect(0, 0, 1, 1) << QSize(1, 1);
    }

    void screenGeometry()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(QSize, screen);
        QFETCH(QRect, holder);
        const LeafletScreenGeometry geometry = leafletScreenGeometry(style, screen);
        QCOMPARE(geometry.holder, holder);
        QTEST(geometry.panelSize, "panel");
    }

    void motion_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<LeafletView>("from");
        QTest::addColumn<LeafletMotion>("motion");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<LeafletView>("to");
        QTest::addColumn<QList<int>>("turningPages"); // at the start and on the last frame
        const auto forward = LeafletMotion::TurnForward;
        QTest::newRow("step 0 is 15") << kBooklet << LeafletView::Front << forward << 0 << 12
                                      << LeafletView::Inside << QList{0, 1};
        QTest::newRow("uneven step") << kBooklet << LeafletView::Inside << forward << 50 << 4
                                     << LeafletView::Back << QList{2, 3};
        QTest::newRow("from the back") << kBooklet << LeafletView::Back << LeafletMotion::TurnBack
                                       << 15 << 12 << LeafletView::Inside << QList{3, 2};
        QTest::newRow("open the flap") << kSmall << LeafletView::Inside << LeafletMotion::OpenFlap
                                       << 15 << 12 << LeafletView::FlapOpen << QList{2, 5};
        test::addRow("close the flap", kSmall, LeafletView::FlapOpen, LeafletMotion::CloseFlap, 45,
                     4, LeafletView::Inside, QList{5, 2});
    }

    // A turn starts flat, takes its frames, refuses another turn or view, ends in its view.
    void motion()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(LeafletView, from);
        QFETCH(LeafletMotion, motion);
        QFETCH(int, step);
        QFETCH(int, ticks);
        QFETCH(QList<int>, turningPages);
        LeafletViewer viewer(style, leafletScreenGeometry(style, kScreen), step);
        QVERIFY(viewer.show(from));
        QVERIFY(viewer.start(motion));
        QCOMPARE(viewer.frame().turning.page, turningPages[0]);
        QCOMPARE(viewer.frame().turning.corners[0].y(), viewer.frame().turning.corners[1].y());
        int counted = 1;
        for (; viewer.tick(); ++counted) {
            QVERIFY(counted < ticks);
            QVERIFY(!viewer.start(LeafletMotion::TurnForward) &&
                    !viewer.start(LeafletMotion::TurnBack) && !viewer.show(LeafletView::Front));
            QCOMPARE(viewer.view(), from);
            if (counted == ticks - 1)
                QCOMPARE(viewer.frame().turning.page, turningPages[1]);
        }
        QCOMPARE(counted, ticks);
        QTEST(viewer.view(), "to");
        QVERIFY(!viewer.start(LeafletMotion::OpenFlap) || style == kSmall);
    }

    // Opening the cover: page 0 flat over the right panel first, then lifted with its far edge
    // dipping; near the end page 1 lies on the left and page 2, uncovered, on the right.
    void framePixels()
    {
        const LeafletScreenGeometry geometry = leafletScreenGeometry(kBooklet, kScreen);
        const QVector<QImage> pages = colouredPages(QSize(40, 60));
        LeafletViewer viewer(kBooklet, geometry, 15);
        QVERIFY(viewer.start(LeafletMotion::TurnForward));
        QCOMPARE(viewer.frame().turning.corners[1], QPoint(1150, 0)); // the far edge
        QImage frame = renderLeafletFrame(viewer.frame(), geometry, pages, Qt::gray);
        QCOMPARE(frame.pixelColor(geometry.panel(1).center()), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(geometry.panel(0).center()), QColor(Qt::gray));
        for (int i = 0; i < 5; ++i)
            viewer.tick();
        QCOMPARE(viewer.frame().turning.corners[1], QPoint(724, 111));
        for (int i = 5; i < 11; ++i)
            viewer.tick();
        QCOMPARE(viewer.frame().turning.corners[0], QPoint(20, 30)); // the back's far edge
        frame = renderLeafletFrame(viewer.frame(), geometry, pages, Qt::gray);
        QCOMPARE(frame.pixelColor(geometry.panel(0).center()), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(geometry.panel(1).center()), QColor(Qt::blue));
    }

    void writerMatchesGoldenFile()
    {
        QCOMPARE(leafletDescription(sampleCard(), LeafletStyle::Card).toLatin1(),
                 test::readFile(QUILLORA_TEST_DATA "/savedlayout/leaflet-card.xml"));
    }

    void readerRepairs_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<int>("texts"); // announced after reading
        const QString root = QStringLiteral("<layout width='105' height='148' numtextboxes='8' "
                                            "numpicboxes='1'>\n");
        const QString text =
            QStringLiteral("<textbox name='tb0' x='10' y='10' width='60' height='20' size='5'/>\n"
                           "<textbox name='tb5' x='10' y='10' width='30' height='20' size='5'/>\n"
                           "<textbox name='tb1' x='10' y='10' width='0' height='20' size='5'/>\n"
                           "<picbox name='pb0' x='500' y='-40' width='400' height='50'/>\n");
        QTest::newRow("unknown style")
            << DocumentKind::Card << root + "<leaflet style='9z'/>\n" + text << LeafletStyle::Card
            << 4;
        test::addRow("style of another kind", DocumentKind::Booklet,
                     root + "<leaflet style='6b'/>\n" + text, LeafletStyle::Booklet, 8);
        QTest::newRow("no leaflet line")
            << DocumentKind::Leaflet << root + text << LeafletStyle::LargeLeaflet << 8;
        test::addRow("small leaflet", DocumentKind::Leaflet,
                     root + "<leaflet style='6S'/>\n" + text, LeafletStyle::SmallLeaflet, 6);
    }

    // Objects without a page or a size are not shown; objects off their page come onto it.
    void readerRepairs()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, lines);
        QFETCH(LeafletStyle, style);
        PageModel leaflet;
        LeafletStyle read = LeafletStyle::Booklet;
        QVERIFY(readLeafletDescription(lines.toLatin1(), QStringLiteral("work.xml"),
                                       {kind, kSmallScreen}, leaflet, read));
        QCOMPARE(read, style);
        QTEST(leaflet.announcedTextBoxes, "texts");
        QVERIFY(leaflet.textBoxes[0].visible && !leaflet.textBoxes[1].visible);
        QCOMPARE(leaflet.textBoxes[5].visible, leafletPageOfObject(style, 5) >= 0);
        const QRect page(QPoint(), leafletScreenGeometry(style, kSmallScreen).panelSize);
        QVERIFY(page.contains(leaflet.pictureBoxes[0].geometry));
        QCOMPARE(leaflet.pictureBoxes[0].geometry.width(), page.width());
    }

    void unreadableDescriptionLeavesTheLeafletAlone()
    {
        PageModel leaflet = sampleCard();
        LeafletStyle style = LeafletStyle::Card;
        QString error;
        QVERIFY(!readLeafletDescription("<leaflet style='4c'/>", QStringLiteral("w.xml"),
                                        {DocumentKind::Card, kSmallScreen}, leaflet, style,
                                        &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!readLeafletDescription("<layout width='1'>", QStringLiteral("w.xml"),
                                        {DocumentKind::Simple, kSmallScreen}, leaflet, style,
                                        &error));
        QCOMPARE(leaflet.scale, 2.0f);
    }

    // The faces as printed, row by row and left to right, "^" marking a page printed upside
    // down: folded, the cover comes first and every page stands upright in reading order.
    void printsEachPageInItsPlace_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<QString>("faces");
        test::addRow("4p", kBooklet, QStringLiteral("0^ 3^ 1 2"));
        test::addRow("4c", LeafletStyle::Card, QStringLiteral("0^ 3^ 1 2"));
        test::addRow("6b", LeafletStyle::LargeLeaflet, QStringLiteral("1 4 5 | 2 3 0"));
        test::addRow("6s", kSmall, QStringLiteral("0^ 3^ 2^ 1 4 5"));
    }

    // Printed on one-pixel-per-millimetre paper: each page's colour fills its printed area and
    // its corner mark comes out where the layout turns it; the 10 mm edge stays white.
    void printsEachPageInItsPlace()
    {
        QFETCH(LeafletStyle, style);
        const LeafletPrintLayout layout = leafletPrintLayout(style);
        QStringList faces;
        for (const LeafletSheet &sheet : layout.sheets) {
            QStringList cells;
            for (const LeafletSheetCell &cell : sheet.cells)
                cells << QString::number(cell.page) + (cell.turned ? "^" : "");
            faces << cells.join(u' ');
        }
        QTEST(faces.join(QStringLiteral(" | ")), "faces");

        const PageModel leaflet = colouredLeaflet(style, 2.0f);
        ImagePrintDevice device(QStringLiteral("paper"), QSize(210, 297), QMargins(5, 5, 5, 5));
        const PrintResult result = printLeaflet(leaflet, style, device, PrintSettings{});
        QCOMPARE(result.outcome, PrintOutcome::Printed);
        QCOMPARE(device.pages().size(), layout.sheets.size());
        QCOMPARE(device.twoSidedAsked(), layout.sheets.size() == 2);
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

    // The sheet folded as the printed steps say, each panel followed by its centre, the way it
    // faces and its layer: the cover comes out on top, face up, for every style.
    void foldStepsBringTheCoverOnTop_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<int>("steps");
        test::addRow("4p", kBooklet, 2);
        test::addRow("4c", LeafletStyle::Card, 2);
        test::addRow("6b", LeafletStyle::LargeLeaflet, 2);
        test::addRow("6s", kSmall, 3);
    }
    void foldStepsBringTheCoverOnTop()
    {
        QFETCH(LeafletStyle, style);
        struct Panel {
            QPointF centre;
            int front = -1, back = -1; // pages printed on either face
            bool faceUp = true;
            int layer = 0;
        };
        const LeafletPrintLayout layout = leafletPrintLayout(style);
        const LeafletSheet &first = layout.sheets.front();
        QVector<Panel> panels;
        for (const LeafletSheetCell &cell : first.cells) {
            Panel panel{cell.cellMm.center(), cell.page};
            // The second face lies behind the first, mirrored by the turn over the short edge.
            const QPointF behind(first.sizeMm.width() - panel.centre.x(), panel.centre.y());
            for (const LeafletSheet &other : layout.sheets.mid(1))
                for (const LeafletSheetCell &otherCell : other.cells)
                    if (otherCell.cellMm.contains(behind))
                        panel.back = otherCell.page;
            panels.append(panel);
        }
        const QVector<FoldStep> steps = leafletFoldSteps(layout);
        QTEST(int(steps.size()), "steps");
        for (const FoldStep &step : steps) {
            QVERIFY(step.paperMm.contains(step.movingMm));
            const auto layers = std::minmax_element(
                panels.begin(), panels.end(),
                [](const Panel &a, const Panel &b) { return a.layer < b.layer; });
            const int top = layers.second->layer, bottom = layers.first->layer;
            for (Panel &panel : panels) {
                if (!step.movingMm.contains(panel.centre))
                    continue;
                const QPointF fold = step.foldMm.center();
                panel.centre = step.foldMm.dx() == 0
                                   ? QPointF(2 * fold.x() - panel.centre.x(), panel.centre.y())
                                   : QPointF(panel.centre.x(), 2 * fold.y() - panel.centre.y());
                panel.faceUp = !panel.faceUp;
                panel.layer = step.move == FoldMove::Over ? 2 * top + 1 - panel.layer
                                                          : 2 * bottom - 1 - panel.layer;
            }
            QVERIFY(step.afterMm().contains(panels.constFirst().centre));
        }
        const Panel &onTop =
            *std::max_element(panels.begin(), panels.end(),
                              [](const Panel &a, const Panel &b) { return a.layer < b.layer; });
        QCOMPARE(onTop.faceUp ? onTop.front : onTop.back, 0);
    }
};

QTEST_MAIN(TestLeaflet)
#include "tst_leaflet.moc"
