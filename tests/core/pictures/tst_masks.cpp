// Shaped pictures: which mask pixels make the shape, painting that never leaves the shape, and
// the printed page showing a shaped picture only inside its shape.

#include "core/pictures/masks.h"
#include "core/pictures/picturepainting.h"
#include "core/printing/pagerenderer.h"
#include "support/pixelcheck.h"
#include "support/samplepage.h"

#include <QPainter>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// A mask of two dark discs side by side on white: two separate pieces of one shape.
QImage twoDiscMask(QSize size)
{
    QImage mask = blankPicture(size.width(), size.height(), kWhite);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double r = size.height() * 0.4;
    painter.drawEllipse(QPointF(size.width() * 0.25, size.height() / 2.0), r, r);
    painter.drawEllipse(QPointF(size.width() * 0.75, size.height() / 2.0), r, r);
    return mask;
}

// Every pixel outside the shape still has its colour before painting.
bool outsideUnchanged(const QImage &painted, const QImage &before, const QImage &shape)
{
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            if (!masks::contains(shape, {x, y}) && painted.pixel(x, y) != before.pixel(x, y))
                return false;
    return true;
}

PointerInput at(QPoint p)
{
    return {p, PointerButton::Left, false, false};
}

struct Painter {
    PaintState state;
    RandomSource random;
    PicturePainting painting{state, random};
};

PageModel shapedPage(QSize size, QRgb colour)
{
    PageModel page;
    PictureBoxModel box;
    box.geometry = QRect(QPoint(0, 0), size);
    box.image = blankPicture(size.width(), size.height(), colour);
    box.mask = twoDiscMask(size);
    box.hasMaskPicture = true;
    box.visible = true;
    page.pictureBoxes.append(box);
    return page;
}

} // namespace

