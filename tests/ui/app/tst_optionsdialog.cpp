// The options dialog: OK hands on what its controls show and nothing else, Cancel nothing at all;
// and the working folder chosen in its own dialog, which opens on the stored choice, stores what
// OK chose and leaves everything as it was on Cancel.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "ui/app/folderchoicedialog.h"
#include "ui/app/optionsdialog.h"

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
    // A teacher who opens the options and presses OK changes nothing: not a number of minutes
    // the list lacks, not a printer or font this machine lacks, not one check box.
    void untouchedOkKeepsWhatIsStored()
    {
        AppContext context{Environment{}};
        Settings &s = context.settings;
        s.printButtonHiddenMinutes = 7;
        s.printerName = QStringLiteral("Gone");
        s.fontSlots[1] = QStringLiteral("Not Here");
        s.showCopiesChoice = s.darkerFrames = s.onScreenKeyboard = true;
        s.pullDownString = s.offerWebcam = false;
        const Settings before = s;
        OptionsDialog form(context, m_printers, kFonts);
        QCOMPARE(control<QComboBox>(form, "PrinterCombo")->currentText(), QStringLiteral("Inkjet"));
        form.show();
        click(form, "okBut");
        QCOMPARE(options::fromSettings(s), options::fromSettings(before));
        QCOMPARE(s.printerName, QStringLiteral("Gone"));
    }

    // The rules behind each control are checked without a window; here, that OK hands on what
    // every control shows.
    void okAppliesWhatTheControlsShow()
    {
        AppContext context{Environment{}};
        Settings &s = context.settings;
        s.printButtonHiddenMinutes = 3;
        s.turnDegreesPerTick = 15;
        s.printZoomPercent = 99;
        s.printFontPercent = 90;
        s.showCopiesChoice = s.darkerFrames = s.onScreenKeyboard = true;
        s.pullDownString = s.offerWebcam = false;
        OptionsDialog form(context, m_printers, kFonts);
        QSignalSpy applied(&form, &OptionsDialog::optionsApplied);
        form.show();
        click(form, "hide_printer1");
        control<QComboBox>(form, "hide_time")->setCurrentIndex(5);
        for (const char *check : {"showNumCopiesCheck", "StringCheck", "darkerFrameCheck",
                                  "keybdCheck", "leafQuickTurn", "webCamCheck", "readAloudCheck",
                                  "letterVoiceCheck", "longPressCheck", "stylusPressureCheck"})
            click(form, QString::fromLatin1(check));
        for (int press = 0; press < 3; ++press)
            click(form, "pageSFUp");
        click(form, "textSFDown");
        QCOMPARE(control<QLabel>(form, "pageSFcap")->text(), QStringLiteral("100"));
        auto *printers = control<QComboBox>(form, "PrinterCombo");
        printers->setCurrentIndex(printers->findText(QStringLiteral("Laser")));
        emit printers->activated(printers->currentIndex());
        control<QComboBox>(form, "fontNameDrop0")->setCurrentText(QStringLiteral("Gamma Script"));
        click(form, "okBut");

        QCOMPARE(s.printButtonHiddenMinutes, 10);
        QCOMPARE((QList<bool>{s.showCopiesChoice, s.pullDownString, s.darkerFrames,
                              s.onScreenKeyboard, s.offerWebcam, s.readAloud, s.speakLetters,
                              s.longPressMenu, s.stylusPressure}),
                 (QList<bool>{false, true, false, false, true, false, true, false, false}));
        QCOMPARE(s.turnDegreesPerTick, 45);
        QCOMPARE(s.printZoomPercent, 100);
        QCOMPARE(s.printFontPercent, 89);
        QCOMPARE(s.printerName, QStringLiteral("Laser"));
        QCOMPARE(s.fontSlots[0], QStringLiteral("Gamma Script"));
        QCOMPARE(applied.size(), 1);
        const auto effects = applied.first().first().value<OptionsEffects>();
        QCOMPARE(effects.printButton, OptionsEffects::PrintButton::Show);
        QVERIFY(effects.clearHideCountDown);
        QCOMPARE(effects.printerName, QStringLiteral("Laser"));
        QCOMPARE(effects.frameColour, 0xC0C0C0u);
        QVERIFY(effects.webCamButtonVisible);
    }

    // OK's press returns with the options in force, before the dialog unwinds: a press an
    // assistive tool sends straight after it (the print button's, say) meets them.
    void okAppliesBeforeItsPressReturns()
    {
        AppContext context{Environment{}};
        bool applied = false;
        bool appliedWhenPressReturned = false;
        QTimer::singleShot(0, [&] {
            auto *form = qobject_cast<OptionsDialog *>(QApplication::activeModalWidget());
            if (!form)
                qFatal("the options dialog is not up");
            control<QAbstractButton>(*form, "okBut")->click();
            appliedWhenPressReturned = applied;
        });
        OptionsDialog::open(context, m_printers, nullptr,
                            [&](const OptionsEffects &) { applied = true; });
        QVERIFY(appliedWhenPressReturned);
    }

    void cancelAppliesNothing()
    {
        AppContext context{Environment{}};
        context.settings.printButtonHiddenMinutes = 5;
        context.settings.printerName = QStringLiteral("Gone");
        const Settings before = context.settings;
        OptionsDialog form(context, m_printers, kFonts);
        QSignalSpy applied(&form, &OptionsDialog::optionsApplied);
        form.show();
        click(form, "hide_printer2");
        for (const char *check :
             {"showNumCopiesCheck", "StringCheck", "darkerFrameCheck", "keybdCheck",
              "leafQuickTurn", "webCamCheck", "readAloudCheck", "letterVoiceCheck"})
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
        OptionsDialog form(context, m_printers, kFonts);
        QCOMPARE(control<QLineEdit>(form, "FileStoreText")->text(), QStringLiteral("My Documents"));
        form.show();
        bool optionsHiddenMeanwhile = false;
        QTimer::singleShot(0, this, [&] {
            auto *store = qobject_cast<FolderChoiceDialog *>(QApplication::activeModalWidget());
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
        FolderChoiceDialog form(context);
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
        FolderChoiceDialog form(context);
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
        QCOMPARE(form.answer(), DialogAnswer::Yes);
        QCOMPARE(context.settings.workingDir, myDocuments ? QStringLiteral("MYDOCS") : folder);
        QCOMPARE(context.folders.working, working);
        QCOMPARE(context.fileDialogFolder, working);
        QCOMPARE(context.importDialogFolder, working);
        QVERIFY(!form.isVisible());
    }

    void cancelChangesNothing()
    {
        AppContext context = makeContext(QStringLiteral("MYDOCS"));
        FolderChoiceDialog form(context);
        form.show();
        click(form, "UseOtherFolder");
        form.showFolder(m_elsewhere.path());
        click(form, "cancelBut");
        QCOMPARE(form.answer(), DialogAnswer::No);
        QCOMPARE(context.settings.workingDir, QStringLiteral("MYDOCS"));
        QCOMPARE(context.folders.working, QStringLiteral("/old/working"));
        QCOMPARE(context.fileDialogFolder, QStringLiteral("/old/files"));
        QCOMPARE(context.importDialogFolder, QStringLiteral("/old/pictures"));
    }
};

QTEST_MAIN(TestOptForm)
#include "tst_optionsdialog.moc"
