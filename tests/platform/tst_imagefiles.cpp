// Reading pictures: bitmaps through Qt, metafiles drawn as written and known by their extension
// whatever its case, photos decoded only as large as the box needs, and bad or huge files refused.

#include "platform/imagefiles.h"
#include "platform/pictureloader.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

// A placeable Windows metafile, as clip art is written: a header framing a 1000 × 500 window
// at 1440 units per inch, and one rectangle (200, 100)–(800, 400) filled with `fill` and
// outlined with a solid pen of `penWidth` units in `pen`.
QByteArray rectangleWmf(QColor fill, QColor pen, qint16 penWidth)
{
    QByteArray records;
    QDataStream r(&records, QIODevice::WriteOnly);
    r.setByteOrder(QDataStream::LittleEndian);
    auto record = [&](quint16 function, std::initializer_list<qint16> params,
                      quint32 extraWords = 0, std::function<void()> writeExtra = {}) {
        r << quint32(3 + params.size() + extraWords) << function;
        if (writeExtra)
            writeExtra();
        for (qint16 p : params)
            r << p;
    };
    auto colourRef = [](QColor c) { return quint32(c.red() | c.green() << 8 | c.blue() << 16); };
    record(0x020B, {0, 0});      // SETWINDOWORG y, x
    record(0x020C, {500, 1000}); // SETWINDOWEXT height, width
    record(0x02FC, {}, 4, [&] { r << quint16(0) << colourRef(fill) << quint16(0); });
    record(0x012D, {0}); // SELECTOBJECT 0
    record(0x02FA, {}, 5, [&] { r << quint16(0) << penWidth << qint16(0) << colourRef(pen); });
    record(0x012D, {1});                  // SELECTOBJECT 1
    record(0x041B, {400, 800, 100, 200}); // RECTANGLE bottom, right, top, left
    record(0x0000, {});                   // EOF

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint16 words[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 500, 1440, 0, 0};
    quint16 checksum = 0;
    for (quint16 w : words)
        checksum ^= w;
    for (quint16 w : words)
        s << w;
    s << checksum;
    const quint32 totalWords = 9 + records.size() / 2;
    s << quint16(1) << quint16(9) << quint16(0x0300) << totalWords << quint16(2) << quint32(8)
      << quint16(0);
    out.append(records);
    return out;
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

// The same as an enhanced metafile: a 1000 × 500 frame, the pen as CreatePen writes it.
QByteArray rectangleEmf(QColor fill, QColor pen, qint32 penWidth)
{
    auto colourRef = [](QColor c) { return quint32(c.red() | c.green() << 8 | c.blue() << 16); };
    QByteArray body;
    QDataStream b(&body, QIODevice::WriteOnly);
    b.setByteOrder(QDataStream::LittleEndian);
    b << quint32(39) << quint32(24) << quint32(1) << quint32(0) << colourRef(fill) << quint32(0);
    b << quint32(37) << quint32(12) << quint32(1);
    b << quint32(38) << quint32(28) << quint32(2) << quint32(0) << penWidth << qint32(0)
      << colourRef(pen);
    b << quint32(37) << quint32(12) << quint32(2);
    b << quint32(43) << quint32(24) << qint32(200) << qint32(100) << qint32(800) << qint32(400);
    b << quint32(14) << quint32(20) << quint32(0) << quint32(16) << quint32(20);

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 total = 88 + body.size();
    s << quint32(1) << quint32(88);
    s << qint32(0) << qint32(0) << qint32(999) << qint32(499);     // bounds, device units
    s << qint32(0) << qint32(0) << qint32(26458) << qint32(13229); // frame, 0.01 mm
    s << quint32(0x464D4520) << quint32(0x10000) << total << quint32(7) << quint16(3) << quint16(0);
    s << quint32(0) << quint32(0) << quint32(0);
    s << qint32(1000) << qint32(500) << qint32(265) << qint32(132);
    out.append(body);
    return out;
}

QColor centreColour(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestImageFiles : public QObject {
    Q_OBJECT
private slots:
    void metafileNamesInAnyCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("metafile");
        QTest::newRow("wmf") << "clip.wmf" << true;
        QTest::newRow("mixed case EMF") << "CLIP.eMf" << true;
        QTest::newRow("png") << "photo.png" << false;
        QTest::newRow("no extension emf") << "clipemf" << true;
    }
    void metafileNamesInAnyCase()
    {
        QFETCH(QString, name);
        QFETCH(bool, metafile);
        QCOMPARE(isMetafileName(name), metafile);
    }

    // Colours exactly as written, the header's frame with its margin, and lines as thick as
    // the pen says (1600 pixels for 1000 units: 1.6 pixels a unit).
    void drawsMetafiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("pen");
        QTest::addColumn<int>("penWidth");
        for (const QString name : {"clip.WMF", "clip.emf"}) {
            QTest::addRow("%s colours between the named ones", qPrintable(name))
                << name << QColor(200, 0, 200) << QColor(0, 160, 0) << 1;
            QTest::addRow("%s thick outline", qPrintable(name))
                << name << QColor(255, 0, 0) << QColor(20, 40, 200) << 10;
        }
    }
    void drawsMetafiles()
    {
        QFETCH(QString, name);
        QFETCH(QColor, fill);
        QFETCH(QColor, pen);
        QFETCH(int, penWidth);
        const QByteArray file = name.endsWith(u"WMF") ? rectangleWmf(fill, pen, qint16(penWidth))
                                                      : rectangleEmf(fill, pen, penWidth);
        QImage image;
        QString error;
        QVERIFY2(loadPictureBytes(file, name, &image, &error), qPrintable(error));
        QCOMPARE(image.width(), 1600);
        QVERIFY(qAbs(image.height() - 800) <= 2);
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
        QTest::newRow("truncated wmf") << rectangleWmf(Qt::red, Qt::black, 1).left(40) << "a.wmf";
        QTest::newRow("truncated emf") << rectangleEmf(Qt::blue, Qt::black, 1).left(60) << "a.emf";
    }
    void refusesBadPictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QImage image(5, 5, QImage::Format_RGB32);
        QString error;
        QVERIFY(!loadPictureBytes(bytes, name, &image, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(image.size(), QSize(5, 5));
    }

    void refusesPicturesTooLargeToDecode()
    {
        // A tiny PNG that announces a 20000 × 20000 picture.
        auto crc32 = [](const QByteArray &data) {
            quint32 crc = 0xFFFFFFFF;
            for (char ch : data) {
                crc ^= quint8(ch);
                for (int k = 0; k < 8; ++k)
                    crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
            }
            return ~crc;
        };
        QByteArray png("\x89PNG\r\n\x1a\n", 8);
        QDataStream s(&png, QIODevice::Append);
        auto chunk = [&](const QByteArray &type, const QByteArray &data) {
            s << quint32(data.size());
            const QByteArray typed = type + data;
            s.writeRawData(typed.constData(), typed.size());
            s << crc32(typed);
        };
        QByteArray header;
        QDataStream h(&header, QIODevice::WriteOnly);
        h << quint32(20000) << quint32(20000) << quint8(8) << quint8(2) << quint8(0) << quint8(0)
          << quint8(0);
        chunk("IHDR", header);
        chunk("IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8));
        chunk("IEND", {});
        QImage image;
        QString error;
        QVERIFY(!loadPictureBytes(png, "huge.png", &image, &error));
        QVERIFY2(error.contains("too big"), qPrintable(error));
    }

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
