// Circles: segment geometry, where the words stand, painting kept to the disc, turning (by the
// buttons a hundred times each way, by dragging), and the description and members read back
// whatever staging holds. Undoing a turn and printing are the circle scenario's.

#include "core/doctypes/circledescription.h"
#include "core/doctypes/circledrawing.h"
#include "core/doctypes/circlefamily.h"
#include "core/doctypes/circleturn.h"
#include "core/files/members.h"
#include "core/files/staging.h"
#include "core/pictures/paintengine.h"
#include "core/pictures/raster.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace quillora;

namespace {

// A landscape A4 page as a 1000-pixel-wide window shows it.
const QSize kPage(1000, 707);
constexpr QRgb kPaint = 0xFF1020E0;

// A point `fraction` of the radius from the centre, `degrees` clockwise from the top.
QPointF onDisc(const CircleGeometry &geometry, double degrees, double fraction)
{
    const double angle = degrees * std::numbers::pi / 180.0;
    return geometry.centre() +
           QPointF(std::sin(angle), -std::cos(angle)) * geometry.radius() * fraction;
}

// A blob of paint in the middle of segment 0, taken into its picture.
CirclePage paintedCircle(int segments)
{
    CirclePage page = newCirclePage(kPage, segments);
    const CircleGeometry geometry = page.layout().geometry;
    raster::fillDisc(page.disc, onDisc(geometry, 0.0, 0.6), geometry.radius() / 8.0, kPaint);
    updateSegmentPictures(page);
    drawCircle(page);
    return page;
}

// Runs a turn to its end, refusing a second press meanwhile, and moves the segments on.
void turnOnce(CirclePage &page, CircleTurn &turn, TurnDirection direction)
{
    QVERIFY(startTurn(turn, rotateButtonTurn(page.segmentCount(), direction)));
    QVERIFY(!startTurn(turn, rotateButtonTurn(page.segmentCount(), direction)));
    TurnTick tick;
    for (int ticks = 0; !tick.finished && ticks < 100; ++ticks)
        tick = stepTurn(turn, page.segmentCount());
    QVERIFY(tick.finished);
    shiftSegments(page, tick.segmentShift);
}

} // namespace
class CircleTest : public QObject {
    Q_OBJECT
private slots:
    void segmentAt_data()
    {
        QTest::addColumn<int>("segments");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("segment");
        QTest::newRow("2: just above the right line") << 2 << 89.0 << 0.9 << 0;
        QTest::newRow("2: just below it") << 2 << 91.0 << 0.9 << 1;
        QTest::newRow("2: just below the left line") << 2 << 269.0 << 0.9 << 1;
        QTest::newRow("2: just above it") << 2 << 271.0 << 0.9 << 0;
        QTest::newRow("12: left of the top's left line") << 12 << 344.0 << 0.9 << 11;
        QTest::newRow("12: right of the top's right line") << 12 << 16.0 << 0.9 << 1;
        QTest::newRow("12: bottom") << 12 << 180.0 << 0.5 << 6;
        QTest::newRow("outside the rim") << 12 << 0.0 << 1.01 << -1;
    }
    void segmentAt()
    {
        QFETCH(int, segments);
        QFETCH(double, degrees);
        QFETCH(double, fraction);
        const CircleGeometry geometry{400, segments};
        QTEST(geometry.segmentAt(onDisc(geometry, degrees, fraction)), "segment");
        QCOMPARE(geometry.radiusLineAngle(0), 1.5 * std::numbers::pi - std::numbers::pi / segments);
    }

    // The disc centred with its top at a quarter of the page; every word beside its own segment,
    // clear of the disc and of each other, on the page.
    void wordsStandRoundTheDisc()
    {
        for (const QSize page : {kPage, QSize(1645, 1163)}) {
            for (int segments = kMinCircleSegments; segments <= kMaxCircleSegments; ++segments) {
                const CircleLayout layout = layOutCircle(page, segments);
                QCOMPARE(layout.geometry.circleDiameter, page.height() * 47 / 100);
                QCOMPARE(layout.disc.top(), page.height() / 4);
                const QPointF centre = QRectF(layout.disc).center();
                for (int i = 0; i < segments; ++i) {
                    const QRect box = layout.textBoxes[i];
                    QVERIFY(QRect(QPoint(0, 0), page).contains(box));
                    const QPointF nearest(
                        std::clamp(centre.x(), qreal(box.left()), qreal(box.right())),
                        std::clamp(centre.y(), qreal(box.top()), qreal(box.bottom())));
                    QVERIFY(QLineF(centre, nearest).length() > layout.geometry.radius());
                    const QPointF inward = QPointF(box.center()) - centre;
                    QCOMPARE(layout.geometry.segmentAt(layout.geometry.centre() +
                                                       inward * (0.5 * layout.geometry.radius() /
                                                                 QLineF({}, inward).length())),
                             i);
                    for (int j = i + 1; j < segments; ++j)
                        QVERIFY2(!box.intersects(layout.textBoxes[j]),
                                 qPrintable(QStringLiteral("%1 segments").arg(segments)));
                }
            }
        }
    }

