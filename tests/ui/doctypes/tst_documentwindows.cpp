// The kinds' own windows: the shell opens the window the table names for a kind, with its named
// controls; a circle's rotate button turns one segment (a second press during the turn starts
// nothing) and is undone; a postcard turns over once at a time and one that cannot be built shows
// nothing; a table's add and remove buttons keep to their limits and a first press on a cell
// paints it and moves the current cell's frame there (taking cells away and bringing them back run
// end to end in scenario_table). Anywhere: presses write texts that are typed, moved, sized and
// undone. Comic strip: bubbles dropped, dragged between frames and into the bin, with their
// handles. Banner: the text limit, the thickness and border buttons, one undo step per change.

#include "core/app/appcontext.h"
#include "core/doctypes/anywhere.h"
#include "core/doctypes/bannerdescription.h"
#include "core/doctypes/cartoon.h"
#include "core/doctypes/table.h"
#include "core/printing/imageprintdevice.h"
#include "support/testfiles.h"
#include "support/windowfixture.h"
#include "ui/app/shellcontroller.h"
#include "ui/doctypes/anywheretexts.h"
#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/bannerform.h"
#include "ui/doctypes/bubblewidget.h"
#include "ui/doctypes/cartoonside.h"
#include "ui/doctypes/cartoonwindow.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/doctypes/documentwindow.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/postcardwindow.h"
#include "ui/doctypes/tablewindow.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/bordereditor.h"
#include "ui/pictures/pictureboxwidget.h"
#include "ui/text/textboxwidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

const QString kLayouts = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/");

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

const QString kTemplate = kLayouts + QStringLiteral("postcard/page0.xml");

struct Card : DocumentWindowFixture<PostcardWindow> {
    Card() : DocumentWindowFixture(screen(1024, 768))
    {
        context.folders.data = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
        context.page.documentType = DocumentKind::Postcard;
    }
    bool sideShown(PostcardSide side) const
    {
        const bool writing = side == PostcardSide::Writing;
        return window->side() == side && pictureBox(0)->isVisible() != writing &&
               textBox(0)->isVisible() == writing &&
               window->findChild<QLabel *>("StampBG")->isVisible() == writing;
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

struct AnywhereFixture : DocumentWindowFixture<AnywhereWindow> {
    AnywhereFixture()
    {
        wire();
        context.page.documentType = DocumentKind::Anywhere;
        window->startDocument({});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    const QVector<FloatingTextModel> &texts() const { return context.page.floatingTexts; }
    AnywhereTexts &floating() const { return *window->texts(); }
    // The text tool, then a press on the picture.
    void write(QPoint at)
    {
        QTest::mouseClick(window->writeButton(), Qt::LeftButton);
        QTest::mouseClick(pictureBox(0), Qt::LeftButton, {}, at);
    }
};

struct CartoonFixture : DocumentWindowFixture<CartoonWindow> {
    CartoonFixture()
    {
        context.page.documentType = DocumentKind::ComicStrip;
        wire();
        QVERIFY(window->startDocument(kLayouts + QStringLiteral("cartoon/two frames.xml")));
    }
    QPoint inFrame(int frame, QPoint at) const
    {
        return context.page.pictureBoxes[frame].geometry.topLeft() + at;
    }
    const BubbleModel &bubble() const { return context.page.bubbles[0]; }
    bool bubbleShown() const { return window->bubble(0)->isVisibleTo(window.get()); }
    // Drags the first bubble by its outline (left of its text).
    void dragBubble(QPoint by)
    {
        const QRect box = bubble().geometry;
        dragBy(window->bubble(0), QPoint(box.width() / 4 + 4, box.height() / 2), by);
    }
};

struct BannerFixture : DocumentWindowFixture<BannerForm> {
    BannerFixture()
    {
        context.page.documentType = DocumentKind::Display;
        wire();
        window->show();
        window->startDocument(kLayouts + QStringLiteral("display/with border.xml"));
        QCoreApplication::processEvents(); // the border editor opens once the page is set up
    }
    template <typename T = PictureButton> T *find(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    const Banner &banner() const { return context.page.banner; }
    bool editingBorder() const { return controllers.border->isEditing(); }
};

} // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

private slots:
    void everyKindOpensItsOwnWindow_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("layout"); // the template a kind with named controls opens
        QTest::addColumn<QStringList>("controls");
        const QMap<DocumentKind, QPair<QString, QStringList>> named{
            {DocumentKind::Anywhere,
             {{},
              {"PicBox", "picBorder", "selectBox", "TextResizeHandle", "floatMenu", "fontTypeBut4",
               "dumPal", "textColour1"}}},
            {DocumentKind::Display,
             {"display/with border.xml",
              {"BannerText", "FontNameCombo", "thickScroll", "Image1", "Image2", "AbcHolder"}}},
            {DocumentKind::ComicStrip, {"cartoon/two frames.xml", {"bubBin", "bubbleLayer"}}},
        };
        for (int code = 0; code < kDocumentKindCount; ++code) {
            const DocumentKind kind = DocumentKind(code);
            const auto controls = named.value(kind);
            QTest::newRow(qPrintable(kindInfo(kind).caption))
                << kind << controls.first << controls.second;
        }
    }
    void everyKindOpensItsOwnWindow()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, layout);
        QFETCH(QStringList, controls);
        AppContext context{Environment{}};
        context.page.documentType = kind;
        const DocumentWindows windows;
        QVERIFY(windows.has(kind));
        const std::unique_ptr<DocumentWindow> window = windows.create(kind, context);
        QCOMPARE(window->objectName(), kindInfo(kind).windowName);
        if (!controls.isEmpty())
            QVERIFY(window->startDocument(layout.isEmpty() ? layout : kLayouts + layout));
        for (const QString &name : controls)
            QVERIFY2(window->findChild<QWidget *>(name), qPrintable(name));
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

