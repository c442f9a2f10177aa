#include "core/text/onscreenkeyboard.h"

#include <QTest>

using namespace quillora;

class TestOnScreenKeyboard : public QObject {
    Q_OBJECT
private slots:
    void keysSitInsideTheKeyboardWithoutOverlapping()
    {
        const auto &keys = OnScreenKeyboard::keys();
        QCOMPARE(keys.size(), OnScreenKeyboard::kKeyCount);
        const QRect board(0, 0, OnScreenKeyboard::kWidthPx * 15, OnScreenKeyboard::kHeightPx * 15);
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(keys[i].index, i);
            QVERIFY2(board.contains(keys[i].twips), qPrintable(QString::number(i)));
            for (int j = i + 1; j < keys.size(); ++j)
                QVERIFY2(!keys[i].twips.intersects(keys[j].twips),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(i).arg(j)));
        }
    }

    void typing_data()
    {
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("caps");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::newRow("shift 3 is pound") << true << false << 2 << QString::fromUtf8("£");
        QTest::newRow("shift letter") << true << false << 36 << "A";
        QTest::newRow("caps letter") << false << true << 36 << "A";
        QTest::newRow("caps leaves digits") << false << true << 4 << "5";
    }
    void typing()
    {
        QFETCH(bool, shift);
        QFETCH(bool, caps);
        QFETCH(int, key);
        OnScreenKeyboard keyboard;
        keyboard.setShift(shift);
        keyboard.setCaps(caps);
        const KeyStroke stroke = keyboard.release(key);
        QCOMPARE(stroke.action, KeyAction::Text);
        QTEST(stroke.text, "typed");
        QVERIFY2(!keyboard.shift(), "shift is one-shot");
        QCOMPARE(keyboard.caps(), caps);
    }

    void backspaceAndEnterAreKeysNotText()
    {
        OnScreenKeyboard keyboard;
        QCOMPARE(keyboard.release(OnScreenKeyboard::kBackspaceKey).action, KeyAction::Backspace);
        QCOMPARE(keyboard.release(OnScreenKeyboard::kEnterKey).action, KeyAction::Enter);
    }

    void tapRule_data()
    {
        QTest::addColumn<QPoint>("travel");
        QTest::addColumn<bool>("tap");
        QTest::newRow("still") << QPoint(0, 0) << true;
        QTest::newRow("six") << QPoint(6, -6) << true;
        QTest::newRow("seven across") << QPoint(7, 0) << false;
        QTest::newRow("seven up") << QPoint(0, -7) << false;
    }
    void tapRule()
    {
        QFETCH(QPoint, travel);
        QTEST(OnScreenKeyboard::isTap(QPoint(100, 100), QPoint(100, 100) + travel), "tap");
    }

    void target_data()
    {
        QTest::addColumn<QString>("currentKind");
        QTest::addColumn<int>("texts");
        QTest::addColumn<int>("richTexts");
        QTest::addColumn<QString>("expectedKind");
        QTest::addColumn<int>("expectedIndex");
        QTest::newRow("current text box") << "t" << 3 << 1 << "t" << 2;
        QTest::newRow("picture current, rich first") << "p" << 2 << 2 << "r" << 0;
        QTest::newRow("nothing current, texts only") << "" << 2 << 0 << "t" << 0;
        QTest::newRow("no text objects") << "p" << 0 << 0 << "" << -1;
    }
    void target()
    {
        QFETCH(QString, currentKind);
        QFETCH(int, texts);
        QFETCH(int, richTexts);
        QFETCH(QString, expectedKind);
        QFETCH(int, expectedIndex);
        PageModel page;
        page.textBoxes.resize(texts);
        page.richTextBoxes.resize(richTexts);
        for (auto &t : page.textBoxes)
            t.visible = true;
        for (auto &r : page.richTextBoxes)
            r.visible = true;
        page.current = {currentKind, 2};
        const CurrentObject none{QString(), -1};
        QCOMPARE(keyboardTarget(page).value_or(none), (CurrentObject{expectedKind, expectedIndex}));
    }

    void pullDownString_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("drag");
        QTest::addColumn<int>("expected");
        const int screen = 800 * 15;
        QTest::newRow("a pull of twenty pixels snaps back") << 0 << 20 * 15 << 0;
        QTest::newRow("pulled down") << 0 << 3000 << 3000;
        QTest::newRow("held at three quarters") << 6000 << 6000 << screen * 3 / 4;
        QTest::newRow("pushed above the top") << 3000 << -5000 << 0;
    }
    void pullDownString()
    {
        QFETCH(int, top);
        QFETCH(int, drag);
        QTEST(pulledWindowTop(top, drag, 800 * 15), "expected");
    }
};

QTEST_APPLESS_MAIN(TestOnScreenKeyboard)
#include "tst_onscreenkeyboard.moc"
