// A circle's turn on the page model undone and redone with its words and segment pictures.

#include "core/doctypes/circledrawing.h"
#include "core/doctypes/circlefamily.h"
#include "core/doctypes/circleturn.h"
#include "core/pictures/raster.h"
#include "core/undo/undohistory.h"

#include <QtTest>

using namespace quillora;

namespace {

constexpr QRgb kPaint = 0xFF1020E0;
const ScreenMetrics kScreen{1280, 800};

QStringList words(const PageModel &page)
{
    QStringList texts;
    for (const TextBoxModel &box : page.textBoxes)
        texts.append(box.text);
    return texts;
}

} // namespace

class CircleFamilyTest : public QObject {
    Q_OBJECT
private slots:
    void turnIsUndoneWithItsWords()
    {
        PageModel page;
        page.documentType = DocumentKind::Circle;
        buildNewCircle(page, documentWindowFit(1280, 800, DocumentKind::Circle), 4);
        QImage &disc = page.pictureBoxes[kDiscPictureBox].image;
        raster::fillDisc(disc, QPointF(disc.width() / 2.0, disc.height() * 0.2), 10, kPaint);
        const QImage painted = page.pictureBoxes[kDiscPictureBox].image;
        for (int i = 0; i < 4; ++i)
            page.textBoxes[i].text = QString(QChar(u'a' + i));
        UndoHistory history;
        history.addKind(kCircleTurnUndoKind, circleTurnUndoKind());
        QVERIFY(history.beginWorkOn(page, {objectkind::Picture, kDiscPictureBox}, kScreen));
        QVERIFY(history.record(page, objectkind::Picture, kDiscPictureBox));
        const auto turn = [&](int shift) {
            CirclePage circle = circleOfPage(page);
            takePaintIntoSegments(circle);
            shiftSegments(circle, shift);
            putCircleOnPage(circle, page);
            QVERIFY(history.record(page, kCircleTurnUndoKind, shift));
        };
        turn(1);
        const PageModel turned = page;
        turn(-1);
        QVERIFY(history.undo(page).stepped);
        QCOMPARE(words(page), words(turned));
        QCOMPARE(page.pictureBoxes[kDiscPictureBox].image,
                 turned.pictureBoxes[kDiscPictureBox].image);

        QVERIFY(history.undo(page).stepped);
        QCOMPARE(words(page), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(page.pictureBoxes[kDiscPictureBox].image, painted);
        // The paint went into the top segment when the circle turned, and came back with it.
        QVERIFY(!page.pictureBoxes[segmentPictureBox(0)].image.isNull());
        QVERIFY(page.pictureBoxes[segmentPictureBox(1)].image.isNull());

        QVERIFY(history.redo(page).stepped);
        QCOMPARE(words(page), (QStringList{"d", "a", "b", "c"}));
        QCOMPARE(page.pictureBoxes[kDiscPictureBox].image,
                 turned.pictureBoxes[kDiscPictureBox].image);
    }
};

QTEST_MAIN(CircleFamilyTest)
#include "tst_circlefamily.moc"
