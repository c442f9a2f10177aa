// The kinds' own windows: the shell opens the window the table names for a kind; a circle's
// rotate button turns one segment (a second press during the turn starts nothing) and is undone;
// a postcard turns over once at a time and one that cannot be built shows nothing; a table's add
// and remove buttons keep to their limits and a first press on a cell paints it and moves the
// current cell's frame there. Undo, taking cells away and bringing them back with their work run
// end to end in scenario_table.

#include "core/app/appcontext.h"
#include "core/doctypes/table.h"
#include "core/printing/imageprintdevice.h"
#include "support/testfiles.h"
#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/app/shellcontroller.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/doctypes/documentwindow.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/postcardwindow.h"
#include "ui/doctypes/tablewindow.h"
#include "ui/pictures/pictureboxwidget.h"
#include "ui/text/textboxwidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

// Stands in for a window still to come: it only remembers what it was asked to build.
class StandInWindow : public DocumentWindow {
public:
    explicit StandInWindow(AppContext &context)
        : DocumentWindow(context, kindInfo(DocumentKind::Circle).windowName)
    {
    }
    bool startDocument(const QString &templatePath) override
    {
        startedFrom = templatePath;
        return true;
    }
    QString startedFrom = QStringLiteral("never");
};

const QString kTemplate = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/postcard/page0.xml");

struct Card : DocumentWindowFixture<PostcardWindow> {
    Card() : DocumentWindowFixture(screen(1024, 768))
    {
        context.folders.data = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
        context.page.documentType = DocumentKind::Postcard;
    }
    bool sideShown(PostcardSide side) const
    {
        const bool writing = side == PostcardSide::Writing;
        return window->side() == side && pictureBox(0)->isVisible() != writing
               && textBox(0)->isVisible() == writing
               && window->findChild<QLabel *>("StampBG")->isVisible() == writing;
    }
};

struct TableFixture : DocumentWindowFixture<TableWindow> {
    TableFixture()
    {
        context.page.documentType = DocumentKind::Table;
        wire();
    }
    PictureBoxWidget *cellPicture(TableCell cell) const
    {
        return pictureBox(cellPictureIndex(cell));
    }
    // Where a cell lies in the window, as the selection frame marks it.
    QRect cellOnWindow(TableCell cell) const
    {
        return tableGridOf(context.page).cellRect(cell).translated(context.page.pageRect.topLeft());
    }
    QImage cellImage(TableCell cell) const
    {
        return context.page.pictureBoxes[cellPictureIndex(cell)].image;
    }
};

} // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

