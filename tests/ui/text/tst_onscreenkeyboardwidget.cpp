#include "platform/keysender.h"
#include "ui/text/onscreenkeyboardwidget.h"

#include <QApplication>
#include <QTextEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace quillora;

class TestOnScreenKeyboardWidget : public QObject {
    Q_OBJECT
private:
    void tapKey(OnScreenKeyboardWidget &keyboard, int index)
    {
        QTest::mouseClick(keyboard.keyButton(index), Qt::LeftButton);
    }

private slots:
    void typesAtTheCaretOfTheFocusedBox()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *edit = new QTextEdit;
        layout->addWidget(edit);
        FocusKeySender sender;
        auto *keyboard = new OnScreenKeyboardWidget(sender);
        layout->addWidget(keyboard);
        int asked = 0;
        connect(keyboard, &OnScreenKeyboardWidget::keyAboutToBeTyped, edit, [&] {
            ++asked;
            edit->setFocus();
        });
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        tapKey(*keyboard, 11);                       // q
        keyboard->findChild<QAbstractButton *>("ShiftCheck")->click();
        QCOMPARE(keyboard->keyButton(4)->text(), QStringLiteral("%"));
        QCOMPARE(keyboard->keyButton(36)->text(), QStringLiteral("A"));
        tapKey(*keyboard, 4);                        // Shift + 5
        QCOMPARE(keyboard->keyButton(4)->text(), QStringLiteral("5"));
        tapKey(*keyboard, 2);                        // 3, shift gone
        tapKey(*keyboard, OnScreenKeyboard::kEnterKey);
        tapKey(*keyboard, 36);                       // a
        tapKey(*keyboard, OnScreenKeyboard::kBackspaceKey);
        tapKey(*keyboard, 38);                       // .
        QCOMPARE(edit->toPlainText(), QStringLiteral("q%3\n."));
        QCOMPARE(asked, 7);

        keyboard->findChild<QAbstractButton *>("CapsCheck")->click();
        tapKey(*keyboard, 22);                       // m
        tapKey(*keyboard, 22);
        QCOMPARE(keyboard->keyButton(4)->text(), QStringLiteral("5"));
        QVERIFY(edit->toPlainText().endsWith("MM"));
    }

    void miniKeyTapsButDragsDoNot()
    {
        QWidget window;
        window.resize(400, 300);
        auto *mini = new MiniKeyWidget(&window);
        mini->move(100, 100);
        window.show();
        int taps = 0;
        connect(mini, &MiniKeyWidget::tapped, [&] { ++taps; });
        QTest::mousePress(mini, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(mini, Qt::LeftButton, {}, QPoint(12, 11));
        QCOMPARE(taps, 1);

        QTest::mousePress(mini, Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), mini->mapToGlobal(QPointF(30, 10)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mini, &move);
        QTest::mouseRelease(mini, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(taps, 1);
        QCOMPARE(mini->pos(), QPoint(120, 100));
    }
};

QTEST_MAIN(TestOnScreenKeyboardWidget)
#include "tst_onscreenkeyboardwidget.moc"
