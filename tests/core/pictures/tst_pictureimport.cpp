// Pictures brought into the page: pasted to fit, drawn in by the fit choice, cut away, and added
// to a "My layout" page as objects of their own.

#include "core/pictures/pictureimport.h"
#include "support/pixelcheck.h"

#include <QTest>

#include <cmath>

using namespace quillora;
using quillora::test::blankPicture;
using quillora::test::boundsOf;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

PageModel pageWithBox(QSize box, DocumentKind documentType = DocumentKind::Simple)
{
    PageModel page;
    page.documentType = documentType;
    page.pageRect = QRect(100, 50, 600, 800);
    PictureBoxModel picture;
    picture.geometry = QRect(QPoint(20, 30), box);
    picture.image = blankPicture(box.width(), box.height(), qRgb(0, 0, 255));
    picture.tag = importedTag(QStringLiteral("/pics/old.png"));
    picture.visible = true;
    page.pictureBoxes.append(picture);
    return page;
}

const PictureTarget kBox0{ObjectKind::Picture, 0};

} // namespace

class TestPictureImport : public QObject {
    Q_OBJECT
private slots:
    // Where in the box the picture lands is the fitting's own arithmetic; here, that pasting and
    // drawing in use it, on the box's background, for the kind of page.
    void placedInTheBox_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("fit");
        QTest::addColumn<int>("documentType");
        QTest::addColumn<int>("width"); // of a picture 100 high, into a 100 × 100 box
        QTest::addColumn<QRect>("painted");
        const int crop = int(ImportFit::Crop), letterbox = int(ImportFit::Letterbox);
        QTest::newRow("pasted, centred") << true << crop << 0 << 200 << QRect(0, 25, 100, 50);
        QTest::newRow("pasted on My layout: at the top")
            << true << crop << 17 << 200 << QRect(0, 0, 100, 50);
        QTest::newRow("crop fills the box") << false << crop << 0 << 400 << QRect(0, 0, 100, 100);
        QTest::newRow("letterbox on My layout at the top")
            << false << letterbox << 17 << 400 << QRect(0, 0, 100, 25);
    }
    void placedInTheBox()
    {
        QFETCH(bool, pasted);
        QFETCH(int, fit);
        QFETCH(int, documentType);
        QFETCH(int, width);
        QFETCH(QRect, painted);
        PageModel page = pageWithBox(QSize(100, 100), DocumentKind(documentType));
        const QImage picture = blankPicture(width, 100, kRed);
        QVERIFY(pasted ? pastePictureInto(page, kBox0, picture)
                       : placePictureInto(page, kBox0, picture, ImportFit(fit)));
        const QImage &result = page.pictureBoxes[0].image;
        QCOMPARE(result.size(), QSize(100, 100));
        QCOMPARE(boundsOf(result, kRed), painted);
        QCOMPARE(test::countPixels(result, kRed), painted.width() * painted.height());
        // Everything else is the box's background again, none of the old picture.
        QCOMPARE(test::countPixels(result, kWhite), 100 * 100 - painted.width() * painted.height());
        // No longer the imported file: a resize must not reload it over the new picture.
        QVERIFY(page.pictureBoxes[0].tag.isEmpty());
    }

    void missingTargetsEmptySourcesAndFullPagesChangeNothing()
    {
        PageModel page = pageWithBox(QSize(50, 50), DocumentKind::MyLayout);
        const QImage before = page.pictureBoxes[0].image;
        QVERIFY(!placePictureInto(page, kBox0, QImage(), ImportFit::Crop));
        QVERIFY(!pastePictureInto(page, kBox0, QImage()));
        QVERIFY(
            !placePictureInto(page, {ObjectKind::Picture, 3}, blankPicture(5, 5), ImportFit::Crop));
        QVERIFY(!clearPicture(page, {ObjectKind::Text, 0}));
        QVERIFY(!clearPicture(page, {ObjectKind::Border, 0})); // no border picture on this page
        QVERIFY(!addPictureObject(page, QImage(), {}, {}));
        QCOMPARE(page.pictureBoxes.size(), 1);
        QCOMPARE(page.pictureBoxes[0].image, before);
        QVERIFY(!page.pictureBoxes[0].tag.isEmpty());
        page.pictureBoxes.resize(kMaxPictureBoxIndex + 1);
        QVERIFY(!addPictureObject(page, blankPicture(10, 10), {}, {}));
    }

    void anUnpaintedBoxGetsPaperFirst()
    {
        PageModel page = pageWithBox(QSize(60, 40));
        page.pictureBoxes[0].image = QImage();
        QVERIFY(placePictureInto(page, kBox0, blankPicture(10, 40, kRed), ImportFit::Letterbox));
        QCOMPARE(page.pictureBoxes[0].image.size(), QSize(60, 40));
        QCOMPARE(boundsOf(page.pictureBoxes[0].image, kRed), QRect(25, 0, 10, 40));
    }

    void clearingGoesBackToTheBackground()
    {
        PageModel page = pageWithBox(QSize(30, 20));
        QVERIFY(clearPicture(page, kBox0));
        QCOMPARE(test::countPixels(page.pictureBoxes[0].image, kWhite), 600);
        QVERIFY(page.pictureBoxes[0].tag.isEmpty());

        page.border.picture = QImage(20, 10, QImage::Format_ARGB32);
        page.border.picture.fill(Qt::red);
        QVERIFY(clearPicture(page, {ObjectKind::Border, 0}));
        QCOMPARE(page.border.picture.pixel(5, 5), qRgba(0, 0, 0, 0));
    }

    void addedObjects_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("geometry");
        // The page is 600 × 800: a wide picture takes half its width.
        QTest::newRow("wide photo")
            << QSize(4000, 3000) << QPoint(10, 20) << QRect(10, 20, 300, 225);
        QTest::newRow("near the corner stays on the page")
            << QSize(4000, 3000) << QPoint(590, 790) << QRect(300, 575, 300, 225);
    }
    void addedObjects()
    {
        QFETCH(QSize, picture);
        QFETCH(QPoint, at);
        QFETCH(QRect, geometry);
        PageModel page = pageWithBox(QSize(10, 10), DocumentKind::MyLayout);
        const QString tag = importedTag(QStringLiteral("/home/class/Pictures/duck.jpg"));
        const std::optional<int> index =
            addPictureObject(page, blankPicture(picture.width(), picture.height(), kRed), at, tag);
        QCOMPARE(index, std::optional<int>(1));
        const PictureBoxModel &box = page.pictureBoxes[1];
        QCOMPARE(box.geometry, geometry);
        QCOMPARE(box.image.size(), geometry.size());
        QCOMPARE(box.tag, QStringLiteral("file/home/class/Pictures/duck.jpg"));
        QVERIFY(box.visible);
        QVERIFY(qFuzzyCompare(box.importedDiagonalAngle,
                              std::atan2(double(geometry.height()), double(geometry.width()))));
    }
};

QTEST_MAIN(TestPictureImport)
#include "tst_pictureimport.moc"