private slots:
    void everyKindOpensItsOwnWindow()
    {
        AppContext context{Environment{}};
        const DocumentWindows windows;
        for (int code = 0; code < kDocumentKindCount; ++code) {
            const DocumentKind kind = DocumentKind(code);
            QVERIFY2(windows.has(kind), qPrintable(kindInfo(kind).caption));
            const std::unique_ptr<DocumentWindow> window = windows.create(kind, context);
            QCOMPARE(window->objectName(), kindInfo(kind).windowName);
        }
    }

    void registeredWindowOpensForItsKinds()
    {
        AppContext context{Environment{}};
        context.env.screen = {800, 600};
        context.folders.data = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
        DocumentWindows windows;
        windows.add(WindowKind::Circle,
                    [](AppContext &c) { return std::make_unique<StandInWindow>(c); });
        QVERIFY(windows.has(DocumentKind::Circle));
        ImagePrinterProvider printers;
        ShellController shell(context, printers, windows);
        QList<DocumentWindow *> created;
        connect(&shell, &ShellController::documentWindowCreated, this,
                [&](DocumentWindow *window) { created.append(window); });

        QVERIFY(shell.newDocument(DocumentKind::Circle));
        const auto *circle = dynamic_cast<StandInWindow *>(shell.documentWindow());
        QVERIFY(circle);
        QVERIFY(circle->startedFrom.isEmpty()); // a circle is built without a template
        QVERIFY(circle->isVisible());
        QCOMPARE(context.page.documentType, DocumentKind::Circle);
        QCOMPARE(created.size(), 1);

        // Another kind of the single-page window replaces it.
        QVERIFY(shell.newDocument(DocumentKind::Simple));
        QCOMPARE(shell.documentWindow()->objectName(), QStringLiteral("Form1"));
        QCOMPARE(created.size(), 2);
    }

    void rotateButtonTurnsOneSegmentAndIsUndone()
    {
        DocumentWindowFixture<CircleWindow> f;
        AppContext &context = f.context;
        CircleWindow &window = *f.window;
        context.page.documentType = DocumentKind::Circle;
        window.setSegmentQuestion([&] { context.choices.circleSegments = 6; });
        f.wire();
        QVERIFY(window.startDocument({}));
        window.show();

        PageModel &page = context.page;
        QCOMPARE(page.textBoxes.size(), 6);
        page.textBoxes[0].text = QStringLiteral("spring");
        QSignalSpy finished(&window, &CircleWindow::turnFinished);
        const qint32 changes = page.changeCount;
        window.rotateButton(TurnDirection::Clockwise)->click();
        QVERIFY(window.isTurning() && window.turnView()->isVisible());
        window.rotateButton(TurnDirection::Anticlockwise)->click();
        QTRY_COMPARE(finished.size(), 1);
        QTest::qWait(300);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(page.textBoxes[1].text, QStringLiteral("spring"));
        QCOMPARE(page.changeCount, changes + 1);
        QVERIFY(!window.turnView()->isVisible());

        emit window.undoRequested();
        QCOMPARE(page.textBoxes[0].text, QStringLiteral("spring"));
    }

    void flipTurnsACardOverOnceAtATime()
    {
        Card card;
        QVERIFY(card.window->startDocument(kTemplate));
        card.window->show();
        QVERIFY(card.sideShown(PostcardSide::Picture));
        for (const PostcardSide resting : {PostcardSide::Writing, PostcardSide::Picture}) {
            card.window->flipButton()->click();
            QVERIFY(card.window->flipping());
            QVERIFY(!card.window->pageView()->isVisible());
            card.window->flip(); // a second press while turning changes nothing
            QTRY_VERIFY(!card.window->flipping());
            QVERIFY(card.sideShown(resting));
        }
        // A card without its stamp picture shows nothing and cannot turn.
        QTemporaryDir installation;
        test::writeFile(installation.filePath("page0.xml"), test::readFile(kTemplate));
        QVERIFY(!card.window->startDocument(installation.filePath("page0.xml")));
        QVERIFY(!card.window->pageView()->isVisible());
        card.window->flip();
        QVERIFY(!card.window->flipping());
    }

    void buttonsFollowLimits_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<bool>>("shown"); // add column, remove column, add row, remove row
        QTest::newRow("2 x 2") << 2 << 2 << QList<bool>{true, false, true, false};
        QTest::newRow("12 x 12") << 12 << 12 << QList<bool>{false, true, false, true};
        QTest::newRow("6 x 4") << 6 << 4 << QList<bool>{true, true, true, true};
    }
    void buttonsFollowLimits()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QList<bool>, shown);
        TableFixture table;
        table.window->show();
        table.window->startTable(columns, rows);
        const TableWindow &w = *table.window;
        QCOMPARE((QList<bool>{w.addColumnButton()->isVisible(), w.removeColumnButton()->isVisible(),
                              w.addRowButton()->isVisible(), w.removeRowButton()->isVisible()}),
                 shown);
        QCOMPARE(w.rows().size(), rows);
        QVERIFY(w.rows().constLast()->isVisible());
        // Every button stays on the screen.
        for (const PictureButton *button : {w.addColumnButton(), w.removeRowButton()})
            QVERIFY(w.rect().contains(button->geometry()));
    }

    void firstPressPaintsAndMovesFrame()
    {
        TableFixture table;
        table.window->show();
        table.window->startTable(3, 2);
        const TableCell cell{1, 2};
        const QImage before = table.cellImage(cell);
        dragMouse(table.cellPicture(cell), QPoint(10, 10), QPoint(60, 30));
        QVERIFY(table.cellImage(cell) != before);
        QCOMPARE(table.window->selectionStrips().first()->geometry().topLeft(),
                 table.cellOnWindow(cell).topLeft());

        // Its column taken away, the cell beside it becomes the one worked on.
        table.window->removeColumnButton()->click();
        QCOMPARE(table.context.page.current,
                 (CurrentObject{objectkind::Picture, cellPictureIndex({1, 1})}));
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "tst_documentwindows.moc"
