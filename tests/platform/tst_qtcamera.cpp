// The Qt Multimedia camera on a machine without a usable camera: asking for a device that is
// not there fails at once with a reason, and nothing is saved from a camera that never sent a
// frame.

#include "platform/qtcamera.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

class TestQtCamera : public QObject {
    Q_OBJECT
private slots:
    void missingDeviceFailsFast()
    {
        QtCamera camera;
        camera.setOpenTimeout(3000);
        const int missing = int(camera.deviceNames().size());
        QElapsedTimer clock;
        clock.start();
        QString error;
        QVERIFY(!camera.open(missing, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(!camera.isOpen());
        QVERIFY(camera.latestFrame().isNull());
        QVERIFY(!camera.open(-1, &error));
    }

    void nothingSavedWithoutAFrame()
    {
        QtCamera camera;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("web.jpg"));
        QString error;
        QVERIFY(!camera.saveFrame(path, 100, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestQtCamera)
#include "tst_qtcamera.moc"
