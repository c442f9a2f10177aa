// Anywhere pages: adding texts (untouched ones go, the lowest free slot, 79 at most), the
// largest fitting size and the resize handle's clamps, the page description against its golden
// file and read back, damaged descriptions, and undo of texts with the picture. The printed
// sheet is the anywhere scenario's.

#include "core/doctypes/anywhere.h"
#include "core/doctypes/anywheredescription.h"
#include "core/doctypes/anywherefamily.h"
#include "core/files/staging.h"
#include "core/text/textboxformat.h"
#include "core/undo/undohistory.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

const PageFitInputs kFit = documentWindowFit(1280, 800, DocumentKind::Anywhere);

PageModel blankPage(bool landscape = true)
{
    PageModel page;
    page.documentType = DocumentKind::Anywhere;
    setUpAnywherePage(page, kFit, landscape);
    return page;
}

int typedText(PageModel &page, QPoint at, const QString &text)
{
    const int slot = addFloatingText(page, at).value_or(-1);
    typeFloatingText(page, slot, text);
    return slot;
}

int textsInUse(const PageModel &page)
{
    return int(std::count_if(floatingTextsOf(page).cbegin(), floatingTextsOf(page).cend(),
                             [](const FloatingTextModel &text) { return text.visible; }));
}

} // namespace

class AnywhereTest : public QObject {
    Q_OBJECT
private slots:
    void untouchedTextsMakeWayForTheNext()
    {
        PageModel page = blankPage();
        QCOMPARE(typedText(page, {40, 40}, QStringLiteral("cat")), 1);
        addFloatingText(page, {100, 100});
        const int second = addFloatingText(page, {200, 300}).value();
        QVERIFY(second == 2 && textsInUse(page) == 2);
        const QRect box = floatingTextsOf(page)[second].geometry;
        QCOMPARE(box.topLeft(), QPoint(200, 300 - box.height() / 2));

        // An emptied text keeps its slot; a freed slot below is taken first.
        typeFloatingText(page, second, QString());
        page.kindState<AnywhereState>().floatingTexts[1].visible = false;
        QCOMPARE(addFloatingText(page, {5, 5}).value(), 1);
        QCOMPARE(textsInUse(page), 2);
    }

    void theEightiethTextIsRefused()
    {
        PageModel page = blankPage();
        for (int i = 0; i < kAnywhereTextSlots; ++i)
            QCOMPARE(typedText(page, {10, 10 + i}, QStringLiteral("w")), i + 1);
        QVERIFY(!addFloatingText(page, {50, 50}));
        QCOMPARE(floatingTextsOf(page).size(), kAnywhereTextSlots + 1);
    }

    void aTextBoxEndsAfterItsTextAndNeverWraps()
    {
        PageModel page = blankPage();
        const QRect picture = anywherePictureRect(page);
        const int slot = typedText(page, {picture.width() - 20, 40}, QStringLiteral("a long way"));
        const QRect box = floatingTextsOf(page)[slot].geometry;
        QVERIFY(box.right() > picture.width());
        QCOMPARE(box.height(),
                 floatingTextBoxSize(floatingTextsOf(page)[slot].style, "x").height());
    }

    // Three lines, the middle one widest: a wide frame limits by their height, a narrow one by
    // the widest line.
    void aResizedTextTakesTheLargestSizeThatFits()
    {
        for (const QSize frame : {QSize(1000, 150), QSize(200, 600)}) {
            PageModel page = blankPage();
            const int slot = typedText(page, {10, 100}, QStringLiteral("Hi\r\nHello there\r\nyou"));
            resizeFloatingText(page, slot, QRect(QPoint(10, 80), frame));
            const auto fits = [&](double size) {
                TextStyle style = floatingTextsOf(page)[slot].style;
                style.fontSize = size;
                const QFontMetricsF metrics(fontForStyle(style));
                return metrics.height() * 3 < frame.height() &&
                       metrics.horizontalAdvance(QStringLiteral("Hello there")) < frame.width();
            };
            const double size = floatingTextsOf(page)[slot].style.fontSize;
            QVERIFY(size > kAnywhereSmallestFittingSize && size < kAnywhereLargestFittingSize);
            QVERIFY(fits(size) && !fits(size + 1));
        }
    }

