// The objects of a "My layout" page, driven by the mouse: the selection frame follows the
// current object, moves and resizes it, takes it off the page when it is dragged wholly away,
// keeps an imported picture's shape and reloads it, the child is asked before painting on it, and
// the icon strip adds boxes that undo takes away again.

#include "core/handling/selectionframe.h"
#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/handling/selectionframewidget.h"
#include "ui/handling/objecticonstrip.h"
#include "ui/handling/objectstripcontroller.h"
#include "ui/handling/paintpermissioncontroller.h"
#include "ui/handling/selectionframecontroller.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using namespace quillora::selectionframe;
using objectdrop::DroppedObject;

namespace {

// A "My layout" window with the controllers the application gives it.
struct Fixture : WindowFixture {
    Fixture()
    {
        context.page.documentType = DocumentKind::MyLayout;
        wire();
        selection = controller<SelectionFrameController>();
        strip = controller<ObjectStripController>()->iconStrip();
        loaded = window->loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/layouts/mylayout.xml"));
        window->show();
    }

    PictureBoxModel &picture(int index = 0) { return context.page.pictureBoxes[index]; }
    RichTextBoxModel &richText(int index = 0) { return context.page.richTextBoxes[index]; }
    SelectionFrameWidget *frame() const { return selection->frame(); }
    QPoint pageOrigin() const { return window->pageView()->pos(); }
    void selectPicture(int index = 0) const
    {
        QTest::mouseClick(window->pageView()->pictureBox(index), Qt::LeftButton, {}, {5, 5});
    }
    void undoStep() const { emit window->undoRequested(); }

    SelectionFrameController *selection = nullptr;
    ObjectIconStrip *strip = nullptr;
    bool loaded = false;
};

// Drags a handle or a bar, with the mouse or (`touchScreen` given) a finger.
void drag(QWidget *widget, QPoint by, Qt::KeyboardModifiers keys = {},
          QPointingDevice *touchScreen = nullptr)
{
    // A finger lands on whatever lies on top: off the middle of a bar, where a handle sits.
    if (touchScreen)
        fingerDrag(widget, touchScreen, QPoint(widget->width() / 4, widget->height() / 2), by);
    else
        dragBy(widget, widget->rect().center(), by, 5, keys);
}

void addFingerColumn()
{
    QTest::addColumn<bool>("finger");
    QTest::newRow("mouse") << false;
    QTest::newRow("finger") << true;
}

} // namespace

