#include "core/text/onscreenkeyboard.h"
#include "support/rows.h"

#include <QTest>

using namespace quillora;

class TestOnScreenKeyboard : public QObject {
    Q_OBJECT
private slots:
    void keysSitInsideTheKeyboardWithoutOverlapping_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        for (const QLocale::Language language : keyboardLanguages())
            QTest::newRow(qPrintable(QLocale::languageToString(language))) << language;
    }
    void keysSitInsideTheKeyboardWithoutOverlapping()
    {
        QFETCH(QLocale::Language, language);
        const OnScreenKeyboard keyboard(keyboardLayoutFor(QLocale(language)));
        QCOMPARE(keyboard.language(), language);
        const auto &keys = keyboard.keys();
        QVERIFY(keys.size() >= OnScreenKeyboard::kKeyCount);
        const QRect board(0, 0, keyboard.widthPx() * 15, OnScreenKeyboard::kHeightPx * 15);
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(keys[i].index, i);
            QVERIFY2(board.contains(keys[i].twips), qPrintable(QString::number(i)));
            if (i != OnScreenKeyboard::kBackspaceKey && i != OnScreenKeyboard::kEnterKey)
                QVERIFY2(keys[i].twips.width() >= 525, "keys stay as large as the English ones");
            for (int j = i + 1; j < keys.size(); ++j)
                QVERIFY2(!keys[i].twips.intersects(keys[j].twips),
                         qPrintable(QStringLiteral("%1 overlaps %2").arg(i).arg(j)));
        }
        if (language == QLocale::English) {
            QCOMPARE(keyboard.widthPx(), OnScreenKeyboard::kWidthPx);
            QCOMPARE(keys[22].caption, "m");
            QCOMPARE(keys[22].twips, QRect(5280, 2340, 615, 615));
            QCOMPARE(keys[11].twips, QRect(720, 1020, 615, 615)); // "q", the top row's first
            QCOMPARE(keys[OnScreenKeyboard::kEnterKey].twips, QRect(6900, 1680, 855, 615));
        }
    }

    // Every letter of the language is a key or a variant of one, and Shift and Caps give each
    // letter key its capital, one letter for one.
    void layoutsTypeTheirLetters_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("letters");
        test::addRow("English", "en_GB", "abcdefghijklmnopqrstuvwxyz");
        test::addRow("French", "fr_FR",
                     "azertyqsdfghjklmwxcvbn\u00e9\u00e8\u00e0\u00e7\u00f9\u00ea"
                     "\u00e2\u00ee\u00f4\u00fb\u0153");
        test::addRow("German", "de_DE", "qwertzuiopasdfghjklyxcvbnm\u00fc\u00f6\u00e4\u00df");
        test::addRow("Spanish", "es_ES", "\u00f1\u00e1\u00e9\u00ed\u00f3\u00fa\u00fc\u00bf\u00a1");
        test::addRow("Italian", "it_IT", "\u00e0\u00e8\u00e9\u00ec\u00f2\u00f9");
        test::addRow("Portuguese", "pt_BR",
                     "\u00e7\u00e1\u00e0\u00e2\u00e3\u00e9\u00ea\u00ed\u00f3\u00f4\u00f5\u00fa");
        test::addRow("Dutch", "nl_NL", "\u00e9\u00eb\u00ef\u00f6\u00fc\u00e1");
        test::addRow("Polish", "pl_PL", "\u0105\u0107\u0119\u0142\u0144\u00f3\u015b\u017a\u017c");
        test::addRow("Swedish", "sv_SE", "\u00e5\u00e4\u00f6");
        test::addRow(
            "Ukrainian", "uk_UA",
            "\u0439\u0446\u0443\u043a\u0435\u043d\u0433\u0448\u0449\u0437\u0445\u0457\u0444"
            "\u0456\u0432\u0430\u043f\u0440\u043e\u043b\u0434\u0436\u0454\u044f\u0447\u0441"
            "\u043c\u0438\u0442\u044c\u0431\u044e\u0491'");
        test::addRow(
            "Arabic", "ar_EG",
            "\u0627\u0628\u062a\u062b\u062c\u062d\u062e\u062f\u0630\u0631\u0632\u0633\u0634"
            "\u0635\u0636\u0637\u0638\u0639\u063a\u0641\u0642\u0643\u0644\u0645\u0646\u0647"
            "\u0648\u064a\u0621\u0623\u0625\u0622\u0629\u0649\u060c\u061f");
        test::addRow("unknown language is English", "ja_JP", "qwertyuiop");
    }
    void layoutsTypeTheirLetters()
    {
        QFETCH(QString, locale);
        QFETCH(QString, letters);
        OnScreenKeyboard keyboard(keyboardLayoutFor(QLocale(locale)));
        QString typeable;
        for (const KeyboardKey &key : keyboard.keys())
            typeable += key.caption + key.variants.join(QString());
        for (const QChar letter : letters)
            QVERIFY2(typeable.contains(letter),
                     qPrintable(QStringLiteral("%1 missing").arg(letter)));
        keyboard.setCaps(true);
        for (const KeyboardKey &key : keyboard.keys()) {
            const QString capital = keyboard.captionOf(key.index);
            if (key.caption.size() != 1 || !key.caption[0].isLetter())
                continue;
            QCOMPARE(capital.size(), 1);
            QVERIFY2(!key.caption[0].isLower() || capital[0].isUpper(), qPrintable(capital));
            for (const QString &variant : keyboard.variantsOf(key.index))
                QVERIFY2(!variant[0].isLower(), qPrintable(variant));
        }
    }

    void heldKeyTypesTheChosenVariant()
    {
        OnScreenKeyboard keyboard(keyboardLayoutFor(QLocale(QLocale::French)));
        const int e = 12;
        QCOMPARE(keyboard.captionOf(e), "e");
        QVERIFY(keyboard.variantsOf(e).contains(QStringLiteral("\u00e8")));
        keyboard.setShift(true);
        QCOMPARE(keyboard.variantsOf(e).first(), QStringLiteral("\u00c9"));
        QCOMPARE(keyboard.releaseVariant(e, 0).text, QStringLiteral("\u00c9"));
        QVERIFY2(!keyboard.shift(), "shift is one-shot for variants too");
        QCOMPARE(keyboard.releaseVariant(e, 1).text, QStringLiteral("\u00e8"));
        QVERIFY(keyboard.variantsOf(OnScreenKeyboard::kSpaceKey).isEmpty());

        OnScreenKeyboard german(keyboardLayoutFor(QLocale(QLocale::German)));
        const auto &keys = german.keys();
        const auto sharpS = std::find_if(keys.begin(), keys.end(), [](const KeyboardKey &key) {
            return key.caption == QStringLiteral("\u00df");
        });
        german.setShift(true);
        QCOMPARE(german.release(sharpS->index).text, QStringLiteral("\u1e9e"));
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
        QTest::addColumn<ObjectKind>("currentKind");
        QTest::addColumn<int>("texts");
        QTest::addColumn<int>("richTexts");
        QTest::addColumn<ObjectKind>("expectedKind");
        QTest::addColumn<int>("expectedIndex");
        using enum ObjectKind;
        QTest::newRow("current text box") << Text << 3 << 1 << Text << 2;
        QTest::newRow("picture current, rich first") << Picture << 2 << 2 << RichText << 0;
        QTest::newRow("nothing current, texts only") << Nothing << 2 << 0 << Text << 0;
        QTest::newRow("no text objects") << Picture << 0 << 0 << Nothing << -1;
    }
    void target()
    {
        QFETCH(ObjectKind, currentKind);
        QFETCH(int, texts);
        QFETCH(int, richTexts);
        QFETCH(ObjectKind, expectedKind);
        QFETCH(int, expectedIndex);
        PageModel page;
        page.textBoxes = QVector<TextBoxModel>(texts, {{}, {}, {}, true, true});
        page.richTextBoxes = QVector<RichTextBoxModel>(richTexts, {{}, {}, {}, {}, true});
        page.current = {currentKind, 2};
        const CurrentObject none{ObjectKind::Nothing, -1};
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
