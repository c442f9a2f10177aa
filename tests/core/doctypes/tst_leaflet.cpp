// Leaflets on screen: the leaflet fitted to the screen, what each view shows, the page of each
// object, the page turn and flap tick by tick, and the pictures they draw.

#include "core/doctypes/leafletturn.h"
#include "core/layout/documenttypes.h"

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
        QTest::newRow("4p tall") << kBooklet << QSize(800, 1280) << QRect(0, 0, 700, 594)
                                 << QSize(350, 495);
        QTest::newRow("6b wide") << LeafletStyle::LargeLeaflet << kScreen
                                 << QRect(334, 0, 1152, 976) << QSize(383, 813);
        QTest::newRow("6s wide") << kSmall << kScreen << QRect(0, 0, 1782, 756) << QSize(594, 630);
        QTest::newRow("tiny screen") << LeafletStyle::Card << QSize(50, 50) << QRect(0, 0, 1, 1)
                                     << QSize(1, 1);
    }

    void screenGeometry()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(QSize, screen);
        QFETCH(QRect, holder);
        QFETCH(QSize, panel);
        const LeafletScreenGeometry geometry = leafletScreenGeometry(style, screen);
        QCOMPARE(geometry.holder, holder);
        QCOMPARE(geometry.panelSize, panel);
    }

    void views_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<LeafletView>("view");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QString>("buttons"); // previous, next, open flap, close flap
        QTest::newRow("front") << kBooklet << LeafletView::Front << QList{-1, 0, -1} << "-n--";
        QTest::newRow("4p inside") << kBooklet << LeafletView::Inside << QList{1, 2, -1} << "pn--";
        QTest::newRow("6s inside") << kSmall << LeafletView::Inside << QList{1, 2, -1} << "pno-";
        QTest::newRow("back") << kSmall << LeafletView::Back << QList{3, -1, -1} << "p---";
        QTest::newRow("flap open") << kSmall << LeafletView::FlapOpen << QList{1, 4, 5} << "---c";
        QTest::newRow("4p flap") << kBooklet << LeafletView::FlapOpen << QList{-1, -1, -1} << "----";
    }

    void views()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(LeafletView, view);
        QFETCH(QList<int>, pages);
        QFETCH(QString, buttons);
        const LeafletViewLayout layout = leafletViewLayout(style, view);
        QCOMPARE(QList<int>(layout.pageOnPanel.begin(), layout.pageOnPanel.end()), pages);
        const QString shown = QString(layout.previous ? u'p' : u'-') + (layout.next ? u'n' : u'-') +
                              (layout.openFlap ? u'o' : u'-') + (layout.closeFlap ? u'c' : u'-');
        QCOMPARE(shown, buttons);
    }

    void pageOfObject()
    {
        const QList<int> objects{0, 1, 2, 3, 4, 5, 6, 7};
        const std::pair<LeafletStyle, QList<int>> rows[] = {
            {kBooklet, {0, 1, 2, 3, 0, 1, 2, 3}},
            {LeafletStyle::Card, {0, 1, 2, 3, -1, -1, -1, -1}},
            {LeafletStyle::LargeLeaflet, {0, 1, 2, 3, 4, 5, 0, 1}},
            {kSmall, {0, 1, 2, 3, 4, 5, -1, -1}}};
        for (const auto &[style, pages] : rows)
            for (int i : objects)
                QCOMPARE(leafletPageOfObject(style, i), pages[i]);
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
        QTest::newRow("quick") << kBooklet << LeafletView::Front << forward << 45 << 4
                               << LeafletView::Inside << QList{0, 1};
        QTest::newRow("step 0 is 15") << kBooklet << LeafletView::Front << forward << 0 << 12
                                      << LeafletView::Inside << QList{0, 1};
        QTest::newRow("uneven step") << kBooklet << LeafletView::Inside << forward << 50 << 4
                                     << LeafletView::Back << QList{2, 3};
        QTest::newRow("from the back") << kBooklet << LeafletView::Back << LeafletMotion::TurnBack
                                       << 15 << 12 << LeafletView::Inside << QList{3, 2};
        QTest::newRow("open the flap") << kSmall << LeafletView::Inside << LeafletMotion::OpenFlap
                                       << 15 << 12 << LeafletView::FlapOpen << QList{2, 5};
        QTest::newRow("close the flap") << kSmall << LeafletView::FlapOpen
                                        << LeafletMotion::CloseFlap << 45 << 4
                                        << LeafletView::Inside << QList{5, 2};
    }

    // A turn takes its frames, refuses a second turn meanwhile, and ends in its view.
    void motion()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(LeafletView, from);
        QFETCH(LeafletMotion, motion);
        QFETCH(int, step);
        QFETCH(int, ticks);
        QFETCH(LeafletView, to);
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
        QCOMPARE(viewer.view(), to);
        QVERIFY(!viewer.start(LeafletMotion::OpenFlap) || style == kSmall);
    }

    void corners()
    {
        const auto at = [](int angle, bool back) {
            const auto c = turnedPageCorners(QPoint(100, 10), QSize(40, 60), angle, back);
            return QList<QPoint>(c.begin(), c.end());
        };
        QCOMPARE(at(0, false), (QList{QPoint(100, 10), QPoint(140, 10), QPoint(100, 70)}));
        QCOMPARE(at(60, false), (QList{QPoint(100, 10), QPoint(120, 17), QPoint(100, 70)}));
        QCOMPARE(at(180, true), (QList{QPoint(60, 10), QPoint(100, 10), QPoint(60, 70)}));
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

    // Only pages marked changed are drawn again, each from its own objects.
    void pagePicturesFollowTheirMarks()
    {
        PageModel leaflet;
        leaflet.documentType = DocumentKind::Booklet;
        leaflet.scale = 2.0f;
        leaflet.pictureBoxes.resize(2); // picture 1 stands on page 1
        PictureBoxModel &picture = leaflet.pictureBoxes[1];
        picture.geometry = QRect(0, 0, 20, 20);
        picture.image = colouredPages(QSize(20, 20))[0];
        picture.visible = true;
        LeafletPagePictures pages;
        pages.reset(4);
        pages.bringUpToDate(leaflet, kBooklet);
        QCOMPARE(pages.pictures[1].pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(pages.pictures[0].pixelColor(5, 5), QColor(Qt::white));
        picture.image.fill(Qt::blue);
        pages.bringUpToDate(leaflet, kBooklet);
        QCOMPARE(pages.pictures[1].pixelColor(5, 5), QColor(Qt::red));
        pages.markChanged(1);
        pages.bringUpToDate(leaflet, kBooklet);
        QCOMPARE(pages.pictures[1].pixelColor(5, 5), QColor(Qt::blue));
        // The thumbnail shows the empty cover, not page 1 with its picture.
        QCOMPARE(leafletThumbnail(leaflet, kBooklet, QSize(150, 150)).pixelColor(5, 5),
                 QColor(Qt::white));
    }
};

QTEST_MAIN(TestLeaflet)
#include "tst_leaflet.moc"