    void anywherePressesWriteTypingIsKeptAndUndone()
    {
        AnywhereFixture f;
        QCOMPARE(f.pictureBox(0)->size(), anywherePictureRect(f.context.page).size());
        f.write({100, 100});
        QVERIFY(f.window->isWriting());
        QTest::mouseClick(f.pictureBox(0), Qt::LeftButton, {}, {300, 200});
        QCOMPARE(f.texts().size(), 2); // slot 0 and the one new text: the untouched one gave way
        QCOMPARE(f.texts()[1].geometry.x(), 300);

        QLineEdit *box = f.floating().textBox(1);
        QVERIFY(box->isVisible() && box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("Hi"));
        QCOMPARE(f.texts()[1].text, QStringLiteral("Hi"));
        QVERIFY(!f.texts()[1].newby);

        emit f.window->undoRequested();
        QCOMPARE(f.texts()[1].text, QStringLiteral("H"));
        emit f.window->undoRequested();
        QVERIFY(!isFloatingText(f.context.page, 1));
        QVERIFY(!f.floating().label(1)->isVisible());
    }

    void anywhereToolbarAndPaintingEndEditing()
    {
        AnywhereFixture f;
        f.write({100, 100});
        emit f.window->saveRequested();
        QVERIFY(!isFloatingText(f.context.page, 1)); // nothing typed: the text goes
        QVERIFY(!f.floating().selectionFrame()->isVisible());

        f.write({100, 100});
        QTest::keyClicks(f.floating().textBox(1), QStringLiteral("sun"));
        emit f.window->feltPensRequested();
        QVERIFY(f.floating().label(1)->isVisible());
        QVERIFY(!f.floating().textBox(1)->isVisible());
    }

