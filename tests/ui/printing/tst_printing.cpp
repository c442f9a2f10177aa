// The print dialog's rules and the print command end to end through picture printers, and a
// print hiding the print button for a while.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "platform/printing.h"
#include "support/samplepage.h"
#include "support/windowfixture.h"
#include "ui/document/documenttoolbar.h"
#include "ui/kit/picturebutton.h"
#include "ui/printing/printcontroller.h"
#include "ui/printing/printdialog.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QSize kA4(413, 585);
const QSize kLetter(425, 550);

ImagePrinterProvider classroomPrinters()
{
    return ImagePrinterProvider({{QStringLiteral("Hall A4"), kA4, {8, 8, 8, 8}},
                                 {QStringLiteral("Office Letter"), kLetter, {8, 8, 8, 8}}},
                                QStringLiteral("Hall A4"));
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void copiesList_data()
    {
        QTest::addColumn<bool>("setting");
        QTest::addColumn<bool>("banner");
        QTest::addColumn<bool>("shown");
        QTest::newRow("off") << false << false << false;
        QTest::newRow("on") << true << false << true;
        QTest::newRow("banner never") << true << true << false;
    }

    void copiesList()
    {
        QFETCH(bool, setting);
        QFETCH(bool, banner);
        AppContext context{Environment{}};
        context.settings.showCopiesChoice = setting;
        context.translator.loadFromBytes("\"page\",\"feuille\"\n\"pages\",\"feuilles\"\n");
        ImagePrinterProvider printers = classroomPrinters();
        PrintDialog form(context, printers, banner);
        form.load();
        QTEST(form.copiesList()->isVisibleTo(&form), "shown");
        QTEST(form.copiesCaption()->isVisibleTo(&form), "shown");
        form.show(); // the words are put through the language file as the form is shown
        QCOMPARE(form.copiesList()->itemText(2), QStringLiteral("3 feuilles"));
        form.copiesList()->setCurrentIndex(3);
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
        QCOMPARE(form.answer(), DialogAnswer::Yes);
        // Copies from the list only when it is shown; otherwise one.
        QCOMPARE(form.choice().copies, setting && !banner ? 4 : 1);
    }

    void paperWarningFollowsThePrinter()
    {
        AppContext context{Environment{}};
        context.settings.printerName = QStringLiteral("Gone away");
        ImagePrinterProvider printers = classroomPrinters();
        PrintDialog form(context, printers, false);
        form.load();
        QCOMPARE(form.printerCaption()->text(), QStringLiteral("Hall A4")); // the default
        QVERIFY(!form.paperWarning()->isVisibleTo(&form));
        form.printerList()->setCurrentIndex(1);
        emit form.printerList()->textActivated(form.printerList()->currentText());
        QCOMPARE(context.settings.printerName, QStringLiteral("Office Letter"));
        QVERIFY(form.paperWarning()->isVisibleTo(&form));
        QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
        QCOMPARE(form.answer(), DialogAnswer::No);

        // With the warning switched off, Letter paper goes unremarked.
        context.settings.warnIfNotA4 = false;
        PrintDialog quiet(context, printers, false);
        quiet.load();
        QCOMPARE(quiet.printerList()->currentText(), QStringLiteral("Office Letter"));
        QVERIFY(!quiet.paperWarning()->isVisibleTo(&quiet));
    }

    // Folded kinds show their folds, numbered, with a sentence each, in the language file's
    // words; the large leaflet, printed on both sides, says how to turn the sheet over.
    void foldedKindsShowHowToFold_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<int>("pageHeightMm");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("turnOver");
        QTest::newRow("simple page") << DocumentKind::Simple << 0 << 0 << false;
        QTest::newRow("booklet") << DocumentKind::Booklet << 148 << 2 << false;
        QTest::newRow("card") << DocumentKind::Card << 148 << 2 << false;
        QTest::newRow("large leaflet") << DocumentKind::Leaflet << 210 << 2 << true;
        QTest::newRow("small leaflet") << DocumentKind::Leaflet << 105 << 3 << false;
    }
    void foldedKindsShowHowToFold()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(int, pageHeightMm);
        QFETCH(int, steps);
        AppContext context{Environment{}};
        context.page.documentType = kind;
        context.page.pageHeightMm = pageHeightMm;
        context.translator.loadFromBytes("\"How to fold\",\"Pliage\"\n");
        ImagePrinterProvider printers = classroomPrinters();
        PrintDialog form(context, printers, false);
        form.show();
        auto *guide = form.findChild<QWidget *>(QStringLiteral("foldGuide"));
        QCOMPARE(guide != nullptr, steps > 0);
        if (!guide)
            return;
        QCOMPARE(guide->findChild<QLabel *>(QStringLiteral("foldTitleLabel"))->text(),
                 QStringLiteral("Pliage"));
        for (int i = 0; i <= steps; ++i) {
            auto *picture = guide->findChild<QLabel *>(QStringLiteral("foldStepPic%1").arg(i));
            auto *sentence = guide->findChild<QLabel *>(QStringLiteral("foldStepText%1").arg(i));
            QCOMPARE(picture != nullptr && sentence != nullptr, i < steps);
            if (picture)
                QVERIFY(!picture->pixmap().isNull() && !sentence->text().isEmpty());
        }
        QTEST(guide->findChild<QLabel *>(QStringLiteral("foldFlipNote")) != nullptr, "turnOver");
        QVERIFY(guide->findChild<QLabel *>(QStringLiteral("foldSizeNote")));
    }

    void printCommandPrintsTheCopies()
    {
        AppContext context{Environment{}};
        context.page = fullSimplePage();
        ImagePrinterProvider printers = classroomPrinters();
        PrintController controller(context, printers);
        controller.setChooser([] { return PrintChoice{QStringLiteral("Hall A4"), 2}; });
        QStringList messages;
        controller.setMessageHandler([&](const QString &text) { messages.append(text); });
        QSignalSpy printed(&controller, &PrintController::printed);
        controller.printCommand();
        QCOMPARE(printed.count(), 1);
        QVERIFY(messages.isEmpty());
        QCOMPARE(printers.lastPrinterName(), QStringLiteral("Hall A4"));
        // Where the page lands on the paper is the print job's rule, checked without a window.
        QCOMPARE(printers.lastPages().size(), 2);

        // A dialog cancelled prints nothing.
        controller.setChooser([] { return std::nullopt; });
        controller.printCommand();
        QCOMPARE(printers.jobsFinished(), 1);
    }

    void printCommandFailures()
    {
        AppContext context{Environment{}};
        context.page = fullSimplePage();
        QStringList messages;
        bool asked = false;
        {
            ImagePrinterProvider none;
            PrintController controller(context, none);
            controller.setMessageHandler([&](const QString &text) { messages.append(text); });
            controller.setChooser([&] {
                asked = true;
                return std::optional<PrintChoice>();
            });
            controller.printCommand();
        }
        QCOMPARE(messages,
                 QStringList{QStringLiteral("There are no printers available on this computer.")});
        QVERIFY(!asked);

        messages.clear();
        ImagePrinterProvider printers = classroomPrinters();
        printers.setFailing(true);
        PrintController controller(context, printers);
        controller.setMessageHandler([&](const QString &text) { messages.append(text); });
        controller.setChooser([] { return PrintChoice{QStringLiteral("Hall A4"), 1}; });
        QSignalSpy failed(&controller, &PrintController::printFailed);
        controller.printCommand();
        QCOMPARE(messages,
                 QStringList{QStringLiteral("There seems to be some problem with your Printer.")});
        QCOMPARE(failed.count(), 1);
        QVERIFY(!controller.hideTimer().isActive());
    }

    // The timing itself is checked without a window; here, that a print hides the button and the
    // ticks bring it back.
    void printButtonHiddenAfterPrint()
    {
        WindowFixture f;
        f.context.settings.printButtonHiddenMinutes = 2;
        f.printers = classroomPrinters();
        f.wire();
        QVERIFY(f.window->loadTemplate(QUILLORA_SOURCE_DIR "/data/layouts/simple/simple.xml"));
        auto *controller = f.controller<PrintController>();
        controller->setChooser([] { return PrintChoice{QStringLiteral("Hall A4"), 1}; });
        DocumentToolbar *toolbar = f.window->toolbar();
        QVERIFY(toolbar->isButtonShown(ToolbarAction::Print));
        emit f.window->printRequested();
        QCOMPARE(f.printers.jobsFinished(), 1);
        QVERIFY(!toolbar->isButtonShown(ToolbarAction::Print));
        QVERIFY(controller->hideTimer().isActive());
        controller->hideTimerTicked();
        QVERIFY(!toolbar->isButtonShown(ToolbarAction::Print));
        controller->hideTimerTicked();
        QVERIFY(toolbar->isButtonShown(ToolbarAction::Print));
        QVERIFY(!controller->hideTimer().isActive());
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
