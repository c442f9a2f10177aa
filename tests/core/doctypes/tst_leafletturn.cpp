// The page turn and the flap, driven tick by tick: how many frames each takes, where it ends,
// which page turns at either end, that a second turn cannot start during the first, and the
// pixels of a frame.

#include "core/doctypes/leafletturn.h"

#include <QTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)
Q_DECLARE_METATYPE(quillora::LeafletView)
Q_DECLARE_METATYPE(quillora::LeafletMotion)

namespace {

const QSize kScreen(1920, 1080);

LeafletViewer viewerAt(LeafletStyle style, LeafletView view, int step = 15)
{
    LeafletViewer viewer(style, leafletScreenGeometry(style, kScreen), step);
    viewer.show(view);
    return viewer;
}

QVector<QImage> colouredPages()
{
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    QVector<QImage> pages;
    for (const QColor &colour : colours) {
        QImage page(40, 60, QImage::Format_RGB32);
        page.fill(colour);
        pages.append(page);
    }
    return pages;
}

} // namespace

class TestLeafletTurn : public QObject {
    Q_OBJECT
private slots:
    void motion_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<LeafletView>("from");
        QTest::addColumn<LeafletMotion>("motion");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<LeafletView>("to");
        QTest::addColumn<int>("firstPage"); // turning at the start, and at the end
        QTest::addColumn<int>("lastPage");
        const auto p = LeafletStyle::Booklet;
        const auto s = LeafletStyle::SmallLeaflet;
        QTest::newRow("open the cover") << p << LeafletView::Front << LeafletMotion::TurnForward
                                        << 15 << 12 << LeafletView::Inside << 0 << 1;
        QTest::newRow("quick turn") << p << LeafletView::Front << LeafletMotion::TurnForward
                                    << 45 << 4 << LeafletView::Inside << 0 << 1;
        QTest::newRow("to the back") << p << LeafletView::Inside << LeafletMotion::TurnForward
                                     << 15 << 12 << LeafletView::Back << 2 << 3;
        QTest::newRow("from the back") << p << LeafletView::Back << LeafletMotion::TurnBack << 15
                                       << 12 << LeafletView::Inside << 3 << 2;
        QTest::newRow("close the cover") << p << LeafletView::Inside << LeafletMotion::TurnBack
                                         << 15 << 12 << LeafletView::Front << 1 << 0;
        QTest::newRow("uneven step still ends") << p << LeafletView::Front
                                                << LeafletMotion::TurnForward << 50 << 4
                                                << LeafletView::Inside << 0 << 1;
        QTest::newRow("open the flap") << s << LeafletView::Inside << LeafletMotion::OpenFlap
                                       << 15 << 12 << LeafletView::FlapOpen << 2 << 5;
        QTest::newRow("close the flap") << s << LeafletView::FlapOpen << LeafletMotion::CloseFlap
                                        << 45 << 4 << LeafletView::Inside << 5 << 2;
    }

    void motion()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(LeafletView, from);
        QFETCH(LeafletMotion, motion);
        QFETCH(int, step);
        QFETCH(int, ticks);
        QFETCH(LeafletView, to);
        QFETCH(int, firstPage);
        QFETCH(int, lastPage);
        LeafletViewer viewer = viewerAt(style, from, step);
        QVERIFY(viewer.start(motion));
        QCOMPARE(viewer.frame().turning.page, firstPage);
        int counted = 0;
        while (viewer.tick()) {
            ++counted;
            QVERIFY(counted < ticks);
            QCOMPARE(viewer.view(), from);
            QVERIFY(!viewer.start(LeafletMotion::TurnForward));
            QVERIFY(!viewer.start(LeafletMotion::TurnBack));
            if (counted == ticks - 1)
                QCOMPARE(viewer.frame().turning.page, lastPage);
        }
        ++counted;
        QCOMPARE(counted, ticks);
        QVERIFY(!viewer.animating());
        QCOMPARE(viewer.view(), to);
    }

    void impossibleMoves()
    {
        LeafletViewer booklet = viewerAt(LeafletStyle::Booklet, LeafletView::Inside);
        QVERIFY(!booklet.start(LeafletMotion::OpenFlap));
        QVERIFY(!booklet.show(LeafletView::FlapOpen));
        LeafletViewer back = viewerAt(LeafletStyle::LargeLeaflet, LeafletView::Back);
        QVERIFY(!back.start(LeafletMotion::TurnForward));
        QVERIFY(!back.tick());
    }

    // Front side: from the hinge to the right; back side: to the left, lower-left below it.
    void corners_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<bool>("back");
        QTest::addColumn<QList<QPoint>>("corners");
        QTest::newRow("flat on the right") << 0 << false
                                           << QList{QPoint(100, 10), QPoint(140, 10), QPoint(100, 70)};
        QTest::newRow("upright") << 90 << false
                                 << QList{QPoint(100, 10), QPoint(100, 18), QPoint(100, 70)};
        QTest::newRow("lifting") << 60 << false
                                 << QList{QPoint(100, 10), QPoint(120, 17), QPoint(100, 70)};
        QTest::newRow("flat on the left") << 180 << true
                                          << QList{QPoint(60, 10), QPoint(100, 10), QPoint(60, 70)};
    }

    void corners()
    {
        QFETCH(int, angle);
        QFETCH(bool, back);
        QFETCH(QList<QPoint>, corners);
        const auto computed = turnedPageCorners(QPoint(100, 10), QSize(40, 60), angle, back);
        QCOMPARE(QList<QPoint>(computed.begin(), computed.end()), corners);
    }

    // The first frame of opening the cover shows page 0 over the right panel and nothing on
    // the left; near the end page 1 lies almost flat on the left, page 2 uncovered.
    void framePixels()
    {
        LeafletViewer viewer = viewerAt(LeafletStyle::Booklet, LeafletView::Front);
        const LeafletScreenGeometry geometry =
            leafletScreenGeometry(LeafletStyle::Booklet, kScreen);
        QVERIFY(viewer.start(LeafletMotion::TurnForward));
        const QVector<QImage> pages = colouredPages();
        const QRect left = geometry.panel(0);
        const QRect right = geometry.panel(1);
        QImage frame = renderLeafletFrame(viewer.frame(), geometry, pages, Qt::gray);
        QCOMPARE(frame.size(), geometry.holder.size());
        QCOMPARE(frame.pixelColor(right.center()), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(left.center()), QColor(Qt::gray));
        for (int i = 0; i < 11; ++i)
            viewer.tick();
        frame = renderLeafletFrame(viewer.frame(), geometry, pages, Qt::gray);
        QCOMPARE(frame.pixelColor(left.center()), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(right.center()), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestLeafletTurn)
#include "tst_leafletturn.moc"
