#include "core/pictures/floodfill.h"
#include "core/pictures/paintengine.h"
#include "core/pictures/particletools.h"
#include "core/pictures/raster.h"
#include "core/pictures/stamptools.h"
#include "support/pixelcheck.h"
#include "support/pixelwhere.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace quillora;
using namespace quillora::test;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);

// One engine with its own painting state, random source and picture; the keys held are
// those of every press, move and release.
struct Easel {
    PaintState state;
    RandomSource random{7};
    PaintEngine engine{state, random};
    QImage picture;
    Symmetry symmetry;
    bool shift = false;
    bool alt = false;

    Easel(int tool, int size, int width = 64, int height = 64)
        : picture(blankPicture(width, height))
    {
        state.tool = qint16(tool);
        state.toolSize = qint16(size);
        state.paintColour = kPureRed;
    }
    PaintTarget target() { return {&picture, 0, symmetry}; }
    PointerInput at(QPoint p) const { return {p, PointerButton::Left, shift, alt}; }
    QRect press(QPoint p) { return engine.press(target(), at(p)); }
    QRect move(QPoint p) { return engine.move(target(), at(p)); }
    QRect release(QPoint p) { return engine.release(target(), at(p)); }
    QRect drag(QPoint from, QPoint to)
    {
        const QRect pressed = press(from);
        const QRect moved = move(to);
        return pressed | moved | release(to);
    }
};

// Every pixel that differs from white lies in `rect`.
bool onlyInside(const QImage &image, const QRect &rect)
{
    return rect.contains(boundsWhere(image, [](QRgb pixel) { return pixel != kWhite; }));
}

} // namespace

