// The system clipboard adapter: pictures go out in types other programs read, and pictures from
// other programs come in only when they are safe to decode.

#include "platform/clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

using namespace quillora;

namespace {

QImage picture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void offer(const QString &mime, const QByteArray &bytes)
{
    auto *data = new QMimeData;
    data->setData(mime, bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void ourPictureGoesOutInStandardTypes()
    {
        SystemClipboard clipboard;
        QVERIFY(!clipboard.hasImage());
        QVERIFY(clipboard.image().isNull());

        const QImage copied = picture(QSize(30, 20), Qt::red);
        clipboard.putImage(copied);
        QVERIFY(clipboard.hasImage());
        QCOMPARE(clipboard.image(), copied);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasImage());
        for (const char *mime : {"image/png", "image/bmp"}) {
            QImage decoded;
            QVERIFY2(decoded.loadFromData(data->data(QString::fromLatin1(mime))), mime);
            QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), copied);
        }
    }

    void picturesFromOtherPrograms_data()
    {
        QTest::addColumn<QString>("mime");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("usable");
        const QImage green = picture(QSize(12, 8), Qt::green);
        QTest::newRow("png") << "image/png" << encoded(green, "PNG") << true;
        QTest::newRow("bmp") << "image/bmp" << encoded(green, "BMP") << true;
        QTest::newRow("jpeg") << "image/jpeg" << encoded(green, "JPEG") << true;
        QTest::newRow("damaged png") << "image/png" << encoded(green, "PNG").left(30) << false;
        QTest::newRow("text only") << "text/plain" << QByteArray("a duck") << false;
    }
    void picturesFromOtherPrograms()
    {
        QFETCH(QString, mime);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, usable);
        offer(mime, bytes);
        SystemClipboard clipboard;
        const QImage image = clipboard.image();
        QCOMPARE(!image.isNull(), usable);
        if (usable)
            QCOMPARE(image.size(), QSize(12, 8));
    }

    void aHugePictureIsRefusedBeforeDecoding()
    {
        offer(QStringLiteral("image/png"), encoded(picture(QSize(400, 300), Qt::blue), "PNG"));
        ImageLoadLimits limits;
        limits.maxPixels = 100 * 100;
        QVERIFY(SystemClipboard(limits).image().isNull());
        QVERIFY(!SystemClipboard().image().isNull());
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
