// A kind that is not shipped joins the program by registering itself here, in this file alone:
// its row, its family and its window. It then shows on the start screen and starts, saves,
// reopens, undoes and prints through the same wiring as the shipped kinds.

#include "core/doctypes/singlepagefamily.h"
#include "core/files/filecommands.h"
#include "core/layout/objectkinds.h"
#include "platform/ziparchive.h"
#include "support/windowfixture.h"
#include "ui/app/choicetile.h"
#include "ui/app/startscreen.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/files/filecontroller.h"
#include "ui/printing/printcontroller.h"
#include "ui/printing/printdialog.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

constexpr DocumentKind kBadge = DocumentKind(40);
constexpr QRgb kRed = 0xffe8373b;

// A name badge: one picture on a small page, kept, drawn and printed as a page of boxes.
class BadgeFamily final : public SinglePageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &, const PageFitInputs &,
                      QString *) const override
    {
        page.pageWidthMm = 90;
        page.pageHeightMm = 60;
        page.pageRect = QRect(200, 100, 450, 300);
        page.announcedPictureBoxes = 1;
        page.pictureBoxes.resize(1);
        page.pictureBoxes[0].visible = true;
        page.pictureBoxes[0].geometry = QRect(25, 25, 400, 250);
        page.pictureBoxes[0].image = QImage(400, 250, QImage::Format_RGB32);
        page.pictureBoxes[0].image.fill(Qt::white);
        return true;
    }
};

class BadgeWindow final : public DocumentWindow {
public:
    explicit BadgeWindow(AppContext &context) : DocumentWindow(context, kindInfo(kBadge).windowName)
    {
    }
    bool startDocument(const QString &templatePath) override
    {
        const bool built = pageFamilyFor(kBadge)->buildNewPage(context().page, templatePath,
                                                               pageFitInputs(), nullptr);
        showPage();
        return built;
    }
};

DocumentKindInfo badgeRow()
{
    DocumentKindInfo row;
    row.kind = kBadge;
    row.caption = QStringLiteral("Badge");
    row.tileArt = QStringLiteral(":/art/kinds/kind7.svg");
    row.windowName = QStringLiteral("badgeForm");
    row.undoKindsRestored = {ObjectKind::Picture};
    return row;
}

} // namespace

class TestRegisteredKind : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static const BadgeFamily family;
        QVERIFY(registerKind(
            {badgeRow(), family, [](AppContext &c) { return std::make_unique<BadgeWindow>(c); }}));

        // A kind may not give a shipped window another family: it would change the shipped kinds.
        DocumentKindInfo intruder = badgeRow();
        intruder.kind = DocumentKind(41);
        intruder.windowName = QStringLiteral("Form1");
        QVERIFY(!registerKind({intruder, family, {}}));
        QVERIFY(!documentKindFromCode(41));
        QVERIFY(pageFamilyFor(DocumentKind::Simple) != &family);
    }

    void startScreenShowsTheBadgeAndStartsIt()
    {
        QTemporaryDir root;
        AppContext context{Environment{}};
        context.folders.data = root.path();
        StartScreen screen(context);
        screen.show();
        // The twentieth tile: the last row of six sits centred under the rows of seven.
        ChoiceTile *badge = screen.findChild<ChoiceTile *>(QStringLiteral("picTypeImg40"));
        QVERIFY(badge && badge->isVisible());
        const int roomLeft = screen.entry(DocumentKind::Display)->geometry().left();
        const int roomRight = badge->parentWidget()->width() - badge->geometry().right() - 1;
        QVERIFY2(roomLeft > 0 && qAbs(roomLeft - roomRight) <= 1,
                 qPrintable(QStringLiteral("%1 %2").arg(roomLeft).arg(roomRight)));

        // The keyboard walks to it: two rows down, five along, and Return starts it.
        QTest::keyClick(&screen, Qt::Key_Down);
        QTest::keyClick(&screen, Qt::Key_Down);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(&screen, Qt::Key_Right);
        QVERIFY(badge->isSelected());
        QTest::keyClick(&screen, Qt::Key_Return);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.outcome()->kind, kBadge);
        AppContext started{Environment{}};
        const auto window = DocumentWindows().create(screen.outcome()->kind, started);
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("badgeForm"));
    }

    void startsSavesReopensUndoesAndPrints()
    {
        QTemporaryDir dir;
        DocumentWindowFixture<DocumentWindow> f(WindowFixture::screen(), [](AppContext &c) {
            return DocumentWindows().create(kBadge, c);
        });
        QVERIFY(f.window);
        QCOMPARE(f.window->objectName(), QStringLiteral("badgeForm"));
        f.context.page.documentType = kBadge;
        f.context.folders.working = dir.path();
        f.context.folders.temporary = dir.path();
        f.context.folders.staging = makeStagingFolder(dir.path(), QStringLiteral("BADGE"));
        ZipArchiveFormat zip;
        FileController files(f.context, zip, registeredPageFiles());
        f.files = &files;
        f.printers = ImagePrinterProvider({{QStringLiteral("Hall"), QSize(1240, 1754), {}}});
        f.wire();
        QVERIFY(f.window->startDocument({}));
        f.show();

        QImage &picture = f.context.page.pictureBoxes[0].image;
        f.undo()->beginWorkOn({ObjectKind::Picture, 0});
        picture.fill(kRed);
        f.undo()->record(ObjectKind::Picture, 0);
        const QString path = dir.filePath(QStringLiteral("badge.qlr"));
        QVERIFY(files.saveDocument(path));

        f.context.page = PageModel{};
        QVERIFY(files.openDocument(path));
        QCOMPARE(f.context.page.documentType, kBadge);
        QVERIFY(!documentKindFromCode(codeOf(kBadge) + 1)); // a code nobody registered
        QCOMPARE(f.context.page.pictureBoxes.size(), 1);
        QCOMPARE(f.context.page.pictureBoxes[0].image.pixel(200, 120), kRed);

        f.controllers.printing->setChooser([] { return PrintChoice{QStringLiteral("Hall"), 1}; });
        f.controllers.printing->printCommand();
        QCOMPARE(f.printers.jobsFinished(), 1);
        const QImage sheet = f.printers.lastPages().value(0);
        int redSeen = 0;
        for (int y = 0; y < sheet.height(); y += 8)
            for (int x = 0; x < sheet.width(); x += 8)
                redSeen += sheet.pixel(x, y) == kRed;
        QVERIFY2(redSeen > 1000, qPrintable(QString::number(redSeen)));

        // A step after reopening is undone back to the reopened badge.
        f.undo()->beginWorkOn({ObjectKind::Picture, 0});
        f.context.page.pictureBoxes[0].image.fill(Qt::blue);
        f.undo()->record(ObjectKind::Picture, 0);
        f.undo()->undo();
        QCOMPARE(f.context.page.pictureBoxes[0].image.pixel(200, 120), kRed);
    }
};

QTEST_MAIN(TestRegisteredKind)
#include "tst_registeredkind.moc"
