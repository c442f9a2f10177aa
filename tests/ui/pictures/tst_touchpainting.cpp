// Fingers on the picture boxes of a real window: each paints its own stroke, strokes that
// overlap are one undo step, a held press opens the picture menu, a hand paints nothing and a
// cancelled touch still leaves a stroke to undo.

#include "core/pictures/heldpresses.h"
#include "support/windowfixture.h"
#include "ui/pictures/feltpens.h"
#include "ui/pictures/longpressring.h"
#include "ui/pictures/picturemenu.h"

#include <QPointingDevice>
#include <QScroller>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>
#include <QTouchEvent>

using namespace quillora;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Fixture : WindowFixture {
    explicit Fixture(QPointingDevice *device, DocumentKind kind = DocumentKind::Simple)
        : touchScreen(device)
    {
        makePage(1, 0, 1);
        context.page.documentType = kind;
        wire();
        show();
        box = pictureBox(0);
    }
    QRgb pixel(QPoint at) const { return context.page.pictureBoxes[0].image.pixel(at); }
    void undo() const { controllers.undo->undo(); }
    bool undoShown() const { return window->toolbar()->isButtonShown(ToolbarAction::Undo); }

    QPointingDevice *touchScreen;
    PictureBoxWidget *box = nullptr;
};

// A stylus drawn with its tip or its eraser along row `y` of `box` at one pressure.
void stylusStroke(QWidget *box, QPointingDevice::PointerType end, double pressure, int y)
{
    const QPointingDevice stylus(QStringLiteral("stylus"), 9001, QInputDevice::DeviceType::Stylus,
                                 end, QInputDevice::Capability::Pressure, 1, 2);
    for (int x = 20; x <= 140; x += 20) {
        const bool down = x == 20, up = x == 140;
        QTabletEvent event(down ? QEvent::TabletPress
                           : up ? QEvent::TabletRelease
                                : QEvent::TabletMove,
                           &stylus, QPointF(x, y), box->mapToGlobal(QPointF(x, y)), pressure, 0, 0,
                           0, 0, 0, Qt::NoModifier, down || up ? Qt::LeftButton : Qt::NoButton,
                           up ? Qt::NoButton : Qt::LeftButton);
        QApplication::sendEvent(box, &event);
    }
}

} // namespace

