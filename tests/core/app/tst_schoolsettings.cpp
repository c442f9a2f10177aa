// What a school's technician sets up once: shared settings with locked keys and a print button's
// wait that outlives a restart.
#include "core/app/appcontext.h"
#include "core/app/options.h"
#include "core/app/settingsfile.h"
#include "core/printing/printbuttonreturn.h"

#include <QTest>

using namespace quillora;

class TestSchoolSettings : public QObject {
    Q_OBJECT
private slots:
    void sharedAndOwnSettings_data()
    {
        QTest::addColumn<QString>("shared");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QString locking =
            QStringLiteral("HidePrinterTime=5\nlocked=HidePrinterTime, useWebCam\n");
        QTest::newRow("in any case of the user's line")
            << locking << "hideprintertime=0\nHIDEPRINTERTIME=1"
            << "HidePrinterTime"
            << "5";
        QTest::newRow("second key of the list") << locking + "useWebCam=False"
                                                << "useWebCam=True"
                                                << "useWebCam"
                                                << "False";
        QTest::newRow("unlocked key follows the user") << locking + "useIWBkeyBd=False"
                                                       << "useIWBkeyBd=True"
                                                       << "useIWBkeyBd"
                                                       << "True";
        QTest::newRow("the user cannot unlock") << locking << "locked=\nHidePrinterTime=0"
                                                << "HidePrinterTime"
                                                << "5";
        QTest::newRow("the user cannot lock either") << "useWebCam=True"
                                                     << "locked=useWebCam"
                                                     << "locked"
                                                     << "";
    }
    void sharedAndOwnSettings()
    {
        QFETCH(QString, shared);
        QFETCH(QString, own);
        QFETCH(QString, key);
        const SettingsText sharedText = SettingsText::fromBytes(shared.toUtf8());
        const SettingsText merged = SettingsText::layered(
            sharedText, SettingsText::fromBytes(own.toUtf8()), sharedText.lockedKeys());
        QTEST(merged.value(key), "expected");
    }

    void optionsDialogLeavesLockedSettings()
    {
        AppContext context{Environment{}};
        context.settings.printButtonHiddenMinutes = 5;
        context.lockedSettings = {QStringLiteral("hideprintertime"), fontKeyForSlot(1)};
        OptionsValues values = options::fromSettings(context.settings);
        values.printButtonRule = PrintButtonRule::NoPrinting;
        values.fonts[1] = QStringLiteral("Verdana");
        values.fonts[0] = QStringLiteral("Verdana");
        values.webCamButton = false;
        const OptionsEffects effects = options::apply(values, context);
        QCOMPARE(context.settings.printButtonHiddenMinutes, 5);
        QCOMPARE(effects.printButton, OptionsEffects::PrintButton::Keep);
        QCOMPARE(context.settings.fontSlots[1], QStringLiteral("Comic Sans MS"));
        QCOMPARE(context.settings.fontSlots[0], QStringLiteral("Verdana"));
        QVERIFY(!context.settings.offerWebcam);
    }

    void printButtonWait_data()
    {
        QTest::addColumn<int>("secondsLeft");
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("minutes");
        QTest::newRow("over") << -30 << 5 << 0;
        QTest::newRow("part of a minute counts whole") << 61 << 5 << 2;
        QTest::newRow("clock set back cannot lengthen it") << 86400 << 5 << 5;
        QTest::newRow("hiding switched off since") << 120 << 0 << 0;
        QTest::newRow("no printing at all") << 120 << -1 << 0;
    }
    void printButtonWait()
    {
        QFETCH(int, secondsLeft);
        QFETCH(int, setting);
        const QDateTime now = QDateTime::fromSecsSinceEpoch(1800000000, Qt::UTC);
        QTEST(minutesUntilReturn(now.addSecs(secondsLeft), now, setting), "minutes");
    }
};

QTEST_GUILESS_MAIN(TestSchoolSettings)
#include "tst_schoolsettings.moc"
