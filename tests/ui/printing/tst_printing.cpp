// The print dialog's rules and the print command end to end: through picture printers, and
// through "Save as PDF…" with the PDF rasterised to check where things landed.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "platform/printing.h"
#include "support/pixelcheck.h"
#include "support/samplepage.h"
#include "ui/app/picturebutton.h"
#include "ui/doctypes/documenttoolbar.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/printing/printcontroller.h"
#include "ui/printing/printform.h"

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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
    void copiesListShown_data();
    void copiesListShown();
    void copiesWordsFollowTheLanguage();
    void paperWarning_data();
    void paperWarning();
    void choosingRemembersThePrinter();
    void printCommandPrintsTheCopies();
    void printCommandFailures();
    void printButtonHiddenAfterPrint_data();
    void printButtonHiddenAfterPrint();
    void saveAsPdfPlacesThePage();
};

void PrintingTest::copiesListShown_data()
{
    QTest::addColumn<bool>("setting");
    QTest::addColumn<bool>("banner");
    QTest::addColumn<bool>("shown");
    QTest::newRow("off") << false << false << false;
    QTest::newRow("on") << true << false << true;
    QTest::newRow("banner never") << true << true << false;
}

void PrintingTest::copiesListShown()
{
    QFETCH(bool, setting);
    QFETCH(bool, banner);
    AppContext context{Environment{}};
    context.settings.showNumCopiesCombo = setting;
    ImagePrinterProvider printers = classroomPrinters();
    PrintForm form(context, printers, banner);
    form.load();
    QTEST(form.copiesList()->isVisibleTo(&form), "shown");
    QTEST(form.copiesCaption()->isVisibleTo(&form), "shown");
    form.copiesList()->setCurrentIndex(3);
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    QCOMPARE(context.dialogAnswer, QStringLiteral("Yes"));
    // Copies from the list only when it is shown; otherwise one.
    QCOMPARE(form.choice().copies, setting && !banner ? 4 : 1);
}

void PrintingTest::copiesWordsFollowTheLanguage()
{
    AppContext context{Environment{}};
    context.settings.showNumCopiesCombo = true;
    ImagePrinterProvider printers = classroomPrinters();
    {
        PrintForm form(context, printers, false);
        form.load();
        QCOMPARE(form.copiesList()->itemText(0), QStringLiteral("1 page"));
        QCOMPARE(form.copiesList()->itemText(1), QStringLiteral("2 pages"));
        QCOMPARE(form.copiesList()->count(), PrintForm::kMostCopies);
    }
    context.translator.loadFromBytes("\"page\",\"feuille\"\n\"pages\",\"feuilles\"\n");
    PrintForm form(context, printers, false);
    form.show();
    QCOMPARE(form.copiesList()->itemText(0), QStringLiteral("1 feuille"));
    QCOMPARE(form.copiesList()->itemText(2), QStringLiteral("3 feuilles"));
    QCOMPARE(form.copiesList()->currentIndex(), 0);
    form.close();
}

void PrintingTest::paperWarning_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("warnSetting");
    QTest::addColumn<bool>("warned");
    QTest::newRow("A4") << QStringLiteral("Hall A4") << true << false;
    QTest::newRow("Letter") << QStringLiteral("Office Letter") << true << true;
    QTest::newRow("Letter, warning off") << QStringLiteral("Office Letter") << false << false;
}

void PrintingTest::paperWarning()
{
    QFETCH(QString, printer);
    QFETCH(bool, warnSetting);
    AppContext context{Environment{}};
    context.settings.warnIfNotA4 = warnSetting;
    context.settings.iniPrinterName = printer;
    ImagePrinterProvider printers = classroomPrinters();
    PrintForm form(context, printers, false);
    form.load();
    QCOMPARE(form.printerCaption()->text(), printer);
    QCOMPARE(form.printerList()->currentText(), printer);
    QTEST(form.paperWarning()->isVisibleTo(&form), "warned");
    QCOMPARE(form.paperWarning()->text(), QStringLiteral("Check printer is set to A4"));
}

void PrintingTest::choosingRemembersThePrinter()
{
    AppContext context{Environment{}};
    context.settings.iniPrinterName = QStringLiteral("Gone away");
    ImagePrinterProvider printers = classroomPrinters();
    PrintForm form(context, printers, false);
    form.load();
    QCOMPARE(form.printerCaption()->text(), QStringLiteral("Hall A4")); // the default
    QVERIFY(!form.paperWarning()->isVisibleTo(&form));
    form.printerList()->setCurrentIndex(1);
    emit form.printerList()->textActivated(form.printerList()->currentText());
    QCOMPARE(context.settings.iniPrinterName, QStringLiteral("Office Letter"));
    QCOMPARE(form.printerCaption()->text(), QStringLiteral("Office Letter"));
    QVERIFY(form.paperWarning()->isVisibleTo(&form));
    QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
    QCOMPARE(context.dialogAnswer, QStringLiteral("No"));
}

