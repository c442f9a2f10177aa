// Progress pictures of the window in work: taken from what the page shows, at half its width,
// only after a change, and only while the teacher's setting asks for them; the flip-book.

#include "core/layout/objectkinds.h"
#include "support/windowfixture.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/document/pageview.h"
#include "ui/files/progresssnapshots.h"
#include "ui/files/stepsdialog.h"
#include "ui/document/pictureboxwidget.h"

#include <QtTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::DocumentKind)

class ProgressSnapshotsTest : public QObject {
    Q_OBJECT
private slots:
    void takenAfterChangesOnly()
    {
        WindowFixture f;
        QVERIFY(f.window->loadTemplate(
            QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/simple/simple.xml")));
        f.wire();
        f.window->show();
        auto *snapshots = f.controller<ProgressSnapshots>();
        QVERIFY(snapshots);
        QCOMPARE(snapshots->timer().interval(), 2 * 60 * 1000);
        QVERIFY(snapshots->timer().isActive());
        QVERIFY(!snapshots->takeStep());

        PageModel &page = f.context.page;
        page.pictureBoxes[0].image.fill(Qt::red);
        f.window->refreshPictureBox(0);
        ++page.changeCount;
        QVERIFY(snapshots->takeStep());
        QVERIFY(!snapshots->takeStep());
        // A change undone looks like the last picture: it is not kept twice.
        ++page.changeCount;
        QVERIFY(!snapshots->takeStep());
        QCOMPARE(page.progressSteps.steps().size(), 1);

        const QImage step = page.progressSteps.picture(0);
        QCOMPARE(step.width(), page.pageRect.width() / 2);
        QWidget *box = f.window->pageView()->pictureBox(0);
        const QPoint boxCentre = box->mapTo(f.window.get(), box->rect().center());
        QCOMPARE(step.pixelColor((boxCentre - page.pageRect.topLeft()) / 2), QColor(Qt::red));

        // A shortened interval for scenarios never turns on what the teacher turned off.
        f.context.env.progressSnapshotInterval = std::chrono::seconds(1);
        f.context.settings.progressSnapshots = 0;
        snapshots->applySettings();
        QVERIFY(!snapshots->timer().isActive());
        f.context.settings.progressSnapshots = 5;
        snapshots->applySettings();
        QCOMPARE(snapshots->timer().interval(), 1000);
    }

    // Each kind's picture is its work as printed: pressing into a text (its caret) and
    // selecting a picture (its frame) leave it as it was.
    void marksNeverShow_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("layout");
        const auto row = [](const char *name, DocumentKind kind, const char *layout) {
            QTest::newRow(name) << kind
                                << QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/%1.xml")
                                       .arg(QLatin1String(layout));
        };
        row("simple page", DocumentKind::Simple, "simple/simple");
        row("booklet", DocumentKind::Booklet, "booklet/my book");
        row("comic strip", DocumentKind::ComicStrip, "cartoon/two frames");
        row("banner", DocumentKind::Display, "display/with border");
        row("postcard", DocumentKind::Postcard, "postcard/page0");
    }
    void marksNeverShow()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, layout);
        DocumentWindowFixture<DocumentWindow> f(WindowFixture::screen(), [kind](AppContext &c) {
            return DocumentWindows().create(kind, c);
        });
        f.context.page.documentType = kind;
        f.context.folders.data = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
        f.wire();
        QVERIFY(f.window->startDocument(layout));
        f.window->show();
        const ProgressSnapshots *snapshots = f.controller<ProgressSnapshots>();
        const QImage unmarked = snapshots->workPicture();
        QVERIFY(!unmarked.isNull());

        if (f.context.page.pictureBoxes.size() > 0)
            f.window->setCurrentObject(ObjectKind::Picture, 0);
        if (f.context.page.textBoxes.size() > 0 && f.textBox(0))
            QTest::mouseClick(f.textBox(0), Qt::LeftButton);
        QCOMPARE(snapshots->workPicture(), unmarked);
    }

    void flipBookStopsAtTheLatest()
    {
        AppContext context{Environment{}};
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::green);
        StepsDialog form(context, {picture, picture, picture});
        QCOMPARE(form.shownStep(), 0);
        QVERIFY(form.flipTimer().isActive());
        form.showNextStep();
        form.showNextStep();
        QCOMPARE(form.shownStep(), 2);
        QVERIFY(!form.flipTimer().isActive());
        form.playAgain();
        QCOMPARE(form.shownStep(), 0);
    }
};

QTEST_MAIN(ProgressSnapshotsTest)
#include "tst_progresssnapshots.moc"
