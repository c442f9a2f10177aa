#include "core/pictures/picturepainting.h"
#include "support/pixelcheck.h"
#include "support/rows.h"

#include <QTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QRgb kRed = qRgb(255, 0, 0);

PageModel pageWithPictures(int count, DocumentKind documentType = DocumentKind::Simple)
{
    PageModel page;
    page.documentType = documentType;
    for (int i = 0; i < count; ++i) {
        PictureBoxModel picture;
        picture.geometry = QRect(0, 0, 40, 30);
        picture.image = blankPicture(40, 30);
        picture.visible = true;
        page.pictureBoxes.append(picture);
    }
    return page;
}

PointerInput at(QPoint p)
{
    return {p, PointerButton::Left, false, false};
}

int redOf(const PageModel &page, int index)
{
    return countPixels(page.pictureBoxes[index].image, kRed);
}

// The painting holds the state by reference, so state changes after construction apply.
struct Painter {
    PaintState state;
    RandomSource random;
    PicturePainting painting{state, random};
};

} // namespace

Q_DECLARE_METATYPE(PressOutcome)

class TestPicturePainting : public QObject {
    Q_OBJECT
private slots:
    void firstPressRules_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("documentType");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<PressOutcome>("outcome");
        QTest::addColumn<int>("changeCount");
        test::addRow("one picture paints at once", 1, 0, QString(), PressOutcome::Painted, 1);
        test::addRow("several pictures: select only", 3, 0, QString(), PressOutcome::Selected, 0);
        QTest::newRow("my layout selects the object")
            << 1 << int(DocumentKind::MyLayout) << QString() << PressOutcome::SelectedForHandling
            << 0;
        QTest::newRow("imported picture")
            << 1 << 0 << QStringLiteral("filepic.png") << PressOutcome::NothingPainted << 0;
        QTest::newRow("tag merely containing file")
            << 1 << 0 << QStringLiteral("myfile") << PressOutcome::Painted << 1;
    }
    void firstPressRules()
    {
        QFETCH(int, pictures);
        QFETCH(int, documentType);
        QFETCH(QString, tag);
        QFETCH(PressOutcome, outcome);
        QFETCH(int, changeCount);
        PageModel page = pageWithPictures(pictures, DocumentKind(documentType));
        page.pictureBoxes[0].tag = tag;
        Painter p;

        const PressResult result = p.painting.press(page, 0, at({10, 10}));
        QCOMPARE(result.outcome, outcome);
        QVERIFY(result.becameCurrent);
        QCOMPARE(page.current, (CurrentObject{ObjectKind::Picture, 0}));
        p.painting.move(page, 0, at({30, 20}));
        p.painting.release(page, 0, at({30, 20}));
        QCOMPARE(page.changeCount, changeCount);
        QCOMPARE(redOf(page, 0) > 0, outcome == PressOutcome::Painted);
    }

    void secondPressPaints()
    {
        PageModel page = pageWithPictures(2);
        Painter p;
        QCOMPARE(p.painting.press(page, 1, at({10, 10})).outcome, PressOutcome::Selected);
        p.painting.release(page, 1, at({10, 10}));

        const PressResult again = p.painting.press(page, 1, at({10, 10}));
        QCOMPARE(again.outcome, PressOutcome::Painted);
        QVERIFY(!again.becameCurrent);
        QVERIFY(!again.dirty.isEmpty());
        p.painting.move(page, 1, at({30, 10}));
        p.painting.release(page, 1, at({30, 10}));
        QCOMPARE(page.changeCount, 1);
        QVERIFY(redOf(page, 1) > 0);
        QCOMPARE(redOf(page, 0), 0);

        // Turning to the other picture selects it again.
        QCOMPARE(p.painting.press(page, 0, at({10, 10})).outcome, PressOutcome::Selected);
        QCOMPARE(page.changeCount, 1);
    }

    void pressesThatPaintNothing()
    {
        for (const auto &[tool, picture] :
             {std::pair(int(ToolWriting), 0), std::pair(int(ToolMarker), 4),
              std::pair(int(ToolMarker), -1)}) {
            PageModel page = pageWithPictures(1);
            page.current = {ObjectKind::Picture, 0};
            Painter p;
            selectTool(p.state, tool);
            QCOMPARE(p.painting.press(page, picture, at({10, 10})).outcome,
                     PressOutcome::NothingPainted);
            QCOMPARE(page.changeCount, 0);
            QCOMPARE(redOf(page, 0), 0);
        }
    }

    void movesElsewhereDoNotPaint()
    {
        PageModel page = pageWithPictures(2);
        page.current = {ObjectKind::Picture, 0};
        Painter p;
        QCOMPARE(p.painting.press(page, 0, at({5, 5})).outcome, PressOutcome::Painted);
        QVERIFY(p.painting.move(page, 1, at({30, 20})).isEmpty());
        QCOMPARE(redOf(page, 1), 0);
        p.painting.release(page, 0, at({5, 5}));
        // After the release, moves paint nothing until the next press.
        QVERIFY(p.painting.move(page, 0, at({30, 20})).isEmpty());
    }

    void animationFollowsTheCurrentPicture()
    {
        PageModel page = pageWithPictures(2);
        page.current = {ObjectKind::Picture, 0};
        Painter p;
        selectTool(p.state, ToolSplat);
        QVERIFY(p.painting.timerWanted());
        p.painting.press(page, 0, at({20, 15}));
        p.painting.release(page, 0, at({20, 15}));
        QVERIFY(!p.painting.tick(page).isEmpty());
        QVERIFY(redOf(page, 0) > 0);

        p.painting.press(page, 1, at({20, 15})); // selects the other picture
        p.painting.tick(page);
        QVERIFY(!p.painting.engine().animating());
        QCOMPARE(redOf(page, 1), 0);
    }

    // Every pointer paints its own stroke: two fingers' lines in one picture, a shape that
    // follows its own finger, and a second picture joining in without a selecting press.
    void pointersPaintTheirOwnStrokes()
    {
        PageModel page = pageWithPictures(2);
        page.current = {ObjectKind::Picture, 0};
        Painter p;
        selectTool(p.state, ToolPencil);
        QCOMPARE(p.painting.press(page, 0, at({2, 2}), 1).outcome, PressOutcome::Painted);
        QCOMPARE(p.painting.press(page, 0, at({2, 25}), 2).outcome, PressOutcome::Painted);
        p.painting.move(page, 0, at({35, 2}), 1);
        p.painting.move(page, 0, at({35, 25}), 2);
        QCOMPARE(p.painting.strokesOn(0), 2);
        QCOMPARE(page.pictureBoxes[0].image.pixel(20, 2), kRed);
        QCOMPARE(page.pictureBoxes[0].image.pixel(20, 25), kRed);
        QCOMPARE(page.pictureBoxes[0].image.pixel(20, 14), qRgb(255, 255, 255));

        selectTool(p.state, ToolRectangle);
        QCOMPARE(p.painting.press(page, 1, at({8, 8}), 3).outcome, PressOutcome::Painted);
        p.painting.move(page, 1, at({24, 16}), 3);
        QCOMPARE(p.painting.rubberBand(3)->box, QRect(8, 8, 16, 8));
        QVERIFY(!p.painting.rubberBand(1)); // the pencil's finger has no band

        p.painting.release(page, 0, at({35, 2}), 1);
        QCOMPARE(p.painting.strokesOn(0), 1);
        // A stroke whose release never came ends where it was last seen.
        QCOMPARE(p.painting.endStroke(page, 2), 0);
        QCOMPARE(p.painting.endStroke(page, 2), -1);
        QCOMPARE(p.painting.strokesOn(0), 0);
        QCOMPARE(p.painting.endStroke(page, 3), 1);
        QVERIFY(redOf(page, 1) > 0);
        QCOMPARE(page.changeCount, 3);
    }

    void picturesInOtherFormatsArePainted()
    {
        PageModel page = pageWithPictures(1);
        page.pictureBoxes[0].image = blankPicture(40, 30).convertToFormat(QImage::Format_RGB888);
        Painter p;
        selectTool(p.state, ToolFloodFill);
        p.painting.press(page, 0, at({5, 5}));
        QCOMPARE(redOf(page, 0), 40 * 30);
        page.pictureBoxes.clear(); // removed in mid-stroke, it takes no more paint
        QVERIFY(p.painting.move(page, 0, at({6, 6})).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPicturePainting)
#include "tst_picturepainting.moc"
