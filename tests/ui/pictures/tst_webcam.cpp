// The webcam window and the webcam button with a fake camera: choosing the camera, no camera or
// one that fails, the blinking take button, which picture it is for, and the taken picture
// landing in the picture box with the bars' part of the frame, with undo.

#include "core/app/appcontext.h"
#include "core/files/filecommands.h"
#include "fakecamera.h"
#include "support/pixelcheck.h"
#include "support/windowfixture.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/webcamcontroller.h"
#include "ui/pictures/webcamwindow.h"
#include "ui/undo/undocontroller.h"

#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quillora;
using quillora::test::FakeCamera;
using quillora::test::nearColour;

namespace {

const QStringList kThreeCameras = {QStringLiteral("Laptop camera"), QStringLiteral("Desk camera"),
                                   QStringLiteral("Whiteboard camera")};

// Left half green, right half blue: shows which part a picture kept and whether it is mirrored.
QImage halvesFrame()
{
    QImage frame(640, 480, QImage::Format_RGB32);
    frame.fill(Qt::green);
    QPainter(&frame).fillRect(320, 0, 320, 480, Qt::blue);
    return frame;
}

struct FormFixture {
    explicit FormFixture(QStringList names)
        : context(Environment{}), camera(std::move(names)), form(context, camera, folder.path())
    {
        form.setMessenger([this](const QString &english) { messages.append(english); });
    }

    QTemporaryDir folder;
    AppContext context;
    FakeCamera camera;
    WebcamWindow form;
    QStringList messages;
};

// A window with picture boxes, wired as the program wires it, with a fake camera.
struct PageFixture : WindowFixture {
    explicit PageFixture(int pictureCount, QImage frame = halvesFrame())
    {
        context.folders.temporary = folder.path();
        context.runTag = QStringLiteral("TESTWEBC");
        context.folders.staging = makeStagingFolder(folder.path(), context.runTag);
        makePage(0, 0, pictureCount, QSize(300, 150));
        window->showPage();
        makeCamera = [this, frame] {
            ++camerasMade;
            return std::unique_ptr<Camera>(std::make_unique<FakeCamera>(names, frame));
        };
        wire();
        webcam = controller<WebcamController>();
        webcam->setMessenger([this](const QString &english) { messages.append(english); });
    }

    // Presses a button of the webcam window as soon as it is shown.
    void pressWhenShown(std::function<QAbstractButton *(WebcamWindow &)> button)
    {
        QObject::connect(
            webcam, &WebcamController::formOpened, webcam, [button](WebcamWindow *form) {
                QTimer::singleShot(0, form, [form, button] { button(*form)->click(); });
            });
    }

    QTemporaryDir folder;
    WebcamController *webcam = nullptr;
    QStringList names = {QStringLiteral("Desk camera")};
    int camerasMade = 0;
    QStringList messages;
};

} // namespace

