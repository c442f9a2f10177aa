// The sheet of repeated copies: the count and "Auto" after the scroll bar, what "Auto" chooses,
// and the sheet picture, which must show the copies where the print puts them.

#include "core/layout/documenttypes.h"
#include "core/printing/copiessheet.h"
#include "core/printing/pagerenderer.h"
#include "core/printing/printjob.h"
#include "support/samplepage.h"

#include <QTest>

using namespace quillora;

namespace {

// A page that is one red picture: every copy on a sheet is a red rectangle.
PageModel redPage(QSize size, int copies)
{
    PageModel page;
    page.documentType = DocumentKind::Multi;
    page.pageRect = QRect(QPoint(120, 80), size);
    page.repeatCount = copies;
    PictureBoxModel box;
    box.visible = true;
    box.geometry = QRect(QPoint(0, 0), size);
    box.image = test::filledPicture(size, Qt::red);
    page.pictureBoxes.append(box);
    page.announcedPictureBoxes = 1;
    return page;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace

class TestCopiesSheet : public QObject {
    Q_OBJECT

private slots:
    void scrollChangesCountAndAuto_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("autoTicked");
        QTest::newRow("below the range") << 0 << 2 << true;
        QTest::newRow("four is still automatic") << 4 << 4 << true;
        QTest::newRow("five unticks") << 5 << 5 << false;
        QTest::newRow("beyond the range") << 99 << kMostSheetCopies << false;
    }
    void scrollChangesCountAndAuto()
    {
        QFETCH(int, value);
        QFETCH(int, count);
        QFETCH(bool, autoTicked);
        const CopiesChoice choice = copiesFromScroll(value);
        QCOMPARE(choice.count, count);
        QCOMPARE(choice.autoTicked, autoTicked);
    }

    void autoChoosesTheCountThatFillsTheSheet_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<int>("count");
        // Two squares side by side cover a landscape sheet as well as four do: the larger win.
        QTest::newRow("square page") << QSize(300, 300) << 2;
        // A4-shaped pages tile an A4 sheet four at a time.
        QTest::newRow("A4 landscape page") << QSize(594, 420) << 4;
        // Three tall strips would cover barely more of the sheet than two: the larger copies win.
        QTest::newRow("tall strip") << QSize(100, 360) << 2;
        QTest::newRow("no page") << QSize() << 2;
    }
    void autoChoosesTheCountThatFillsTheSheet()
    {
        QFETCH(QSize, page);
        QTEST(autoCopiesCount(page), "count");
    }

    void sheetShowsEveryCopyWherePrintPutsIt_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<int>("copies");
        QTest::newRow("two landscape labels") << QSize(360, 200) << 2;
        QTest::newRow("six labels") << QSize(360, 200) << 6;
        QTest::newRow("four portrait pages") << QSize(210, 297) << 4;
    }
    void sheetShowsEveryCopyWherePrintPutsIt()
    {
        QFETCH(QSize, page);
        QFETCH(int, copies);
        const PageModel model = redPage(page, copies);
        const QImage sheet = renderCopiesSheet(model, 600);
        QCOMPARE(sheet.width(), 600);
        // A4 in the page's orientation.
        const double ratio = double(sheet.width()) / sheet.height();
        QVERIFY(qAbs(ratio - (page.width() >= page.height() ? 297.0 / 210 : 210.0 / 297)) < 0.01);
        // The centre of each arranged copy is red, the sheet's corner white.
        const double margin = 5.0 * 600 / (page.width() >= page.height() ? 297.0 : 210.0);
        const SheetPlacement placement = arrangeRepeatedCopies(
            page, QSizeF(sheet.width() - 2 * margin, sheet.height() - 2 * margin), copies);
        QCOMPARE(placement.origins.size(), copies);
        // Copies run in reading order: along a row first, then down to the next.
        for (int i = 1; i < copies; ++i) {
            const QPointF from = placement.origins[i - 1], to = placement.origins[i];
            QVERIFY(to.y() > from.y() || (to.y() == from.y() && to.x() > from.x()));
        }
        for (const QPointF &origin : placement.origins) {
            const QPointF centre = origin + QPointF(margin, margin) +
                                   QPointF(page.width(), page.height()) * placement.scale / 2;
            QVERIFY(isRed(sheet.pixel(centre.toPoint())));
        }
        QCOMPARE(sheet.pixel(1, 1), qRgb(255, 255, 255));
        // Nothing lies in the strip along the right and bottom edges the printer cannot reach.
        const int strip = int(margin) - 1;
        for (int y = 0; y < sheet.height(); ++y)
            QCOMPARE(sheet.pixel(sheet.width() - strip, y), qRgb(255, 255, 255));
        for (int x = 0; x < sheet.width(); ++x)
            QCOMPARE(sheet.pixel(x, sheet.height() - strip), qRgb(255, 255, 255));
    }

    void hugePagesStayWithinTheSizeLimit()
    {
        const PageModel model = redPage(QSize(3000, 2000), 2);
        const QImage sheet = renderCopiesSheetPicture(model, 8.0);
        QVERIFY(!sheet.isNull());
        QVERIFY(qMax(sheet.width(), sheet.height()) <= kMaxSheetPictureSidePx);
        QVERIFY(renderCopiesSheet(PageModel{}, 600).isNull());
    }
};

QTEST_MAIN(TestCopiesSheet)
#include "tst_copiessheet.moc"