class TestSelectionController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A finger drags through its own touch events, as a second child's finger would.
        QCoreApplication::setAttribute(Qt::AA_SynthesizeMouseForUnhandledTouchEvents, false);
        m_touchScreen.reset(QTest::createTouchDevice());
    }
    void cleanupTestCase() { m_touchScreen.reset(); }

    void frameFollowsTheCurrentObject()
    {
        Fixture f;
        QVERIFY(f.loaded);
        QVERIFY(!f.frame()->isVisible());

        f.selectPicture();
        QVERIFY(f.frame()->isVisible());
        QCOMPARE(f.frame()->frameRect(),
                 frameAround(f.picture().geometry).translated(f.pageOrigin()));
        QVERIFY(!f.frame()->allowPaintingBut()->isVisible());

        QTest::mouseClick(f.richBox(0)->viewport(), Qt::LeftButton, {}, {5, 5});
        QCOMPARE(f.frame()->frameRect(),
                 frameAround(f.richText().geometry).translated(f.pageOrigin()));

        QTest::mouseClick(f.view(), Qt::LeftButton, {}, {2, 2});
        QVERIFY(!f.frame()->isVisible());

        // Other pages show neither the frame nor the icons.
        f.context.page.documentType = DocumentKind::Layouts;
        f.window->showPage();
        f.selectPicture();
        QVERIFY(!f.frame()->isVisible());
        QVERIFY(!f.strip->isVisible());
    }

    void pressesBetweenTheHandlesReachTheObject()
    {
        Fixture f;
        f.selectPicture();
        const QRect object = f.picture().geometry.translated(f.pageOrigin());
        QWidget *under = f.window->childAt(object.center());
        QCOMPARE(under, static_cast<QWidget *>(f.pictureBox(0)));
        // Each handle is larger to the touch than its square, and reaches out of the frame.
        const QWidget *corner = f.frame()->handle(0);
        QVERIFY(corner->width() >= SelectionFrameWidget::kHandleTouchSize);
        QCOMPARE(f.window->childAt(object.topLeft() - QPoint(kHandleSize + 20, kHandleSize + 20)),
                 corner);
    }

    // Where the grid puts it is the frame's rule; here, that the drag snaps and undo follows.
    void barDragMovesTheObjectAndUndoPutsItBack_data() { addFingerColumn(); }
    void barDragMovesTheObjectAndUndoPutsItBack()
    {
        QFETCH(bool, finger);
        const QPoint by(53, 29);
        Fixture f;
        f.selectPicture();
        const QRect before = f.picture().geometry;
        const qint32 changes = f.context.page.changeCount;

        drag(f.frame()->moveBar(0), by, {}, finger ? m_touchScreen.get() : nullptr);
        const QPoint corner = before.topLeft() - QPoint(kHandleSize, kHandleSize) + by;
        const QPoint expected = QPoint(snap(corner.x(), false), snap(corner.y(), false)) +
                                QPoint(kHandleSize, kHandleSize);
        QCOMPARE(f.picture().geometry, QRect(expected, before.size()));
        QCOMPARE(f.pictureBox(0)->geometry(), f.picture().geometry);
        QCOMPARE(f.frame()->frameRect(),
                 frameAround(f.picture().geometry).translated(f.pageOrigin()));
        QVERIFY(f.context.page.changeCount > changes);

        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
        f.undoStep();
        QCOMPARE(f.picture().geometry, before);
        QCOMPARE(f.pictureBox(0)->geometry(), before);
        // One step: the press did not add a step of its own.
        QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
        QVERIFY(f.frame()->isVisible());
        QCOMPARE(f.frame()->frameRect(), frameAround(before).translated(f.pageOrigin()));
    }

    void richTextShrinksToFitASmallerBox_data() { addFingerColumn(); }
    void richTextShrinksToFitASmallerBox()
    {
        QFETCH(bool, finger);
        Fixture f;
        RichTextBoxWidget *box = f.richBox(0);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, {5, 5});
        QTest::keyClicks(box, QStringLiteral("We went to the seaside and built a castle"));
        const int top = f.richText().geometry.top();
        drag(f.frame()->handle(5), {0, -(f.richText().geometry.height() - 30)}, {},
             finger ? m_touchScreen.get() : nullptr);
        QCOMPARE(f.richText().geometry.top(), top);
        QVERIFY(f.richText().geometry.height() < 40);
        QVERIFY2(box->document()->size().height() <= f.richText().geometry.height() + 1,
                 qPrintable(QString::number(box->document()->size().height())));
        QVERIFY(f.richText().plainText.startsWith(QStringLiteral("We went")));
    }

    // Where "wholly" begins is the frame's rule; here, that the box goes and undo brings it back.
    void draggedWhollyOffThePageIsRemoved()
    {
        Fixture f;
        QTest::mouseClick(f.richBox(0)->viewport(), Qt::LeftButton, {}, {5, 5});
        QTest::keyClicks(f.richBox(0), QStringLiteral("Sea"));
        const QRect before = f.richText().geometry;
        drag(f.frame()->moveBar(2), {-(before.right() + 9), 0}, Qt::AltModifier);
        QVERIFY(!f.richText().visible);
        QVERIFY(!f.frame()->isVisible());
        QVERIFY(f.richText().plainText.isEmpty());
        QVERIFY(!f.richBox(0)->isVisible());
        f.undoStep();
        QVERIFY(f.richText().visible);
        QCOMPARE(f.richText().geometry, before);
        QCOMPARE(f.richBox(0)->toPlainText(), QStringLiteral("Sea"));
        // A box that is no longer there is not taken away twice, nor counted as a change.
        const qint32 changes = f.context.page.changeCount;
        emit f.selection->draggedOffPage(ObjectKind::Picture, 99, before);
        emit f.selection->draggedOffPage(ObjectKind::RichText, -1, before);
        QCOMPARE(f.context.page.changeCount, changes);
    }

    // The picture icon is dropped by a scenario; the text icon here, with its undo.
    void droppedIconAddsABoxThatUndoTakesAway()
    {
        Fixture f;
        QWidget *icon = f.strip->icon(DroppedObject::RichText);
        const QPoint target = f.pageOrigin() + QPoint(200, 420);
        const QPoint grab(40, 30);
        dragBy(icon, grab, f.window->mapToGlobal(target) - icon->mapToGlobal(grab), 5);

        QCOMPARE(f.context.page.announcedRichTextBoxes, 2);
        const QRect added = f.richText(1).geometry;
        // The box lands where the icon's picture was let go (to the millimetre).
        const QPoint pictureCorner((ObjectIconStrip::kStripWidth - ObjectIconStrip::kIconSide) / 2,
                                   8);
        const QPoint iconCorner = QPoint(200, 420) - (grab - pictureCorner);
        QVERIFY2((added.topLeft() - iconCorner).manhattanLength() <= 2 * f.context.page.scale,
                 qPrintable(QStringLiteral("%1,%2").arg(added.x()).arg(added.y())));
        QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::RichText, 1}));
        QCOMPARE(f.frame()->frameRect(), frameAround(added).translated(f.pageOrigin()));
        QVERIFY(f.richBox(1)->isVisible());

        // The first change on a fresh page can be undone too.
        f.undoStep();
        QVERIFY(!f.richBox(1)->isVisible());
        QVERIFY(!f.richText(1).visible);
        QVERIFY(!f.frame()->isVisible());
    }

    void iconLetGoOffThePageAddsNothing()
    {
        Fixture f;
        QWidget *icon = f.strip->icon(DroppedObject::Picture);
        dragBy(icon, {40, 30}, {0, 40}, 5);
        QCOMPARE(f.context.page.announcedPictureBoxes, 1);
        QVERIFY(!f.strip->dragPicture()->isVisible());
    }

    void importedPictureKeepsItsShapeAndIsReloaded()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("boat.png"));
        QImage file(400, 100, QImage::Format_RGB32);
        file.fill(Qt::red);
        QVERIFY(file.save(path));

        Fixture f;
        PictureBoxModel &box = f.picture();
        box.geometry.setSize(QSize(200, 50));
        box.image = file.scaled(200, 50);
        box.tag = QStringLiteral("file") + path;
        box.importedDiagonalAngle = std::atan2(100.0, 400.0);
        f.window->refreshPictureBox(0);
        f.selectPicture();
        QVERIFY(f.frame()->allowPaintingBut()->isVisible());

        drag(f.frame()->handle(4), {180, 5});
        // Whole pixels: the shape is kept to a pixel or two.
        QVERIFY(std::abs(box.geometry.width() - 4 * box.geometry.height()) <= 2);
        QVERIFY(box.geometry.width() > 300);
        QCOMPARE(box.image.size(), box.geometry.size());
        QCOMPARE(box.image.pixelColor(box.image.width() - 1, box.image.height() - 1),
                 QColor(Qt::red));

        // No keeps it an imported picture; Yes lets the child paint on it.
        DialogAnswer answer = DialogAnswer::No;
        f.controller<PaintPermissionController>()->setPaintQuestion([&] { return answer; });
        QTest::mouseClick(f.frame()->allowPaintingBut(), Qt::LeftButton);
        QVERIFY(box.tag.startsWith(QStringLiteral("file")));
        answer = DialogAnswer::Yes;
        QTest::mouseClick(f.frame()->allowPaintingBut(), Qt::LeftButton);
        QVERIFY(box.tag.isEmpty());
        QVERIFY(!f.frame()->allowPaintingBut()->isVisible());
    }

private:
    std::unique_ptr<QPointingDevice> m_touchScreen;
};

QTEST_MAIN(TestSelectionController)
#include "tst_selectioncontroller.moc"
