// The page border: how many tiles fit and where they go, the walk over a border map, what the
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
    void tileCounts_data();
    void tileCounts();
    void tilesAreStraightCopiesInOrder();
    void noTilesWhenNothingFits();
    void mapBlocksTileTheArea_data();
    void mapBlocksTileTheArea();
    void mapShowsThePictureWhereDark();
    void mapOfAnotherSizeIsScaledToFactors();
    void mapWithoutFactorsKeepsItsSize();
    void guideShowsUnpaintedBorder();
    void nothingComposedWithoutBorder();
    void newDocumentBorder_data();
    void newDocumentBorder();
};

void PageBorderTest::tileCounts_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("tileWidth");
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("rightColumn");
    // Edges of 10 on a page 200 high: 180 inside, 9 tiles of 20 down.
    QTest::newRow("exact fit") << 200 << 20 << 9 << 10 + 8 * 20;
    QTest::newRow("half a tile counts up: overhang") << 210 << 20 << 10 << 10 + 9 * 20;
    QTest::newRow("just under half: gap") << 209 << 20 << 9 << 10 + 8 * 20;
    QTest::newRow("tile width 0 counts as 1") << 50 << 0 << 30 << 10 + 29;
    QTest::newRow("one tile wider than the room") << 45 << 40 << 1 << 10;
}

void PageBorderTest::tileCounts()
{
    QFETCH(int, pageWidth);
    QFETCH(int, tileWidth);
    QFETCH(int, across);
    QFETCH(int, rightColumn);
    const BorderLayout layout = patternBorderLayout(pattern(10, 10, tileWidth, 20), {pageWidth, 200});
    const int width = std::max(tileWidth, 1);
    QCOMPARE(layout.pictureSize, QSize(width, 20));
    QCOMPARE(layout.pieces.size(), 2 * (across + 9));
    QCOMPARE(leftsOfRow(layout, 10).size(), across);
    QCOMPARE(leftsOfRow(layout, 10).last(), rightColumn);
    // The right column stands after the last top tile, whatever is left over at the edge.
    const QVector<int> columns =
        rightColumn == 10 ? QVector<int>{10} : QVector<int>{10, rightColumn};
    QCOMPARE(leftsOfRow(layout, 10 + 4 * 20), columns);
    QCOMPARE(leftsOfRow(layout, 10 + 8 * 20).size(), across);
}

void PageBorderTest::tilesAreStraightCopiesInOrder()
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
    QCOMPARE(qAlpha(page.pixel(20, 20)), 0); // the middle of the page stays clear
    QCOMPARE(qAlpha(page.pixel(2, 2)), 0);   // and so do the edges
    QCOMPARE(countPixels(page.copy(14, 14, 30, 20), 0), 600);
}

void PageBorderTest::noTilesWhenNothingFits()
{
    BorderModel border = pattern(30, 30, 20, 20);
    border.picture = blankPicture(20, 20, kRed);
    QVERIFY(patternBorderLayout(border, {50, 200}).pieces.isEmpty()); // edges wider than the page
    QVERIFY(patternBorderLayout(pattern(10, 10, 20, 20), {29, 200}).pieces.isEmpty()); // 9 < half
    QVERIFY(composeBorder(border, {50, 200}).isNull());
}

void PageBorderTest::mapBlocksTileTheArea_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("even blocks") << QSize(40, 30) << 4 << 3;
    QTest::newRow("rounded blocks") << QSize(10, 7) << 4 << 3;
    QTest::newRow("one column") << QSize(33, 20) << 1 << 5;
    QTest::newRow("finer map than the area") << QSize(3, 2) << 6 << 5;
}

void PageBorderTest::mapBlocksTileTheArea()
{
    QFETCH(QSize, area);
    QFETCH(int, columns);
    QFETCH(int, rows);
    BorderModel border;
    border.type = BorderType::Map;
    border.edgeWidth = 5;
    border.edgeHeight = 3;
    border.tileWidth = columns;
    border.tileHeight = rows;
    border.map = blankPicture(columns, rows, kBlack); // all border
    const BorderLayout layout = mapBorderLayout(border, area + QSize(10, 6));
    QCOMPARE(layout.pictureSize, area);
    // Every pixel of the area is covered exactly once, and sources match targets.
    QImage covered = blankPicture(area.width(), area.height(), 0);
    for (const BorderPiece &piece : layout.pieces) {
        QCOMPARE(piece.target, piece.source.translated(5, 3));
        for (int y = piece.source.top(); y <= piece.source.bottom(); ++y)
            for (int x = piece.source.left(); x <= piece.source.right(); ++x)
                covered.setPixel(x, y, covered.pixel(x, y) + 1);
    }
    QCOMPARE(countPixels(covered, qRgb(0, 0, 1)), area.width() * area.height());
}

