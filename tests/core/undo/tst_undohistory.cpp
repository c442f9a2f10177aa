#include "core/undo/pictureunshare.h"
#include "core/undo/undohistory.h"
#include "support/pixelcheck.h"
#include "support/rows.h"

#include <QDebug>
#include <QPainter>
#include <QTest>

using namespace quillora;
using quillora::test::blankPicture;

enum class Change {
    PaintPicture0,
    PaintPicture1,
    TypeText0,
    AddPicture1,
};
Q_DECLARE_METATYPE(Change)

namespace {

const ScreenMetrics kScreen{1920, 1080, 15, 15};

// Rows name kinds by their codes.
ObjectKind kindOf(const QString &code)
{
    return objectKindOfCode(code).value_or(ObjectKind::Nothing);
}

PageModel makePage()
{
    PageModel page;
    page.pictureBoxes.resize(2);
    page.pictureBoxes[0].geometry = QRect(10, 10, 40, 30);
    page.pictureBoxes[0].image = blankPicture(40, 30);
    page.pictureBoxes[0].visible = true;
    page.textBoxes.resize(2);
    for (TextBoxModel &box : page.textBoxes) {
        box.geometry = QRect(10, 50, 80, 20);
        box.visible = true;
    }
    page.richTextBoxes.resize(2);
    page.richTextBoxes[0].geometry = QRect(10, 80, 80, 40);
    page.richTextBoxes[0].rtf = QStringLiteral("{\\rtf1 Abc}");
    page.richTextBoxes[0].visible = true;
    page.border.picture = blankPicture(50, 20);
    HandleModel handle;
    handle.centre = QPoint(60, 45);
    handle.boxesAbove = QStringList{QStringLiteral("p00")};
    handle.boxesBelow = QStringList{QStringLiteral("t00"), QStringLiteral("r00")};
    page.handles.append(handle);
    return page;
}

QString pictureText(const QImage &image)
{
    return image.isNull() ? QStringLiteral("none")
                          : QStringLiteral("%1x%2#%3")
                                .arg(image.width())
                                .arg(image.height())
                                .arg(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
}

// The page as the child sees it: hidden boxes are not on it, whatever they still hold.
QString describe(const PageModel &page)
{
    QString text;
    QDebug out(&text);
    for (const PictureBoxModel &box : page.pictureBoxes) {
        if (box.visible)
            out << "\np" << box.geometry << pictureText(box.image);
        else
            out << "\np hidden";
    }
    for (const TextBoxModel &box : page.textBoxes)
        out << "\nt" << box.geometry << box.text;
    for (const RichTextBoxModel &box : page.richTextBoxes) {
        if (box.visible)
            out << "\nr" << box.geometry << box.rtf;
        else
            out << "\nr hidden";
    }
    out << "\nb" << pictureText(page.border.picture);
    for (const HandleModel &handle : page.handles)
        out << "\nh" << handle.centre;
    return text;
}

void paint(QImage &image, int variant)
{
    QPainter painter(&image);
    painter.fillRect(QRect(variant * 3, variant * 2, 5, 5), variant == 1 ? Qt::red : Qt::blue);
}

void applyChange(PageModel &page, Change change, int variant)
{
    switch (change) {
    case Change::PaintPicture0:
        paint(page.pictureBoxes[0].image, variant);
        break;
    case Change::PaintPicture1:
        paint(page.pictureBoxes[1].image, variant);
        break;
    case Change::TypeText0:
        page.textBoxes[0].text += QString::number(variant);
        page.textBoxes[0].style.fontSize -= variant; // fitting shrinks the font
        page.textBoxes[0].style.bold = variant == 1;
        break;
    case Change::AddPicture1:
        page.pictureBoxes[1].geometry = QRect(100, 10, 60, 60);
        page.pictureBoxes[1].image = blankPicture(60, 60);
        page.pictureBoxes[1].visible = true;
        break;
    }
}

// Runs a script: "r" types one more letter and records it, "u" undoes, "y" redoes, a digit
// restarts the history with that capacity.
void run(UndoHistory &history, PageModel &page, const QString &operations)
{
    for (const QChar operation : operations) {
        if (operation == u'r') {
            page.textBoxes[0].text += u'x';
            QVERIFY(history.record(page, ObjectKind::Text, 0));
        } else if (operation == u'u')
            history.undo(page);
        else if (operation == u'y')
            history.redo(page);
        else if (operation.isDigit())
            history.restart(operation.digitValue());
    }
}

QString slotSteps(const UndoHistory &history)
{
    QStringList steps;
    for (const UndoRecord &record : history.records())
        steps << QString::number(record.step);
    return steps.join(u',');
}

} // namespace

class TestUndoHistory : public QObject {
    Q_OBJECT
private slots:
    void slotsAndButtons_data()
    {
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("undoShown");
        QTest::addColumn<bool>("redoShown");
        test::addRow("starting record only", "3r", "1,-99,-99,-99", 1, false, false);
        test::addRow("fifth record overwrites the first", "3rrrrr", "5,2,3,4", 5, true, false);
        test::addRow("oldest lost hides undo", "3rrrrruuu", "5,2,3,4", 2, false, true);
        test::addRow("new change after undos ends redo", "3rrrruur", "1,2,3,-99", 3, true, false);
        test::addRow("undone slot reused after wrap", "3rrrrruur", "-99,2,3,4", 4, true, false);
        test::addRow("undone first slot reused", "3rrrrrur", "5,2,3,4", 5, true, false);
        test::addRow("restart forgets everything", "3rrru5", "-99,-99,-99,-99,-99,-99", 0, false,
                     false);
    }
    void recordingTheSameStateAddsNoStep()
    {
        UndoHistory history;
        PageModel page = makePage();
        run(history, page, QStringLiteral("3rr"));
        QVERIFY(history.record(page, ObjectKind::Text, 0));
        QCOMPARE(slotSteps(history), QStringLiteral("1,2,-99,-99"));
        history.undo(page);
        QVERIFY2(history.record(page, ObjectKind::Text, 0), "a key let go after Ctrl+Z");
        QVERIFY2(history.redoVisible(), "the undone step can still be redone");
        QVERIFY(history.undo(page).stepped == false);
    }

