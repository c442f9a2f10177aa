// The options dialog: the print button rule, the check boxes, the leaflet turn, the scale factors,
// the printer, the five fonts, Cancel, and the working folder chosen in its own dialog, which opens
// on the stored choice, stores what OK chose and leaves everything as it was on Cancel.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "support/rows.h"
#include "ui/app/filestoreform.h"
#include "ui/app/optform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

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
    QTemporaryDir m_documents;
    QTemporaryDir m_elsewhere;

    AppContext makeContext(const QString &workingDir)
    {
        Environment environment;
        environment.folders.documents = m_documents.path();
        AppContext context{environment};
        context.settings.workingDir = workingDir;
        context.folders.working = QStringLiteral("/old/working");
        context.fileDialogFolder = QStringLiteral("/old/files");
        context.importDialogFolder = QStringLiteral("/old/pictures");
        return context;
    }

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

    // The rules behind each control are checked without a window; here, that OK hands on what
    // the print button choice, the quick leaflet turn and the scale buttons show.
    void okAppliesWhatTheControlsShow()
    {
        AppContext context{Environment{}};
        context.settings.hidePrinterTime = 3;
        context.settings.leaftletTurnAngle = 15;
        context.settings.printZoomSFPC = 99;
        context.settings.fontSFatPrintPC = 90;
        OptForm form(context, m_printers, kFonts);
        QSignalSpy applied(&form, &OptForm::optionsApplied);
        form.show();
        click(form, "hide_printer1");
        control<QComboBox>(form, "hide_time")->setCurrentIndex(5);
        QVERIFY(!control<QCheckBox>(form, "leafQuickTurn")->isChecked());
        click(form, "leafQuickTurn");
        for (int press = 0; press < 3; ++press)
            click(form, "pageSFUp");
        click(form, "textSFDown");
        QCOMPARE(control<QLabel>(form, "pageSFcap")->text(), QStringLiteral("100"));
        click(form, "okBut");

        QCOMPARE(context.settings.hidePrinterTime, 10);
        QCOMPARE(context.settings.leaftletTurnAngle, 45);
        QCOMPARE(context.settings.printZoomSFPC, 100);
        QCOMPARE(context.settings.fontSFatPrintPC, 89);
        QCOMPARE(applied.size(), 1);
        const auto effects = applied.first().first().value<OptionsEffects>();
        QCOMPARE(effects.printButton, OptionsEffects::PrintButton::Show);
        QVERIFY(effects.clearHideCountDown);
    }

    void printerChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<bool>("printers");
        const QString gone = QStringLiteral("Gone");
        const QString laser = QStringLiteral("Laser");
        test::addRow("missing printer: default shown, name kept", gone, QStringLiteral("Inkjet"),
                     QString(), gone, true);
        test::addRow("picking stores the device name", gone, QStringLiteral("Inkjet"), laser, laser,
                     true);
        test::addRow("no printers: the list is off, the name kept", laser, QString(), QString(),
                     laser, false);
    }
    void printerChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, pick);
        QFETCH(QString, applied);
        QFETCH(bool, printers);
        AppContext context{Environment{}};
        context.settings.iniPrinterName = stored;
        ImagePrinterProvider none;
        OptForm form(context, printers ? m_printers : none, kFonts);
        QSignalSpy spy(&form, &OptForm::optionsApplied);
        auto *list = control<QComboBox>(form, "PrinterCombo");
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(list->isEnabled(), printers);
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

    void initTestCase()
    {
        QVERIFY(QDir(m_elsewhere.path()).mkpath(QStringLiteral("class 3/stories")));
    }

    void opensOnTheStoredChoice_data()
    {
        QTest::addColumn<bool>("myDocuments");
        QTest::newRow("MYDOCS: lists off") << true;
        QTest::newRow("a folder: lists on and pointing at it") << false;
    }
    void opensOnTheStoredChoice()
    {
        QFETCH(bool, myDocuments);
        const QString folder = QDir::cleanPath(m_elsewhere.filePath(QStringLiteral("class 3")));
        AppContext context = makeContext(myDocuments ? QStringLiteral("MYDOCS") : folder);
        FileStoreForm form(context);
        auto *tree = form.findChild<QTreeView *>("Dir1");
        QCOMPARE(form.findChild<QRadioButton *>("UseOtherFolder")->isChecked(), !myDocuments);
        QCOMPARE(form.findChild<QComboBox *>("Drive1")->isEnabled(), !myDocuments);
        QCOMPARE(tree->isEnabled(), !myDocuments);
        if (!myDocuments)
            QCOMPARE(form.chosenFolder(), folder);

        // The chosen folder stays in sight while the folders around it load and sort.
        form.show();
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
        // Rows still arriving on a busy machine may move it for a moment; it comes back.
        QTest::qWait(100);
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));

        // The option buttons switch the lists either way.
        click(form, myDocuments ? "UseOtherFolder" : "UseMyDocs");
        QCOMPARE(tree->isEnabled(), myDocuments);
    }

    void okStoresTheChoice_data()
    {
        QTest::addColumn<bool>("myDocuments");
        QTest::addColumn<QString>("subFolder");
        QTest::addColumn<bool>("documentsKnown");
        QTest::newRow("documents folder") << true << "" << true;
        QTest::newRow("documents folder unknown: no working folder") << true << "" << false;
        QTest::newRow("a folder with spaces") << false << "class 3/stories" << true;
    }
    void okStoresTheChoice()
    {
        QFETCH(bool, myDocuments);
        QFETCH(QString, subFolder);
        QFETCH(bool, documentsKnown);
        const QString folder = QDir::cleanPath(m_elsewhere.filePath(subFolder));
        AppContext context = makeContext(myDocuments ? QDir::tempPath() : QStringLiteral("MYDOCS"));
        if (!documentsKnown)
            context.env.folders.documents.clear();
        FileStoreForm form(context);
        form.show();
        click(form, myDocuments ? "UseMyDocs" : "UseOtherFolder");
        if (!myDocuments) {
            // Pick it in the folder list as the teacher would.
            auto *tree = form.findChild<QTreeView *>("Dir1");
            auto *model = qobject_cast<QFileSystemModel *>(tree->model());
            QVERIFY(model);
            tree->setCurrentIndex(model->index(folder));
        }
        click(form, "okBut");

        const QString working =
            myDocuments ? (documentsKnown ? m_documents.path() : QString()) : folder;
        QCOMPARE(context.dialogAnswer, QStringLiteral("OK"));
        QCOMPARE(context.settings.workingDir, myDocuments ? QStringLiteral("MYDOCS") : folder);
        QCOMPARE(context.folders.working, working);
        QCOMPARE(context.fileDialogFolder, working);
        QCOMPARE(context.importDialogFolder, working);
        QVERIFY(!form.isVisible());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "cancelBut";
        QTest::newRow("Escape") << "";
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, way);
        AppContext context = makeContext(QStringLiteral("MYDOCS"));
        FileStoreForm form(context);
        form.show();
        click(form, "UseOtherFolder");
        form.showFolder(m_elsewhere.path());
        if (way.isEmpty())
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            click(form, way);
        QCOMPARE(context.dialogAnswer, QStringLiteral("Cancel"));
        QCOMPARE(context.settings.workingDir, QStringLiteral("MYDOCS"));
        QCOMPARE(context.folders.working, QStringLiteral("/old/working"));
        QCOMPARE(context.fileDialogFolder, QStringLiteral("/old/files"));
        QCOMPARE(context.importDialogFolder, QStringLiteral("/old/pictures"));
    }
};

QTEST_MAIN(TestOptForm)
#include "tst_optform.moc"
