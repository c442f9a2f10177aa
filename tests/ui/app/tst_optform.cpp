#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "ui/app/filestoreform.h"
#include "ui/app/optform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::OptionsEffects)

namespace {

const QStringList kFonts = {QStringLiteral("Alpha Sans"), QStringLiteral("Beta Serif"),
                            QStringLiteral("Gamma Script")};

template <typename T> T *control(QWidget &form, const QString &name)
{
    T *found = form.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void click(QWidget &form, const QString &name)
{
    // Check boxes and option buttons only answer on their box and caption, at the left.
    auto *button = control<QAbstractButton>(form, name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(12, button->width() / 2), button->height() / 2));
}

} // namespace

class TestOptForm : public QObject {
    Q_OBJECT
    ImagePrinterProvider m_printers{{{QStringLiteral("Laser"), QSize(2480, 3508), {}},
                                     {QStringLiteral("Inkjet"), QSize(2480, 3508), {}}},
                                    QStringLiteral("Inkjet")};

private slots:
    void printButtonRuleIsShownAndKept_data()
    {
        QTest::addColumn<int>("hidePrinterTime");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("minutesEnabled");
        QTest::newRow("always shown") << 0 << 0 << "2" << false;
        QTest::newRow("hidden 7 minutes, not in the list") << 7 << 1 << "7" << true;
    }
    void printButtonRuleIsShownAndKept()
    {
        QFETCH(int, hidePrinterTime);
        QFETCH(int, option);
        QFETCH(QString, minutes);
        QFETCH(bool, minutesEnabled);
        AppContext context{Environment{}};
        context.settings.hidePrinterTime = hidePrinterTime;
        OptForm form(context, m_printers, kFonts);
        QVERIFY(
            control<QRadioButton>(form, QStringLiteral("hide_printer%1").arg(option))->isChecked());
        auto *list = control<QComboBox>(form, "hide_time");
        QCOMPARE(list->currentText(), minutes);
        QCOMPARE(list->isEnabled(), minutesEnabled);
        // OK without touching anything keeps the rule as stored.
        form.show();
        click(form, "okBut");
        QCOMPARE(context.settings.hidePrinterTime, std::max(hidePrinterTime, -1));
    }

