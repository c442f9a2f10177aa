// Fingers on the picture boxes of a real window: each paints its own stroke, strokes that
// overlap are one undo step, a held press opens the picture menu, a hand paints nothing and a
// cancelled touch still leaves a stroke to undo.

#include "core/pictures/heldpresses.h"
#include "support/windowfixture.h"
#include "ui/pictures/longpressring.h"

#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>
#include <QTouchEvent>

using namespace quillora;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Fixture : WindowFixture {
    explicit Fixture(QPointingDevice *device) : touchScreen(device)
    {
        makePage(0, 0, 1);
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

    void heldPressOpensTheMenu_data()
    {
        QTest::addColumn<bool>("finger");
        QTest::addColumn<bool>("longPressMenu");
        QTest::newRow("finger") << true << true;
        QTest::newRow("mouse") << false << true;
        QTest::newRow("turned off: a dot") << true << false;
    }
    void heldPressOpensTheMenu()
    {
        QFETCH(bool, finger);
        QFETCH(bool, longPressMenu);
        Fixture f(m_touchScreen.get());
        f.context.settings.longPressMenu = longPressMenu;
        QSignalSpy menu(f.painting(), &PaintingController::contextMenuRequested);
        const QPoint at(60, 50);
        if (finger)
            QTest::touchEvent(f.box, f.touchScreen).press(0, at);
        else
            QTest::mousePress(f.box, Qt::LeftButton, {}, at);
        QCOMPARE(bool(f.window->findChild<LongPressRing *>()), longPressMenu);
        // A wobble within 10 pixels keeps the press held.
        if (finger)
            QTest::touchEvent(f.box, f.touchScreen).move(0, at + QPoint(6, 6));
        QTest::qWait(HeldPresses::kLongPressMs + 200);
        if (finger)
            QTest::touchEvent(f.box, f.touchScreen).release(0, at + QPoint(6, 6));
        else
            QTest::mouseRelease(f.box, Qt::LeftButton, {}, at);

        QCOMPARE(menu.count(), longPressMenu ? 1 : 0);
        QCOMPARE(f.pixel(at) == kRed, !longPressMenu);
        QTRY_VERIFY(!f.window->findChild<LongPressRing *>());
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