    void slotsAndButtons()
    {
        QFETCH(QString, operations);
        UndoHistory history;
        PageModel page = makePage();
        run(history, page, operations);
        QTEST(slotSteps(history), "steps");
        QTEST(int(history.currentStep()), "current");
        QTEST(history.undoVisible(), "undoShown");
        QTEST(history.redoVisible(), "redoShown");
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("startKind");
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<QString>("firstKind");
        QTest::addColumn<int>("firstIndex");
        QTest::addColumn<Change>("firstChange");
        QTest::addColumn<QString>("secondKind");
        QTest::addColumn<int>("secondIndex");
        QTest::addColumn<Change>("secondChange");
        QTest::addColumn<QString>("undoTouches"); // kind:index the first undo must name

        test::addRow("ap then paint on it", "p", 0, "ap", 1, Change::AddPicture1, "p", 1,
                     Change::PaintPicture1, "ap:1");
        test::addRow("add between strokes of another box", "p", 0, "p", 0, Change::PaintPicture0,
                     "ap", 1, Change::AddPicture1, "ap:1");
    }
    void roundTrip()
    {
        QFETCH(QString, startKind);
        QFETCH(int, startIndex);
        QFETCH(QString, firstKind);
        QFETCH(int, firstIndex);
        QFETCH(Change, firstChange);
        QFETCH(QString, secondKind);
        QFETCH(int, secondIndex);
        QFETCH(Change, secondChange);
        QFETCH(QString, undoTouches);

        PageModel page = makePage();
        UndoHistory history;
        history.restart(10);
        QVERIFY(history.record(page, kindOf(startKind), startIndex));
        const QString start = describe(page);
        applyChange(page, firstChange, 1);
        QVERIFY(history.record(page, kindOf(firstKind), firstIndex));
        const QString first = describe(page);
        applyChange(page, secondChange, 2);
        QVERIFY(history.record(page, kindOf(secondKind), secondIndex));
        const QString second = describe(page);
        QVERIFY(first != start && second != first);

        const UndoResult back = history.undo(page);
        QVERIFY(back.stepped);
        QCOMPARE(describe(page), first);
        const QStringList touch = undoTouches.split(u':');
        QVERIFY(back.changed.contains(UndoTarget{kindOf(touch.at(0)), touch.at(1).toInt()}));
        QVERIFY(history.undo(page).stepped);
        QCOMPARE(describe(page), start);
        QVERIFY(!history.undo(page).stepped);
        QCOMPARE(describe(page), start);
        QVERIFY(history.redo(page).stepped);
        QCOMPARE(describe(page), first);
        QVERIFY(history.redo(page).stepped);
        QCOMPARE(describe(page), second);
        QVERIFY(!history.redo(page).stepped);
    }

