// The page border: how many tiles fit and where they go, what a border map shows, what the
// screen shows of an unpainted border, and the standard border of a new bordered document.

#include "core/layout/bordersetup.h"
#include "core/layout/documenttypes.h"
#include "core/printing/pageborder.h"
#include "support/pixelcheck.h"

#include <QTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

BorderModel pattern(int edgeWidth, int edgeHeight, int tileWidth, int tileHeight)
{
    BorderModel border;
    border.type = BorderType::Pattern;
    border.edgeWidth = edgeWidth;
    border.edgeHeight = edgeHeight;
    border.tileWidth = tileWidth;
    border.tileHeight = tileHeight;
    return border;
}

// A picture whose every pixel tells where it came from: red = x, green = y.
QImage coordinatePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, 100));
    return picture;
}

// A map drawn from rows of '#' (dark: border) and '.' (white).
QImage mapOf(const QStringList &rows, QRgb dark = kBlack)
{
    QImage map(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            map.setPixel(x, y, rows[y][x] == u'#' ? dark : kWhite);
    return map;
}

QVector<int> leftsOfRow(const BorderLayout &layout, int top)
{
    QVector<int> lefts;
    for (const BorderPiece &piece : layout.pieces)
        if (piece.target.top() == top && !lefts.contains(piece.target.left()))
            lefts.append(piece.target.left());
    std::sort(lefts.begin(), lefts.end());
    return lefts;
}

} // namespace

class PageBorderTest : public QObject {
    Q_OBJECT
private slots:
    void tileCounts_data()
    {
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<int>("tileWidth");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("rightColumn");
        // Edges of 10 on a page 200 high: 180 inside, 9 tiles of 20 down.
        QTest::newRow("half a tile counts up: overhang") << 210 << 20 << 10 << 10 + 9 * 20;
        QTest::newRow("just under half: gap") << 209 << 20 << 9 << 10 + 8 * 20;
        QTest::newRow("tile width 0 counts as 1") << 50 << 0 << 30 << 10 + 29;
        QTest::newRow("one tile wider than the room") << 45 << 40 << 1 << 10;
        QTest::newRow("under half a tile: none") << 29 << 20 << 0 << 0;
        QTest::newRow("edges wider than the page: none") << 15 << 20 << 0 << 0;
    }

    void tileCounts()
    {
        QFETCH(int, pageWidth);
        QFETCH(int, tileWidth);
        QFETCH(int, across);
        QFETCH(int, rightColumn);
        BorderModel border = pattern(10, 10, tileWidth, 20);
        const BorderLayout layout = patternBorderLayout(border, {pageWidth, 200});
        QCOMPARE(layout.pictureSize, QSize(std::max(tileWidth, 1), 20));
        if (across == 0) {
            border.picture = blankPicture(20, 20, kRed);
            QVERIFY(layout.pieces.isEmpty());
            QVERIFY(composeBorder(border, {pageWidth, 200}).isNull());
            return;
        }
        QCOMPARE(layout.pieces.size(), 2 * (across + 9));
        QCOMPARE(leftsOfRow(layout, 10).size(), across);
        QCOMPARE(leftsOfRow(layout, 10).last(), rightColumn);
        // The right column stands after the last top tile, whatever is left over at the edge.
        const QVector<int> columns =
            rightColumn == 10 ? QVector<int>{10} : QVector<int>{10, rightColumn};
        QCOMPARE(leftsOfRow(layout, 10 + 4 * 20), columns);
        QCOMPARE(leftsOfRow(layout, 10 + 8 * 20).size(), across);
    }

    void tilesAreStraightCopiesInOrder()
    {
        // The picture already has the tile's size, so every copy is exact.
        BorderModel border = pattern(4, 6, 10, 8);
        QImage tile(10, 8, QImage::Format_RGB32);
        tile.fill(kRed);
        for (int y = 0; y < 8; ++y)
            tile.setPixel(9, y, kBlue);
        border.picture = tile;
        const QImage page = composeBorder(border, {57, 50});
        // Inside 49 x 38: 5 tiles across (4.9), 5 down (4.75); the last column overhangs to x 53.
        QCOMPARE(QColor(page.pixel(4, 6)).rgb(), kRed);
        QCOMPARE(QColor(page.pixel(13, 6)).rgb(), kBlue);
        QCOMPARE(QColor(page.pixel(53, 6)).rgb(), kBlue);
        QCOMPARE(qAlpha(page.pixel(54, 6)), 0);
        QCOMPARE(QColor(page.pixel(4, 6 + 4 * 8 + 7)).rgb(), kRed);
        QCOMPARE(qAlpha(page.pixel(2, 2)), 0);                    // the edges stay clear
        QCOMPARE(countPixels(page.copy(14, 14, 30, 20), 0), 600); // and so does the middle
    }

