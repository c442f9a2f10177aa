// The selection frame's geometry: snapping, every handle's edges with their limits, the
// proportional corner of imported pictures, bar moves, fitting the object, and the test that
// takes an object dragged away off the page.

#include "core/handling/selectionframe.h"
#include "support/rows.h"

#include <QTest>

#include <cmath>

using namespace quillora;
using namespace quillora::selectionframe;

namespace {

// A frame round an object of 200 x 100 at (100, 60): frame 224 x 124 at (88, 48).
const QRect kFrame(88, 48, 224, 124);

} // namespace

class TestSelectionFrame : public QObject {
    Q_OBJECT
private slots:
    void snapsToTheGridUnlessAltIsHeld_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<int>("expected");
        QTest::newRow("on the grid") << 16 << false << 16;
        QTest::newRow("just below half") << 19 << false << 16;
        QTest::newRow("half goes up") << 20 << false << 24;
        QTest::newRow("negative half goes up") << -4 << false << 0;
        QTest::newRow("negative past half") << -5 << false << -8;
        QTest::newRow("alt keeps the value") << 19 << true << 19;
    }
    void snapsToTheGridUnlessAltIsHeld()
    {
        QFETCH(int, value);
        QFETCH(bool, alt);
        QTEST(snap(value, alt), "expected");
    }

    void handleDragMovesItsEdges_data()
    {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<QRect>("expected");
        // Left and top edges snap their position; right and bottom edges snap the size.
        QTest::newRow("0 top-left") << 0 << QPoint(-10, -10) << false << QRect(80, 40, 232, 132);
        QTest::newRow("1 top only") << 1 << QPoint(50, 9) << false << QRect(88, 56, 224, 116);
        QTest::newRow("2 top-right") << 2 << QPoint(10, 9) << false << QRect(88, 56, 232, 116);
        QTest::newRow("3 right only") << 3 << QPoint(13, 40) << false << QRect(88, 48, 240, 124);
        QTest::newRow("4 bottom-right") << 4 << QPoint(-20, 5) << false << QRect(88, 48, 208, 128);
        QTest::newRow("5 bottom only") << 5 << QPoint(30, -30) << false << QRect(88, 48, 224, 96);
        QTest::newRow("6 bottom-left") << 6 << QPoint(20, 20) << false << QRect(112, 48, 200, 144);
        QTest::newRow("7 left only") << 7 << QPoint(-30, 99) << false << QRect(56, 48, 256, 124);
        test::addRow("alt is not snapped", 0, QPoint(-3, 5), true, QRect(85, 53, 227, 119));
        // The right edge stays where it was: the left edge stops 40 pixels before it.
        QTest::newRow("left past the right edge stops 40 before it")
            << 7 << QPoint(400, 0) << false << QRect(272, 48, 40, 124);
        QTest::newRow("top past the bottom edge stops 40 above it")
            << 1 << QPoint(0, 500) << false << QRect(88, 132, 224, 40);
        QTest::newRow("right past the left edge keeps 40")
            << 3 << QPoint(-500, 0) << false << QRect(88, 48, 40, 124);
        QTest::newRow("bottom past the top edge keeps 40")
            << 5 << QPoint(0, -500) << false << QRect(88, 48, 224, 40);
        QTest::newRow("no such handle leaves the frame") << 8 << QPoint(30, 30) << false << kFrame;
    }
    void handleDragMovesItsEdges()
    {
        QFETCH(int, handle);
        QFETCH(QPoint, delta);
        QFETCH(bool, alt);
        QTEST(dragHandle(kFrame, {handle, delta, alt, 0.0}), "expected");
    }

    void proportionalCornerKeepsThePicturesShape_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("alt");
        QTest::newRow("wide picture grows") << QSize(400, 100) << QPoint(120, 3) << false;
        QTest::newRow("wide picture shrinks") << QSize(400, 100) << QPoint(-50, -60) << false;
        QTest::newRow("tall picture, pointer sideways") << QSize(90, 300) << QPoint(200, 0) << true;
    }
    void proportionalCornerKeepsThePicturesShape()
    {
        QFETCH(QSize, picture);
        QFETCH(QPoint, delta);
        QFETCH(bool, alt);
        const QRect start = frameAround(QRect(QPoint(40, 40), picture));
        const QRect frame =
            dragHandle(start, {kProportionalHandle, delta, alt, diagonalAngle(picture)});
        QCOMPARE(frame.topLeft(), start.topLeft());
        const QRect object = objectInFrame(frame);
        const double wanted = double(picture.width()) / picture.height();
        const double got = double(object.width()) / object.height();
        // Whole pixels: within one pixel of the exact shape on the shorter side.
        QVERIFY2(std::abs(got - wanted) / wanted <
                     1.0 / std::min(object.width(), object.height()) + 1e-9,
                 qPrintable(QStringLiteral("%1 x %2").arg(object.width()).arg(object.height())));
    }

    void proportionalCornerFollowsTheSnappedDiagonal()
    {
        // A 3:4 picture of 120 x 160 (diagonal 200) dragged 30 right, 40 down: diagonal 250.
        const QRect start = frameAround(QRect(0, 0, 120, 160));
        const QRect frame =
            dragHandle(start, {kProportionalHandle, {30, 40}, false, diagonalAngle({120, 160})});
        QCOMPARE(objectInFrame(frame).size(), QSize(149, 198)); // 248 snapped: 148.8 x 198.4
    }

    void proportionalCornerStopsAtTheSmallestSizeWithoutDistorting()
    {
        // Dragged back far past the frame's corner the picture shrinks; it never grows again.
        const QRect start = frameAround(QRect(0, 0, 400, 100));
        const QRect frame = dragHandle(
            start, {kProportionalHandle, {-1000, -1000}, false, diagonalAngle({400, 100})});
        QCOMPARE(frame.height(), kMinObjectSize);
        const QRect object = objectInFrame(frame);
        QCOMPARE(object.width(), 4 * object.height());
    }

    void otherHandlesOrNoAngleDragFreely()
    {
        const double angle = diagonalAngle({400, 100});
        QCOMPARE(dragHandle(kFrame, {4, {16, 40}, false, 0.0}), QRect(88, 48, 240, 168));
        QCOMPARE(dragHandle(kFrame, {2, {16, 0}, false, angle}), QRect(88, 48, 240, 124));
        QCOMPARE(dragHandle(kFrame, {4, {16, 40}, false, std::nan("")}), QRect(88, 48, 240, 168));
    }

    void barDragMovesTheWholeFrame_data()
    {
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("snapped") << QPoint(13, -5) << false << QRect(104, 40, 224, 124);
        QTest::newRow("alt not snapped") << QPoint(13, -5) << true << QRect(101, 43, 224, 124);
        test::addRow("far off the page", QPoint(-5000, 9000), false, QRect(-4912, 9048, 224, 124));
    }
    void barDragMovesTheWholeFrame()
    {
        QFETCH(QPoint, delta);
        QFETCH(bool, alt);
        QTEST(dragBar(kFrame, delta, alt), "expected");
    }

    void objectFitsInsideItsFrame()
    {
        const QRect object(100, 60, 200, 100);
        QCOMPARE(frameAround(object), kFrame);
        QCOMPARE(objectInFrame(kFrame), object);
    }

    void handlesAndBarsSitOnTheFrame()
    {
        const QSize size = kFrame.size();
        const QRect all(QPoint(0, 0), size);
        // Corners touch the frame's corners; middles sit on the middle of their side.
        QCOMPARE(handleRect(0, size), QRect(0, 0, 12, 12));
        QCOMPARE(handleRect(4, size), QRect(212, 112, 12, 12));
        QCOMPARE(handleRect(1, size).center().x(), all.center().x());
        QCOMPARE(handleRect(7, size).center().y(), all.center().y());
        for (int bar = 0; bar < kBarCount; ++bar) {
            const QRect rect = barRect(bar, size);
            QVERIFY(all.contains(rect));
            const bool horizontal = bar % 2 == 0;
            QCOMPARE(horizontal ? rect.height() : rect.width(), kBarSize);
            QCOMPARE(horizontal ? rect.width() : rect.height(),
                     (horizontal ? size.width() : size.height()) - 2 * kHandleSize);
            // Between the corner handles, not under them.
            for (int corner : {0, 2, 4, 6})
                QVERIFY(!rect.intersects(handleRect(corner, size)));
        }
    }

    void objectWhollyOffThePageIsRemoved_data()
    {
        QTest::addColumn<QRect>("object");
        QTest::addColumn<bool>("off");
        const int w = 100, h = 80;
        QTest::newRow("on the page") << QRect(50, 50, w, h) << false;
        QTest::newRow("sliver at the right") << QRect(599, 50, w, h) << false;
        QTest::newRow("sliver at the bottom") << QRect(50, 799, w, h) << false;
        QTest::newRow("just past the right") << QRect(600, 50, w, h) << true;
        QTest::newRow("just past the left") << QRect(-w, 50, w, h) << true;
        QTest::newRow("just past the top") << QRect(50, -h, w, h) << true;
        QTest::newRow("just past the bottom") << QRect(50, 800, w, h) << true;
    }
    void objectWhollyOffThePageIsRemoved()
    {
        QFETCH(QRect, object);
        QTEST(isWhollyOffPage(object, QSize(600, 800)), "off");
    }
};

QTEST_APPLESS_MAIN(TestSelectionFrame)
#include "tst_selectionframe.moc"