    void resizeHandleStaysInsideThePicture_data()
    {
        QTest::addColumn<QPoint>("proposed");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("inside") << QPoint(300, 200) << QPoint(300, 200);
        QTest::newRow("past the frame's corner") << QPoint(0, 0) << QPoint(110, 60);
        QTest::newRow("past the picture") << QPoint(5000, 5000) << QPoint(988, 588);
    }
    void resizeHandleStaysInsideThePicture()
    {
        QFETCH(QPoint, proposed);
        QFETCH(QPoint, expected);
        const QRect frame(100, 50, 80, 30);
        QCOMPARE(clampResizeHandle(proposed, frame, QSize(1000, 600), QSize(12, 12)), expected);
        const QRect stretched = frameForResizeHandle(frame, expected);
        QCOMPARE(decorationsFor(stretched.adjusted(1, 1, -1, -1), 40).resizeHandle, expected);
    }

    void descriptionIsWrittenAsStoredAndReadsBack()
    {
        PageModel page = blankPage();
        page.scale = 4.0f;
        const int first = typedText(page, {50, 61}, QStringLiteral("it's\r\nme"));
        page.kindState<AnywhereState>().floatingTexts[first].style.fontSize = 21;
        page.kindState<AnywhereState>().floatingTexts[first].style.colour = 0xFF;
        const int second = typedText(page, {403, 122}, QStringLiteral("sun"));
        chooseFloatingTextFont(page, second, kAnywhereFonts[1]);
        addFloatingText(page, {1, 1}); // untouched: written as it is, the window ends editing first

        const QString golden = QStringLiteral(QUILLORA_TEST_DATA "/anywhere/two texts.xml");
        const QByteArray expected = test::readFile(golden);
        QCOMPARE(anywhereDescription(page).toLatin1(), expected);

        PageModel read;
        buildDescribedAnywherePage(read, parseAnywhereDescription(QString::fromLatin1(expected)),
                                   kFit);
        QCOMPARE(floatingTextsOf(read).size(), 4);
        const FloatingTextModel &back = floatingTextsOf(read)[1];
        QCOMPARE(back.text, QStringLiteral("it's\r\nme"));
        QVERIFY(qAbs(back.style.fontSize / read.scale - 21 / 4.0) < 0.01);
        QVERIFY(qAbs(back.geometry.x() / read.scale - 50 / 4.0) <= 0.1 + 1 / read.scale);
        QCOMPARE(floatingTextsOf(read)[2].style.fontName, QStringLiteral("comic sans ms"));
    }

    void damagedDescriptionsGiveSoundPages_data()
    {
        QTest::addColumn<QString>("textbox");
        QTest::addColumn<double>("sizePerScale");
        QTest::newRow("far off the page, font that ends an attribute")
            << "xmm='99999' ymm='-500' size='5' font='x=y'" << 5.0;
        QTest::newRow("size 0") << "xmm='10' ymm='10' size='0'" << kAnywhereNewTextSizePerScale;
        test::addRow("size 10000", "xmm='10' ymm='10' size='10000'", kAnywhereLargestStoredSize);
        QTest::newRow("nothing but a name") << "" << kAnywhereNewTextSizePerScale;
    }
    void damagedDescriptionsGiveSoundPages()
    {
        QFETCH(QString, textbox);
        QFETCH(double, sizePerScale);
        const QString line = QStringLiteral("<textbox name='tb1' text='' %1/>\r\n").arg(textbox);
        QString description =
            QStringLiteral("<layout name='usermade' width='210' height='297'>\r\n");
        for (int i = 0; i < 85; ++i)
            description += line;
        const AnywhereDescription read = parseAnywhereDescription(description);
        QCOMPARE(read.texts.size(), kAnywhereTextSlots);
        QCOMPARE(read.textsLeftOut, 6);

        PageModel page;
        buildDescribedAnywherePage(page, read, kFit);
        QVERIFY(!isLandscapeAnywherePage(page));
        const QRect picture(QPoint(), anywherePictureRect(page).size());
        const FloatingTextModel &text = floatingTextsOf(page)[kAnywhereTextSlots];
        QVERIFY(text.visible && text.text.isEmpty());
        QVERIFY(picture.contains(text.geometry.topLeft()));
        QVERIFY(qAbs(text.style.fontSize - sizePerScale * page.scale) < 0.01);
        QCOMPARE(text.style.fontName, kAnywhereFonts[0].toLower());
    }

