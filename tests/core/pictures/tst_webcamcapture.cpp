// Taking a webcam picture without a camera: a known frame is written as the shot, cut between
// the preview bars, given its effect and read back from "web.bmp"; failures leave no picture.

#include "core/pictures/importfit.h"
#include "core/pictures/webcamcapture.h"
#include "support/pixelcheck.h"
#include "support/testfiles.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QRect kPreview(0, 0, 640, 480);
const QSize kFrameSize(1280, 960);
// The frame's middle, which a tall target keeps across and a wide one keeps down.
const QRect kMiddleColumns(400, 0, 480, 960);
const QRect kMiddleRows(0, 320, 1280, 320);

// Red on the left and right, blue above and below, green in the middle: every cut shows which
// parts of the frame it kept.
QImage knownFrame()
{
    QImage frame(kFrameSize, QImage::Format_RGB32);
    frame.fill(Qt::red);
    QPainter painter(&frame);
    painter.fillRect(QRect(kMiddleColumns.left(), 0, kMiddleColumns.width(), 320), Qt::blue);
    painter.fillRect(QRect(kMiddleColumns.left(), 640, kMiddleColumns.width(), 320), Qt::blue);
    painter.fillRect(kMiddleColumns & kMiddleRows, Qt::green);
    return frame;
}

ShotWriter writerOf(const QImage &frame)
{
    return [frame](const QString &path, int quality, QString *) {
        return frame.save(path, "JPEG", quality);
    };
}

} // namespace

Q_DECLARE_METATYPE(quillora::ShotWriter)

class TestWebcamCapture : public QObject {
    Q_OBJECT
private slots:
    void takenPictureIsTheVisiblePart_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QRect>("region");
        QTest::addColumn<QColor>("corner");
        // Wide: bars of (480 - 640 / 4) / 2 = 160 above and below, twice that in frame pixels.
        QTest::newRow("wide") << QSize(400, 100) << QRect(0, 320, 1280, 320) << QColor(Qt::red);
        // Tall: bars of (640 - 480 / 2) / 2 = 200 at the sides.
        QTest::newRow("tall") << QSize(100, 200) << QRect(400, 0, 480, 960) << QColor(Qt::blue);
    }

    void takenPictureIsTheVisiblePart()
    {
        QFETCH(QSize, target);
        QFETCH(QRect, region);
        QFETCH(QColor, corner);
        const WebcamShot shot{previewBars(target, kPreview).visible(kPreview), kPreview.size(),
                              WebcamEffect::None};
        QCOMPARE(frameRegion(shot.visible, kPreview.size(), kFrameSize), region);

        QTemporaryDir folder;
        WebcamCapture capture(folder.path() + QStringLiteral("/staging"));
        QString error;
        QVERIFY2(capture.take(writerOf(knownFrame()), shot, &error), qPrintable(error));

        const QImage picture = capture.picture();
        QCOMPARE(picture.size(), region.size());
        QVERIFY(nearColour(picture.pixelColor(20, 20), corner));
        QVERIFY(nearColour(picture.pixelColor(picture.rect().center()), Qt::green));
    }

    void effectsChangePixels()
    {
        // Black and white turns red grey, sepia browns teal; an unknown effect changes nothing.
        for (const auto &[number, input, expected] :
             {std::tuple(1, QColor(255, 0, 0), QColor(76, 76, 76)),
              std::tuple(2, QColor(0, 160, 180), QColor(157, 140, 109)),
              std::tuple(9, QColor(10, 20, 30), QColor(10, 20, 30))}) {
            QImage picture(3, 2, QImage::Format_ARGB32);
            picture.fill(input);
            const QImage result = applyWebcamEffect(picture, webcamEffectFromNumber(number));
            QCOMPARE(result.format(), QImage::Format_RGB32);
            QCOMPARE(QColor(result.pixel(2, 1)), expected);
        }
    }

    // The taken picture has the effect too, not only the preview.
    void takenPictureHasTheEffect()
    {
        QTemporaryDir folder;
        WebcamCapture capture(folder.path());
        QString error;
        QVERIFY(capture.take(writerOf(knownFrame()),
                             {QRect(0, 0, 320, 480), kPreview.size(), WebcamEffect::BlackAndWhite},
                             &error));
        const QRgb pixel = capture.picture().pixel(10, 10);
        QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
    }

    void brightnessSteps_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("expected");
        QTest::newRow("a quarter lighter") << 1 << 100 << 125;
        QTest::newRow("darker") << -1 << 100 << 80;
        QTest::newRow("lighter stops at white") << 3 << 200 << 255;
        QTest::newRow("steps beyond the last count as the last") << -9 << 100 << 51;
    }

    void brightnessSteps()
    {
        QFETCH(int, step);
        QFETCH(int, input);
        QFETCH(int, expected);
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.fill(QColor(input, input, input));
        const QImage result = adjustWebcamBrightness(picture, step);
        QCOMPARE(QColor(result.pixel(1, 1)), QColor(expected, expected, expected));

        // The taken picture is as light as the preview showed it.
        WebcamShot shot{QRect(0, 0, 2, 2), QSize(2, 2), WebcamEffect::None, step};
        QCOMPARE(QColor(cutWebcamPicture(picture, shot).pixel(0, 0)),
                 QColor(expected, expected, expected));
    }

    void failuresLeaveNoPicture_data()
    {
        QTest::addColumn<ShotWriter>("writer");
        QTest::addColumn<QRect>("visible");
        const ShotWriter unplugged = [](const QString &, int, QString *error) {
            *error = QStringLiteral("unplugged");
            return false;
        };
        const ShotWriter notAJpeg = [](const QString &path, int, QString *) {
            test::writeFile(path, "not a jpeg");
            return true;
        };
        QTest::newRow("camera gives nothing") << unplugged << kPreview;
        QTest::newRow("shot is not a picture") << notAJpeg << kPreview;
        QTest::newRow("nothing visible") << writerOf(knownFrame()) << QRect();
        QTest::newRow("no writer") << ShotWriter() << kPreview;
    }

    void failuresLeaveNoPicture()
    {
        QFETCH(ShotWriter, writer);
        QFETCH(QRect, visible);
        QTemporaryDir folder;
        WebcamCapture capture(folder.path());
        // A picture from an earlier take must not pass for this one.
        QVERIFY(capture.take(writerOf(knownFrame()), {kPreview, kPreview.size(), {}}, nullptr));
        QVERIFY(QFile::exists(capture.picturePath()));

        QString error;
        QVERIFY(!capture.take(writer, {visible, kPreview.size(), {}}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(capture.picturePath()));
        QVERIFY(capture.picture().isNull());
    }
};

QTEST_GUILESS_MAIN(TestWebcamCapture)
#include "tst_webcamcapture.moc"
