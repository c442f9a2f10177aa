// The options dialog's values: read from the settings, confirmed back into them, and what the
// document window must do about them.

#include "core/app/appcontext.h"
#include "core/app/options.h"
#include "support/rows.h"

#include <QtTest>

using namespace quillora;
using namespace quillora::options;

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void printButtonRuleRoundTrips_data()
    {
        QTest::addColumn<int>("hidePrinterTime");
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("kept");
        QTest::newRow("always shown") << 0 << 0 << 2 << 0;
        QTest::newRow("hidden 7 minutes, not in the list") << 7 << 1 << 7 << 7;
        QTest::newRow("other negative: no printing") << -5 << 2 << 2 << -1;
    }
    void printButtonRuleRoundTrips()
    {
        QFETCH(int, hidePrinterTime);
        QFETCH(int, minutes);
        AppContext context{Environment{}};
        context.settings.printButtonHiddenMinutes = hidePrinterTime;
        const OptionsValues values = fromSettings(context.settings);
        QTEST(int(values.printButtonRule), "rule");
        QCOMPARE(values.hideMinutes, minutes);
        QVERIFY(hideMinuteChoices(hidePrinterTime).contains(minutes));
        apply(values, context);
        QTEST(context.settings.printButtonHiddenMinutes, "kept");
    }

    void printButtonEffects_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("expectedTime");
        QTest::addColumn<int>("printButton");
        QTest::addColumn<bool>("timerEnabled");
        QTest::addColumn<bool>("countDownCleared");
        using PB = OptionsEffects::PrintButton;
        test::addRow("always: the timer brings it back", 0, 10, 0, int(PB::Keep), true, false);
        QTest::newRow("hide for 10 minutes") << 1 << 10 << 10 << int(PB::Show) << false << true;
        // Zero minutes would silently mean "always shown".
        QTest::newRow("hide for no minutes is one")
            << 1 << 0 << 1 << int(PB::Show) << false << true;
        QTest::newRow("no printing") << 2 << 10 << -1 << int(PB::Hide) << false << true;
    }
    void printButtonEffects()
    {
        QFETCH(int, rule);
        QFETCH(int, minutes);
        AppContext context{Environment{}};
        context.settings.printButtonHiddenMinutes = 3;
        OptionsValues values = fromSettings(context.settings);
        values.printButtonRule = PrintButtonRule(rule);
        values.hideMinutes = minutes;
        const OptionsEffects effects = apply(values, context);
        QTEST(context.settings.printButtonHiddenMinutes, "expectedTime");
        QTEST(int(effects.printButton), "printButton");
        QTEST(effects.hideTimerEnabled, "timerEnabled");
        QTEST(effects.clearHideCountDown, "countDownCleared");
    }

    void leafletTurn()
    {
        // 45 degrees a tick is quick, any other number slow; choosing the other stores it.
        for (const auto &[stored, quick] : {std::pair(45, true), std::pair(30, false)}) {
            AppContext context{Environment{}};
            context.settings.turnDegreesPerTick = stored;
            OptionsValues values = fromSettings(context.settings);
            QCOMPARE(values.quickLeafletTurn, quick);
            values.quickLeafletTurn = !quick;
            apply(values, context);
            QCOMPARE(context.settings.turnDegreesPerTick, quick ? kSlowTurnAngle : kQuickTurnAngle);
        }
    }

    void scaleStepsStayWithinLimits()
    {
        QCOMPARE(stepScalePercent(99, +1), 100);
        QCOMPARE(stepScalePercent(100, +1), 100);
        QCOMPARE(stepScalePercent(86, -1), 85);
        QCOMPARE(stepScalePercent(85, -1), 85);
    }
};

QTEST_APPLESS_MAIN(TestOptions)
#include "tst_options.moc"