    void restartWhenWorkMoves_data()
    {
        QTest::addColumn<QString>("previousKind");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<bool>("restarts");
        QTest::addColumn<int>("capacity");
        const QSize none;
        test::addRow("full-screen picture", "", "p", 0, QSize(1920, 1080), true, 3);
        test::addRow("picture over three screens", "", "p", 0, QSize(5000, 5000), true, 1);
        test::addRow("border picture", "", "b", 0, QSize(1920, 1080), true, 3);
        test::addRow("text box", "", "t", 1, none, true, 100);
        test::addRow("same text box again", "t", "t", 1, none, false, 100);
        test::addRow("handle keeps the history", "", "h", 0, none, false, 20);
        test::addRow("missing text box", "", "t", 7, none, false, 20);
    }
    void restartWhenWorkMoves()
    {
        QFETCH(QString, previousKind);
        QFETCH(QString, kind);
        QFETCH(int, index);
        QFETCH(QSize, pictureSize);
        QFETCH(bool, restarts);
        PageModel page = makePage();
        if (pictureSize.isValid()) {
            page.pictureBoxes[0].geometry = QRect(QPoint(0, 0), pictureSize);
            page.border.picture = QImage(pictureSize, QImage::Format_RGB32);
        }
        UndoHistory history;
        if (previousKind.isEmpty())
            QVERIFY(history.record(page, ObjectKind::Text, 0));
        else
            QVERIFY(history.beginWorkOn(page, {kindOf(previousKind), index}, kScreen));
        QCOMPARE(history.beginWorkOn(page, {kindOf(kind), index}, kScreen), restarts);
        if (restarts) {
            QCOMPARE(history.currentStep(), 1);
            QCOMPARE(history.workObject(), (CurrentObject{kindOf(kind), index}));
            QVERIFY(!history.undoVisible());
        }
        QTEST(history.capacity(), "capacity");
    }

    void switchingTextBoxesNeverUndoesIntoThePrevious()
    {
        PageModel page = makePage();
        UndoHistory history;
        QVERIFY(history.beginWorkOn(page, {ObjectKind::Text, 0}, kScreen));
        applyChange(page, Change::TypeText0, 1);
        QVERIFY(history.record(page, ObjectKind::Text, 0));
        const QString firstBoxTyped = page.textBoxes[0].text;
        QVERIFY(history.beginWorkOn(page, {ObjectKind::Text, 1}, kScreen));
        page.textBoxes[1].text = QStringLiteral("Hello");
        QVERIFY(history.record(page, ObjectKind::Text, 1));
        QVERIFY(history.undo(page).stepped);
        QVERIFY(!history.undoVisible());
        QCOMPARE(page.textBoxes[1].text, kPlaceholderText);
        QCOMPARE(page.textBoxes[0].text, firstBoxTyped);
    }

