// The leaflet window: each style fitted inside the screen with its panels and buttons, turns
// that hide the objects and refuse a second press, the turning page showing the latest edit,
// the progress picture showing every panel of the view.

#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/doctypes/leafletwindow.h"

#include <QtTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

QString layout(const char *folder, const char *name)
{
    return QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/%1/%2.xml")
        .arg(QLatin1String(folder), QLatin1String(name));
}

struct Leaflet : DocumentWindowFixture<LeafletWindow> {
    Leaflet(DocumentKind kind, const QString &path, QSize screenSize = {1024, 768})
        : DocumentWindowFixture(screen(screenSize.width(), screenSize.height()))
    {
        context.page.documentType = kind;
        started = window->startDocument(path);
    }
    QWidget *child(const QString &name) const { return window->findChild<QWidget *>(name); }
    bool shown(const QString &name) const { return !child(name)->isHidden(); }
    QString label(int panel) const
    {
        return child(QStringLiteral("pageLabel%1").arg(panel))->property("text").toString();
    }
    void finishTurn() { QTRY_VERIFY_WITH_TIMEOUT(!window->animating(), 3000); }
    // The progress picture holds `pages` side by side, each as the turn draws it.
    bool progressShows(std::initializer_list<int> pages) const
    {
        const QImage picture = window->progressPicture().convertToFormat(QImage::Format_RGB32);
        const QSize panel = window->pagePictures().pictures[0].size();
        int left = 0;
        for (const int page : pages) {
            if (picture.copy(QRect(QPoint(left, 0), panel)) !=
                window->pagePictures().pictures[page].convertToFormat(QImage::Format_RGB32))
                return false;
            left += panel.width();
        }
        return picture.size() == QSize(left, panel.height());
    }

    bool started = false;
};

} // namespace

class TestLeafletWindow : public QObject {
    Q_OBJECT
private slots:
    void fitsTheScreen_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("screen");
        const QString small = layout("leaflet small", "my pet");
        QTest::newRow("booklet 1024")
            << DocumentKind::Booklet << layout("booklet", "my book") << QSize(1024, 768);
        QTest::newRow("card 1920")
            << DocumentKind::Card << layout("card", "birthday card") << QSize(1920, 1080);
        QTest::newRow("large 1024")
            << DocumentKind::Leaflet << layout("leaflet large", "a trip") << QSize(1024, 768);
        QTest::newRow("small 1024") << DocumentKind::Leaflet << small << QSize(1024, 768);
        QTest::newRow("small 1920") << DocumentKind::Leaflet << small << QSize(1920, 1080);
    }

    // The front cover alone on the right panel, every control on the screen.
    void fitsTheScreen()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, path);
        QFETCH(QSize, screen);
        Leaflet leaflet(kind, path, screen);
        QVERIFY(leaflet.started);
        QCOMPARE(leaflet.window->view(), LeafletView::Front);
        QVERIFY(leaflet.shown("Paper1") && !leaflet.shown("Paper0"));
        QCOMPARE(leaflet.label(1), QStringLiteral("Page 1"));
        QVERIFY(leaflet.shown("nextBut") && !leaflet.shown("prevBut"));
        const QRect window(QPoint(), screen);
        QStringList controls{"PaperHolder", "nextBut", "prevBut"};
        if (leafletStyleInfo(leaflet.window->style()).hasFlap)
            controls << "flapOpenBut"
                     << "flapCloseBut";
        for (const QString &name : controls)
            QVERIFY2(window.contains(leaflet.child(name)->geometry()), qPrintable(name));
        QVERIFY(leaflet.child("nextBut")->width() >= 48);
        // Page 0's first text stands on the front cover; page 1's is hidden.
        QVERIFY(leaflet.textBox(0)->isVisibleTo(leaflet.window.get()));
        QVERIFY(leaflet.textBox(1)->isHidden());
    }

    // A turn hides the objects, ignores presses meanwhile and ends on the spread, where a
    // booklet has no flap; the turning page shows the text typed on it just before.
    // A clear sideways swipe of a finger turns the page as the buttons do, the other way round
    // in a right-to-left language; a steep or short one does nothing.
    void fingerSwipeTurnsThePage_data()
    {
        QTest::addColumn<QPoint>("travel");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<bool>("turned");
        QTest::newRow("leftwards") << QPoint(-300, 30) << false << true;
        QTest::newRow("rightwards, right to left") << QPoint(300, 0) << true << true;
        QTest::newRow("steep") << QPoint(-300, 200) << false << false;
        QTest::newRow("short") << QPoint(-40, 0) << false << false;
    }
    void fingerSwipeTurnsThePage()
    {
        QFETCH(QPoint, travel);
        QFETCH(bool, rightToLeft);
        QFETCH(bool, turned);
        Leaflet leaflet(DocumentKind::Booklet, layout("booklet", "my book"));
        leaflet.window->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        leaflet.window->show();
        const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
        QWidget *holder = leaflet.window->pageView();
        fingerDrag(holder, touchScreen.get(), QPoint(holder->width() / 4, holder->height() / 2),
                   travel);
        leaflet.finishTurn();
        QCOMPARE(leaflet.window->view() == LeafletView::Inside, turned);
    }

    void turnsLikePaper()
    {
        Leaflet leaflet(DocumentKind::Booklet, layout("booklet", "my book"));
        QVERIFY(leaflet.progressShows({0}));
        leaflet.window->turnForward();
        QVERIFY(leaflet.window->animating());
        QVERIFY(leaflet.window->progressPicture().isNull());
        QVERIFY(leaflet.textBox(0)->isHidden());
        QVERIFY(!leaflet.shown("nextBut"));
        leaflet.window->turnForward();
        leaflet.window->turnBack();
        leaflet.finishTurn();
        QCOMPARE(leaflet.window->view(), LeafletView::Inside);
        QVERIFY(leaflet.shown("prevBut") && leaflet.shown("nextBut"));
        QVERIFY(!leaflet.shown("flapOpenBut"));
        QVERIFY(leaflet.textBox(2)->isVisibleTo(leaflet.window.get()));

        QVERIFY(leaflet.progressShows({1, 2}));
        const QImage before = leaflet.window->pagePictures().pictures[2];
        leaflet.textBox(2)->setPlainText(QStringLiteral("A dragon came"));
        QVERIFY(leaflet.window->pagePictures().changed[2]);
        QVERIFY(leaflet.progressShows({1, 2})); // the latest edit, before any turn
        QVERIFY(leaflet.window->pagePictures().pictures[2] != before);
        leaflet.window->turnForward();
        leaflet.finishTurn();
        QCOMPARE(leaflet.window->view(), LeafletView::Back);
        QCOMPARE(leaflet.label(0), QStringLiteral("Page 4"));
        QVERIFY(leaflet.progressShows({3}));
    }
};

QTEST_MAIN(TestLeafletWindow)
#include "tst_leafletwindow.moc"
