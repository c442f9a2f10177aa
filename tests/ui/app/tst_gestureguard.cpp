// The rest of a gesture begun on a window that has just gone never reaches the new one.

#include "ui/app/gestureguard.h"

#include <QTest>
#include <QWidget>

using namespace quillora;

namespace {

class PressCounter : public QWidget {
public:
    int presses = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

} // namespace

class TestGestureGuard : public QObject {
    Q_OBJECT

private slots:
    void swallowsOnlyTheGestureInFlight()
    {
        PressCounter window;
        window.resize(100, 100);
        window.show();
        GestureGuard::guard(window, 150, window.mapToGlobal(QPoint(10, 10)));
        // A click somewhere else is the child's next action.
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(window.presses, 1);
        // The second click of a double-click, its release coming after the guard's time.
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(200);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(window.presses, 1);
        QCOMPARE(window.releases, 1);

        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(window.presses, 2);
        QCOMPARE(window.releases, 2);
    }
};

QTEST_MAIN(TestGestureGuard)
#include "tst_gestureguard.moc"
