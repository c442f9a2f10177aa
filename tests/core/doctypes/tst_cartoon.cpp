// Comic strips: the tail's direction and the outlines built on it, size limits, slots reused,
// dropping a dragged bubble, words shrunk to fit, the page description against its golden file
// and against broken files, and undo steps. The printed strip is the comic scenario's.

#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondescription.h"
#include "core/doctypes/cartoondrawing.h"
#include "support/rows.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QPainter>
#include <QtTest>

#include <numbers>

using namespace quillora;

namespace {

constexpr double kPi = std::numbers::pi;

// Two frames side by side on a landscape page 1000 pixels wide (3.367 pixels a millimetre).
PageModel twoFrames()
{
    PageModel page;
    page.documentType = DocumentKind::ComicStrip;
    page.pageWidthMm = 297;
    page.pageHeightMm = 210;
    page.scale = 1000.0f / 297.0f;
    page.pageRect = QRect(0, 0, 1000, 707);
    page.announcedPictureBoxes = 2;
    for (const QRect &frame : {QRect(34, 34, 451, 640), QRect(515, 34, 451, 640)}) {
        PictureBoxModel box;
        box.geometry = frame;
        box.visible = true;
        page.pictureBoxes.append(box);
    }
    return page;
}

int newSpeechBubble(PageModel &page, int frame, QPoint at)
{
    return createBubble(page, BubbleKind::Speech, frame, at, QSize(240, 180), TextStyle{});
}

QString goldenPath()
{
    return QStringLiteral(QUILLORA_TEST_DATA "/cartoon/two bubbles.xml");
}

} // namespace

class CartoonTest : public QObject {
    Q_OBJECT
private slots:
    void tailDirection_data()
    {
        QTest::addColumn<QPointF>("tip");
        QTest::addColumn<double>("theta");
        QTest::newRow("left") << QPointF(-50, 0) << kPi;
        QTest::newRow("below") << QPointF(0, 50) << kPi / 2;
        QTest::newRow("on the centre") << QPointF(0, 0) << 3 * kPi / 2;
        // The axes count as one: up and right by a quarter of each is 45 degrees above.
        QTest::newRow("up right, scaled") << QPointF(60, -45) << 7 * kPi / 4;
        QTest::newRow("down left") << QPointF(-60, 45) << 3 * kPi / 4;
    }
    void tailDirection()
    {
        QFETCH(QPointF, tip);
        QFETCH(double, theta);
        QVERIFY(qAbs(quillora::tailDirection(QPointF(0, 0), tip, 60, 45) - theta) < 1e-9);
    }

    // The speech outline runs from the tail's tip round the ellipse and back to the tip; the
    // thought trail's puffs shrink towards the tip and vanish when it sits on the centre.
    void outlinesFollowTheTail()
    {
        const QPolygonF outline = speechOutline(QSize(240, 180), QPointF(10, 170));
        QCOMPARE(outline.first(), QPointF(10, 170));
        QCOMPARE(outline.last(), QPointF(10, 170));
        const QVector<QRectF> puffs = thoughtTrail(QSize(240, 180), QPointF(310, 90));
        QVERIFY(puffs.size() > 2 && puffs.first().width() > puffs.last().width());
        QVERIFY(puffs.last().center().x() > puffs.first().center().x());
        QVERIFY(thoughtTrail(QSize(240, 180), QPointF(120, 90)).isEmpty());
    }

