// The circle window: the rotate buttons turn one segment (a second press during the turn starts
// nothing), the words go with their segments and the turn is undone; dragging the ring settles
// on the nearest segment.

#include "core/app/appcontext.h"
#include "core/doctypes/circlefamily.h"
#include "core/printing/imageprintdevice.h"
#include "platform/camera.h"
#include "platform/pictureloader.h"
#include "ui/app/documentwiring.h"
#include "ui/app/picturebutton.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/pictures/maskcontrol.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quillora;

namespace {

Environment screen()
{
    Environment environment;
    environment.screen = {1280, 800};
    return environment;
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class CircleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        context = std::make_unique<AppContext>(screen());
        context->page.documentType = DocumentKind::Circle;
        window = std::make_unique<CircleWindow>(*context);
        window->setSegmentQuestion([this] { context->choices.circleSegments = 6; });
        attachControllers(*context, *window,
                          {printers, pictures, [] { return std::unique_ptr<Camera>(); }});
        QVERIFY(window->startDocument({}));
        window->show();
    }

    void cleanup()
    {
        window.reset();
        context.reset();
    }

    void rotateButtonTurnsOneSegmentAndIsUndone()
    {
        PageModel &page = context->page;
        QCOMPARE(page.textBoxes.size(), 6);
        page.textBoxes[0].text = QStringLiteral("spring");
        QSignalSpy finished(window.get(), &CircleWindow::turnFinished);
        const qint32 changes = page.changeCount;
        window->rotateButton(TurnDirection::Clockwise)->click();
        QVERIFY(window->isTurning() && window->turnView()->isVisible());
        window->rotateButton(TurnDirection::Anticlockwise)->click();
        QTRY_COMPARE(finished.size(), 1);
        QTest::qWait(300);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(page.textBoxes[1].text, QStringLiteral("spring"));
        QCOMPARE(page.changeCount, changes + 1);
        QVERIFY(!window->turnView()->isVisible());

        emit window->undoRequested();
        QCOMPARE(page.textBoxes[0].text, QStringLiteral("spring"));
    }

    void ringDragSettlesOnTheNearestSegment()
    {
        QSignalSpy finished(window.get(), &CircleWindow::turnFinished);
        MaskControl *ring = window->ring();
        const QPoint centre = ring->rect().center();
        const int reach = ring->width() / 2 - 3;
        sendMouse(ring, QEvent::MouseButtonPress, centre - QPoint(0, reach), Qt::LeftButton);
        QVERIFY(window->isTurning());
        // 80 degrees clockwise, past the right of the disc: the nearest segment is 60 on.
        for (const double degrees : {30.0, 60.0, 80.0}) {
            const double angle = qDegreesToRadians(degrees);
            sendMouse(ring, QEvent::MouseMove,
                      centre + QPoint(qRound(reach * qSin(angle)), -qRound(reach * qCos(angle))),
                      Qt::LeftButton);
        }
        sendMouse(ring, QEvent::MouseButtonRelease, centre, Qt::NoButton);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QVERIFY(!window->isTurning());
    }

private:
    ImagePrinterProvider printers;
    FilePictureLoader pictures;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<CircleWindow> window;
};

QTEST_MAIN(CircleWindowTest)
#include "tst_circlewindow.moc"