    void pictureCapacity_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("capacity");
        QTest::newRow("rounds to nearest") << QSize(1000, 1000) << 6; // 6.2208
        QTest::newRow("rounds up") << QSize(1600, 1000) << 4;         // 3.888
        QTest::newRow("larger than three screens keeps one") << QSize(7680, 1080) << 1;
        QTest::newRow("tiny box is bounded") << QSize(1, 1) << UndoHistory::kMaxCapacity;
    }
    void pictureCapacity()
    {
        QFETCH(QSize, size);
        QTEST(UndoHistory::pictureCapacity(size, kScreen), "capacity");
    }

    void snapshotsShareThePicture()
    {
        PageModel page = makePage();
        page.pictureBoxes[0].geometry = QRect(0, 0, 1920, 1080);
        page.pictureBoxes[0].image = blankPicture(1920, 1080);
        UndoHistory history;
        QVERIFY(history.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen));
        const QImage &live = page.pictureBoxes[0].image;
        const QImage &snapshot = history.records().at(0).picture;
        QCOMPARE(snapshot.constBits(), live.constBits());
        paint(page.pictureBoxes[0].image, 1); // writing detaches the live picture only
        QCOMPARE(snapshot.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(live.pixel(5, 5), QColor(Qt::red).rgb());

        // A full history of a full-screen picture keeps four pictures: about three screens.
        for (int variant = 0; variant < 6; ++variant) {
            paint(page.pictureBoxes[0].image, variant % 3);
            QVERIFY(history.record(page, ObjectKind::Picture, 0));
        }
        QCOMPARE(history.capacity(), 3);
        QCOMPARE(history.pictureBytes(), 4 * qint64(1920) * 1080 * 4);

        // A pool thread copies the recorded picture for the page, so the next stroke writes
        // without copying first; the snapshot keeps the old pixels.
        QObject window;
        const QImage recorded = page.pictureBoxes[0].image;
        unsharePictureLater(&window, page, 0);
        QTRY_VERIFY(page.pictureBoxes[0].image.cacheKey() != recorded.cacheKey());
        QVERIFY(page.pictureBoxes[0].image.isDetached());
        QCOMPARE(page.pictureBoxes[0].image, recorded);
        page.pictureBoxes[0].image.setPixel(100, 100, qRgb(1, 2, 3));
        QCOMPARE(recorded.pixel(100, 100), qRgb(255, 255, 255));
        // A stroke before the copy is back wins: the late copy is not taken.
        QVERIFY(history.record(page, ObjectKind::Picture, 0));
        unsharePictureLater(&window, page, 0);
        page.pictureBoxes[0].image.setPixel(101, 100, qRgb(1, 2, 3));
        const QImage painted = page.pictureBoxes[0].image;
        QTest::qWait(200);
        QCOMPARE(page.pictureBoxes[0].image.cacheKey(), painted.cacheKey());
    }

    void failedRecordLeavesTheHistoryAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("index");
        QTest::newRow("kind without a handler") << "paper" << 0;
        QTest::newRow("negative index") << "t" << -1;
    }
    void failedRecordLeavesTheHistoryAlone()
    {
        QFETCH(QString, kind);
        QFETCH(int, index);
        PageModel page = makePage();
        UndoHistory history;
        history.restart(3);
        QVERIFY(history.record(page, ObjectKind::Text, 0));
        QVERIFY(!history.record(page, kindOf(kind), index));
        QCOMPARE(history.currentStep(), 1);
        QCOMPARE(slotSteps(history), QStringLiteral("1,-99,-99,-99"));
    }

    // Codes are for text only: each names one kind, and a code no kind has is refused.
    void kindCodes()
    {
        for (int k = int(ObjectKind::Nothing); k <= int(ObjectKind::CircleTurn); ++k) {
            const QString code = objectKindCode(ObjectKind(k));
            QVERIFY2(objectKindOfCode(code) == ObjectKind(k), qPrintable(code));
        }
        QVERIFY(!objectKindOfCode(u"zz"));
        QVERIFY(!objectKindOfCode(u"T"));
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
