// Reading pictures: bitmaps through Qt, metafiles drawn as written and known by their extension
// whatever its case, photos decoded only as large as the box needs, and bad or huge files refused.

#include "platform/imagefiles.h"
#include "platform/pictureloader.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

QByteArray picturesFixture(const QString &name)
{
    return test::readFile(QStringLiteral(QUILLORA_TEST_DATA "/pictures/") + name);
}

int distance(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

// How many pixels along row `y` from `x` on are nearer `colour` than `fill` and white (edges
// may be smoothed).
int runOf(const QImage &image, QColor colour, QColor fill, int x, int y)
{
    int run = 0;
    for (; x + run < image.width(); ++run) {
        const QColor seen = image.pixelColor(x + run, y);
        if (distance(seen, colour) >= std::min(distance(seen, fill), distance(seen, Qt::white)))
            break;
    }
    return run;
}

QColor centreColour(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestImageFiles : public QObject {
    Q_OBJECT
private slots:
    // Clip art as it is written: a header framing a 1000 × 500 window at 1440 units per inch
    // and one rectangle (200, 100)–(800, 400), filled and outlined with a solid pen. Drawn with
    // colours exactly as written, the header's frame with its margin, and lines as thick as the
    // pen says (1600 pixels for 1000 units: 1.6 pixels a unit).
    void drawsMetafiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("pen");
        QTest::addColumn<int>("penWidth");
        for (const QString type : {"wmf", "emf"}) {
            QTest::addRow("%s colours between the named ones", qPrintable(type))
                << "purple_thin_green_outline." + type << QColor(200, 0, 200) << QColor(0, 160, 0)
                << 1;
            QTest::addRow("%s thick outline", qPrintable(type))
                << "red_thick_blue_outline." + type << QColor(255, 0, 0) << QColor(20, 40, 200)
                << 10;
        }
    }
    void drawsMetafiles()
    {
        QFETCH(QString, name);
        QFETCH(QColor, fill);
        QFETCH(QColor, pen);
        QFETCH(int, penWidth);
        QImage image;
        QString error;
        QVERIFY2(loadPictureBytes(picturesFixture(name), name, &image, &error), qPrintable(error));
        // 1000 × 500 units exactly: the header's bounds include their last unit.
        QCOMPARE(image.size(), QSize(1600, 800));
        QCOMPARE(centreColour(image), fill);
        QCOMPARE(image.pixelColor(300, 400), QColor(Qt::white)); // the margin round the drawing
        int edge = 300;
        while (edge < 400 && runOf(image, pen, fill, edge, 400) == 0)
            ++edge;
        const int thickness = runOf(image, pen, fill, edge, 400);
        QVERIFY2(qAbs(edge + thickness / 2 - 320) <= 2, "outline at 200 units");
        QVERIFY2(qAbs(thickness - std::max(1.0, penWidth * 1.6)) <= 2,
                 qPrintable(QString::number(thickness)));
    }

    void refusesBadPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QByteArray() << "a.png";
        QTest::newRow("garbage png") << QByteArray("\x89PNG\r\n\x1a\n garbage") << "a.png";
        QTest::newRow("garbage wmf") << QByteArray(200, '\x01') << "a.wmf";
        QTest::newRow("garbage emf") << QByteArray(200, '\x01') << "a.emf";
        QTest::newRow("truncated wmf")
            << picturesFixture("red_thick_blue_outline.wmf").left(40) << "a.wmf";
        QTest::newRow("truncated emf")
            << picturesFixture("red_thick_blue_outline.emf").left(60) << "a.emf";
        // A tiny PNG that announces a 20000 × 20000 picture.
        QTest::newRow("too large to decode")
            << picturesFixture("announces_20000_square.png") << "huge.png";
    }
    void refusesBadPictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QImage image(5, 5, QImage::Format_RGB32);
        QString error;
        QVERIFY(!loadPictureBytes(bytes, name, &image, &error));
        QVERIFY(!error.isEmpty());
        if (name == u"huge.png") // refused on its header, before any decoding
            QVERIFY2(error.contains("too big"), qPrintable(error));
        QCOMPARE(image.size(), QSize(5, 5));
    }

    void decodesNoLargerThanNeeded_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("enough");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("photo into a small box") << "jpg" << QSize(200, 150) << true;
        QTest::newRow("photo into a bigger box") << "jpg" << QSize(2000, 100) << false;
        QTest::newRow("png is read whole") << "png" << QSize(200, 150) << false;
    }
    void decodesNoLargerThanNeeded()
    {
        QFETCH(QString, format);
        QFETCH(QSize, enough);
        QFETCH(bool, smaller);
        QTemporaryDir folder;
        QImage photo(1600, 1200, QImage::Format_RGB32);
        photo.fill(QColor(30, 160, 60));
        const QString path = folder.filePath(QStringLiteral("photo.") + format);
        QVERIFY(photo.save(path));

        FilePictureLoader loader;
        QImage image;
        QString error;
        QVERIFY2(loader.load(path, enough, &image, &error), qPrintable(error));
        QCOMPARE(image.size() != photo.size(), smaller);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        // Whichever way the box is filled, the decoded picture still covers it.
        QVERIFY(image.width() >= std::min(enough.width(), 1600));
        QVERIFY(image.height() >= std::min(enough.height(), 1200));
        QVERIFY(image.width() * 3 == image.height() * 4 ||
                std::abs(image.width() * 3 - image.height() * 4) <= 4);
    }

    void limitsStillHold()
    {
        QTemporaryDir folder;
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(Qt::white);
        const QString path = folder.filePath(QStringLiteral("big.jpg"));
        QVERIFY(photo.save(path));
        ImageLoadLimits limits;
        limits.maxPixels = 100 * 100;
        FilePictureLoader loader(limits);
        QImage image;
        QString error;
        QVERIFY(!loader.load(path, QSize(50, 50), &image, &error));
        QVERIFY(error.contains(QStringLiteral("too big")));
        QVERIFY(image.isNull());
    }

    void anUpperCaseMetafileIsReadAsOne()
    {
        QImage image;
        QString error;
        QVERIFY2(FilePictureLoader().load(
                     QStringLiteral(QUILLORA_TEST_DATA "/pictures/BLUE_RECTANGLE.EMF"),
                     QSize(100, 100), &image, &error),
                 qPrintable(error));
        QCOMPARE(centreColour(image), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestImageFiles)
#include "tst_imagefiles.moc"