    // Round the top of an ellipse bubble the line runs smoothly: no pixel juts across it.
    void ellipseOutlinesHaveNoTick()
    {
        for (const BubbleKind kind : {BubbleKind::Speech, BubbleKind::Thought}) {
            BubbleModel bubble;
            bubble.kind = kind;
            bubble.geometry = QRect(0, 0, 320, 200);
            bubble.tip = QPoint(300, 190);
            QImage image(bubble.geometry.size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            paintBubbleShape(painter, bubble);
            const BubbleLayout layout = bubbleLayout(kind, image.size());
            const auto grey = [&image](int x, int y) { return qGray(image.pixel(x, y)); };
            for (int y = int(layout.centre.y()) - layout.ry - 3;
                 y < layout.centre.y() - layout.ry + 3; ++y)
                for (int x = 145; x < 175; ++x)
                    QVERIFY(std::abs(grey(x, y) - (grey(x - 2, y) + grey(x + 2, y)) / 2) < 40);
        }
    }

    void sizeHandleLimits_data()
    {
        QTest::addColumn<QPoint>("handle");
        QTest::addColumn<int>("reach");
        QTest::newRow("onto the centre") << QPoint(120, 90) << 30;
        QTest::newRow("as it is") << QPoint(180, 135) << 75;
        QTest::newRow("far away") << QPoint(2000, 1500) << 144; // 0.32 x 451
    }
    void sizeHandleLimits()
    {
        QFETCH(QPoint, handle);
        QFETCH(int, reach);
        PageModel page = twoFrames();
        const int index = newSpeechBubble(page, 0, QPoint(120, 90));
        BubbleModel &bubble = page.kindState<ComicStripState>().bubbles[index];
        bubble.geometry = resizedBubble(bubble, handle, 451);
        QCOMPARE(bubble.geometry.width() % 4, 0);
        QCOMPARE(bubble.geometry.height() % 4, 0);
        const QPoint out = sizeHandleCentre(bubble) - QPoint(120, 90);
        QVERIFY(qAbs(std::hypot(out.x(), out.y()) - reach) <= 3);
        // A new bubble's size handle starts within the reach its frame allows, on any frame.
        for (int frame = 100; frame < 1200; frame += 7) {
            const QSize size = defaultBubbleSize(1920, frame);
            QVERIFY(std::hypot(size.width() / 4.0, size.height() / 4.0) <=
                    maxBubbleReach(frame) + 1);
        }
        // Its words: 12 points on screens up to 800 pixels wide, 16 on wider ones.
        QCOMPARE(QList({defaultBubbleFontSize(800), defaultBubbleFontSize(801)}),
                 QList({12.0, 16.0}));
    }

    void lowestHiddenSlotIsReused()
    {
        PageModel page = twoFrames();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(newSpeechBubble(page, 0, QPoint(200, 200)), i);
        page.kindState<ComicStripState>().bubbles[1].text = QStringLiteral("Bye");
        deleteBubble(page, 1);
        deleteBubble(page, 0);
        QVERIFY(bubblesOf(page)[1].text.isEmpty());
        QCOMPARE(createBubble(page, BubbleKind::Caption, 1, QPoint(100, 100), QSize(240, 180),
                              TextStyle{}),
                 0);
        QCOMPARE(bubblesOf(page).size(), 3);
        QCOMPARE(newSpeechBubble(page, 5, QPoint(1, 1)), -1);
    }

    void droppingADraggedBubble_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("overBin");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QPoint>("topLeft");
        // Dragged from (80, 110) to (380, 410) in frame 0, frame 1 being 481 pixels further right.
        test::addRow("own frame", QPoint(300, 300), false, int(BubbleDrop::Stayed), 0,
                     QPoint(380, 410));
        test::addRow("other frame", QPoint(600, 300), false, int(BubbleDrop::ChangedFrame), 1,
                     QPoint(-101, 410));
        test::addRow("between frames", QPoint(500, 300), false, int(BubbleDrop::WentBack), 0,
                     QPoint(80, 110));
        test::addRow("bin", QPoint(990, 690), true, int(BubbleDrop::Binned), 0, QPoint(380, 410));
    }
    void droppingADraggedBubble()
    {
        QFETCH(QPoint, pointer);
        QFETCH(bool, overBin);
        QFETCH(int, frame);
        QFETCH(QPoint, topLeft);
        PageModel page = twoFrames();
        const int index = newSpeechBubble(page, 0, QPoint(200, 200));
        const QPoint tipFromCorner =
            page.kindState<ComicStripState>().bubbles[index].tip -
            page.kindState<ComicStripState>().bubbles[index].geometry.topLeft();
        moveBubble(page.kindState<ComicStripState>().bubbles[index], QPoint(380, 410));
        QTEST(int(dropBubble(page, index, pointer, overBin, QPoint(80, 110))), "outcome");
        const BubbleModel &bubble = bubblesOf(page)[index];
        QCOMPARE(bubble.visible, !overBin);
        QCOMPARE(bubble.frame, frame);
        QCOMPARE(bubble.geometry.topLeft(), topLeft);
        QCOMPARE(bubble.tip - bubble.geometry.topLeft(), tipFromCorner);
    }

    // The words stand in the middle of their bubble, and shrink to 4 points at the least.
    void longWordsShrinkToFourPoints()
    {
        PageModel page = twoFrames();
        BubbleModel &bubble =
            page.kindState<ComicStripState>().bubbles[newSpeechBubble(page, 0, QPoint(200, 200))];
        bubble.text = QStringLiteral("Hi");
        const int oneLine = bubbleTextBox(bubble).geometry.top();
        bubble.text = QStringLiteral("Hi\nthere");
        QVERIFY(bubbleTextBox(bubble).geometry.top() < oneLine);
        bubble.text = QStringLiteral("once upon a time ").repeated(80);
        QVERIFY(fitBubbleText(bubble));
        QCOMPARE(bubble.style.fontSize, 4.0);
    }

