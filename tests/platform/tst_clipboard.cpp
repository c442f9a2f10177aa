// The system clipboard adapter: pictures go out in types other programs read, and pictures from
// other programs come in only when they are safe to decode.

#include "platform/clipboard.h"
#include "support/pixelcheck.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

namespace {

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

        const QImage copied = blankPicture(30, 20, qRgb(255, 0, 0));
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
        const QImage green = blankPicture(12, 8, qRgb(0, 255, 0));
        QTest::newRow("png") << "image/png" << encodedPicture(green, "PNG") << true;
        QTest::newRow("damaged png")
            << "image/png" << encodedPicture(green, "PNG").left(30) << false;
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
        offer(QStringLiteral("image/png"), encodedPicture(blankPicture(400, 300), "PNG"));
        ImageLoadLimits limits;
        limits.maxPixels = 100 * 100;
        QVERIFY(SystemClipboard(limits).image().isNull());
        QVERIFY(!SystemClipboard().image().isNull());
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