class TestPaintTools : public QObject {
    Q_OBJECT
private slots:
    void dotCoversThePenWidth_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("pixels");
        QTest::newRow("marker 1") << 0 << 1 << 1 << 1;
        QTest::newRow("marker 5") << 0 << 5 << 5 << 21;
        QTest::newRow("pencil 8 is 4 wide") << 1 << 8 << 4 << 12;
    }
    void dotCoversThePenWidth()
    {
        QFETCH(int, tool);
        QFETCH(int, size);
        QFETCH(int, across);
        Easel easel(tool, size);
        const QRect dirty = easel.press({30, 30});
        QTEST(countPixels(easel.picture, kRed), "pixels");
        const QRect bounds = boundsOf(easel.picture, kRed);
        QCOMPARE(bounds.width(), across);
        QCOMPARE(bounds.height(), across);
        QVERIFY(bounds.contains(30, 30));
        QCOMPARE(dirty, bounds);
    }

    void rectanglesLandOnRelease()
    {
        Easel easel(ToolFilledRectangle, 4);
        easel.press({16, 16});
        easel.move({40, 32});
        QCOMPARE(countPixels(easel.picture, kRed), 0);
        QVERIFY(easel.engine.rubberBand()->filled);
        easel.release({40, 32});
        QVERIFY(!easel.engine.rubberBand().has_value());
        // A pen of width 2 is centred on the box's edges; the outline leaves its inside.
        QCOMPARE(boundsOf(easel.picture, kRed), QRect(QPoint(15, 15), QPoint(40, 32)));
        QCOMPARE(countPixels(easel.picture, kRed), 26 * 18);
        Easel outline(ToolRectangle, 4);
        outline.drag({16, 16}, {40, 32});
        QCOMPARE(countPixels(outline.picture, kRed), 26 * 18 - 22 * 14);
    }

    void rubberBandBox_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<QRect>("box");
        QTest::newRow("snapped") << QPoint(13, 14) << QPoint(37, 29) << false << false
                                 << QRect(16, 16, 24, 16);
        QTest::newRow("half way rounds up")
            << QPoint(4, 12) << QPoint(20, 28) << false << false << QRect(8, 16, 16, 16);
        QTest::newRow("alt keeps the pointer")
            << QPoint(13, 14) << QPoint(37, 29) << false << true << QRect(13, 14, 24, 15);
        QTest::newRow("square, wider than high")
            << QPoint(16, 16) << QPoint(48, 32) << true << false << QRect(16, 16, 32, 32);
        QTest::newRow("square, up and left")
            << QPoint(32, 32) << QPoint(0, 8) << true << false << QRect(0, 0, 32, 32);
        QTest::newRow("square, taller than wide")
            << QPoint(8, 8) << QPoint(16, 48) << true << false << QRect(8, 8, 40, 40);
    }
    void rubberBandBox()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, shift);
        QFETCH(bool, alt);
        QFETCH(QRect, box);
        for (int tool : {int(ToolRectangle), int(ToolFilledEllipse)}) {
            Easel easel(tool, 4);
            easel.shift = shift;
            easel.alt = alt;
            easel.press(from);
            easel.move(to);
            QCOMPARE(easel.engine.rubberBand()->box, box);
            easel.release(to);
            const QRect bounds = boundsOf(easel.picture, kRed);
            if (shift)
                QCOMPARE(bounds.width(), bounds.height());
        }
    }

    void shiftTurnsLinesToFortyFiveDegrees()
    {
        // A nearly flat line lies flat; one going up keeps its length.
        for (const auto &[to, end] : {std::pair(QPoint(64, 24), QPoint(65, 16)),
                                      std::pair(QPoint(20, -30), QPoint(16, -33))}) {
            Easel easel(ToolLine, 4);
            easel.shift = true;
            easel.press({16, 16});
            easel.move(to);
            const auto band = easel.engine.rubberBand();
            QCOMPARE(band->shape, RubberBandShape::Line);
            QCOMPARE(band->line, QLine(QPoint(16, 16), end));
        }
    }

    void mirrorIsExact_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("width");
        QTest::newRow("even pen, even picture") << 4 << 64;
        QTest::newRow("odd pen, even picture") << 5 << 64;
        QTest::newRow("odd pen, odd picture") << 5 << 63;
    }
    void mirrorIsExact()
    {
        QFETCH(int, size);
        QFETCH(int, width);
        Easel easel(ToolMarker, size, width, 48);
        easel.symmetry = {Symmetry::Mirror, 0};
        easel.press({10, 12});
        easel.move({25, 40});
        easel.move({30, 20});
        easel.release({30, 20});
        QVERIFY(countPixels(easel.picture, kRed) > 0);
        QCOMPARE(easel.picture, easel.picture.mirrored(true, false));
    }

    void rotationsDrawOneDotPerCopy_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("rotations");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<int>("dots");
        QTest::newRow("0 means 12") << Symmetry::Rotation << 0 << false << 12;
        QTest::newRow("five") << Symmetry::Rotation << 5 << false << 5;
        QTest::newRow("alt without symmetry") << Symmetry::None << 0 << true << 12;
    }
    void rotationsDrawOneDotPerCopy()
    {
        QFETCH(int, type);
        QFETCH(int, rotations);
        QFETCH(bool, alt);
        Easel easel(ToolMarker, 4, 100, 100);
        easel.symmetry = {type, rotations};
        easel.alt = alt;
        easel.press({50, 15});
        QTEST(countAreas(easel.picture, kRed), "dots");
    }

    void floodFillMatchesAPlainSearch_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<double>("openShare");
        QTest::addColumn<int>("width");
        // Just above the percolation threshold: large, ragged areas.
        QTest::newRow("two colours, maze-like") << 2 << 1u << 0.66 << 57;
        QTest::newRow("three colours, islands") << 3 << 4u << 0.66 << 57;
        // Long open runs with scattered walls: spans that are written many pixels at a time,
        // stopped part-way through a run.
        QTest::newRow("wide runs, scattered walls") << 2 << 9u << 0.97 << 157;
    }
    void floodFillMatchesAPlainSearch()
    {
        QFETCH(int, colours);
        QFETCH(quint32, seed);
        QFETCH(double, openShare);
        QFETCH(int, width);
        RandomSource random(seed);
        QImage image = blankPicture(width, 43);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool open = random.nextUnit() < openShare;
                image.setPixel(x, y,
                               qRgb(open ? 0 : 100 * (1 + random.bounded(colours - 1)), 0, 0));
            }
        }
        image.setPixel(28, 21, qRgb(0, 0, 0));
        const QPoint start(28, 21);
        const QRgb target = image.pixel(start);

        QImage expected = image;
        std::vector<QPoint> todo{start};
        expected.setPixel(start, qRgb(0, 0, 255));
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + d;
                if (expected.rect().contains(q) && expected.pixel(q) == target) {
                    expected.setPixel(q, qRgb(0, 0, 255));
                    todo.push_back(q);
                }
            }
        }
        const QRect dirty = floodFill(image, start, qRgb(0, 0, 255));
        QVERIFY(countPixels(expected, qRgb(0, 0, 255)) > 200);
        QCOMPARE(image, expected);
        QCOMPARE(dirty, boundsOf(expected, qRgb(0, 0, 255)));
        // Filling with the colour already there changes nothing.
        QVERIFY(floodFill(image, start, qRgb(0, 0, 255)).isEmpty());
        QCOMPARE(image, expected);
    }

    void starburstStaysWithinItsRays()
    {
        Easel easel(ToolStarburst, 16, 80, 80);
        easel.press({40, 40});
        QVERIFY(onlyInside(easel.picture, QRect(40 - 17, 40 - 17, 35, 35)));
        QVERIFY(easel.picture.pixel(40, 40) != kWhite);
    }

    void cloudBuildsUpSoftly()
    {
        Easel easel(ToolCloud, 16, 120, 120);
        const auto greenNearCentre = [&] {
            int sum = 0;
            for (int y = 50; y < 70; ++y)
                for (int x = 50; x < 70; ++x)
                    sum += qGreen(easel.picture.pixel(x, y));
            return sum;
        };
        int previous = 20 * 20 * 255;
        for (int dab = 0; dab < 3; ++dab) {
            easel.press({60, 60});
            easel.release({60, 60});
            // Reach 42 plus half a dot of 7, and the dots spread over most of it.
            const QRect painted = boundsWhere(easel.picture, [](QRgb p) { return p != kWhite; });
            QVERIFY(QRect(60 - 46, 60 - 46, 93, 93).contains(painted) && painted.width() > 60);
            QVERIFY(greenNearCentre() < previous);
            previous = greenNearCentre();
        }
        // Blended on long enough, a pixel takes the paint's own colour, not nearly it.
        QImage dot = blankPicture(8, 8);
        for (int i = 0; i < 200; ++i)
            raster::blendDisc(dot, QPointF(4, 4), 3, kRed, CloudTool::kBlendStep);
        QCOMPARE(dot.pixel(4, 4), kRed);
        QCOMPARE(dot, dot.mirrored(true, true));
    }

    void particlesDieOut()
    {
        Easel scribble(ToolScribble, 32, 200, 200);
        scribble.press({100, 100});
        for (int x = 102; x <= 140; x += 2)
            scribble.move({x, 100});
        scribble.release({140, 100});
        QCOMPARE(scribble.engine.scribble().liveCount(), 21);
        Easel splat(ToolSplat, 16, 120, 120);
        splat.drag({60, 60}, {60, 60});
        // Scribbled particles fade; a splat's blobs fly on, ever slower, until all but still.
        for (const auto &[easel, fewest, most] :
             {std::tuple(&scribble, 1, 150), std::tuple(&splat, 20, 30)}) {
            QVERIFY(easel->engine.animating());
            int ticks = 0;
            while (easel->engine.animating() && ticks < 1000) {
                easel->engine.tick(easel->target());
                ++ticks;
            }
            QVERIFY2(ticks >= fewest && ticks <= most, qPrintable(QString::number(ticks)));
            QVERIFY(!easel->engine.tick(easel->target()).isValid());
        }
        for (const SplatTool::Blob &blob : splat.engine.splat().blobs()) { // flew the way it faced
            const double x = blob.x - 60, y = blob.y - 60;
            const double along = x * std::cos(blob.direction) + y * std::sin(blob.direction);
            QVERIFY(along > 0.9 * std::hypot(x, y));
        }
    }

    void strokesNearTheEdgeStayInside_data()
    {
        QTest::addColumn<int>("tool");
        for (int tool = 0; tool < kToolCount; ++tool)
            QTest::newRow(qPrintable(toolInfo(tool).cursorPicture)) << tool;
    }
    void strokesNearTheEdgeStayInside()
    {
        QFETCH(int, tool);
        Easel easel(tool, 32, 20, 10);
        constexpr int far = std::numeric_limits<int>::max();
        const QRect dirty = easel.drag({-30, -30}, {50, 40}) | easel.drag({19, 9}, {0, 0}) |
                            easel.drag({far, -far}, {-far, far});
        for (int i = 0; i < 200; ++i)
            easel.engine.tick(easel.target());
        QVERIFY(easel.picture.rect().contains(dirty) || dirty.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPaintTools)
#include "tst_painttools.moc"
