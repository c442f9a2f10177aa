// Leaflets on screen: the leaflet fitted to the screen, the page turn and flap tick by tick, and
// the frames they draw.

#include "core/doctypes/leafletturn.h"
#include "core/layout/documenttypes.h"
#include "support/rows.h"

#include <QTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)
Q_DECLARE_METATYPE(quillora::LeafletView)
Q_DECLARE_METATYPE(quillora::LeafletMotion)

namespace {

const QSize kScreen(1920, 1080);
constexpr auto kBooklet = LeafletStyle::Booklet;
constexpr auto kSmall = LeafletStyle::SmallLeaflet;

QVector<QImage> colouredPages(QSize size)
{
    QVector<QImage> pages;
    for (QColor colour : {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta}) {
        pages.append(QImage(size, QImage::Format_RGB32));
        pages.back().fill(colour);
    }
    return pages;
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
        QTest::newRow("4p wide") << kBooklet << kScreen << QRect(334, 0, 1152, 976) << QSize(575, 813);
        test::addRow("4p tall", kBooklet, QSize(800, 1280), QRect(0, 0, 700, 594), QSize(350, 495));
        QTest::newRow("6s wide") << kSmall << kScreen << QRect(0, 0, 1782, 756) << QSize(594, 630);
        QTest::newRow("tiny screen") << LeafletStyle::Card << QSize(50, 50) << QRect(0, 0, 1, 1)
                                     << QSize(1, 1);
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
        QTest::newRow("open the cover") << kBooklet << LeafletView::Front << forward << 15 << 12
                                        << LeafletView::Inside << QList{0, 1};
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

    // A turn takes its frames, refuses a second turn meanwhile, and ends in its view.
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
        int counted = 1;
        for (; viewer.tick(); ++counted) {
            QVERIFY(counted < ticks);
            QVERIFY(!viewer.start(LeafletMotion::TurnForward) && !viewer.start(LeafletMotion::TurnBack));
            QCOMPARE(viewer.view(), from);
            if (counted == ticks - 1)
                QCOMPARE(viewer.frame().turning.page, turningPages[1]);
        }
        QCOMPARE(counted, ticks);
        QTEST(viewer.view(), "to");
        QVERIFY(!viewer.start(LeafletMotion::OpenFlap) || style == kSmall);
    }

    // Opening the cover: page 0 over the right panel first; near the end page 1 lies on the
    // left and page 2, uncovered, on the right.
    void framePixels()
    {
        const LeafletScreenGeometry geometry = leafletScreenGeometry(kBooklet, kScreen);
        const QVector<QImage> pages = colouredPages(QSize(40, 60));
        LeafletViewer viewer(kBooklet, geometry, 15);
        QVERIFY(viewer.start(LeafletMotion::TurnForward));
        QImage frame = renderLeafletFrame(viewer.frame(), geometry, pages, Qt::gray);
        QCOMPARE(frame.pixelColor(geometry.panel(1).center()), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(geometry.panel(0).center()), QColor(Qt::gray));
        for (int i = 0; i < 11; ++i)
            viewer.tick();
        frame = renderLeafletFrame(viewer.frame(), geometry, pages, Qt::gray);
        QCOMPARE(frame.pixelColor(geometry.panel(0).center()), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(geometry.panel(1).center()), QColor(Qt::blue));
    }

};

QTEST_MAIN(TestLeaflet)
#include "tst_leaflet.moc"