    // A stroke right across the picture changes nothing outside the disc within the ring.
    void paintingStaysOnTheDisc()
    {
        CirclePage page = newCirclePage(kPage, 5);
        const CircleGeometry geometry = page.layout().geometry;
        const QImage shape = discPaintShape(geometry);
        const QImage before = page.disc;
        PaintState state;
        state.toolSize = 32;
        RandomSource random;
        PaintEngine engine(state, random);
        const PaintTarget target{&page.disc, 0, {}, &shape};
        const QPoint corner(geometry.circleDiameter - 1, geometry.circleDiameter - 1);
        engine.press(target, {geometry.centre().toPoint()});
        engine.move(target, {QPoint(0, 0)});
        engine.move(target, {corner});
        engine.release(target, {corner});
        int inside = 0;
        for (int y = 0; y < page.disc.height(); ++y) {
            for (int x = 0; x < page.disc.width(); ++x) {
                const bool changed = page.disc.pixel(x, y) != before.pixel(x, y);
                const QPointF offset = QPointF(x + 0.5, y + 0.5) - geometry.centre();
                if (QLineF({}, offset).length() >= geometry.innerRadius())
                    QVERIFY(!changed);
                inside += changed ? 1 : 0;
            }
        }
        QVERIFY(inside > 0);
    }

    // However many turns, the painting stands exactly where the last one put it.
    void hundredTurnsEachWay()
    {
        for (const int segments : {4, 7}) {
            const CirclePage painted = paintedCircle(segments);
            CirclePage page = painted;
            CircleTurn turn;
            for (int i = 0; i < 100; ++i)
                turnOnce(page, turn, TurnDirection::Clockwise);
            CirclePage expected = painted;
            shiftSegments(expected, 100 % segments);
            QCOMPARE(page.disc, expected.disc);
            const CircleGeometry geometry = page.layout().geometry;
            const double onward = (100 % segments) * 360.0 / segments;
            QCOMPARE(page.disc.pixel(onDisc(geometry, onward, 0.6).toPoint()), kPaint);
            for (int i = 0; i < 100; ++i)
                turnOnce(page, turn, TurnDirection::Anticlockwise);
            QCOMPARE(page.disc, painted.disc);
        }
    }

    // Paint across the radius line between two segments turns with them, without a gap.
    void paintAcrossARadiusLineTurnsWhole()
    {
        CirclePage page = newCirclePage(kPage, 7);
        const CircleGeometry geometry = page.layout().geometry;
        const double edge = 180.0 / 7;
        const double blob = geometry.radius() / 8.0;
        raster::fillDisc(page.disc, onDisc(geometry, edge, 0.6), blob, kPaint);
        updateSegmentPictures(page);
        shiftSegments(page, 1);
        const QPointF turned = onDisc(geometry, edge + 360.0 / 7, 0.6);
        int gaps = 0;
        for (int y = 0; y < page.disc.height(); ++y)
            for (int x = 0; x < page.disc.width(); ++x)
                gaps += QLineF(QPointF(x + 0.5, y + 0.5), turned).length() < blob - 2.0 &&
                        page.disc.pixel(x, y) != kPaint;
        QCOMPARE(gaps, 0);
    }

    // Each tick turns further than the last by the same factor until the step is large, either
    // way round; the last tick lands on the next segment.
    void turnSpeedsUp()
    {
        const QList<int> quarter{18, 40, 66, 90};     // four segments: slow at first
        const QList<int> half{36, 72, 108, 144, 180}; // two segments: fast from the start
        for (const auto direction : {TurnDirection::Clockwise, TurnDirection::Anticlockwise}) {
            for (const QList<int> &angles : {quarter, half}) {
                const int segments = 360 / angles.last();
                CircleTurn turn;
                QVERIFY(startTurn(turn, rotateButtonTurn(segments, direction)));
                for (const int angle : angles)
                    QCOMPARE(int(stepTurn(turn, segments).angle),
                             direction == TurnDirection::Clockwise ? angle : -angle);
            }
        }
    }

    // The circle follows the finger round and round; letting go settles on a segment.
    void dragging_data()
    {
        QTest::addColumn<QList<double>>("path"); // pointer degrees clockwise from the top
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("shift");
        QTest::newRow("a little way") << QList<double>{0, 20, 50} << 50 << 1;
        QTest::newRow("back a little") << QList<double>{0, -30} << -30 << 0;
        QTest::newRow("past the bottom") << QList<double>{0, 90, 170, 190, 230} << 230 << 3;
        QTest::newRow("nearly a whole turn") << QList<double>{0, 120, 240, 350} << 350 << 0;
        QTest::newRow("twice round anticlockwise")
            << QList<double>{0, -120, -240, -360, -480, -600, -720, -800} << -80 << -1;
    }
    void dragging()
    {
        QFETCH(QList<double>, path);
        const CircleGeometry geometry{400, 4};
        CircleTurn turn;
        QVERIFY(pressRing(turn, onDisc(geometry, path.first(), 0.95), geometry.centre()));
        QVERIFY(!startTurn(turn, rotateButtonTurn(4, TurnDirection::Clockwise)));
        for (double degrees : path)
            dragRing(turn, onDisc(geometry, degrees, 0.95));
        QTEST(int(turn.circleAngle), "angle");
        TurnTick tick = releaseRing(turn, 4);
        for (int ticks = 0; !tick.finished && ticks < 100; ++ticks)
            tick = stepTurn(turn, 4);
        QTEST(tick.segmentShift, "shift");
        QVERIFY(!turn.busy());
    }

