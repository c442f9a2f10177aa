// The kinds' own windows, where the scenarios do not reach: a postcard turns over once at a time,
// takes keys only on the side showing, and one that cannot be built shows nothing; a circle's
// turn keeps an undo pressed meanwhile, and a cancelled question the segments chosen last; the
// webcam only where a shot fits; a table's add and remove buttons keep to their limits; comic
// bubbles dropped, dragged by outline or words, between frames and into the bin; the banner's
// text limit, border button, one undo step per change and a font kept from the work.

#include "core/doctypes/anywhere.h"
#include "core/doctypes/bannerdescription.h"
#include "core/doctypes/cartoon.h"
#include "core/doctypes/table.h"
#include "support/testfiles.h"
#include "support/windowfixture.h"
#include "ui/doctypes/anywheretexts.h"
#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/bannerwindow.h"
#include "ui/doctypes/bubblewidget.h"
#include "ui/doctypes/cartoonside.h"
#include "ui/doctypes/cartoonwindow.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/doctypes/postcardwindow.h"
#include "ui/doctypes/tablewindow.h"
#include "ui/document/maskcontrol.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/bordereditor.h"
#include "ui/text/onscreenkeyboardwidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace quillora;

namespace {

const QString kLayouts = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/");
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
    const BubbleModel &bubble() const { return bubblesOf(context.page)[0]; }
    bool bubbleShown() const { return window->bubble(0)->isVisibleTo(window.get()); }
    // Drags the first bubble by its outline (left of its text).
    void dragBubble(QPoint by)
    {
        const QRect box = bubble().geometry;
        dragBy(window->bubble(0), QPoint(box.width() / 4 + 4, box.height() / 2), by);
    }
};

// A circle of four segments on screen, the word "A" beside the first.
struct CircleFixture : DocumentWindowFixture<CircleWindow> {
    CircleFixture()
    {
        context.page.documentType = DocumentKind::Circle;
        wire();
        window->show();
        window->startCircle(4);
        context.page.textBoxes[0].text = QStringLiteral("A");
    }
};

struct BannerFixture : DocumentWindowFixture<BannerWindow> {
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
    const Banner &banner() const { return bannerStateOf(context.page); }
    bool editingBorder() const { return controllers.border->isEditing(); }
};

} // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

