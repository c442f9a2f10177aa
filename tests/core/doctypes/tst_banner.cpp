// Banners: the text limit, the letters across the sheets, the description and members read back
// (hostile values included), printing through the family, undo steps, and the start screen's
// thumbnails drawn as banners. The strip on screen and the printed sheets are the banner
// scenario's.

#include "core/doctypes/bannerdescription.h"
#include "core/doctypes/bannerdrawing.h"
#include "core/doctypes/bannerfamily.h"
#include "core/files/staging.h"
#include "core/foundation/settings.h"
#include "core/printing/imageprintdevice.h"
#include "core/doctypes/thumbnails.h"
#include "core/undo/undohistory.h"
#include "support/pixelwhere.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

const Settings kSettings;

// Red letters outlined in blue.
Banner bannerOf(const QString &text, BannerMode mode = BannerMode::Border, int thickness = 3)
{
    return Banner{text, QStringLiteral("Arial"), thickness, mode, 0xFFFFFF, 0x0000FF, 0xFF0000, {}};
}

// The five fonts, and a field 300 pixels wide in a 20-pixel font.
BannerReadRules rules()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    return {kSettings.fontSlots, BannerTextField{font, 300.0}};
}

PageModel bannerPage(const QString &text, BannerMode mode, bool painted)
{
    PageModel page;
    page.documentType = DocumentKind::Display;
    // Font names come back lower-cased from a description, as they always have.
    Banner banner{text, QStringLiteral("verdana"), 7, mode, 0xC0FFEE, 0x00D7FF, 0x800080, {}};
    if (painted) {
        banner.borderPicture = test::filledPicture(QSize(40, 40), Qt::magenta);
    }
    putBannerOnPage(page, std::move(banner));
    return page;
}

const BannerFamily kFamily;

} // namespace