void PrintingTest::printCommandPrintsTheCopies()
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
    QCOMPARE(printers.lastPages().size(), 2);
    // The red picture fills the printable width less its margins: page x 10..190 of 200.
    const QRect red = boundsOf(printers.lastPages().first(), qRgb(255, 0, 0));
    const double scale = (kA4.width() - 16) * 1.0 / 200;
    QVERIFY(qAbs(red.left() - (8 + 10 * scale)) <= 1);
    QVERIFY(qAbs(red.right() - (8 + 190 * scale)) <= 2);

    // A dialog cancelled prints nothing.
    controller.setChooser([] { return std::nullopt; });
    controller.printCommand();
    QCOMPARE(printers.jobsFinished(), 1);
}

void PrintingTest::printCommandFailures()
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

void PrintingTest::printButtonHiddenAfterPrint_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<bool>("shownAtStart");
    QTest::addColumn<bool>("shownAfterPrint");
    QTest::addColumn<int>("ticksToReturn");
    QTest::newRow("0: never hidden") << 0 << true << true << 0;
    QTest::newRow("2: back on the second tick") << 2 << true << false << 2;
    QTest::newRow("-1: never shown") << -1 << false << false << -1;
}

void PrintingTest::printButtonHiddenAfterPrint()
{
    QFETCH(int, setting);
    QFETCH(int, ticksToReturn);
    AppContext context{Environment{}};
    context.settings.hidePrinterTime = setting;
    SimplePageWindow window(context);
    QVERIFY(window.loadTemplate(QUILLORA_SOURCE_DIR "/data/layouts/simple/simple.xml"));
    ImagePrinterProvider printers = classroomPrinters();
    PrintController controller(context, printers);
    controller.setChooser([] { return PrintChoice{QStringLiteral("Hall A4"), 1}; });
    controller.attach(&window);
    QWidget *printBut = window.findChild<QWidget *>(QStringLiteral("printBut"));
    QVERIFY(printBut);
    QTEST(window.toolbar()->isButtonShown(ToolbarAction::Print), "shownAtStart");

    emit window.printRequested();
    QCOMPARE(printers.jobsFinished(), 1);
    QTEST(window.toolbar()->isButtonShown(ToolbarAction::Print), "shownAfterPrint");
    QCOMPARE(controller.hideTimer().objectName(), QStringLiteral("hide_printer_but"));
    QCOMPARE(controller.hideTimer().interval(), 60000);
    QCOMPARE(controller.hideTimer().isActive(), ticksToReturn > 0);
    for (int tick = 1; tick <= std::max(ticksToReturn, 3); ++tick) {
        controller.hideTimerTicked();
        const bool back = ticksToReturn >= 0 && tick >= ticksToReturn;
        QCOMPARE(window.toolbar()->isButtonShown(ToolbarAction::Print), back);
    }
    QVERIFY(!controller.hideTimer().isActive());
}

void PrintingTest::saveAsPdfPlacesThePage()
{
    const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (rasteriser.isEmpty())
        QSKIP("pdftoppm is not installed");
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    AppContext context{Environment{}};
    context.page = fullSimplePage();
    int asked = 0;
    SystemPrinterProvider printers([&] {
        ++asked;
        return pdf;
    });
    QCOMPARE(printers.deviceNames().last(), kSaveAsPdfName);
    PrintController controller(context, printers);
    controller.setChooser([] { return PrintChoice{kSaveAsPdfName, 1}; });
    controller.setMessageHandler([](const QString &text) { QFAIL(qPrintable(text)); });
    controller.printCommand();
    QCOMPARE(asked, 1);
    QVERIFY(QFileInfo::exists(pdf));

    // 50 dots per inch: A4 is 413 × 585, the 5 mm margin 10 pixels.
    QProcess run;
    run.start(rasteriser,
              {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
               QStringLiteral("-singlefile"), pdf, folder.filePath(QStringLiteral("page"))});
    QVERIFY(run.waitForFinished(30000));
    QImage sheet(folder.filePath(QStringLiteral("page.png")));
    QVERIFY(!sheet.isNull());
    sheet = sheet.convertToFormat(QImage::Format_RGB32);
    QVERIFY(qAbs(sheet.width() - 413) <= 1);
    const double margin = 5.0 / 25.4 * 50;
    const double scale = (sheet.width() - 2 * margin) / 200.0;
    QRect red;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb pixel = sheet.pixel(x, y);
            if (qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60)
                red |= QRect(x, y, 1, 1);
        }
    QVERIFY2(qAbs(red.left() - (margin + 10 * scale)) <= 2,
             qPrintable(QString::number(red.left())));
    QVERIFY2(qAbs(red.top() - (margin + 10 * scale)) <= 2, qPrintable(QString::number(red.top())));
    QVERIFY(qAbs(red.width() - 180 * scale) <= 2);
    // Text is on the sheet, below the pictures.
    int ink = 0;
    for (int y = int(margin + 160 * scale); y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            ink += qGray(sheet.pixel(x, y)) < 100 ? 1 : 0;
    QVERIFY(ink > 50);

    // A file dialog called off is no error and writes nothing.
    SystemPrinterProvider cancelled([] { return QString(); });
    PrintController again(context, cancelled);
    again.setChooser([] { return PrintChoice{kSaveAsPdfName, 1}; });
    again.setMessageHandler([](const QString &text) { QFAIL(qPrintable(text)); });
    QSignalSpy printed(&again, &PrintController::printed);
    again.printCommand();
    QCOMPARE(printed.count(), 0);
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
