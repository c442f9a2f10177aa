// The comic strip window: a bubble dropped from its icon onto a frame, typed into, dragged to
// another frame, outside every frame and into the bin, each step undone; the tail and size
// handles; and a caption box without a tail.

#include "core/doctypes/cartoon.h"
#include "support/windowfixture.h"
#include "ui/doctypes/bubblewidget.h"
#include "ui/doctypes/cartoonside.h"
#include "ui/doctypes/cartoonwindow.h"

#include <QTest>

using namespace quillora;

namespace {

struct CartoonFixture : DocumentWindowFixture<CartoonWindow> {
    CartoonFixture()
    {
        context.page.documentType = DocumentKind::ComicStrip;
        wire();
        QVERIFY(window->startDocument(
            QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/cartoon/two frames.xml")));
    }

    QPoint inFrame(int frame, QPoint at) const
    {
        return context.page.pictureBoxes[frame].geometry.topLeft() + at;
    }

    // Drags bubble `index` by its outline (left of its text) by `by` pixels.
    void dragBubble(int index, QPoint by)
    {
        const BubbleModel &model = context.page.bubbles[index];
        dragBy(window->bubble(index),
               QPoint(model.geometry.width() / 4 + 4, model.geometry.height() / 2), by);
    }
};

} // namespace

class CartoonWindowTest : public QObject {
    Q_OBJECT
private slots:
    void bubbleMadeTypedDraggedBinnedAndUndone()
    {
        CartoonFixture f;
        QCOMPARE(f.window->objectName(), QStringLiteral("cartoonForm"));
        const QRect first = f.context.page.pictureBoxes[0].geometry;
        QCOMPARE(f.window->dropIcon(BubbleKind::Speech, first.topRight() + QPoint(4, 10)), -1);
        const int index = f.window->dropIcon(BubbleKind::Speech, f.inFrame(1, QPoint(200, 200)));
        QCOMPARE(index, 0);
        QVERIFY(f.window->bubble(0)->isVisibleTo(f.window.get()));
        QVERIFY(f.window->tailHandle(0)->isVisibleTo(f.window.get()));
        QCOMPARE(f.context.page.current, (CurrentObject{QStringLiteral("bub"), 0}));

        QTest::keyClicks(f.window->bubble(0)->text(), QStringLiteral("Hi"));
        QCOMPARE(f.context.page.bubbles[0].text, QStringLiteral("Hi"));
        QCOMPARE(f.context.page.changeCount, 3); // the new bubble and two keys

        // Into frame 0: the bubble keeps its place on the page, counted from its new frame.
        const QPoint onPage = f.inFrame(1, f.context.page.bubbles[0].geometry.topLeft());
        const int across = -f.context.page.pictureBoxes[0].geometry.width() / 2 - 100;
        f.dragBubble(0, QPoint(across, 0));
        QCOMPARE(f.context.page.bubbles[0].frame, 0);
        QCOMPARE(f.inFrame(0, f.context.page.bubbles[0].geometry.topLeft()),
                 onPage + QPoint(across, 0));

        // Let go above the page: back where the drag started.
        const QRect before = f.context.page.bubbles[0].geometry;
        f.dragBubble(0, QPoint(0, -600));
        QCOMPARE(f.context.page.bubbles[0].geometry, before);

        // Into the bin, and undone out of it and back into frame 1.
        const QPoint bin = f.window->bin()->geometry().center();
        const QPoint grip = f.window->bubble(0)->mapTo(f.window.get(), QPoint(0, 0));
        f.dragBubble(0, bin - grip - QPoint(before.width() / 4 + 4, before.height() / 2));
        QVERIFY(!f.context.page.bubbles[0].visible);
        QVERIFY(!f.window->bubble(0)->isVisibleTo(f.window.get()));
        QVERIFY(!f.window->bin()->isOpen());
        f.controllers.undo->undo();
        QVERIFY(f.window->bubble(0)->isVisibleTo(f.window.get()));
        QCOMPARE(f.context.page.bubbles[0].text, QStringLiteral("Hi"));
        f.controllers.undo->undo();
        QCOMPARE(f.context.page.bubbles[0].frame, 1);
    }

    void handlesPointAndSize()
    {
        CartoonFixture f;
        f.window->dropIcon(BubbleKind::Thought, f.inFrame(0, QPoint(200, 200)));
        BubbleHandle *size = f.window->sizeHandle(0);
        const int frameWidth = f.context.page.pictureBoxes[0].geometry.width();
        dragBy(size, QPoint(20, 20), QPoint(900, 900));
        const BubbleModel &bubble = f.context.page.bubbles[0];
        const QPoint reach = sizeHandleCentre(bubble) - QPoint(200, 200);
        QVERIFY(qAbs(std::hypot(reach.x(), reach.y()) - int(0.32 * frameWidth)) <= 3);

        BubbleHandle *tail = f.window->tailHandle(0);
        dragBy(tail, QPoint(20, 20), QPoint(40, 0));
        QCOMPARE(tail->pos() + QPoint(BubbleHandle::kSide / 2, BubbleHandle::kSide / 2),
                 f.inFrame(0, bubble.tip));
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
    }

    void captionBoxHasNoTail()
    {
        CartoonFixture f;
        f.window->dropIcon(BubbleKind::Caption, f.inFrame(0, QPoint(150, 150)));
        QVERIFY(!f.window->tailHandle(0)->isVisibleTo(f.window.get()));
        QVERIFY(f.window->sizeHandle(0)->isVisibleTo(f.window.get()));
    }
};

QTEST_MAIN(CartoonWindowTest)
#include "tst_cartoonwindow.moc"