void PageBorderTest::mapShowsThePictureWhereDark()
{
    BorderModel border;
    border.type = BorderType::Map;
    border.edgeWidth = 2;
    border.edgeHeight = 1;
    border.tileWidth = 4;
    border.tileHeight = 3;
    // Blocks of the 10 x 7 area: columns 0-2, 3-4, 5-7, 8-9; rows 0-1, 2-4, 5-6.
    border.map = mapOf({"#..#", ".#..", "##.."}, qRgb(127, 127, 127));
    border.picture = coordinatePicture({10, 7});
    const QImage page = composeBorder(border, {14, 9});

    const QImage expected = [] {
        QImage image(14, 9, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const auto block = [&](QRect area) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    image.setPixel(x + 2, y + 1, qRgb(x, y, 100));
        };
        block(QRect(QPoint(0, 0), QPoint(2, 1)));
        block(QRect(QPoint(8, 0), QPoint(9, 1)));
        block(QRect(QPoint(3, 2), QPoint(4, 4)));
        block(QRect(QPoint(0, 5), QPoint(4, 6)));
        return image;
    }();
    QCOMPARE(page.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);

    border.map = mapOf({"#..#", ".#..", "##.."}, qRgb(128, 128, 128)); // not dark enough
    QVERIFY(composeBorder(border, {14, 9}).isNull());
}

void PageBorderTest::mapOfAnotherSizeIsScaledToFactors()
{
    BorderModel border;
    border.type = BorderType::Map;
    border.tileWidth = 2;
    border.tileHeight = 2;
    border.map = mapOf({"###...", "###...", "......", "......"}); // 6 x 4: top left dark
    border.picture = blankPicture(10, 10, kRed);
    // Taken as 2 x 2: only the top left map pixel is dark.
    const QImage page = composeBorder(border, {20, 20});
    QCOMPARE(boundsOf(page, kRed | 0xFF000000), QRect(0, 0, 10, 10));
}

void PageBorderTest::mapWithoutFactorsKeepsItsSize()
{
    BorderModel border;
    border.type = BorderType::Map;
    border.map = mapOf({"#.", ".#"});
    border.picture = blankPicture(4, 4, kRed);
    const QImage page = composeBorder(border, {20, 20});
    QCOMPARE(countPixels(page, kRed | 0xFF000000), 200);
    QCOMPARE(QColor(page.pixel(15, 15)).rgb(), kRed);
    QCOMPARE(qAlpha(page.pixel(15, 5)), 0);
}

void PageBorderTest::guideShowsUnpaintedBorder()
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

void PageBorderTest::nothingComposedWithoutBorder()
{
    BorderModel border;
    border.picture = blankPicture(10, 10, kRed);
    QVERIFY(composeBorder(border, {40, 40}).isNull());
    QVERIFY(composeBorderGuide(border, {40, 40}).isNull());
    border.type = BorderType::Map; // a map border whose map is missing
    QVERIFY(composeBorder(border, {40, 40}).isNull());
}

void PageBorderTest::newDocumentBorder_data()
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
    QTest::newRow("shapes, portrait") << doctype::Shapes << QSize(210, 297) << none << patterned
                                      << QSize(30, 17);
    QTest::newRow("certificate, landscape")
        << doctype::Certificate << QSize(297, 210) << none << patterned << QSize(17, 30);
    QTest::newRow("borders keeps its template's map")
        << doctype::Borders << QSize(210, 297) << mapped << mapped << QSize(4, 4);
    QTest::newRow("simple page gets none") << doctype::Simple << QSize(210, 297) << none << none
                                           << QSize(0, 0);
}

void PageBorderTest::newDocumentBorder()
{
    QFETCH(int, documentType);
    QFETCH(QSize, pageMm);
    QFETCH(int, templateBorder);
    QFETCH(int, borderType);
    QFETCH(QSize, edges);
    PageModel page;
    page.documentType = documentType;
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
    QCOMPARE(int(page.border.type), borderType);
    QCOMPARE(QSize(page.border.edgeWidth, page.border.edgeHeight), edges);
    if (page.border.type == BorderType::Pattern)
        QCOMPARE(QSize(page.border.tileWidth, page.border.tileHeight), QSize(40, 40));
}

QTEST_MAIN(PageBorderTest)
#include "tst_pageborder.moc"