    void familyKeepsThePictureAndSaysWhatItLeftOut()
    {
        QTemporaryDir folder;
        const Staging staging(folder.path());
        PageModel page = blankPage();
        page.pictureBoxes[0].image.setPixel(5, 5, qRgb(255, 0, 0));
        typedText(page, {30, 30}, QStringLiteral("kept"));
        const AnywhereFamily family;
        QString error;
        QVERIFY(family.writeMembers(page, folder.path(), &error));
        QVERIFY(family.writeDescription(page, staging, {}, &error));

        PageModel read;
        QVERIFY(!family.readDescription(folder.filePath("missing.xml"), read, kFit, &error));
        QVERIFY(family.readDescription(staging.memberPath("layout.xml"), read, kFit, &error));
        QVERIFY(family.readMembers(read, folder.path()));
        QCOMPARE(read.pictureBoxes[0].image.pixel(5, 5), qRgb(255, 0, 0));
        QCOMPARE(floatingTextsOf(read)[1].text, QStringLiteral("kept"));
        // A picture as wide as the largest side is read; one pixel wider is left out, and said.
        for (const int side : {kMaxAnywherePictureSide, kMaxAnywherePictureSide + 1}) {
            QImage wide(side, 1, QImage::Format_RGB32);
            wide.fill(Qt::blue);
            QVERIFY(wide.save(folder.filePath(kAnywherePictureMember), "BMP"));
            PageModel again = read;
            QCOMPARE(family.readMembers(again, folder.path()), side == kMaxAnywherePictureSide);
        }

        QString many = QStringLiteral("<layout name='usermade' width='297' height='210'>\n");
        for (int i = 0; i < 80; ++i)
            many += QStringLiteral("<textbox name='tb%1' text='x'/>\n").arg(i);
        test::writeFile(staging.memberPath("layout.xml"), many.toLatin1());
        QVERIFY(!family.readMembers(read, folder.path()));
    }

    void undoBringsBackTextsWithThePicture()
    {
        PageModel page = blankPage();
        UndoHistory history;
        QVERIFY(history.beginWorkOn(page, {ObjectKind::Picture, 0}, ScreenMetrics{1280, 800}));
        const int slot = typedText(page, {30, 30}, QStringLiteral("one"));
        QVERIFY(history.record(page, ObjectKind::Picture, 0));
        moveFloatingText(page, slot, {300, 200});
        QVERIFY(history.record(page, ObjectKind::Picture, 0));

        history.undo(page);
        const QRect box = floatingTextsOf(page)[slot].geometry;
        QCOMPARE(box.topLeft(), QPoint(30, 30 - box.height() / 2));
        history.undo(page);
        QVERIFY(!isFloatingText(page, slot));
        history.redo(page);
        QCOMPARE(floatingTextsOf(page)[slot].text, QStringLiteral("one"));
    }

    void pressesNeverWrapBackToSaved()
    {
        PageModel page = blankPage();
        page.changeCount = 65534;
        page.countAtLastSave = 65534;
        countAnywhereChange(page);
        QVERIFY(page.hasUnsavedChanges());
    }
};

QTEST_MAIN(AnywhereTest)
#include "tst_anywhere.moc"