    void descriptionMatchesGoldenFile()
    {
        PageModel page = twoFrames();
        const QString words = QStringLiteral("It's me!\nHello");
        const int speech = newSpeechBubble(page, 0, QPoint(200, 150));
        page.kindState<ComicStripState>().bubbles[speech].text = words;
        page.kindState<ComicStripState>().bubbles[speech].style.colour = 0xFF;
        const int thought = createBubble(page, BubbleKind::Thought, 1, QPoint(220, 300),
                                         QSize(320, 240), TextStyle{});
        page.kindState<ComicStripState>().bubbles[thought].tip = QPoint(300, 400);
        const int binned = newSpeechBubble(page, 1, QPoint(100, 100));
        deleteBubble(page, binned);
        QCOMPARE(cartoonDescription(page).toLatin1(), test::readFile(goldenPath()));

        PageFitInputs fit{1000 + kToolPaletteWidthPx + 32 + 88, 2000, kToolPaletteWidthPx,
                          kToolbarHeightPx, DocumentKind::ComicStrip};
        PageModel read;
        read.documentType = DocumentKind::ComicStrip;
        QVERIFY(readCartoonDescription(test::readFile(goldenPath()), goldenPath(), read, fit));
        QCOMPARE(read.objectsSkippedOnRead, 0);
        QCOMPARE(bubblesOf(read)[0].text, words);
        QCOMPARE(bubbleDescription(read), bubbleDescription(page));
        // The page as a picture, at any scale but none.
        QCOMPARE(renderCartoonPageImage(page, 0.5).size(), QSize(500, 354));
        QVERIFY(renderCartoonPageImage(page, 0).isNull());
    }

    void brokenBubblesAreLeftOutOrMended_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("tip");
        const QString shape =
            QStringLiteral("<bubble name='bu0' cx='%1' cy='%2' type='%3' text='x' "
                           "parentindex='%4'  handcx='%5' handcy='%6' szhandcx='%7' "
                           "szhandcy='%8' font='arial' size='12' colour='0'/>");
        QTest::newRow("no such frame")
            << shape.arg(100).arg(100).arg(0).arg(7).arg(0).arg(0).arg(160).arg(145) << 1 << QRect()
            << QPoint();
        QTest::newRow("kind 3") << shape.arg(100).arg(100).arg(3).arg(0).arg(0).arg(0).arg(160).arg(
                                       145)
                                << 1 << QRect() << QPoint();
        QTest::newRow("centre far away, brought to the frame's corner")
            << shape.arg(30000).arg(-30000).arg(0).arg(0).arg(0).arg(0).arg(30060).arg(-29955) << 0
            << QRect(330, -90, 240, 180) << QPoint(330, 0);
        QTest::newRow("tip on the centre")
            << shape.arg(100).arg(100).arg(0).arg(0).arg(100).arg(100).arg(160).arg(145) << 0
            << QRect(-20, 10, 240, 180) << QPoint(100, 100);
    }
    void brokenBubblesAreLeftOutOrMended()
    {
        QFETCH(QString, line);
        QFETCH(int, skipped);
        QFETCH(QRect, geometry);
        QFETCH(QPoint, tip);
        PageModel page = twoFrames();
        QCOMPARE(readBubbles(line, page), skipped);
        QCOMPARE(bubblesOf(page).size(), 1 - skipped);
        if (skipped)
            return;
        QCOMPARE(bubblesOf(page)[0].geometry, geometry);
        QCOMPARE(bubblesOf(page)[0].tip, tip);
        QVERIFY(!bubbleShape(bubblesOf(page)[0]).isEmpty());
    }

    void hundredsOfBubblesStopAtTheLimit()
    {
        PageModel page = twoFrames();
        const QString line =
            QStringLiteral("<bubble cx='100' cy='100' type='1' parentindex='1' "
                           "handcx='0' handcy='0' szhandcx='160' szhandcy='145'/>\n");
        QCOMPARE(readBubbles(line.repeated(300), page), 300 - kMaxBubbles);
        QCOMPARE(bubblesOf(page).size(), kMaxBubbles);
    }

    void undoPutsTheBubblesBack()
    {
        PageModel page = twoFrames();
        page.kindState<ComicStripState>().bubbles[newSpeechBubble(page, 0, QPoint(200, 150))].text =
            QStringLiteral("One handcy=");
        const UndoKindHandler undo = bubbleUndoKind();
        UndoRecord before;
        before.kind = ObjectKind::Bubble;
        QVERIFY(undo.capture(page, 0, before));
        const QString described = bubbleDescription(page);
        moveBubble(page.kindState<ComicStripState>().bubbles[0], QPoint(5, 5));
        newSpeechBubble(page, 1, QPoint(100, 100));
        QVector<UndoTarget> changed;
        undo.restore(before, page, changed);
        QCOMPARE(bubbleDescription(page), described);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().kind, ObjectKind::Bubble);
    }
};

QTEST_MAIN(CartoonTest)
#include "tst_cartoon.moc"