    void anywhereLabelMovesHandleSizesPanelChoosesFont()
    {
        AnywhereFixture f;
        f.write({100, 100});
        QTest::keyClicks(f.floating().textBox(1), QStringLiteral("moon"));
        f.window->endEditing();
        const FloatingTextModel before = f.texts()[1];
        QWidget *label = f.floating().label(1);
        dragBy(label, label->rect().center(), {60, 40});
        QCOMPARE(f.texts()[1].geometry.topLeft(), before.geometry.topLeft() + QPoint(60, 40));
        QCOMPARE(f.texts()[1].style, before.style);
        QVERIFY(f.floating().textBox(1)->isVisible());

        QWidget *handle = f.floating().resizeHandle();
        dragBy(handle, handle->rect().center(), {200, 120});
        QVERIFY(f.texts()[1].style.fontSize > before.style.fontSize);

        QTest::mouseClick(f.floating().fontButton(), Qt::LeftButton);
        QVERIFY(f.floating().fontPanel()->isVisible());
        QTest::mouseClick(f.window->findChild<QLabel *>("fontTypeBut1"), Qt::LeftButton);
        QCOMPARE(f.texts()[1].style.fontName, kAnywhereFonts[1]);
        QVERIFY(!f.floating().fontPanel()->isVisible());

        f.floating().edit(1, true);
        QTest::mouseClick(f.window->findChild<QLabel *>("textColour1"), Qt::LeftButton);
        QCOMPARE(f.texts()[1].style.colour, ColourRef(0x0000FF));
        const double size = f.texts()[1].style.fontSize;
        emit f.window->textBiggerRequested();
        QCOMPARE(f.texts()[1].style.fontSize, std::round(size) + 2);
        emit f.window->undoRequested();
        QCOMPARE(f.texts()[1].style.fontSize, size);
        emit f.window->undoRequested();
        QCOMPARE(f.texts()[1].style.colour, ColourRef(0));
    }

    void bubbleMadeTypedDraggedBinnedAndUndone()
    {
        CartoonFixture f;
        const QRect first = f.context.page.pictureBoxes[0].geometry;
        QCOMPARE(f.window->dropIcon(BubbleKind::Speech, first.topRight() + QPoint(4, 10)), -1);
        QCOMPARE(f.window->dropIcon(BubbleKind::Speech, f.inFrame(1, QPoint(200, 200))), 0);
        QVERIFY(f.bubbleShown() && f.window->tailHandle(0)->isVisibleTo(f.window.get()));
        QCOMPARE(f.context.page.current, (CurrentObject{QStringLiteral("bub"), 0}));

        QTest::keyClicks(f.window->bubble(0)->text(), QStringLiteral("Hi"));
        QCOMPARE(f.bubble().text, QStringLiteral("Hi"));
        QCOMPARE(f.context.page.changeCount, 3); // the new bubble and two keys

        // Into frame 0: the bubble keeps its place on the page, counted from its new frame.
        const QPoint onPage = f.inFrame(1, f.bubble().geometry.topLeft());
        const int across = -first.width() / 2 - 100;
        f.dragBubble(QPoint(across, 0));
        QCOMPARE(f.bubble().frame, 0);
        QCOMPARE(f.inFrame(0, f.bubble().geometry.topLeft()), onPage + QPoint(across, 0));

        // Let go above the page: back where the drag started.
        const QRect before = f.bubble().geometry;
        f.dragBubble(QPoint(0, -600));
        QCOMPARE(f.bubble().geometry, before);

        // Into the bin, and undone out of it and back into frame 1.
        const QPoint bin = f.window->bin()->geometry().center();
        const QPoint grip = f.window->bubble(0)->mapTo(f.window.get(), QPoint(0, 0));
        f.dragBubble(bin - grip - QPoint(before.width() / 4 + 4, before.height() / 2));
        QVERIFY(!f.bubble().visible && !f.bubbleShown());
        QVERIFY(!f.window->bin()->isOpen());
        f.undo()->undo();
        QVERIFY(f.bubbleShown());
        f.undo()->undo();
        QCOMPARE(f.bubble().frame, 1);
    }

