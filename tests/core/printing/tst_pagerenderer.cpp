// Drawing a page onto other surfaces, checked pixel by pixel.

#include "core/printing/pageborder.h"
#include "core/printing/pagerenderer.h"
#include "core/doctypes/thumbnails.h"
#include "support/inkcheck.h"
#include "support/pixelcheck.h"
#include "support/pixelwhere.h"
#include "support/samplepage.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;
using namespace quillora::test;

namespace {

int inkBands(const QImage &image)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = isInk(image.pixel(x, y));
        if (ink && !inBand)
            ++bands;
        inBand = ink;
    }
    return bands;
}

QImage rendered(const PageModel &page, const PageRenderOptions &options, QSize canvas)
{
    QImage image = blankPicture(canvas.width(), canvas.height());
    QPainter painter(&image);
    renderPage(painter, page, options);
    return image;
}

} // namespace

class PageRendererTest : public QObject {
    Q_OBJECT
private slots:
    void picturesStretchedToTheirPlace_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QPointF>("origin");
        QTest::newRow("printer, twice as large") << 2.0 << QPointF(0, 0);
        QTest::newRow("moved and reduced") << 0.5 << QPointF(30, 40);
    }

    void picturesStretchedToTheirPlace()
    {
        QFETCH(qreal, scale);
        QFETCH(QPointF, origin);
        PageModel page = emptyPrintPage();
        // A picture stored at a different size than its box is stretched to the box.
        page.pictureBoxes = {pictureBox({20, 30, 80, 40}, filledPicture({16, 16}, Qt::red))};
        PageRenderOptions options;
        options.origin = origin;
        options.scale = scale;
        const QImage image = rendered(page, options, QSize(420, 600));
        const QRect expected(QPointF(origin + QPointF(20, 30) * scale).toPoint(),
                             QSizeF(QSizeF(80, 40) * scale).toSize());
        QCOMPARE(boundsOf(image, qRgb(255, 0, 0)), expected);
        QCOMPARE(countPixels(image, qRgb(255, 0, 0)), expected.width() * expected.height());

        // A text starts at the top left of its box, placed and scaled the same way.
        page.pictureBoxes.clear();
        page.textBoxes = {textBox({20, 130, 160, 60}, QStringLiteral("Mm"))};
        const QRect box(QPointF(origin + QPointF(20, 130) * scale).toPoint(),
                        QSizeF(QSizeF(160, 60) * scale).toSize());
        const QRect ink = inkBounds(rendered(page, options, QSize(420, 600)));
        QVERIFY(box.contains(ink) && !ink.isEmpty() && ink.left() - box.left() < 5 * scale + 2);
    }

    // Nothing of a hidden picture, an empty picture box or an untouched placeholder text is
    // printed.
    void hiddenEmptyAndPlaceholderNeverDrawn()
    {
        PageModel page = emptyPrintPage();
        page.pictureBoxes = {pictureBox({0, 0, 50, 50}, filledPicture({50, 50}, Qt::red)),
                             pictureBox({60, 0, 50, 50}, QImage())};
        page.pictureBoxes[0].visible = false;
        page.textBoxes = {textBox({10, 110, 180, 40}, kPlaceholderText)};
        RichTextBoxModel rich;
        rich.geometry = QRect(10, 160, 180, 40);
        rich.visible = true;
        page.richTextBoxes = {rich};
        PageRenderOptions options;
        options.scale = 2.0;
        QVERIFY(inkBounds(rendered(page, options, QSize(400, 566))).isNull());
        // An empty picture is white paper, over the border beneath it.
        page.border.type = BorderType::Pattern;
        page.border.tileWidth = page.border.tileHeight = 200;
        page.border.picture = filledPicture({10, 10}, Qt::black);
        const QImage image = rendered(page, {}, QSize(200, 283));
        QCOMPARE(countPixels(image, qRgb(255, 0, 0)), 0);
        QCOMPARE(countPixels(image.copy(60, 0, 50, 50), qRgb(255, 255, 255)), 2500);
    }

    void fontFactorKeepsLineBreaks()
    {
        PageModel page = emptyPrintPage();
        page.textBoxes = {
            textBox({0, 0, 150, 120}, QStringLiteral("Mmm mmmm mm Mmmmm mmm mm mmmm Mmm mmmmm"))};
        PageRenderOptions full;
        full.scale = 2.0;
        PageRenderOptions smaller = full;
        smaller.fontFactor = 0.85;
        const QImage big = rendered(page, full, QSize(400, 300));
        const QImage small = rendered(page, smaller, QSize(400, 300));
        QVERIFY(inkBands(big) >= 3);
        QCOMPARE(inkBands(small), inkBands(big));
        const QRect bigInk = inkBounds(big);
        const QRect smallInk = inkBounds(small);
        // Left-aligned lines shrink towards the box's top-left corner.
        QVERIFY(qAbs(smallInk.left() - bigInk.left()) <= 1);
        QVERIFY(qAbs(smallInk.width() - 0.85 * bigInk.width()) <= 3);

        // Right-aligned lines stay flush with the box's right edge.
        page.textBoxes[0].style.align = Alignment::Right;
        const QRect rightBig = inkBounds(rendered(page, full, QSize(400, 300)));
        const QRect rightSmall = inkBounds(rendered(page, smaller, QSize(400, 300)));
        QVERIFY(qAbs(rightSmall.right() - rightBig.right()) <= 2);
    }

    void richTextDrawnFromItsRtf()
    {
        PageModel page = fullSimplePage();
        page.pictureBoxes.clear();
        page.textBoxes.clear();
        const QImage image = rendered(page, {}, QSize(200, 283));
        const QRect box = page.richTextBoxes[0].geometry;
        QVERIFY(box.contains(inkBounds(image)));
        // The coloured word keeps its own colour.
        QVERIFY(countWhere(image, isReddish, box) > 5);

        // A broken RTF member still shows the box's text rather than nothing.
        page.richTextBoxes[0].rtf = QStringLiteral("not rich text at all");
        QVERIFY(!inkBounds(rendered(page, {}, QSize(200, 283))).isNull());
    }

    void linesAndBoxesScaled()
    {
        PageModel page = emptyPrintPage();
        page.lines = {LineModel{QPoint(10, 20), QPoint(110, 20), 4},
                      LineModel{QPoint(0, 0), QPoint(5, 5), 1}};
        page.boxes = {BoxModel{QRect(20, 60, 50, 30)}};
        page.announcedLines = 1; // the second line is a leftover of an earlier layout
        page.announcedBoxes = 1;
        PageRenderOptions options;
        options.scale = 2.0;
        const QImage image = rendered(page, options, QSize(400, 566));
        const QRect line = inkBounds(image, QRect(0, 0, 400, 100));
        QCOMPARE(line, QRect(20, 36, 200, 8));
        const QRect box = inkBounds(image, QRect(0, 100, 400, 100));
        QVERIFY(qAbs(box.left() - 40) <= 1 && qAbs(box.right() - 140) <= 1);
        QVERIFY(qAbs(box.top() - 120) <= 1 && qAbs(box.bottom() - 180) <= 1);
        QVERIFY(!isInk(image.pixel(90, 150))); // an outline, not a filled box
    }

    void pageImageIsWhitePage()
    {
        const PageModel page = fullSimplePage();
        const QImage image = renderPageImage(page, 2.0);
        QCOMPARE(image.size(), QSize(400, 566));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
        QVERIFY(renderPageImage(PageModel{}, 1.0).isNull());
        QVERIFY(renderPageImage(page, 1e6).isNull());
    }

    // A template's thumbnail shows sample pictures, words and a painted border in bright colours,
    // not the faint frames of empty boxes.
    void templateThumbnailShowsThePageInUse()
    {
        QTemporaryDir layouts;
        const QString folder = layouts.filePath(QStringLiteral("shaped borders"));
        QVERIFY(QDir().mkpath(folder));
        const QString shipped = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/shaped borders/");
        for (const char *name : {"1.xml", "10.png", "1map.bmp"})
            QVERIFY(
                QFile::copy(shipped + QLatin1String(name), folder + u'/' + QLatin1String(name)));
        const ThumbnailReport report = makeLayoutThumbnails(layouts.path());
        QVERIFY2(report.failed.isEmpty(), qPrintable(report.failed.join(u'\n')));
        const QImage thumbnail(folder + QStringLiteral("/1.bmp"));
        const int bright =
            countWhere(thumbnail, [](QRgb p) { return QColor(p).hsvSaturation() > 100; });
        QVERIFY2(bright > thumbnail.width() * thumbnail.height() / 10,
                 qPrintable(QString::number(bright)));
    }
};

QTEST_MAIN(PageRendererTest)
#include "tst_pagerenderer.moc"