private slots:
    void flipTurnsACardOverOnceAtATime()
    {
        Card card;
        card.context.settings.onScreenKeyboard = true;
        card.wire();
        QVERIFY(card.window->startDocument(kTemplate));
        card.window->show();
        QVERIFY(card.sideShown(PostcardSide::Picture));
        // The on-screen keyboard types only into a box on the side showing.
        QAbstractButton *q = card.text()->keyboard()->keyButton(11);
        q->click();
        QCOMPARE(card.context.page.textBoxes[0].text, kPlaceholderText);
        for (const PostcardSide resting : {PostcardSide::Writing, PostcardSide::Picture}) {
            card.window->flipButton()->click();
            QVERIFY(card.window->flipping());
            QVERIFY(!card.window->pageView()->isVisible());
            card.window->flip(); // a second press while turning changes nothing
            QTRY_VERIFY(!card.window->flipping());
            QVERIFY(card.sideShown(resting));
            q->click();
        }
        QCOMPARE(card.context.page.textBoxes[0].text, QStringLiteral("q"));
        // A card without its stamp picture shows nothing and cannot turn.
        QTemporaryDir installation;
        test::writeFile(installation.filePath("page0.xml"), test::readFile(kTemplate));
        QVERIFY(!card.window->startDocument(installation.filePath("page0.xml")));
        QVERIFY(!card.window->pageView()->isVisible());
        card.window->flip();
        QVERIFY(!card.window->flipping());
    }

    // An undo pressed while the circle turns waits for the turn and then takes it back.
    void undoDuringATurnWaitsForIt()
    {
        CircleFixture f;
        f.window->turnOneSegment(TurnDirection::Clockwise);
        QTRY_VERIFY(!f.window->isTurning());
        f.window->turnOneSegment(TurnDirection::Clockwise);
        f.window->findChild<QAbstractButton *>(QStringLiteral("undoBut"))->click();
        QTRY_VERIFY(!f.window->isTurning());
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("A"));
    }

    // A cancelled question builds the circle with the number of segments chosen last.
    void cancelledQuestionKeepsTheSegmentsChosenLast()
    {
        DocumentWindowFixture<CircleWindow> f;
        f.context.page.documentType = DocumentKind::Circle;
        f.wire();
        std::optional<int> answer = 6;
        f.window->setSegmentQuestion([&] { return answer; });
        QVERIFY(f.window->startDocument(QString()));
        const qsizetype sixSegments = f.context.page.textBoxes.size();
        answer.reset();
        QVERIFY(f.window->startDocument(QString()));
        QCOMPARE(f.context.page.textBoxes.size(), sixSegments);
        QCOMPARE(f.context.rememberedChoices.circleSegments, 6);
    }

    // The webcam button shows only where a shot has a picture to fill, whatever the options say.
    void webcamOnlyWhereAShotFits()
    {
        BannerFixture banner;
        DocumentWindowFixture<AnywhereWindow> anywhere;
        WindowFixture page;
        for (DocumentWindow *window : std::initializer_list<DocumentWindow *>{
                 banner.window.get(), anywhere.window.get(), page.window.get()}) {
            window->applySettings();
            QCOMPARE(window->toolbar()->isButtonShown(ToolbarAction::WebCam),
                     window == page.window.get());
        }
    }

    // A new text on an anywhere page shows its mark in the child's words, selected, so the first
    // key replaces it; the page keeps the mark until then.
    void anywhereMarkInTheChildsWords()
    {
        DocumentWindowFixture<AnywhereWindow> anywhere;
        anywhere.context.translator.loadFromBytes("\"Abc\",\"Xyz\"\n");
        anywhere.wire();
        anywhere.window->show();
        QVERIFY(anywhere.window->startDocument(QString()));
        anywhere.window->enterWriting();
        QTest::mouseClick(anywhere.window->pageView()->pictureBox(0), Qt::LeftButton, {},
                          QPoint(60, 60));
        const int slot = anywhere.window->editedFloatingText();
        QLineEdit *box = anywhere.window->texts()->textBox(slot);
        QCOMPARE(box->selectedText(), "Xyz");
        QCOMPARE(floatingTextsOf(anywhere.context.page)[slot].text, kPlaceholderText);
        QTest::keyClicks(box, QStringLiteral("Mo"));
        QCOMPARE(floatingTextsOf(anywhere.context.page)[slot].text, "Mo");
        anywhere.window->texts()->endEditing();
        QCOMPARE(anywhere.window->texts()->label(slot)->text(), "Mo");
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
        DocumentWindowFixture<TableWindow> table;
        table.context.translator.loadFromBytes("\"Title\",\"Titre\"\n");
        table.context.page.documentType = DocumentKind::Table;
        table.wire();
        table.window->show();
        table.window->startTable(columns, rows);
        const TableWindow &w = *table.window;
        // The untitled table shows its title mark in the child's words; the page keeps the mark.
        QCOMPARE(w.pageView()->textBox(kTableTitleIndex)->boxText(), "Titre");
        QCOMPARE(table.context.page.textBoxes[kTableTitleIndex].text, kTableTitlePlaceholder);
        QCOMPARE((QList<bool>{w.addColumnButton()->isVisible(), w.removeColumnButton()->isVisible(),
                              w.addRowButton()->isVisible(), w.removeRowButton()->isVisible()}),
                 shown);
        QCOMPARE(w.rows().size(), rows);
        QVERIFY(w.rows().constLast()->isVisible());
        // Every button stays on the screen.
        for (const PictureButton *button : {w.addColumnButton(), w.removeRowButton()})
            QVERIFY(w.rect().contains(button->geometry()));
    }

    // A finger moves a bubble and turns the circle's ring through its own touch events.
    // Qt makes no mouse of a finger here, as of a second child's finger while another paints.
    void fingersMoveABubbleAndTurnTheRing()
    {
        QCoreApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, false);
        const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
        CartoonFixture comic;
        comic.window->show();
        QCOMPARE(comic.window->dropIcon(BubbleKind::Speech, comic.inFrame(1, QPoint(200, 200))), 0);
        const QRect dropped = comic.bubble().geometry;
        fingerDrag(comic.window->bubble(0), touchScreen.get(),
                   QPoint(dropped.width() / 4 + 4, dropped.height() / 2), QPoint(-30, 20));
        QCOMPARE(comic.bubble().geometry, dropped.translated(-30, 20));

        CircleFixture circle;
        const MaskControl *ring = circle.window->ring();
        QPoint top(ring->width() / 2, 0);
        while (!ring->isOnShape(top) && top.y() < ring->height() / 2)
            top.ry() += 2;
        const int radius = ring->height() / 2 - top.y() - 8;
        // A quarter turn clockwise, from the top of the ring to its right.
        fingerDrag(circle.window->ring(), touchScreen.get(), top + QPoint(0, 8),
                   QPoint(radius, radius));
        QTRY_VERIFY(!circle.window->isTurning());
        QCOMPARE(circle.context.page.textBoxes[1].text, QStringLiteral("A"));
        QCoreApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, true);
    }

    void bubbleMadeTypedDraggedBinnedAndUndone()
    {
        CartoonFixture f;
        const QRect first = f.context.page.pictureBoxes[0].geometry;
        QCOMPARE(f.window->dropIcon(BubbleKind::Speech, first.topRight() + QPoint(4, 10)), -1);
        QCOMPARE(f.window->dropIcon(BubbleKind::Speech, f.inFrame(1, QPoint(200, 200))), 0);
        QVERIFY(f.bubbleShown() && f.window->tailHandle(0)->isVisibleTo(f.window.get()));
        QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::Bubble, 0}));

        QTest::keyClicks(f.window->bubble(0)->text(), QStringLiteral("Hi"));
        QCOMPARE(f.bubble().text, QStringLiteral("Hi"));
        QCOMPARE(f.context.page.changeCount, 3); // the new bubble and two keys

        // A drag on the words moves the bubble; a tap there starts writing, and a drag selects.
        QWidget *words = f.window->bubble(0)->text()->viewport();
        const QRect typed = f.bubble().geometry;
        dragBy(words, words->rect().center(), QPoint(-30, 20));
        QCOMPARE(f.bubble().geometry, typed.translated(-30, 20));
        QTest::mouseClick(words, Qt::LeftButton, {}, words->rect().center());
        dragBy(words, words->rect().center(), QPoint(-30, 20));
        QCOMPARE(f.bubble().geometry, typed.translated(-30, 20));

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

        QTest::mouseClick(f.find("borderModeBut"), Qt::LeftButton);
        QCOMPARE(f.context.page.border.type, BorderType::None);
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

    // A work made with a font the teacher has since taken off the five keeps it where the
    // machine has it: the list shows it below the five; a font the machine lacks falls back.
    void bannerKeepsAFontTheMachineHas()
    {
        BannerFixture f;
        f.window->setFontCheck(
            [](const QString &family) { return family == QStringLiteral("Andika"); });
        auto *fonts = f.find<QComboBox>("FontNameCombo");
        f.context.page.kindState<Banner>().fontName = QStringLiteral("Andika");
        f.window->showPage();
        QCOMPARE(f.banner().fontName, QStringLiteral("Andika"));
        QCOMPARE(fonts->currentText(), QStringLiteral("Andika"));
        QCOMPARE(fonts->count(), 6);

        f.context.page.kindState<Banner>().fontName = QStringLiteral("Gone Sans");
        f.window->showPage();
        QCOMPARE(f.banner().fontName, f.context.settings.fontSlots[0]);
        QCOMPARE(fonts->currentIndex(), 0);
        QCOMPARE(fonts->count(), 5);
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "tst_documentwindows.moc"
