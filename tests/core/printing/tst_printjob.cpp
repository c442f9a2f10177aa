// Printing a page on a picture printer: the A4 check, the scale, orientation, copies, every
// kind's sheets, and the print button's hiding.

#include "core/doctypes/pagefamily.h"
#include "core/foundation/settings.h"
#include "core/printing/imageprintdevice.h"
#include "core/printing/pdfprintdevice.h"
#include "core/printing/printbuttonhiding.h"
#include "core/printing/printjob.h"
#include "support/pixelcheck.h"
#include "support/rows.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;
using namespace quillora::test;

Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

// An A4 sheet at 50 dots per inch, with 10-pixel unprintable margins.
const QSize kA4At50Dpi(413, 585);
const QMargins kMargins(10, 12, 10, 12);

} // namespace

class PrintJobTest : public QObject {
    Q_OBJECT
private slots:
    // The printer used is the remembered one while it is there; a missing one falls back to the
    // system default, then to the first printer, without forgetting the remembered name.
    void chosenDevice_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("systemDefault");
        QTest::addColumn<QString>("chosen");
        const auto row = [](const char *name, const char *remembered, const char *systemDefault,
                            const char *chosen) {
            QTest::newRow(name) << remembered << systemDefault << chosen;
        };
        row("remembered and present", "Inkjet", "Laser", "Inkjet");
        row("remembered but gone", "Old one", "Laser", "Laser");
        row("nothing remembered", "", "Laser", "Laser");
        row("default not installed", "", "Gone", "Inkjet");
    }
    void chosenDevice()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, systemDefault);
        const ImagePrinterProvider printers({{QStringLiteral("Inkjet"), QSize(100, 141), {}},
                                             {QStringLiteral("Laser"), QSize(100, 141), {}}},
                                            systemDefault);
        QTEST(chosenDeviceName(printers, remembered), "chosen");
        QCOMPARE(chosenDeviceName(ImagePrinterProvider(), remembered), QString());
    }

    void paperIsNotA4_data()
    {
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<bool>("notA4");
        QTest::newRow("A4 portrait, mm") << QSizeF(210, 297) << false;
        QTest::newRow("A4 landscape, mm") << QSizeF(297, 210) << false;
        QTest::newRow("Letter 8.5 x 11 in") << QSizeF(612, 792) << true;
        QTest::newRow("A5 is A4's shape") << QSizeF(148, 210) << false;
        QTest::newRow("just within") << QSizeF(210, 297 * 210.0 / (210 + 0.049 * 297)) << false;
        QTest::newRow("no size") << QSizeF(0, 0) << true;
    }

    void paperIsNotA4()
    {
        QFETCH(QSizeF, paper);
        QTEST(quillora::paperIsNotA4(paper), "notA4");
    }

    void settingsClamped_data()
    {
        QTest::addColumn<int>("fontPercent");
        QTest::addColumn<int>("zoomPercent");
        QTest::addColumn<int>("copies");
        QTest::addColumn<double>("fontFactor");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("printedCopies");
        QTest::newRow("font 50 prints at 85") << 50 << 85 << 3 << 0.85 << 0.85 << 3;
        QTest::newRow("font 120 prints at 100") << 120 << 120 << 0 << 1.0 << 1.0 << 1;
        QTest::newRow("absurd copies") << 90 << 10 << 100000 << 0.90 << 0.85 << kMaxPrintCopies;
    }

    void settingsClamped()
    {
        QFETCH(int, fontPercent);
        QFETCH(int, zoomPercent);
        QFETCH(int, copies);
        Settings settings;
        settings.printFontPercent = fontPercent;
        settings.printZoomPercent = zoomPercent;
        const PrintSettings print = PrintSettings::from(settings, copies);
        QTEST(print.fontFactor, "fontFactor");
        QTEST(print.zoom, "zoom");
        QTEST(print.copies, "printedCopies");
    }

    void pagePrintedFromPrintableCorner()
    {
        PageModel page = emptyPrintPage();
        page.pictureBoxes = {pictureBox({20, 40, 100, 50}, filledPicture({10, 10}, Qt::red))};
        ImagePrintDevice device(QStringLiteral("picture"), kA4At50Dpi, kMargins);
        PrintSettings settings;
        settings.zoom = 0.9;
        settings.copies = 3;
        QCOMPARE(printDocument(page, device, settings).outcome, PrintOutcome::Printed);
        QCOMPARE(device.pages().size(), 3); // every copy on its own sheet
        QCOMPARE(device.orientation(), PageOrientation::Portrait);
        // Scaled by 393 * 0.9 / 200 from the printable corner (10, 12).
        QCOMPARE(boundsOf(device.pages().last(), qRgb(255, 0, 0)), QRect(45, 83, 177, 88));

        // A wide page turns the sheet; a square one counts as landscape too.
        page.pageRect.setSize(QSize(283, 200));
        QCOMPARE(printDocument(page, device, {}).outcome, PrintOutcome::Printed);
        QCOMPARE(device.pages().first().size(), kA4At50Dpi.transposed());
        page.pageRect.setSize(QSize(200, 200));
        QCOMPARE(orientationFor(page), PageOrientation::Landscape);
    }

    void repeatedCopiesNumberedAcrossTheSheet()
    {
        PageModel page = emptyPrintPage(DocumentKind::Multi);
        page.repeatCount = 4;
        page.textBoxes = {textBox({10, 10, 180, 60}, QStringLiteral("^"))};
        ImagePrintDevice device(QStringLiteral("picture"), kA4At50Dpi);
        PrintSettings settings;
        settings.copies = 2;
        QCOMPARE(printDocument(page, device, settings).outcome, PrintOutcome::Printed);
        QCOMPARE(device.pages().size(), 2);
        // The second sheet goes on from 5 to 8, so no two tickets carry the same number.
        QVERIFY(device.pages().at(0) != device.pages().at(1));
    }

    // Every copy on a sheet shows the same shaped picture: its edge is worked out once, and the
    // printer gets one picture for them all rather than one per copy, sheet after sheet.
    void shapedCopiesShareOnePicture()
    {
        PageModel page = emptyPrintPage(DocumentKind::Multi);
        PictureBoxModel shaped = pictureBox({20, 20, 160, 160}, filledPicture({80, 80}, Qt::red));
        shaped.mask = filledPicture({16, 16}, Qt::white);
        QPainter(&shaped.mask).fillRect(4, 4, 8, 8, Qt::black);
        shaped.hasMaskPicture = true;
        page.pictureBoxes = {shaped};
        QTemporaryDir folder;
        const auto picturesSent = [&](int copiesOnSheet, int sheets) {
            page.repeatCount = copiesOnSheet;
            PrintSettings settings;
            settings.copies = sheets;
            const QString path = folder.filePath(QStringLiteral("%1.pdf").arg(copiesOnSheet));
            PdfPrintDevice pdf([&] { return path; });
            if (printDocument(page, pdf, settings).outcome != PrintOutcome::Printed)
                return -1;
            return int(readFile(path).count("/Subtype /Image"));
        };
        const int one = picturesSent(2, 1);
        QVERIFY(one > 0);
        QCOMPARE(picturesSent(12, 3), one);
    }

    void failuresReported()
    {
        ImagePrintDevice device(QStringLiteral("picture"), kA4At50Dpi);
        device.setFailing(true);
        const PrintResult failed = printDocument(fullSimplePage(), device, {});
        QCOMPARE(failed.outcome, PrintOutcome::Failed);
        QVERIFY(!failed.detail.isEmpty());

        device.setFailing(false);
        QCOMPARE(printDocument(emptyPrintPage(DocumentKind::Table), device, {}).outcome,
                 PrintOutcome::NotAvailable);
        PageModel noSize = emptyPrintPage();
        noSize.pageRect = QRect();
        QCOMPARE(printDocument(noSize, device, {}).outcome, PrintOutcome::Failed);
        QVERIFY(device.pages().isEmpty());

        // One copy is one sheet, and a count below one still prints the page once.
        QCOMPARE(printDocument(fullSimplePage(), device, {}).outcome, PrintOutcome::Printed);
        const QList<QImage> once = device.pages();
        QCOMPARE(once.size(), 1);
        PrintSettings none;
        none.copies = 0;
        QCOMPARE(printDocument(fullSimplePage(), device, none).outcome, PrintOutcome::Printed);
        QCOMPARE(device.pages(), once);

        // A PDF that cannot be created is not started, and says why.
        QTemporaryDir folder;
        PdfPrintDevice pdf([&] { return folder.filePath(QStringLiteral("missing/page.pdf")); });
        QString error;
        QVERIFY(!pdf.begin(&error));
        QVERIFY(!error.isEmpty());
        const PrintResult unwritable = printDocument(fullSimplePage(), pdf, {});
        QCOMPARE(unwritable.outcome, PrintOutcome::Failed);
        QCOMPARE(unwritable.detail, error);
    }

    // Every kind prints through its family: each copy on the sheets it needs, in the kind's
    // orientation, each sheet showing the page's pictures.
    void everyKindPrintsItsCopies_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("layout"); // the template, where the kind has one
        QTest::addColumn<int>("sheets");     // for one copy
        QTest::addColumn<bool>("landscape");
        addRow("circle", DocumentKind::Circle, QString(), 1, true);
        addRow("table", DocumentKind::Table, QString(), 1, true);
        addRow("anywhere", DocumentKind::Anywhere, QString(), 1, true);
        addRow("comic", DocumentKind::ComicStrip, QStringLiteral("cartoon/four squares.xml"), 1,
               true);
        addRow("postcard", DocumentKind::Postcard, QStringLiteral("postcard/page0.xml"), 2, true);
        addRow("booklet", DocumentKind::Booklet, QStringLiteral("booklet/my book.xml"), 1, false);
        addRow("large leaflet", DocumentKind::Leaflet, QStringLiteral("leaflet large/a trip.xml"),
               2, true);
    }

    void everyKindPrintsItsCopies()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, layout);
        QFETCH(int, sheets);
        QFETCH(bool, landscape);
        PageModel page;
        page.documentType = kind;
        QString error;
        QVERIFY2(pageFamilyFor(kind)->buildNewPage(
                     page, QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/") + layout,
                     documentWindowFit(1280, 800, kind), &error),
                 qPrintable(error));
        for (PictureBoxModel &box : page.pictureBoxes)
            box.image = filledPicture(box.geometry.size().expandedTo({1, 1}), Qt::red);
        ImagePrintDevice device(QStringLiteral("picture"), kA4At50Dpi, kMargins);
        PrintSettings settings;
        settings.copies = 3;
        QCOMPARE(printPage(page, device, settings).outcome, PrintOutcome::Printed);
        QCOMPARE(device.pages().size(), 3 * sheets);
        for (const QImage &sheet : device.pages()) {
            QCOMPARE(sheet.width() > sheet.height(), landscape);
            QVERIFY(countPixels(sheet, qRgb(255, 0, 0)) > 0);
        }
    }

    void printButtonHiding_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<bool>("shownBefore");
        // Visibility after the print, then after each of four one-minute ticks.
        QTest::addColumn<QList<bool>>("shown");
        QTest::newRow("never hidden") << 0 << true << QList<bool>{true, true, true, true, true};
        QTest::newRow("2 minutes") << 2 << true << QList<bool>{false, false, true, true, true};
        test::addRow("never shown", -1, false, QList<bool>{false, false, false, false, false});
    }

    void printButtonHiding()
    {
        QFETCH(int, setting);
        QFETCH(QList<bool>, shown);
        PrintButtonHiding hiding(setting);
        QTEST(hiding.buttonVisible(), "shownBefore");
        hiding.afterPrint();
        QCOMPARE(hiding.buttonVisible(), shown.at(0));
        for (int tick = 1; tick < shown.size(); ++tick) {
            hiding.tick();
            QCOMPARE(hiding.buttonVisible(), shown.at(tick));
        }
        QVERIFY(!hiding.ticking());
        // A second print starts the wait again from the full setting.
        hiding.afterPrint();
        QCOMPARE(hiding.minutesLeft(), setting);
    }
};

QTEST_MAIN(PrintJobTest)
#include "tst_printjob.moc"
