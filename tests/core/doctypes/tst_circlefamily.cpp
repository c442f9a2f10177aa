// The circle on the page model: its work written and read back through its family with paint
// not yet taken into the segments, and a turn undone and redone with its words.

#include "core/doctypes/circledrawing.h"
#include "core/doctypes/circlefamily.h"
#include "core/doctypes/circleturn.h"
#include "core/files/staging.h"
#include "core/pictures/raster.h"
#include "core/printing/imageprintdevice.h"
#include "core/undo/undohistory.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

constexpr QRgb kPaint = 0xFF1020E0;
const ScreenMetrics kScreen{1280, 800};

// A circle on a 1280 x 800 screen with a blob painted on the disc in the top segment.
PageModel paintedCircle(int segments)
{
    PageModel page;
    page.documentType = DocumentKind::Circle;
    buildNewCircle(page, documentWindowFit(1280, 800, DocumentKind::Circle), segments);
    QImage &disc = page.pictureBoxes[kDiscPictureBox].image;
    raster::fillDisc(disc, QPointF(disc.width() / 2.0, disc.height() * 0.2), 10, kPaint);
    return page;
}

QPoint blob(const PageModel &page)
{
    const QImage &disc = page.pictureBoxes[kDiscPictureBox].image;
    return QPoint(disc.width() / 2, int(disc.height() * 0.2));
}

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
    void workRoundTripsThroughTheFamily()
    {
        QTemporaryDir folder;
        const PageFamily &family = *pageFamilyFor(DocumentKind::Circle);
        PageModel page = paintedCircle(6);
        page.textBoxes[2].text = QStringLiteral("autumn");
        QVERIFY(family.writeMembers(page, folder.path(), nullptr));
        QVERIFY(family.writeDescription(page, Staging(folder.path()), {}, nullptr));

        PageModel read;
        read.documentType = DocumentKind::Circle;
        QVERIFY(family.readDescription(folder.filePath(QStringLiteral("layout.xml")), read,
                                       documentWindowFit(1280, 800, DocumentKind::Circle),
                                       nullptr));
        QVERIFY(family.readMembers(read, folder.path()));
        QCOMPARE(words(read), words(page));
        QCOMPARE(read.pictureBoxes.size(), 7);
        QVERIFY(read.pictureBoxes[kDiscPictureBox].visible);
        QVERIFY(!read.pictureBoxes[segmentPictureBox(0)].visible);
        QCOMPARE(read.pictureBoxes[kDiscPictureBox].image.pixel(blob(read)), kPaint);
        QCOMPARE(family.render(read, 1.0).size(), read.pageRect.size());
        ImagePrintDevice printer(QStringLiteral("Test"), QSize(413, 585), QMargins());
        QCOMPARE(family.print(read, printer, PrintSettings{}).outcome, PrintOutcome::Printed);
    }

    void turnIsUndoneWithItsWords()
    {
        PageModel page = paintedCircle(4);
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