    void bubbleHandlesPointAndSizeCaptionHasNoTail()
    {
        CartoonFixture f;
        f.window->dropIcon(BubbleKind::Thought, f.inFrame(0, QPoint(200, 200)));
        dragBy(f.window->sizeHandle(0), QPoint(20, 20), QPoint(900, 900));
        const QPoint reach = sizeHandleCentre(f.bubble()) - QPoint(200, 200);
        const int frameWidth = f.context.page.pictureBoxes[0].geometry.width();
        QVERIFY(qAbs(std::hypot(reach.x(), reach.y()) - int(0.32 * frameWidth)) <= 3);

        BubbleHandle *tail = f.window->tailHandle(0);
        dragBy(tail, QPoint(20, 20), QPoint(40, 0));
        QCOMPARE(tail->pos() + QPoint(BubbleHandle::kSide / 2, BubbleHandle::kSide / 2),
                 f.inFrame(0, f.bubble().tip));
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));

        f.window->dropIcon(BubbleKind::Caption, f.inFrame(0, QPoint(150, 150)));
        QVERIFY(!f.window->tailHandle(1)->isVisibleTo(f.window.get()));
        QVERIFY(f.window->sizeHandle(1)->isVisibleTo(f.window.get()));
    }

    void bannerTypingLaysTheLettersOutAndTheFieldHoldsNoMore()
    {
        BannerFixture f;
        QVERIFY(f.editingBorder()); // a bordered banner opens with its border editor
        auto *text = f.find<QLineEdit>("BannerText");
        QTest::mouseClick(text, Qt::LeftButton);
        QTest::keyClicks(text, QStringLiteral("HELLO"));
        QCOMPARE(f.banner().text, QStringLiteral("HELLO"));
        QCOMPARE(f.window->bannerLayout().sheetCount, 2);
        QVERIFY(!f.editingBorder()); // typing began with a press on the field

        QTest::keyClicks(text, QString(150, u'W'));
        const QString full = f.banner().text;
        QVERIFY(full.size() > 5 && full.size() < 100);
        QTest::keyClicks(text, QStringLiteral("W"));
        QCOMPARE(f.banner().text, full);
        QCOMPARE(text->text(), full);
    }

    void bannerButtonsGoToTheEndsAndTakeTheBorderAway()
    {
        BannerFixture f;
        QTest::mouseClick(f.find("Image2"), Qt::LeftButton);
        QCOMPARE(f.find<QScrollBar>("thickScroll")->value(), kMaxBannerThickness);
        QCOMPARE(f.banner().thickness, kMaxBannerThickness);
        QTest::mouseClick(f.find("Image1"), Qt::LeftButton);
        QCOMPARE(f.banner().thickness, kMinBannerThickness);

        QTest::mouseClick(f.find("borderModeBut"), Qt::LeftButton);
        QCOMPARE(f.banner().mode, BannerMode::NoBorder);
        QCOMPARE(f.context.page.border.type, BorderType::None);
        QVERIFY(!f.editingBorder());
        QTest::mouseClick(f.find("borderModeBut"), Qt::LeftButton);
        QVERIFY(f.editingBorder());
    }

    void everyBannerChangeIsOneUndoStep()
    {
        BannerFixture f;
        const QString start = bannerDescription(f.banner());
        QTest::keyClicks(f.find<QLineEdit>("BannerText"), QStringLiteral("AB"));
        const QString typed = bannerDescription(f.banner());
        auto *fonts = f.find<QComboBox>("FontNameCombo");
        QCOMPARE(fonts->count(), 5);
        emit fonts->activated(2);
        f.context.paint.paintColour = 0x0000FF;
        QTest::mouseClick(f.find("letterColourBut"), Qt::LeftButton);
        QCOMPARE(f.banner().letterFill, ColourRef(0x0000FF));

        emit f.window->undoRequested();
        QCOMPARE(f.banner().fontName, fonts->itemText(2));
        emit f.window->undoRequested();
        QCOMPARE(bannerDescription(f.banner()), typed);
        QCOMPARE(fonts->currentIndex(), 0);
        // Ctrl+Z in the field steps the banner back, not the field's own history.
        QTest::keyClick(f.find<QLineEdit>("BannerText"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.banner().text, QStringLiteral("A"));
        QCOMPARE(f.find<QLineEdit>("BannerText")->text(), QStringLiteral("A"));
        emit f.window->undoRequested();
        QCOMPARE(bannerDescription(f.banner()), start);
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "tst_documentwindows.moc"