    void descriptionIsTheGoldenFile()
    {
        CirclePage page = newCirclePage(kPage, 4);
        const float scale = circlePageScale(kPage);
        page.segments[1].style = {QStringLiteral("comic sans ms"), 12 * scale};
        page.segments[2].style.colour = 0xFF;
        QCOMPARE(circleDescription(page).toLatin1(),
                 test::readFile(QUILLORA_TEST_DATA "/circle/four segments.xml"));
    }

    void readerFallsBack_data()
    {
        QTest::addColumn<QString>("layoutLine");
        QTest::addColumn<int>("segments");
        QTest::newRow("no count") << "<layout name='usermade'>" << 4;
        QTest::newRow("too few") << "<layout name='usermade' numsegments='0'>" << 2;
        QTest::newRow("too many") << "<layout numsegments='40000'>" << 12;
        QTest::newRow("not a number") << "<layout numsegments='six'>" << 2;
    }
    void readerFallsBack()
    {
        QFETCH(QString, layoutLine);
        QFETCH(int, segments);
        TextStyle fallback;
        fallback.fontSize = 20;
        const CircleDescription read = parseCircleDescription(
            QStringLiteral("<textbox name='tb1' size='4' font='verdana' colour='FF'/>\n") +
                layoutLine +
                QStringLiteral("\r\n<textbox name='tb0' size='0'/>\r\n<textbox name='tb13' "
                               "size='9'/>\r\n<textbox name='tbx' size='9'/>\r\n</layout>"),
            2.0f, fallback);
        QCOMPARE(read.segmentCount, segments);
        QCOMPARE(read.styles.size(), segments);
        QCOMPARE(read.styles[0], fallback);
        QCOMPARE(read.styles[1].fontSize, 8.0);
        QCOMPARE(read.styles[1].fontName, QStringLiteral("verdana"));
        QCOMPARE(read.styles[1].colour, ColourRef(0xFF));
    }

    // Written on one screen and read on a smaller one: pictures fitted to their segments, words
    // and styles kept; a picture of the wrong size is fitted, an unreadable one left out and
    // reported; without a description the page in work stays as it was.
    void membersRoundTrip()
    {
        QTemporaryDir folder;
        const Staging staging(folder.path());
        const QString description = staging.memberPath(QStringLiteral("layout.xml"));
        CirclePage page = paintedCircle(6);
        page.segments[2].text = QStringLiteral("autumn");
        QVERIFY(writeSegmentMembers(page, staging));
        QVERIFY(writeCircleDescription(page, staging));
        QImage odd(7, 300, QImage::Format_RGB32);
        odd.fill(Qt::green);
        QVERIFY(odd.save(staging.memberPath(QStringLiteral("pic3.bmp")), "BMP"));
        QFile::remove(staging.memberPath(QStringLiteral("pic4.bmp")));
        QVERIFY(writeTextFile(QStringLiteral("not a picture"),
                              staging.memberPath(QStringLiteral("pic5.bmp"))));

        CirclePage read;
        QVERIFY(readCircleDescription(description, QSize(800, 566), &read));
        QVERIFY(!readSegmentMembers(staging, read));
        QCOMPARE(read.segmentCount(), 6);
        QCOMPARE(read.segments[2].text, QStringLiteral("autumn"));
        const double storedSize =
            std::lrint(page.segments[0].style.fontSize / circlePageScale(kPage));
        QCOMPARE(read.segments[0].style.fontSize,
                 storedSize * double(circlePageScale(QSize(800, 566))));
        const QSize pictureSize = segmentPictureSize(read.layout().geometry);
        QCOMPARE(read.segments[0].picture.size(), pictureSize);
        QCOMPARE(read.segments[3].picture.size(), pictureSize);
        QVERIFY(read.segments[4].picture.isNull());
        QVERIFY(read.segments[5].picture.isNull());
        QCOMPARE(read.disc.pixel(onDisc(read.layout().geometry, 0.0, 0.6).toPoint()), kPaint);
        PageModel placed;
        QVERIFY(CircleFamily().readDescription(description, placed,
                                               {1280, 800, 96, 64, DocumentKind::Circle}, nullptr));

        QFile::remove(description);
        const CirclePage before = read;
        QString error;
        QVERIFY(!readCircleDescription(description, kPage, &read, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(read.disc, before.disc);
    }
};

QTEST_MAIN(CircleTest)
#include "tst_circle.moc"
