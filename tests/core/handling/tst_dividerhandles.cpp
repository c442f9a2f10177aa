// Divider handles: how far a handle may go, how the boxes beside it follow, which names count,
// and what happens to the paint of a picture that grows or shrinks. Undoing a drag is
// tst_undohistory's.

#include "core/handling/dividerhandles.h"

#include <QTest>

using namespace quillora;

namespace {

// A picture and a text above the handle, a rich text below; the handle sits on their joint at
// y 200 and may go from 100 to 300.
PageModel dividedPage()
{
    PageModel page;
    page.pageWidthMm = 210;
    page.pageHeightMm = 297;
    page.scale = 2.0f;
    page.pageRect = QRect(0, 0, 420, 594);
    page.pictureBoxes.resize(1);
    page.textBoxes.resize(1);
    page.richTextBoxes.resize(1);
    page.pictureBoxes[0].geometry = QRect(10, 100, 80, 100);
    page.textBoxes[0].geometry = QRect(100, 100, 80, 100);
    page.richTextBoxes[0].geometry = QRect(10, 200, 180, 100);
    page.pictureBoxes[0].visible = page.textBoxes[0].visible = page.richTextBoxes[0].visible = true;
    HandleModel handle;
    handle.sizePx = 12;
    handle.centre = QPoint(100, 200);
    handle.minY = 100;
    handle.maxY = 300;
    handle.boxesAbove = {"p00", "t00"};
    handle.boxesBelow = {"r00"};
    handle.visible = true;
    page.handles = {handle};
    page.announcedPictureBoxes = page.announcedTextBoxes = page.announcedRichTextBoxes = 1;
    page.announcedHandles = 1;
    return page;
}

QImage stripes(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(y, 0, 0));
    return image;
}

} // namespace

class TestDividerHandles : public QObject {
    Q_OBJECT

private slots:
    void dragKeepsBoxesJoined_data()
    {
        QTest::addColumn<int>("rangeTop");
        QTest::addColumn<int>("rangeBottom");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("moved");

        QTest::newRow("down") << 100 << 300 << 230 << 30;
        QTest::newRow("up") << 100 << 300 << 160 << -40;
        QTest::newRow("held at the greatest height") << 100 << 220 << 260 << 20;
        QTest::newRow("held at the least height") << 150 << 300 << 40 << -50;
        // The range alone would let the boxes vanish: the least box height holds first.
        QTest::newRow("box below keeps its least height") << 0 << 600 << 600 << 100 - 12;
        QTest::newRow("boxes above keep their least height") << 0 << 600 << -50 << 12 - 100;
        QTest::newRow("range of one place") << 200 << 200 << 250 << 0;
    }
    void dragKeepsBoxesJoined()
    {
        QFETCH(int, rangeTop);
        QFETCH(int, rangeBottom);
        QFETCH(int, wanted);
        QFETCH(int, moved);

        PageModel page = dividedPage();
        page.handles[0].minY = rangeTop;
        page.handles[0].maxY = rangeBottom;
        QCOMPARE(dragHandleTo(page, 0, wanted), moved);

        const int joint = 200 + moved;
        QCOMPARE(page.handles[0].centre, QPoint(100, joint));
        QCOMPARE(page.pictureBoxes[0].geometry, QRect(10, 100, 80, 100 + moved));
        QCOMPARE(page.textBoxes[0].geometry, QRect(100, 100, 80, 100 + moved));
        QCOMPARE(page.richTextBoxes[0].geometry, QRect(10, joint, 180, 100 - moved));
    }

    void boxAlreadyTooLowIsNotShrunk()
    {
        PageModel page = dividedPage();
        page.textBoxes[0].geometry.setHeight(5); // a box from a careless template
        QCOMPARE(allowedHandleMove(page, 0, 150), 0);
        QCOMPARE(allowedHandleMove(page, 0, 240), 40);
    }

    void onlyWellFormedNamesOfShownObjectsMove_data()
    {
        QTest::addColumn<QStringList>("above");
        QTest::addColumn<QStringList>("below");
        QTest::addColumn<QStringList>("expected"); // kind + index of the objects moved

        QTest::newRow("all valid")
            << QStringList{"p00", "t00"} << QStringList{"r00"} << QStringList{"p0", "t0", "r0"};
        QTest::newRow("index beyond the page")
            << QStringList{"p99", "t01"} << QStringList{"r00"} << QStringList{"r0"};
        QTest::newRow("unknown kind and bad digits")
            << QStringList{"x00", "b00", "t0", "t-1", "p000", "p\u0660\u0660", ""}
            << QStringList{"r00"} << QStringList{"r0"};
        QTest::newRow("capital kind letter")
            << QStringList{"P00"} << QStringList{"R00"} << QStringList{"p0", "r0"};
        QTest::newRow("named twice and on both sides")
            << QStringList{"p00", "p00"} << QStringList{"p00", "r00"} << QStringList{"p0", "r0"};
    }
    void onlyWellFormedNamesOfShownObjectsMove()
    {
        QFETCH(QStringList, above);
        QFETCH(QStringList, below);

        PageModel page = dividedPage();
        page.handles[0].boxesAbove = above;
        page.handles[0].boxesBelow = below;
        QStringList moved;
        for (const DividedObject &object : moveHandleBy(page, 0, 10))
            moved.append(objectKindCode(object.kind) + QString::number(object.index));
        QTEST(moved, "expected");
    }

    void hiddenObjectsAndMissingHandlesAreLeftAlone()
    {
        PageModel page = dividedPage();
        page.richTextBoxes[0].visible = false;
        QCOMPARE(objectsBesideHandle(page, 0).size(), 2);
        QCOMPARE(page.richTextBoxes[0].geometry, QRect(10, 200, 180, 100));
        QCOMPARE(dragHandleTo(page, 1, 250), 0);
        QCOMPARE(dragHandleTo(page, -1, 250), 0);
        QCOMPARE(moveHandleBy(page, 5, 10).size(), 0);
    }

    void paintStaysWhereItLiesOnThePage()
    {
        const QRect from(10, 100, 4, 20);
        const QImage picture = stripes(from.size());

        // The top edge comes down: the top rows go, the others stay on the same page rows.
        const QImage cut = pictureMovedOnPage(picture, from, QRect(10, 105, 4, 15));
        QCOMPARE(cut.size(), QSize(4, 15));
        QCOMPARE(cut.pixel(2, 0), picture.pixel(2, 5));
        QCOMPARE(cut.pixel(3, 14), picture.pixel(3, 19));

        // The bottom edge goes down: new white paper below the paint.
        const QImage grown = pictureMovedOnPage(picture, from, QRect(10, 100, 4, 30));
        QCOMPARE(grown.pixel(1, 19), picture.pixel(1, 19));
        QCOMPARE(grown.pixel(1, 20), qRgb(255, 255, 255));
        QCOMPARE(grown.pixel(1, 29), qRgb(255, 255, 255));

        QVERIFY(pictureMovedOnPage(QImage(), from, QRect(10, 100, 4, 30)).isNull());
        // Shown stretched to a box that stays, it is brought to the box's own pixels.
        QCOMPARE(pictureMovedOnPage(picture, QRect(0, 0, 8, 40), QRect(0, 0, 8, 40)).size(),
                 QSize(8, 40));
    }
};

QTEST_GUILESS_MAIN(TestDividerHandles)
#include "tst_dividerhandles.moc"