class TestTouchPainting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_touchScreen.reset(QTest::createTouchDevice()); }
    void cleanupTestCase() { m_touchScreen.reset(); }

    void twoFingersAtOnceAreOneUndoStep()
    {
        Fixture f(m_touchScreen.get());
        QTest::touchEvent(f.box, f.touchScreen).press(0, {20, 30}).press(1, {20, 120});
        for (int x = 40; x <= 120; x += 20)
            QTest::touchEvent(f.box, f.touchScreen).move(0, {x, 30}).move(1, {x, 120});
        QTest::touchEvent(f.box, f.touchScreen).release(0, {120, 30}).stationary(1);
        QCOMPARE(f.pixel({70, 30}), kRed);
        QVERIFY(!f.undoShown()); // the other finger is still painting
        QTest::touchEvent(f.box, f.touchScreen).move(1, {180, 120});
        QTest::touchEvent(f.box, f.touchScreen).release(1, {180, 120});
        QCOMPARE(f.pixel({70, 120}), kRed);
        QCOMPARE(f.pixel({160, 120}), kRed);
        QCOMPARE(f.pixel({70, 75}), kWhite);

        f.undo();
        QCOMPARE(f.pixel({70, 30}), kWhite);
        QCOMPARE(f.pixel({160, 120}), kWhite);
        QVERIFY(!f.undoShown());
    }

    // A press held still is the right press: the picture menu on a picture, the page menu on
    // "My layout", a felt pen pressed as by the right button.
    void heldPressIsTheRightPress_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("finger");
        QTest::addColumn<bool>("longPressMenu");
        QTest::newRow("picture, finger") << "picture" << true << true;
        QTest::newRow("picture, mouse") << "picture" << false << true;
        QTest::newRow("picture, turned off: a dot") << "picture" << true << false;
        QTest::newRow("page, finger") << "page" << true << true;
        QTest::newRow("pen, finger") << "pen" << true << true;
        QTest::newRow("pen, turned off") << "pen" << false << false;
    }
    void heldPressIsTheRightPress()
    {
        QFETCH(QString, target);
        QFETCH(bool, finger);
        QFETCH(bool, longPressMenu);
        const bool onPicture = target == QLatin1String("picture");
        const bool onPen = target == QLatin1String("pen");
        Fixture f(m_touchScreen.get(), onPicture ? DocumentKind::Simple : DocumentKind::MyLayout);
        f.context.settings.longPressMenu = longPressMenu;
        QSignalSpy pictureMenu(f.painting(), &PaintingController::contextMenuRequested);
        FeltPens *pens = f.painting()->feltPens();
        QWidget *pressed = onPicture ? f.box : onPen ? pens->pen(3) : f.view();
        const QPoint at = onPicture ? QPoint(60, 50)
                          : onPen   ? pressed->rect().center()
                                    : QPoint(450, 300);
        const QPoint wobbled = at + QPoint(6, 6); // within 10 pixels: still held
        if (finger) {
            QTest::touchEvent(pressed, f.touchScreen).press(0, at);
            QTest::touchEvent(pressed, f.touchScreen).move(0, wobbled);
        } else {
            QTest::mousePress(pressed, Qt::LeftButton, {}, at);
        }
        QCOMPARE(bool(f.window->findChild<LongPressRing *>()), longPressMenu);
        QTest::qWait(HeldPresses::kLongPressMs + 200);
        if (finger)
            QTest::touchEvent(pressed, f.touchScreen).release(0, wobbled);
        else
            QTest::mouseRelease(pressed, Qt::LeftButton, {}, at);

        QCOMPARE(pictureMenu.count(), onPicture && longPressMenu ? 1 : 0);
        QCOMPARE(f.window->findChild<PictureMenu *>()->isVisible(), !onPen && longPressMenu);
        QCOMPARE(f.context.paint.feltRightClick, onPen && longPressMenu);
        if (onPicture)
            QCOMPARE(f.pixel(at) == kRed, !longPressMenu);
        QCOMPARE(pens->currentPen(), onPen ? 3 : 0);
        QTRY_VERIFY(!f.window->findChild<LongPressRing *>());
    }

    // A text box follows its own finger; two fingers spread on the page zoom and scroll nothing.
    void tapFocusesATextAndTwoFingersMoveNothing()
    {
        Fixture f(m_touchScreen.get());
        QCoreApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, false);
        QWidget *words = f.textBox(0)->viewport();
        QTest::touchEvent(words, f.touchScreen).press(0, {20, 20});
        QTest::touchEvent(words, f.touchScreen).release(0, {20, 20});
        QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::Text, 0}));
        QCOMPARE(f.window->focusWidget(), f.textBox(0));
        QCoreApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, true);

        const QRect page = f.view()->geometry();
        const QPoint middle = page.center(), apart(200, 200);
        QWidget *window = f.window.get();
        QTest::touchEvent(window, f.touchScreen).press(1, middle).press(2, middle + QPoint(9, 0));
        QTest::touchEvent(window, f.touchScreen).move(1, middle - apart).move(2, middle + apart);
        QTest::touchEvent(window, f.touchScreen)
            .release(1, middle - apart)
            .release(2, middle + apart);
        QCOMPARE(f.view()->geometry(), page);
        for (QWidget *widget : window->findChildren<QWidget *>())
            QVERIFY2(!QScroller::hasScroller(widget), qPrintable(widget->objectName()));
    }

    // The felt pen's width follows a stylus's pressure within the chosen size (16), unless
    // pressure is turned off; the eraser end paints white.
    void stylusPressureSetsTheWidth_data()
    {
        QTest::addColumn<double>("pressure");
        QTest::addColumn<bool>("pressureOn");
        QTest::addColumn<int>("width");
        QTest::newRow("light") << 0.25 << true << 4;
        QTest::newRow("light, pressure off") << 0.25 << false << 16;
    }
    void stylusPressureSetsTheWidth()
    {
        QFETCH(double, pressure);
        QFETCH(bool, pressureOn);
        QFETCH(int, width);
        Fixture f(m_touchScreen.get());
        f.context.settings.stylusPressure = pressureOn;
        stylusStroke(f.box, QPointingDevice::PointerType::Pen, pressure, 80);
        int painted = 0;
        for (int y = 0; y < f.context.page.pictureBoxes[0].image.height(); ++y)
            painted += f.pixel({80, y}) == kRed ? 1 : 0;
        QVERIFY2(std::abs(painted - width) <= 1, qPrintable(QString::number(painted)));

        stylusStroke(f.box, QPointingDevice::PointerType::Eraser, 1.0, 80);
        QCOMPARE(f.pixel({80, 80}), kWhite);
    }

    void handOrPalmPaintsNothing()
    {
        Fixture f(m_touchScreen.get());
        // Three fingers landing together close by: a hand laid on the board.
        QTest::touchEvent(f.box, f.touchScreen)
            .press(0, {20, 20})
            .press(1, {50, 30})
            .press(2, {80, 25});
        QTest::touchEvent(f.box, f.touchScreen)
            .move(0, {20, 140})
            .move(1, {50, 140})
            .move(2, {80, 140});
        QTest::touchEvent(f.box, f.touchScreen)
            .release(0, {20, 140})
            .release(1, {50, 140})
            .release(2, {80, 140});
        QCOMPARE(f.pixel({20, 80}), kWhite);
        QCOMPARE(f.pixel({50, 80}), kWhite);
        QVERIFY(!f.undoShown());
    }

    void cancelledTouchLeavesAnUndoableStroke()
    {
        Fixture f(m_touchScreen.get());
        QTest::touchEvent(f.box, f.touchScreen).press(3, {20, 60});
        QTest::touchEvent(f.box, f.touchScreen).move(3, {100, 60});
        QTouchEvent cancel(QEvent::TouchCancel, f.touchScreen);
        QApplication::sendEvent(f.box, &cancel);
        QCOMPARE(f.pixel({60, 60}), kRed);
        QVERIFY(f.undoShown());
        // The finger is gone: a later touch starts afresh and paints its own stroke.
        QTest::touchEvent(f.box, f.touchScreen).press(4, {20, 120});
        QTest::touchEvent(f.box, f.touchScreen).move(4, {100, 120});
        QTest::touchEvent(f.box, f.touchScreen).release(4, {100, 120});
        QCOMPARE(f.pixel({60, 100}), kWhite);
        f.undo();
        QCOMPARE(f.pixel({60, 120}), kWhite);
        QCOMPARE(f.pixel({60, 60}), kRed);
        f.undo();
        QCOMPARE(f.pixel({60, 60}), kWhite);
    }

private:
    std::unique_ptr<QPointingDevice> m_touchScreen;
};

QTEST_MAIN(TestTouchPainting)
#include "tst_touchpainting.moc"
