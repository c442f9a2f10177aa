// The Qt Multimedia camera on a machine without a usable camera: asking for a device that is
// not there fails with a reason, and nothing is saved from a camera that never sent a frame.

#include "platform/qtcamera.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

class TestQtCamera : public QObject {
    Q_OBJECT
private slots:
    void noCameraGivesNothing()
    {
        QtCamera camera;
        QString error;
        QVERIFY(!camera.open(-1, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!camera.isOpen());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("web.jpg"));
        error.clear();
        QVERIFY(!camera.saveFrame(path, 100, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestQtCamera)
#include "tst_qtcamera.moc"