    void printButtonRuleIsApplied_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("minutesIndex");
        QTest::addColumn<int>("expectedTime");
        QTest::addColumn<int>("printButton");
        QTest::addColumn<bool>("timerEnabled");
        QTest::addColumn<bool>("countDownCleared");
        using PB = OptionsEffects::PrintButton;
        QTest::newRow("hide for 10 minutes") << 1 << 5 << 10 << int(PB::Show) << false << true;
    }
    void printButtonRuleIsApplied()
    {
        QFETCH(int, option);
        QFETCH(int, minutesIndex);
        QFETCH(int, expectedTime);
        QFETCH(int, printButton);
        QFETCH(bool, timerEnabled);
        QFETCH(bool, countDownCleared);
        AppContext context{Environment{}};
        context.settings.hidePrinterTime = 3;
        OptForm form(context, m_printers, kFonts);
        QSignalSpy applied(&form, &OptForm::optionsApplied);
        form.show();
        click(form, QStringLiteral("hide_printer%1").arg(option));
        control<QComboBox>(form, "hide_time")->setCurrentIndex(minutesIndex);
        click(form, "okBut");

        QCOMPARE(context.settings.hidePrinterTime, expectedTime);
        QCOMPARE(applied.size(), 1);
        const auto effects = applied.first().first().value<OptionsEffects>();
        QCOMPARE(int(effects.printButton), printButton);
        QCOMPARE(effects.hideTimerEnabled, timerEnabled);
        QCOMPARE(effects.clearHideCountDown, countDownCleared);
    }

    void checkBoxesFollowTheirSettings_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void checkBoxesFollowTheirSettings()
    {
        QFETCH(bool, stored);
        AppContext context{Environment{}};
        Settings &s = context.settings;
        s.showNumCopiesCombo = s.useIWBstring = s.useDarkerFrameColour = s.useIWBkeyBd =
            s.useWebCam = stored;
        OptForm form(context, m_printers, kFonts);
        QSignalSpy applied(&form, &OptForm::optionsApplied);
        form.show();
        for (const char *name : {"showNumCopiesCheck", "StringCheck", "darkerFrameCheck",
                                 "keybdCheck", "webCamCheck"}) {
            QCOMPARE(control<QCheckBox>(form, name)->isChecked(), stored);
            click(form, name);
        }
        click(form, "okBut");
        QCOMPARE((QList<bool>{s.showNumCopiesCombo, s.useIWBstring, s.useDarkerFrameColour,
                              s.useIWBkeyBd, s.useWebCam}),
                 QList<bool>(5, !stored));
        const auto effects = applied.first().first().value<OptionsEffects>();
        const unsigned frame = stored ? 0xC0C0C0u : 0x808080u;
        QCOMPARE(effects.frameColour, frame);
        QCOMPARE(context.frameColour(), frame);
        QCOMPARE(effects.webCamButtonVisible, !stored);
    }

    void leafletTurn_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<int>("applied");
        QTest::newRow("15 ticked becomes 45") << 15 << false << true << 45;
    }
    void leafletTurn()
    {
        QFETCH(int, stored);
        QFETCH(bool, ticked);
        QFETCH(bool, toggle);
        QFETCH(int, applied);
        AppContext context{Environment{}};
        context.settings.leaftletTurnAngle = stored;
        OptForm form(context, m_printers, kFonts);
        QCOMPARE(control<QCheckBox>(form, "leafQuickTurn")->isChecked(), ticked);
        form.show();
        if (toggle)
            click(form, "leafQuickTurn");
        click(form, "okBut");
        QCOMPARE(context.settings.leaftletTurnAngle, applied);
    }

    void scaleFactorsStepWithinLimits_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("ups");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("expected");
        for (const char *prefix : {"pageSF", "textSF"}) {
            QTest::addRow("%s 99 up 3 stops at 100", prefix) << prefix << 99 << 3 << 0 << 100;
        }
    }
    void scaleFactorsStepWithinLimits()
    {
        QFETCH(QString, prefix);
        QFETCH(int, start);
        QFETCH(int, ups);
        QFETCH(int, downs);
        QFETCH(int, expected);
        AppContext context{Environment{}};
        const bool page = prefix == "pageSF";
        (page ? context.settings.printZoomSFPC : context.settings.fontSFatPrintPC) = start;
        OptForm form(context, m_printers, kFonts);
        form.show();
        for (int i = 0; i < ups; ++i)
            click(form, prefix + "Up");
        for (int i = 0; i < downs; ++i)
            click(form, prefix + "Down");
        QCOMPARE(control<QLabel>(form, prefix + "cap")->text(), QString::number(expected));
        click(form, "okBut");
        QCOMPARE(page ? context.settings.printZoomSFPC : context.settings.fontSFatPrintPC,
                 expected);
        if (page)
            QCOMPARE(context.settings.printZoomFraction(), expected / 100.0);
    }

    void printerChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("applied");
        QTest::newRow("stored printer shown") << "Laser" << "Laser" << "" << "Laser";
        QTest::newRow("no name: system default") << "" << "Inkjet" << "" << "";
        QTest::newRow("missing printer: default shown, name kept")
            << "Gone" << "Inkjet" << "" << "Gone";
        QTest::newRow("picking stores the device name") << "Gone" << "Inkjet" << "Laser" << "Laser";
    }
    void printerChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, pick);
        QFETCH(QString, applied);
        AppContext context{Environment{}};
        context.settings.iniPrinterName = stored;
        OptForm form(context, m_printers, kFonts);
        QSignalSpy spy(&form, &OptForm::optionsApplied);
        auto *list = control<QComboBox>(form, "PrinterCombo");
        QCOMPARE(list->currentText(), shown);
        if (!pick.isEmpty()) {
            const int index = list->findText(pick);
            list->setCurrentIndex(index);
            emit list->activated(index);
        }
        form.show();
        click(form, "okBut");
        QCOMPARE(context.settings.iniPrinterName, applied);
        QCOMPARE(spy.first().first().value<OptionsEffects>().printerName, pick);
    }

    void noPrintersLeavesTheListEmpty()
    {
        AppContext context{Environment{}};
        context.settings.iniPrinterName = QStringLiteral("Laser");
        ImagePrinterProvider none;
        OptForm form(context, none, kFonts);
        QVERIFY(!control<QComboBox>(form, "PrinterCombo")->isEnabled());
        form.show();
        click(form, "okBut");
        QCOMPARE(context.settings.iniPrinterName, QStringLiteral("Laser"));
    }

    void fontSlotsAndPreviews()
    {
        AppContext context{Environment{}};
        context.settings.fontSlots = {QStringLiteral("Alpha Sans"), QStringLiteral("Not Here"),
                                      QStringLiteral("Beta Serif"), QStringLiteral("Alpha Sans"),
                                      QStringLiteral("Gamma Script")};
        OptForm form(context, m_printers, kFonts);
        for (int slot = 0; slot < 5; ++slot) {
            const QString name = context.settings.fontSlots[std::size_t(slot)];
            QCOMPARE(
                control<QComboBox>(form, QStringLiteral("fontNameDrop%1").arg(slot))->currentText(),
                name);
        }
        auto *first = control<QComboBox>(form, "fontNameDrop0");
        first->setCurrentText(QStringLiteral("Gamma Script"));
        QCOMPARE(control<QLabel>(form, "fontPrevCap0")->font().family(),
                 QStringLiteral("Gamma Script"));
        form.show();
        click(form, "okBut");
        QCOMPARE(context.settings.fontSlots[0], QStringLiteral("Gamma Script"));
        QCOMPARE(context.settings.fontSlots[1], QStringLiteral("Not Here"));
    }

    void cancelAppliesNothing()
    {
        AppContext context{Environment{}};
        context.settings.hidePrinterTime = 5;
        context.settings.iniPrinterName = QStringLiteral("Gone");
        const Settings before = context.settings;
        OptForm form(context, m_printers, kFonts);
        QSignalSpy applied(&form, &OptForm::optionsApplied);
        form.show();
        click(form, "hide_printer2");
        for (const char *check : {"showNumCopiesCheck", "StringCheck", "darkerFrameCheck",
                                  "keybdCheck", "leafQuickTurn", "webCamCheck"})
            click(form, QString::fromLatin1(check));
        click(form, "pageSFDown");
        click(form, "textSFUp");
        auto *printers = control<QComboBox>(form, "PrinterCombo");
        emit printers->activated(printers->findText(QStringLiteral("Laser")));
        control<QComboBox>(form, "fontNameDrop4")->setCurrentIndex(0);
        click(form, "cancelBut");

        QCOMPARE(applied.size(), 0);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(options::fromSettings(context.settings), options::fromSettings(before));
        QCOMPARE(context.frameColour(), 0xC0C0C0u);
    }

    void workingFolderIsChosenInItsOwnDialog()
    {
        QTemporaryDir folder;
        AppContext context{Environment{}};
        OptForm form(context, m_printers, kFonts);
        QCOMPARE(control<QLineEdit>(form, "FileStoreText")->text(), QStringLiteral("My Documents"));
        form.show();
        bool optionsHiddenMeanwhile = false;
        QTimer::singleShot(0, this, [&] {
            auto *store = qobject_cast<FileStoreForm *>(QApplication::activeModalWidget());
            QVERIFY(store);
            optionsHiddenMeanwhile = !form.isVisible();
            click(*store, "UseOtherFolder");
            store->showFolder(folder.path());
            click(*store, "okBut");
        });
        click(form, "Command2");
        QVERIFY(optionsHiddenMeanwhile);
        QVERIFY(form.isVisible());
        const QString chosen = QDir::cleanPath(folder.path());
        QCOMPARE(control<QLineEdit>(form, "FileStoreText")->text(), chosen);
        QCOMPARE(context.settings.workingDir, chosen);
        QCOMPARE(context.dialogAnswer, QStringLiteral("OK"));
        // The options dialog is still waiting for its own answer.
        click(form, "cancelBut");
        QCOMPARE(context.settings.workingDir, chosen);
    }
};

QTEST_MAIN(TestOptForm)
#include "tst_optform.moc"