class BannerTest : public QObject {
    Q_OBJECT
private slots:
    void textLimit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fieldHolds"); // the field is just wider than this
        QTest::addColumn<QString>("kept");
        const auto row = [](const char *name, const QString &typed, const char *holds,
                            const QString &kept) { QTest::newRow(name) << typed << holds << kept; };
        row("fits", "HELLO", "HELLO W", "HELLO");
        row("pasted too long", "HELLO THERE", "HELLO", "HELLO");
        row("an accent goes with its letter", QStringLiteral("CAFE\u0301"), "CAF", "CAF");
        row("breaks and controls", QStringLiteral("A\r\nB\tC\u0001\u007fD\u2028E"), "", "A B CD E");
        row("hard cap", QString(500, u'I'), "", QString(kMaxBannerTextLength, u'I'));
    }
    void textLimit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fieldHolds);
        BannerTextField field = rules().field;
        field.width = fieldHolds.isEmpty()
                          ? 0.0
                          : QFontMetricsF(field.font).horizontalAdvance(fieldHolds) + 0.5;
        QTEST(limitBannerText(typed, field), "kept");
    }

    // Cells run from 48 mm on the first sheet and from 10 mm on the others, end before 287 mm,
    // and go to the next sheet only when they would reach it; the letters and their outline
    // stay in their cells and the 105 mm line, and no border tile covers them.
    void layout_data()
    {
        QTest::addColumn<Banner>("banner");
        QTest::addColumn<int>("sheets");
        QTest::newRow("five letters") << bannerOf(QStringLiteral("hello")) << 1;
        QTest::newRow("four sheets") << bannerOf(QStringLiteral("HAPPY BIRTHDAY")) << 4;
        QTest::newRow("no border, chunky")
            << bannerOf(QStringLiteral("WWWWWWW"), BannerMode::NoBorder, 10) << 4;
        QTest::newRow("too wide for any sheet") << bannerOf(QStringLiteral("\u2E3B")) << 1;
        QTest::newRow("empty") << bannerOf({}) << 0;
    }
    void layout()
    {
        QFETCH(Banner, banner);
        QFETCH(int, sheets);
        const BannerLayout layout = layOutBanner(banner);
        QCOMPARE(layout.sheetCount, sheets);
        QString placed;
        for (int i = 0; i < layout.cells.size(); ++i) {
            const BannerCell &cell = layout.cells[i];
            placed += cell.character;
            const BannerCell *before = i > 0 ? &layout.cells[i - 1] : nullptr;
            const double beforeEnd = before ? before->xMm + before->widthMm : 0.0;
            if (!before || before->sheet != cell.sheet)
                QCOMPARE(cell.xMm,
                         cell.sheet == 0 ? kBannerFirstSheetStartMm : kBannerSheetStartMm);
            else
                QCOMPARE(cell.xMm, beforeEnd);
            QVERIFY(!before || before->sheet == cell.sheet ||
                    beforeEnd + cell.widthMm >= kBannerLetterLimitMm);
            QVERIFY(cell.xMm + cell.widthMm < kBannerLetterLimitMm);
            const double outline = layout.outlineMm;
            const QRectF band(cell.xMm, kBannerCellTopMm, cell.widthMm, kBannerLetterHeightMm);
            QVERIFY(cell.glyph.isEmpty() || band.adjusted(-1e-6, -outline, 1e-6, outline)
                                                .contains(cell.glyph.boundingRect().adjusted(
                                                    -outline, -outline, outline, outline)));
            for (const QRectF &tile : bannerTiles(layout, cell.sheet))
                QVERIFY(!tile.intersects(band) && tile.right() <= kBannerLetterLimitMm);
        }
        QCOMPARE(placed, banner.text);
        if (sheets > 0 && showsBorder(banner.mode)) {
            for (double top : {10.0, 48.0, 86.0, 124.0, 162.0})
                QVERIFY(bannerTiles(layout, 0).contains(QRectF(10, top, 38, 38)));
        }
    }

    // The description byte for byte; a border picture gone bad opens with the border
    // unpainted; no description at all fails the opening and leaves the banner in work as it was.
    void writtenAndReadBack()
    {
        Banner banner = bannerOf(QStringLiteral("SAM'S PARTY"), BannerMode::Border, 7);
        banner.fontName = QStringLiteral("Comic Sans MS");
        banner.letterFill = 0x00FFFF;
        banner.letterOutline = 0x800000;
        banner.borderPicture = test::filledPicture(QSize(24, 24), Qt::red);
        QCOMPARE(bannerDescription(banner).toLatin1(),
                 test::readFile(QStringLiteral(QUILLORA_TEST_DATA "/banner/bordered.xml")));

        QTemporaryDir folder;
        const Staging staging(folder.path());
        test::writeFile(staging.memberPath(kBannerBorderMember), "not a picture");
        test::writeFile(staging.memberPath(QStringLiteral("layout.xml")),
                        "<layout name='usermade' mode='1' >\r\n");
        Banner read;
        QVERIFY(readBannerMembers(staging, rules(), &read));
        QVERIFY(read.mode == BannerMode::Border && read.borderPicture.isNull());
        QVERIFY(QFile::remove(staging.memberPath(QStringLiteral("layout.xml"))));
        QVERIFY(!readBannerMembers(staging, rules(), &banner));
        QCOMPARE(banner.text, QStringLiteral("SAM'S PARTY"));
    }

    // Whatever a description holds, the banner read is one the window can show. A row gives
    // the mode, thickness and font read, and what the text read starts with.
    void hostileValues_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const char *mode, const QByteArray &textbox,
                            const char *read) {
            QTest::newRow(name) << QStringLiteral("<layout name='x' %1 >\r\n<textbox %2/>\r\n")
                                       .arg(QLatin1String(mode), QString::fromUtf8(textbox))
                                << read;
        };
        row("mode out of range, thickness below the slider, unknown font", "mode='7'",
            "thick='-3' font='wingdings'", "0 1 Arial ");
        row("negative mode, huge thickness, font in capitals", "mode='-1'",
            "thick='99999' font='TIMES NEW ROMAN'", "0 10 Times New Roman ");
        row("line breaks and controls", "", "text='HI{ENTER}THERE\x01\x1b!'",
            "0 3 Arial HI THERE!");
        row("far too long", "", "text='" + QByteArray(5000, 'W'), "0 3 Arial WWWWW");
    }
    void hostileValues()
    {
        QFETCH(QString, description);
        QFETCH(QString, read);
        const Banner banner = parseBannerDescription(description, rules());
        const QString summary = QStringLiteral("%1 %2 %3 %4")
                                    .arg(int(banner.mode))
                                    .arg(banner.thickness)
                                    .arg(banner.fontName, banner.text);
        QCOMPARE(summary.left(read.size()), read);
        QVERIFY(QFontMetricsF(rules().field.font).horizontalAdvance(banner.text) < 300.0);
    }
    void membersRoundTrip_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("painted");
        QTest::addColumn<bool>("tileKept");
        QTest::newRow("painted border") << int(BannerMode::Border) << true << true;
        QTest::newRow("unpainted border") << int(BannerMode::Border) << false << false;
        // A tile painted before the border was switched off is not part of the work.
        QTest::newRow("no border") << int(BannerMode::NoBorder) << true << false;
    }
    void membersRoundTrip()
    {
        QFETCH(int, mode);
        QFETCH(bool, painted);
        QFETCH(bool, tileKept);
        QTemporaryDir folder;
        const Staging staging(folder.path());
        const PageModel page =
            bannerPage(QStringLiteral("It's \"ours\""), BannerMode(mode), painted);
        // A tile left from an earlier save must not come back either.
        test::writeFile(staging.memberPath(kBannerBorderMember), "an old tile");
        QVERIFY(kFamily.writeMembers(page, folder.path(), nullptr));
        QVERIFY(kFamily.writeDescription(page, staging, {}, nullptr));
        QCOMPARE(QFile::exists(staging.memberPath(kBannerBorderMember)), tileKept);
        // A folder that cannot be written to fails, and says why.
        QString error;
        QVERIFY(
            !kFamily.writeDescription(page, Staging(folder.filePath("layout.xml/in")), {}, &error));
        QVERIFY(!error.isEmpty());

        PageModel read;
        read.documentType = DocumentKind::Display;
        PageFitInputs fit;
        fit.screenWidthPx = 1280;
        QVERIFY(kFamily.readDescription(staging.memberPath(QStringLiteral("layout.xml")), read, fit,
                                        nullptr));
        QVERIFY(kFamily.readMembers(read, folder.path()));
        QCOMPARE(bannerDescription(bannerOnPage(read)), bannerDescription(bannerOnPage(page)));
        QCOMPARE(read.border.picture.isNull(), !tileKept);
        QCOMPARE(read.border.type == BorderType::Pattern, showsBorder(BannerMode(mode)));
        if (!tileKept)
            return;
        // A tile as wide as the largest side (4096 pixels) is read; one pixel wider is left out.
        for (const int side : {4096, 4097}) {
            QImage tile(side, 1, QImage::Format_RGB32);
            tile.fill(Qt::blue);
            QVERIFY(tile.save(staging.memberPath(kBannerBorderMember), "BMP"));
            PageModel again = read;
            QCOMPARE(kFamily.readMembers(again, folder.path()), side == 4096);
            QCOMPARE(again.border.picture.isNull(), side > 4096);
        }
    }

    void familyPrintsEverySheetOnceWhateverTheCopies()
    {
        const PageModel page =
            bannerPage(QStringLiteral("HAPPY BIRTHDAY"), BannerMode::Border, true);
        ImagePrintDevice printer(QStringLiteral("picture"), QSize(420, 594));
        QCOMPARE(printPage(page, printer, PrintSettings{3, 0.9, 0.9}).outcome,
                 PrintOutcome::Printed);
        QCOMPARE(printer.pages().size(), layOutBanner(bannerOnPage(page)).sheetCount);
        // Margins wider than the sheet's own edge: the sheet shrinks and stays centred.
        ImagePrintDevice narrow(QStringLiteral("margins"), QSize(420, 594), QMargins(60, 0, 60, 0));
        QCOMPARE(printPage(page, narrow, PrintSettings{}).outcome, PrintOutcome::Printed);
        const QImage &sheet = narrow.pages().constFirst();
        const QRect inked = test::boundsWhere(sheet, [](QRgb p) { return p != 0xFFFFFFFF; });
        QVERIFY(inked.top() > 20 && qAbs(inked.top() - (sheet.height() - 1 - inked.bottom())) <= 1);

        // The sheet number stands half a millimetre inside the unprinted edge, clear of the
        // border 10 mm down: from row 27 on at 5 pixels a millimetre.
        ImagePrintDevice fine(QStringLiteral("picture"), QSize(1050, 1485));
        QCOMPARE(printPage(page, fine, PrintSettings{}).outcome, PrintOutcome::Printed);
        const QImage top = fine.pages().constFirst().copy(0, 0, 1435, 50);
        QVERIFY(test::boundsWhere(top, [&](QRgb p) { return p != top.pixel(0, 0); }).top() >= 27);

        QVERIFY(!canExportPng(DocumentKind::Display)); // printed by sheets, not as one picture
        // A banner without words has nothing to print, which is no printer's fault.
        ImagePrintDevice unused(QStringLiteral("picture"), QSize(420, 594));
        const PageModel empty = bannerPage(QString(), BannerMode::Border, true);
        QCOMPARE(printPage(empty, unused, PrintSettings{}).outcome, PrintOutcome::NothingToPrint);
        QCOMPARE(printDocument(page, unused, {}).outcome, PrintOutcome::NotAvailable);
        QVERIFY(unused.pages().isEmpty());
    }

    void undoStepsThroughWordsAndLooks()
    {
        PageModel page = bannerPage(QStringLiteral("HI"), BannerMode::Border, false);
        UndoHistory history;
        history.addKind(ObjectKind::BannerLine, bannerUndoHandler());
        const CurrentObject banner{ObjectKind::BannerLine, 0};
        QVERIFY(history.beginWorkOn(page, banner, ScreenMetrics{1280, 800}));
        const QString start = bannerDescription(bannerStateOf(page));
        page.kindState<Banner>().text = QStringLiteral("HI \"YOU\"");
        QVERIFY(history.record(page, banner.kind, 0));
        const QString typed = bannerDescription(bannerStateOf(page));
        page.kindState<Banner>().thickness = 10;
        page.kindState<Banner>().fontName = QStringLiteral("Comic Sans MS");
        setBannerMode(page, BannerMode::NoBorder);
        QVERIFY(history.record(page, banner.kind, 0));

        history.undo(page);
        QCOMPARE(bannerDescription(bannerStateOf(page)), typed);
        QCOMPARE(bannerStateOf(page).text, QStringLiteral("HI \"YOU\"")); // exactly as typed
        history.redo(page);
        QCOMPARE(bannerStateOf(page).fontName, QStringLiteral("Comic Sans MS"));
        history.undo(page);
        QCOMPARE(page.border.type, BorderType::Pattern);
        history.undo(page);
        QCOMPARE(bannerDescription(bannerStateOf(page)), start);
        history.redo(page);
        QCOMPARE(bannerDescription(bannerStateOf(page)), typed);
    }

    void thumbnailsOfDisplayTemplatesAreBanners()
    {
        QTemporaryDir layouts;
        QVERIFY(QDir(layouts.path()).mkpath(QStringLiteral("display")));
        const QString folder = layouts.filePath(QStringLiteral("display"));
        QVERIFY(
            QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/display/no border.xml"),
                        folder + QStringLiteral("/no border.xml")));
        const ThumbnailReport report = makeLayoutThumbnails(layouts.path());
        QVERIFY2(report.failed.isEmpty(), qPrintable(report.failed.join(u'\n')));
        const QImage thumbnail(folder + QStringLiteral("/no border.bmp"));
        // The template's word in giant letters, as the banner prints it (a text box would
        // show it a few millimetres tall).
        PageModel page;
        page.documentType = DocumentKind::Display;
        QVERIFY(
            kFamily.readDescription(folder + QStringLiteral("/no border.xml"), page, {}, nullptr));
        QCOMPARE(thumbnail.size(), kFamily.renderThumbnail(page, kThumbnailBounds).size());
        const QRect ink = test::boundsWhere(thumbnail, test::isColoured);
        QVERIFY2(ink.height() > thumbnail.height() * 0.25,
                 qPrintable(QStringLiteral("%1 of %2").arg(ink.height()).arg(thumbnail.height())));
    }
};

QTEST_MAIN(BannerTest)
#include "tst_banner.moc"