class TestWebcam : public QObject {
    Q_OBJECT
private slots:
    void selectWebCamOffersTheRememberedCamera_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<int>("opened");
        QTest::newRow("nothing remembered: the first") << QString() << 0;
        QTest::newRow("remembered and attached") << QStringLiteral("Whiteboard camera") << 2;
        QTest::newRow("remembered but gone: the first") << QStringLiteral("Old camera") << 0;
    }

    void selectWebCamOffersTheRememberedCamera()
    {
        QFETCH(QString, remembered);
        QFETCH(int, opened);
        FormFixture f(kThreeCameras);
        f.context.settings.webcamName = remembered;
        QVERIFY(f.form.load());
        QCOMPARE(f.form.cameraList()->count(), 3);
        QCOMPARE(f.form.cameraList()->currentIndex(), opened);
        QCOMPARE(f.camera.openedIndexes, QList<int>{opened});
        QCOMPARE(f.context.settings.webcamName, kThreeCameras.at(opened));
        QVERIFY(f.form.blinkTimer().isActive());
        QVERIFY(f.messages.isEmpty());

        // Choosing another camera in the list opens it and remembers it for next time.
        f.form.chooseCamera(1);
        QCOMPARE(f.camera.openedIndexes.last(), 1);
        QCOMPARE(f.context.settings.webcamName, QStringLiteral("Desk camera"));
    }

    void noWorkingCameraIsAnError_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message");
        QTest::newRow("no camera")
            << QStringList() << QStringLiteral("Sorry. No webcam was found.");
        QTest::newRow("camera refuses") << QStringList{QStringLiteral("Broken camera")}
                                        << QStringLiteral("Sorry. The webcam isn't working.");
    }

    void noWorkingCameraIsAnError()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        FormFixture f(names);
        f.camera.refusing = {0};
        QVERIFY(!f.form.load());
        QCOMPARE(f.form.outcome(), WebcamWindow::Outcome::Failed);
        QCOMPARE(f.messages, QStringList{message});
        QVERIFY(!f.camera.isOpen());
        QVERIFY(!f.form.blinkTimer().isActive());
        // A camera that does not work is not remembered.
        QVERIFY(f.context.settings.webcamName.isEmpty());
    }

    void pictureLandsInTheBoxWithUndo()
    {
        PageFixture f(2);
        QImage &image = f.context.page.pictureBoxes[1].image;
        image = QImage(300, 150, QImage::Format_RGB32);
        image.fill(Qt::white);
        f.context.page.pictureBoxes[1].tag = QStringLiteral("file/pics/boat.png");
        const QImage before = image;
        f.context.page.current = {ObjectKind::Picture, 1};
        f.pressWhenShown([](WebcamWindow &form) { return form.takeButton(); });

        QVERIFY(f.webcam->takeWebcamPicture());
        QCOMPARE(f.context.page.changeCount, 1);
        // The box is twice as wide as high: the bars kept the middle of the 4:3 frame, where the
        // halves meet, and the picture fills the box.
        const QImage &after = f.context.page.pictureBoxes[1].image;
        QCOMPARE(after.size(), QSize(300, 150));
        QVERIFY(nearColour(after.pixelColor(20, 75), Qt::green));
        QVERIFY(nearColour(after.pixelColor(280, 75), Qt::blue));
        // A resize must not reload the file over the photo.
        QVERIFY(f.context.page.pictureBoxes[1].tag.isEmpty());
        QVERIFY(QFile::exists(f.context.folders.staging + QStringLiteral("/web.bmp")));

        QVERIFY(f.context.undo.undoVisible());
        f.undo()->undo();
        QCOMPARE(f.context.page.pictureBoxes[1].image, before);
        f.undo()->redo();
        QVERIFY(nearColour(f.context.page.pictureBoxes[1].image.pixelColor(20, 75), Qt::green));
    }

    void targetIsTheChosenPicture_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("the current picture") << 3 << 2 << 2 << QString();
        QTest::newRow("the only picture") << 1 << -1 << 0 << QString();
        QTest::newRow("several, none chosen")
            << 3 << -1 << -1
            << QStringLiteral("Touch a picture on the page first, then the camera.");
        QTest::newRow("no picture on the page")
            << 0 << -1 << -1 << QStringLiteral("This page has no picture for the camera.");
    }

    void targetIsTheChosenPicture()
    {
        QFETCH(int, pictures);
        QFETCH(int, current);
        QFETCH(int, target);
        QFETCH(QString, message);
        PageFixture f(pictures);
        if (current >= 0)
            f.context.page.current = {ObjectKind::Picture, current};
        else
            f.context.page.current = {ObjectKind::Text, 0};
        QCOMPARE(WebcamController::targetPicture(f.context.page), target);

        f.pressWhenShown([](WebcamWindow &form) { return form.closeButton(); });
        QVERIFY(!f.webcam->takeWebcamPicture());
        if (target >= 0) {
            QCOMPARE(f.camerasMade, 1);
            QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::Picture, target}));
            QVERIFY(f.messages.isEmpty());
        } else {
            QCOMPARE(f.camerasMade, 0);
            QCOMPARE(f.messages, QStringList{message});
        }
        QCOMPARE(f.context.page.changeCount, 0);
    }
};

QTEST_MAIN(TestWebcam)
#include "tst_webcam.moc"
