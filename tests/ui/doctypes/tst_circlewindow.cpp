// The circle window: a rotate button turns one segment (a second press during the turn starts
// nothing), the words go with their segments, the turn counts as a change and is undone.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "platform/camera.h"
#include "platform/pictureloader.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/kit/picturebutton.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quillora;

class CircleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void rotateButtonTurnsOneSegmentAndIsUndone()
    {
        Environment environment;
        environment.screen = {1280, 800};
        AppContext context(environment);
        context.page.documentType = DocumentKind::Circle;
        ImagePrinterProvider printers;
        FilePictureLoader pictures;
        CircleWindow window(context);
        window.setSegmentQuestion([&] { context.choices.circleSegments = 6; });
        attachControllers(context, window,
                          {printers, pictures, [] { return std::unique_ptr<Camera>(); }});
        QVERIFY(window.startDocument({}));
        window.show();

        PageModel &page = context.page;
        QCOMPARE(page.textBoxes.size(), 6);
        page.textBoxes[0].text = QStringLiteral("spring");
        QSignalSpy finished(&window, &CircleWindow::turnFinished);
        const qint32 changes = page.changeCount;
        window.rotateButton(TurnDirection::Clockwise)->click();
        QVERIFY(window.isTurning() && window.turnView()->isVisible());
        window.rotateButton(TurnDirection::Anticlockwise)->click();
        QTRY_COMPARE(finished.size(), 1);
        QTest::qWait(300);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(page.textBoxes[1].text, QStringLiteral("spring"));
        QCOMPARE(page.changeCount, changes + 1);
        QVERIFY(!window.turnView()->isVisible());

        emit window.undoRequested();
        QCOMPARE(page.textBoxes[0].text, QStringLiteral("spring"));
    }
};

QTEST_MAIN(CircleWindowTest)
#include "tst_circlewindow.moc"
