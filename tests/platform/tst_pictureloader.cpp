// Reading a picture for import: photos are decoded only as large as the box needs, never
// smaller, every picture keeps the size limits of the file reader, and metafiles are known by
// their extension whatever its case.

#include "platform/pictureloader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:
    void decodesNoLargerThanNeeded_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("enough");
        QTest::addColumn<bool>("smaller");
        QTest::newRow("photo into a small box") << "jpg" << QSize(200, 150) << true;
        QTest::newRow("photo into a tall box") << "jpg" << QSize(100, 600) << true;
        QTest::newRow("photo into a bigger box") << "jpg" << QSize(2000, 100) << false;
        QTest::newRow("no size given") << "jpg" << QSize() << false;
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
        QVERIFY(image.width() * 3 == image.height() * 4 || std::abs(image.width() * 3 - image.height() * 4) <= 4);
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

        QFile broken(folder.filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(300, '\x7f'));
        broken.close();
        QVERIFY(!FilePictureLoader().load(broken.fileName(), QSize(50, 50), &image, &error));
        QVERIFY(!error.isEmpty());
    }

    void anUpperCaseMetafileIsReadAsOne()
    {
        QImage image;
        QString error;
        QVERIFY2(FilePictureLoader().load(
                     QStringLiteral(QUILLORA_TEST_DATA "/pictures/BLUE_RECTANGLE.EMF"),
                     QSize(100, 100), &image, &error),
                 qPrintable(error));
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
