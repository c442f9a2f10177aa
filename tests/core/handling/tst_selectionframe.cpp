// The selection frame's geometry: snapping, every handle's edges with their limits, the
// proportional corner of imported pictures, bar moves, handles and bars on the frame, and the
// test that takes an object dragged away off the page.

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

    // The corner keeps an imported picture's shape, to within a pixel on the shorter side,
    // following the snapped diagonal, and stops at the smallest frame without distorting.
    void proportionalCornerKeepsThePicturesShape_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<QSize>("object"); // when the size is known exactly
        test::addRow("wide picture grows", QSize(400, 100), QPoint(120, 3), false, QSize());
        test::addRow("wide picture shrinks", QSize(400, 100), QPoint(-50, -60), false, QSize());
        test::addRow("tall picture, pointer sideways", QSize(90, 300), QPoint(200, 0), true,
                     QSize());
        // Diagonal 200 dragged 30 right, 40 down: 250, snapped to 248.
        test::addRow("3:4 along the snapped diagonal", QSize(120, 160), QPoint(30, 40), false,
                     QSize(149, 198));
        test::addRow(
            "far past the corner", QSize(400, 100), QPoint(-1000, -1000), false,
            QSize(4 * (kMinObjectSize - 2 * kHandleSize), kMinObjectSize - 2 * kHandleSize));
    }
    void proportionalCornerKeepsThePicturesShape()
    {
        QFETCH(QSize, picture);
        QFETCH(QPoint, delta);
        QFETCH(bool, alt);
        QFETCH(QSize, object);
        const QRect start = frameAround(QRect(QPoint(40, 40), picture));
        const QRect frame =
            dragHandle(start, {kProportionalHandle, delta, alt, diagonalAngle(picture)});
        QCOMPARE(frame.topLeft(), start.topLeft());
        const QRect inside = objectInFrame(frame);
        const double wanted = double(picture.width()) / picture.height();
        const double got = double(inside.width()) / inside.height();
        QVERIFY2(std::abs(got - wanted) / wanted <
                     1.0 / std::min(inside.width(), inside.height()) + 1e-9,
                 qPrintable(QStringLiteral("%1 x %2").arg(inside.width()).arg(inside.height())));
        if (object.isValid())
            QCOMPARE(inside.size(), object);
        // Other handles, or a picture without a known shape, drag freely.
        QCOMPARE(dragHandle(kFrame, {2, {16, 0}, false, diagonalAngle(picture)}),
                 QRect(88, 48, 240, 124));
        QCOMPARE(dragHandle(kFrame, {4, {16, 40}, false, std::nan("")}), QRect(88, 48, 240, 168));
    }

    void barDragMovesTheWholeFrame()
    {
        QCOMPARE(dragBar(kFrame, {13, -5}, false), QRect(104, 40, 224, 124));
        QCOMPARE(dragBar(kFrame, {13, -5}, true), QRect(101, 43, 224, 124));
        QCOMPARE(dragBar(kFrame, {-5000, 9000}, false), QRect(-4912, 9048, 224, 124));
    }

    // Corners touch the frame's corners, middles sit on the middle of their side, and the bars
    // lie along the sides between the corner handles.
    void handlesAndBarsSitOnTheFrame()
    {
        const QSize size = kFrame.size();
        const QRect all(QPoint(0, 0), size);
        QCOMPARE(handleRect(4, size), QRect(212, 112, 12, 12));
        QCOMPARE(handleRect(7, size).center().y(), all.center().y());
        for (int bar = 0; bar < kBarCount; ++bar) {
            const QRect rect = barRect(bar, size);
            QVERIFY(all.contains(rect));
            QCOMPARE(bar % 2 == 0 ? rect.width() : rect.height(),
                     (bar % 2 == 0 ? size.width() : size.height()) - 2 * kHandleSize);
            for (int corner : {0, 2, 4, 6})
                QVERIFY(!rect.intersects(handleRect(corner, size)));
        }
    }

    void objectWhollyOffThePageIsRemoved_data()
    {
        QTest::addColumn<QRect>("object");
        QTest::addColumn<bool>("off");
        const int w = 100, h = 80;
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