class MasksTest : public QObject {
    Q_OBJECT
private slots:
    void maskPixels_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("inside");
        QTest::newRow("dark blue") << qRgb(0, 0, 200) << true;
        QTest::newRow("grey 127") << qRgb(127, 127, 127) << true;
        QTest::newRow("grey 128") << qRgb(128, 128, 128) << false;
        QTest::newRow("half transparent black") << qRgba(0, 0, 0, 127) << false;
        QTest::newRow("mostly opaque black") << qRgba(0, 0, 0, 128) << true;
    }

    void maskPixels()
    {
        QFETCH(QRgb, pixel);
        QFETCH(bool, inside);
        QCOMPARE(masks::marksShape(pixel), inside);
        QImage mask(1, 1, QImage::Format_ARGB32);
        mask.setPixel(0, 0, pixel);
        const QImage shape = masks::shapeFromMaskPicture(mask, {1, 1});
        QCOMPARE(masks::contains(shape, {0, 0}), inside);
        QVERIFY(!masks::contains(shape, {0, 1}) && !masks::contains(shape, {-1, 0})); // beyond it
    }

    void strokesStayInsideTheShape()
    {
        for (const auto &[tool, symmetry] :
             {std::pair(int(ToolMarker), 1), std::pair(int(ToolFilledRectangle), 0)}) {
            Painter painter;
            painter.state.tool = tool;
            painter.state.toolSize = 24;
            painter.state.paintColour = 0xFF0000; // blue as 0x00BBGGRR
            PageModel page = shapedPage({120, 60}, kWhite);
            page.pictureBoxes[0].symmetryType = symmetry;
            const QImage before = page.pictureBoxes[0].image.copy();
            const QImage shape = masks::shapeFromMaskPicture(page.pictureBoxes[0].mask, {120, 60});

            // Across the whole box, through both discs and the white between and around them.
            painter.painting.press(page, 0, at({0, 2}));
            painter.painting.move(page, 0, at({60, 30}));
            painter.painting.move(page, 0, at({119, 58}));
            painter.painting.release(page, 0, at({119, 58}));
            const QImage &painted = page.pictureBoxes[0].image;
            QVERIFY(countPixels(painted, kBlue) > 100);
            QVERIFY(outsideUnchanged(painted, before, shape));
        }
    }

    void fillStopsAtTheShapeEdge()
    {
        Painter painter;
        painter.state.tool = ToolFloodFill;
        painter.state.paintColour = 0x0000FF;
        PageModel page = shapedPage({120, 60}, kWhite);
        const QImage shape = masks::shapeFromMaskPicture(page.pictureBoxes[0].mask, {120, 60});
        painter.painting.press(page, 0, at({30, 30})); // the left disc
        painter.painting.release(page, 0, at({30, 30}));
        const QImage &painted = page.pictureBoxes[0].image;
        // The left disc fills; the white round it and the right disc, joined to it only through
        // the outside, stay white.
        QVERIFY(masks::contains(shape, {30, 30}) && masks::contains(shape, {90, 30}));
        QCOMPARE(painted.pixel(30, 30), kRed);
        QCOMPARE(painted.pixel(90, 30), kWhite);
        QCOMPARE(painted.pixel(60, 30), kWhite);
        QCOMPARE(painted.pixel(1, 1), kWhite);
        QCOMPARE(countAreas(painted, kRed), 1);
    }

    void renderedPictureOnlyInsideShape()
    {
        PageModel page = emptyPrintPage();
        PageModel shaped = shapedPage({120, 60}, kBlue);
        shaped.pictureBoxes[0].geometry.moveTo(40, 100);
        page.pictureBoxes = shaped.pictureBoxes;
        page.border.type = BorderType::Pattern;
        page.border.tileWidth = page.border.tileHeight = 20;
        page.border.picture = blankPicture(20, 20, kRed);

        for (qreal scale : {1.0, 3.0}) {
            const QImage image = renderPageImage(page, scale);
            const auto pixelAt = [&](int x, int y) {
                return image.pixel(int((x + 0.5) * scale), int((y + 0.5) * scale));
            };
            QCOMPARE(pixelAt(40 + 30, 100 + 30), kBlue);  // inside the left disc
            QCOMPARE(pixelAt(40 + 60, 100 + 30), kWhite); // between the discs: the page
            QCOMPARE(pixelAt(40 + 1, 100 + 1), kWhite);
            // An empty shaped picture is white paper inside its shape only.
            PageModel blank = page;
            blank.pictureBoxes[0].image = QImage();
            blank.pictureBoxes[0].geometry.moveTo(0, 0); // over the border's corner
            const QImage over = renderPageImage(blank, scale);
            QCOMPARE(over.pixel(int(1.5 * scale), int(1.5 * scale)), kRed);
            QCOMPARE(over.pixel(int(30.5 * scale), int(30.5 * scale)), kWhite);
        }
        // Drawn larger than the window shows it, the shape's edge is smoothed where it lands:
        // blends of the picture and the page along the rim, not steps of whole window pixels.
        const QImage large = renderPageImage(page, 3.0).copy(120, 300, 360, 180);
        const int blends = 360 * 180 - countPixels(large, kBlue) - countPixels(large, kWhite);
        QVERIFY2(blends > 200, qPrintable(QString::number(blends)));
    }

    void edgesAreSmooth_data()
    {
        QTest::addColumn<QSize>("maskSize");
        QTest::newRow("small mask enlarged") << QSize(24, 12);
        QTest::newRow("large mask reduced") << QSize(480, 240);
    }

    void edgesAreSmooth()
    {
        QFETCH(QSize, maskSize);
        const QSize box(120, 60);
        const QImage mask = twoDiscMask(maskSize);
        const QImage coverage = masks::coverageFromMaskPicture(mask, box);
        const QImage shape = masks::shapeFromMaskPicture(mask, box);
        int partial = 0;
        int judgedAlike = 0;
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x) {
                const int covered = coverage.constScanLine(y)[x];
                partial += covered > 0 && covered < 255 ? 1 : 0;
                judgedAlike += (covered >= 128) == masks::contains(shape, {x, y}) ? 1 : 0;
            }
        }
        // Inside is still decided pixel by pixel by the mask's darkness.
        QCOMPARE(judgedAlike, box.width() * box.height());
        // The two rims, some 300 pixels long, are drawn with partly covered pixels one or two deep
        // (a stepped edge has none, a blurred one far more).
        QVERIFY2(partial > 100 && partial < 900, qPrintable(QString::number(partial)));
        // Within the shape the picture shows whole, on the page beneath it not at all.
        QCOMPARE(coverage.constScanLine(30)[30], uchar(255));
        QCOMPARE(coverage.constScanLine(30)[60], uchar(0));
    }
};

QTEST_MAIN(MasksTest)
#include "tst_masks.moc"
