// The banner in the page model: its members written and read back through staging as a work
// file does, the text held to the field on opening, printing through the family, its undo
// steps, and the start screen's thumbnails drawn as banners.

#include "core/doctypes/bannerdescription.h"
#include "core/doctypes/bannerfamily.h"
#include "core/files/staging.h"
#include "core/printing/imageprintdevice.h"
#include "core/printing/thumbnails.h"
#include "core/undo/undohistory.h"
#include "support/pixelwhere.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

PageModel bannerPage(const QString &text, BannerMode mode, bool painted)
{
    PageModel page;
    page.documentType = DocumentKind::Display;
    // Font names come back lower-cased from a description, as they always have.
    Banner banner{text, QStringLiteral("verdana"), 7, mode, 0xC0FFEE, 0x00D7FF, 0x800080, {}};
    if (painted) {
        banner.borderPicture = QImage(40, 40, QImage::Format_RGB32);
        banner.borderPicture.fill(Qt::magenta);
    }
    putBannerOnPage(page, std::move(banner));
    return page;
}

const BannerFamily kFamily;

} // namespace

class BannerFamilyTest : public QObject {
    Q_OBJECT
private slots:
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
        const PageModel page = bannerPage(QStringLiteral("It's \"ours\""), BannerMode(mode), painted);
        QVERIFY(kFamily.writeMembers(page, folder.path(), nullptr));
        QVERIFY(kFamily.writeDescription(page, staging, {}, nullptr));
        QCOMPARE(QFile::exists(staging.memberPath(kBannerBorderMember)), tileKept);

        PageModel read;
        read.documentType = DocumentKind::Display;
        PageFitInputs fit;
        fit.screenWidthPx = 1280;
        QVERIFY(kFamily.readDescription(staging.memberPath(QStringLiteral("layout.xml")), read,
                                        fit, nullptr));
        QVERIFY(kFamily.readMembers(read, folder.path()));
        QCOMPARE(bannerDescription(bannerOnPage(read)), bannerDescription(bannerOnPage(page)));
        QCOMPARE(read.border.picture.isNull(), !tileKept);
        QCOMPARE(read.border.type == BorderType::Pattern, showsBorder(BannerMode(mode)));
    }

    void openedTextIsHeldToTheFieldOfTheScreen()
    {
        QTemporaryDir folder;
        const Staging staging(folder.path());
        const PageModel page = bannerPage(QString(100, u'W'), BannerMode::Border, false);
        QVERIFY(kFamily.writeDescription(page, staging, {}, nullptr));
        PageModel read;
        PageFitInputs fit;
        fit.screenWidthPx = 800;
        fit.toolPaletteWidthPx = kToolPaletteWidthPx;
        QVERIFY(kFamily.readDescription(staging.memberPath(QStringLiteral("layout.xml")), read,
                                        fit, nullptr));
        const BannerTextField field = bannerTextField(800, kToolPaletteWidthPx);
        QVERIFY(!read.banner.text.isEmpty());
        QVERIFY(read.banner.text.size() < 100);
        QCOMPARE(limitBannerText(read.banner.text + u'W', field), read.banner.text);
        // Not knowing the settings, reading keeps the font; the window checks it.
        QCOMPARE(read.banner.fontName, QStringLiteral("verdana"));
    }

    void printsEverySheetInOneLandscapeJob()
    {
        const PageModel page = bannerPage(QStringLiteral("HAPPY BIRTHDAY"), BannerMode::Border, true);
        const int sheets = layOutBanner(bannerOnPage(page)).sheetCount;
        QVERIFY(sheets > 2);
        ImagePrintDevice printer(QStringLiteral("picture"), QSize(420, 594));
        QCOMPARE(printPage(page, printer, PrintSettings{3, 0.9, 0.9}).outcome, PrintOutcome::Printed);
        QCOMPARE(printer.pages().size(), sheets); // copies never apply to a banner
        QCOMPARE(printer.orientation(), PageOrientation::Landscape);
    }

    void undoStepsThroughWordsAndLooks()
    {
        PageModel page = bannerPage(QStringLiteral("HI"), BannerMode::Border, false);
        UndoHistory history;
        history.addKind(objectkind::BannerLine, bannerUndoHandler());
        const CurrentObject banner{objectkind::BannerLine, 0};
        QVERIFY(history.beginWorkOn(page, banner, ScreenMetrics{1280, 800}));
        const QString start = bannerDescription(page.banner);
        page.banner.text = QStringLiteral("HI \"YOU\"");
        QVERIFY(history.record(page, banner.kind, 0));
        const QString typed = bannerDescription(page.banner);
        page.banner.thickness = 10;
        page.banner.fontName = QStringLiteral("Comic Sans MS");
        setBannerMode(page, BannerMode::NoBorder);
        QVERIFY(history.record(page, banner.kind, 0));

        history.undo(page);
        QCOMPARE(bannerDescription(page.banner), typed);
        QCOMPARE(page.banner.text, QStringLiteral("HI \"YOU\"")); // exactly as typed
        history.redo(page);
        QCOMPARE(page.banner.fontName, QStringLiteral("Comic Sans MS"));
        history.undo(page);
        QCOMPARE(page.border.type, BorderType::Pattern);
        history.undo(page);
        QCOMPARE(bannerDescription(page.banner), start);
        history.redo(page);
        QCOMPARE(bannerDescription(page.banner), typed);
    }

    void thumbnailsOfDisplayTemplatesAreBanners()
    {
        QTemporaryDir layouts;
        QVERIFY(QDir(layouts.path()).mkpath(QStringLiteral("display")));
        const QString folder = layouts.filePath(QStringLiteral("display"));
        QVERIFY(QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/display/no border.xml"),
                            folder + QStringLiteral("/no border.xml")));
        const ThumbnailReport report = makeLayoutThumbnails(layouts.path());
        QVERIFY2(report.failed.isEmpty(), qPrintable(report.failed.join(u'\n')));
        const QImage thumbnail(folder + QStringLiteral("/no border.bmp"));
        // The template's word in giant letters, as the banner prints it (a text box would
        // show it a few millimetres tall).
        PageModel page;
        page.documentType = DocumentKind::Display;
        QVERIFY(kFamily.readDescription(folder + QStringLiteral("/no border.xml"), page, {}, nullptr));
        QCOMPARE(thumbnail.size(), kFamily.renderThumbnail(page, kThumbnailBounds).size());
        const QRect ink = test::boundsWhere(thumbnail, test::isColoured);
        QVERIFY2(ink.height() > thumbnail.height() * 0.25,
                 qPrintable(QStringLiteral("%1 of %2").arg(ink.height()).arg(thumbnail.height())));
    }
};

QTEST_MAIN(BannerFamilyTest)
#include "tst_bannerfamily.moc"
