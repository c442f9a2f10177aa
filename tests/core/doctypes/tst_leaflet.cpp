// Leaflet styles on screen: the leaflet fitted to wide and tall screens, what each view shows,
// the page each object stands on, and the turn step taken from the settings.

#include "core/doctypes/leaflet.h"
#include "core/layout/documenttypes.h"

#include <QTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)
Q_DECLARE_METATYPE(quillora::LeafletView)

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
        QTest::newRow("booklet, wide") << LeafletStyle::Booklet << QSize(1920, 1080)
                                       << QRect(334, 0, 1152, 976) << QSize(575, 813);
        QTest::newRow("booklet, tall") << LeafletStyle::Booklet << QSize(800, 1280)
                                       << QRect(0, 0, 700, 594) << QSize(350, 495);
        QTest::newRow("large leaflet, wide") << LeafletStyle::LargeLeaflet << QSize(1920, 1080)
                                             << QRect(334, 0, 1152, 976) << QSize(383, 813);
        QTest::newRow("small leaflet, wide") << LeafletStyle::SmallLeaflet << QSize(1920, 1080)
                                             << QRect(0, 0, 1782, 756) << QSize(594, 630);
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
        QVERIFY(QRect(QPoint(), geometry.freeArea).contains(geometry.holder));
        // Every panel the style uses stands inside the holder.
        const int panels = leafletStyleInfo(style).pageCount == 6 ? 3 : 2;
        QVERIFY(geometry.holder.width() >= geometry.panel(panels - 1).right());
    }

    void tinyScreenStillGivesAPage()
    {
        const LeafletScreenGeometry geometry =
            leafletScreenGeometry(LeafletStyle::Card, QSize(50, 50));
        QVERIFY(geometry.scale > 0);
        QVERIFY(!geometry.holder.isEmpty());
    }

    void views_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<LeafletView>("view");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QString>("buttons"); // previous, next, open flap, close flap
        QTest::newRow("front") << LeafletStyle::Booklet << LeafletView::Front << QList{-1, 0, -1}
                               << "-n--";
        QTest::newRow("booklet inside has no flap")
            << LeafletStyle::Booklet << LeafletView::Inside << QList{1, 2, -1} << "pn--";
        QTest::newRow("leaflet inside") << LeafletStyle::SmallLeaflet << LeafletView::Inside
                                        << QList{1, 2, -1} << "pno-";
        QTest::newRow("back") << LeafletStyle::LargeLeaflet << LeafletView::Back
                              << QList{3, -1, -1} << "p---";
        QTest::newRow("flap open") << LeafletStyle::LargeLeaflet << LeafletView::FlapOpen
                                   << QList{1, 4, 5} << "---c";
        QTest::newRow("no flap to open on a card")
            << LeafletStyle::Card << LeafletView::FlapOpen << QList{-1, -1, -1} << "----";
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

    void pageOfObject_data()
    {
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<QList<int>>("pages"); // of objects 0..7
        QTest::newRow("4p") << LeafletStyle::Booklet << QList{0, 1, 2, 3, 0, 1, 2, 3};
        QTest::newRow("4c") << LeafletStyle::Card << QList{0, 1, 2, 3, -1, -1, -1, -1};
        QTest::newRow("6b") << LeafletStyle::LargeLeaflet << QList{0, 1, 2, 3, 4, 5, 0, 1};
        QTest::newRow("6s") << LeafletStyle::SmallLeaflet << QList{0, 1, 2, 3, 4, 5, -1, -1};
    }

    void pageOfObject()
    {
        QFETCH(LeafletStyle, style);
        QFETCH(QList<int>, pages);
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(leafletPageOfObject(style, i), pages[i]);
        QCOMPARE(leafletPageOfObject(style, -1), -1);
    }

    void stylesAndKinds()
    {
        QCOMPARE(defaultLeafletStyle(doctype::Leaflet, 1), LeafletStyle::SmallLeaflet);
        QCOMPARE(leafletStyleFromCode(u"6B"), LeafletStyle::LargeLeaflet);
        QVERIFY(!leafletStyleFromCode(u"8x"));
        QVERIFY(!defaultLeafletStyle(doctype::Simple));
        QVERIFY(!styleBelongsToKind(LeafletStyle::Booklet, doctype::Card));
        QVERIFY(styleBelongsToKind(LeafletStyle::SmallLeaflet, doctype::Leaflet));
        PageModel page;
        page.documentType = doctype::Leaflet;
        page.pageHeightMm = 105;
        QCOMPARE(leafletStyleOfPage(page), LeafletStyle::SmallLeaflet);
        QCOMPARE(leafletPageLabel(3), QStringLiteral("Leaflet Page 3"));
    }

    void turnStep()
    {
        QCOMPARE(leafletTurnStep(45), 45);
        QCOMPARE(leafletTurnStep(0), 15);
        QCOMPARE(leafletTurnStep(-30), 15);
        QCOMPARE(leafletTurnStep(500), 15);
    }

    // Only the changed pages are drawn again, each from its own objects.
    void pagePicturesFollowTheirMarks()
    {
        PageModel leaflet;
        leaflet.documentType = doctype::Booklet;
        leaflet.scale = 2.0f;
        PictureBoxModel red;
        red.geometry = QRect(0, 0, 20, 20);
        red.image = QImage(20, 20, QImage::Format_RGB32);
        red.image.fill(Qt::red);
        red.visible = true;
        leaflet.pictureBoxes = {PictureBoxModel(), red}; // picture 1 stands on page 1
        LeafletPagePictures pages;
        pages.reset(4);
        pages.bringUpToDate(leaflet, LeafletStyle::Booklet);
        QCOMPARE(pages.pictures[1].size(), QSize(210, 297));
        QCOMPARE(pages.pictures[1].pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(pages.pictures[0].pixelColor(5, 5), QColor(Qt::white));

        leaflet.pictureBoxes[1].image.fill(Qt::blue);
        pages.bringUpToDate(leaflet, LeafletStyle::Booklet);
        QCOMPARE(pages.pictures[1].pixelColor(5, 5), QColor(Qt::red));
        pages.markChanged(1);
        pages.bringUpToDate(leaflet, LeafletStyle::Booklet);
        QCOMPARE(pages.pictures[1].pixelColor(5, 5), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestLeaflet)
#include "tst_leaflet.moc"