    void mapShowsThePictureWhereDark()
    {
        BorderModel border;
        border.type = BorderType::Map;
        border.edgeWidth = 2;
        border.edgeHeight = 1;
        border.tileWidth = 4;
        border.tileHeight = 3;
        // Blocks of the 40 x 27 area: 10 pixels across, 9 down.
        border.map = mapOf({"#..#", ".#..", "##.."});
        border.picture = coordinatePicture({40, 27});
        const QImage page = composeBorder(border, {44, 29});
        // Inside a dark block the picture shows whole, from the same place of the area; a white
        // block shows nothing, nor do the edges round the area.
        QCOMPARE(page.pixel(2 + 34, 1 + 4), qRgb(34, 4, 100));
        QCOMPARE(page.pixel(2 + 4, 1 + 22), qRgb(4, 22, 100));
        QCOMPARE(qAlpha(page.pixel(2 + 24, 1 + 22)), 0);
        QCOMPARE(qAlpha(page.pixel(2 + 15, 1 + 4)), 0);
        QCOMPARE(qAlpha(page.pixel(0, 0)), 0);

        // Drawn four times larger, as for a printer, the blocks' edges are smooth: where the dark
        // blocks meet white ones, pixels between show part of the picture.
        const QImage large = composeBorder(border, {44, 29}, 4.0);
        QCOMPARE(large.size(), QSize(176, 116));
        QCOMPARE(qAlpha(large.pixel(6, 20)), 0); // the edge round the area stays clear
        int partial = 0;
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x)
                partial += qAlpha(large.pixel(x, y)) > 0 && qAlpha(large.pixel(x, y)) < 255 ? 1 : 0;
        QVERIFY2(partial > 100 && partial < 1500, qPrintable(QString::number(partial)));

        border.map = mapOf({"#..#", ".#..", "##.."}, qRgb(128, 128, 128)); // not dark enough
        QVERIFY(composeBorder(border, {44, 29}).isNull());
    }

    void guideShowsUnpaintedBorder()
    {
        BorderModel border = pattern(0, 0, 10, 10);
        // Before anything is painted the whole band shows the guide colour; nothing prints.
        QVERIFY(composeBorder(border, {40, 40}).isNull());
        const QImage unpainted = composeBorderGuide(border, {40, 40});
        QCOMPARE(countPixels(unpainted, kBorderGuideColour), 40 * 40 - 20 * 20);

        QImage tile = blankPicture(10, 10, kWhite);
        for (int x = 0; x < 10; ++x)
            tile.setPixel(x, 0, kBlack);
        border.picture = tile;
        const QImage guide = composeBorderGuide(border, {40, 40});
        QCOMPARE(QColor(guide.pixel(5, 0)).rgb(), kBlack);
        QCOMPARE(guide.pixel(5, 5), kBorderGuideColour);
        QCOMPARE(composeBorder(border, {40, 40}).pixel(5, 5), kWhite);
        QCOMPARE(border.picture.pixel(5, 5), kWhite); // the painting itself is untouched
    }

    void newDocumentBorder_data()
    {
        QTest::addColumn<int>("documentType");
        QTest::addColumn<QSize>("pageMm");
        QTest::addColumn<int>("templateBorder");
        QTest::addColumn<int>("borderType");
        QTest::addColumn<QSize>("edges");
        const int none = int(BorderType::None);
        const int patterned = int(BorderType::Pattern);
        const int mapped = int(BorderType::Map);
        // At 2 pixels per millimetre: 15 mm = 30 px, 8.5 mm = 17 px, tiles of 40 px.
        QTest::newRow("shapes, portrait")
            << int(DocumentKind::Shapes) << QSize(210, 297) << none << patterned << QSize(30, 17);
        QTest::newRow("certificate, landscape") << int(DocumentKind::Certificate) << QSize(297, 210)
                                                << none << patterned << QSize(17, 30);
        QTest::newRow("borders keeps its template's map")
            << int(DocumentKind::Borders) << QSize(210, 297) << mapped << mapped << QSize(4, 4);
        QTest::newRow("simple page gets none")
            << int(DocumentKind::Simple) << QSize(210, 297) << none << none << QSize(0, 0);
    }

    void newDocumentBorder()
    {
        QFETCH(int, documentType);
        QFETCH(QSize, pageMm);
        QFETCH(int, templateBorder);
        PageModel page;
        page.documentType = DocumentKind(documentType);
        page.pageWidthMm = pageMm.width();
        page.pageHeightMm = pageMm.height();
        page.scale = 2.0f;
        page.pageRect = QRect(0, 0, pageMm.width() * 2, pageMm.height() * 2);
        page.border.type = BorderType(templateBorder);
        if (page.border.type == BorderType::Map)
            page.border.edgeWidth = page.border.edgeHeight = 4;
        page.border.picture = blankPicture(8, 8, kRed); // the previous document's painting

        setUpNewDocumentBorder(page);
        QVERIFY(page.border.picture.isNull());
        QTEST(int(page.border.type), "borderType");
        QTEST(QSize(page.border.edgeWidth, page.border.edgeHeight), "edges");
        if (page.border.type == BorderType::Pattern)
            QCOMPARE(QSize(page.border.tileWidth, page.border.tileHeight), QSize(40, 40));
    }
};

QTEST_MAIN(PageBorderTest)
#include "tst_pageborder.moc"
