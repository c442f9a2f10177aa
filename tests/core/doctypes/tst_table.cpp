// Tables: the grid arithmetic, cells taken away and brought back with their work, the page
// description byte for byte and read back from hostile files, the cell pictures through a
// work file folder, and the title's placeholder kept off paper.

#include "core/doctypes/tabledescription.h"
#include "core/doctypes/tablefamily.h"
#include "core/files/staging.h"
#include "support/rows.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

// A 1280 x 800 screen: the landscape page is 962 x 680 pixels.
const PageFitInputs kFit = documentWindowFit(1280, 800, DocumentKind::Table);

PageModel newTable(int columns, int rows)
{
    PageModel page;
    page.documentType = DocumentKind::Table;
    newTablePage(page, kFit, columns, rows);
    return page;
}

} // namespace

class TestTable : public QObject {
    Q_OBJECT
private slots:
    void grid_data()
    {
        QTest::addColumn<QSize>("paper");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("mtcr");
        // 10 x 1000 / 297 = 33.67; 932 / 8 = 116.5 and 564 / 8 = 70.5 go to the even 116 and 70.
        QTest::newRow("landscape, halves to even")
            << QSize(1000, 700) << 8 << 8 << QList<int>{34, 102, 116, 70};
        // 10 x 600 / 210 = 28.57 on portrait paper; 542 / 3 = 180.67.
        QTest::newRow("portrait") << QSize(600, 800) << 3 << 2 << QList<int>{29, 87, 181, 342};
        test::addRow("counts clamped", QSize(1000, 700), 1, 40, QList<int>{34, 102, 466, 47});
    }

    void grid()
    {
        QFETCH(QSize, paper);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QList<int>, mtcr);
        const TableGrid grid = tableGrid(paper, columns, rows);
        QCOMPARE((QList<int>{grid.margin, grid.titleHeight, grid.columnWidth, grid.rowHeight}),
                 mtcr);
        // Cell (1, 2): the picture one pixel inside, the text straight below it.
        const QRect cell = grid.cellRect({1, 2});
        QCOMPARE(cell.topLeft(),
                 QPoint(grid.margin + 2 * grid.columnWidth, grid.titleHeight + grid.rowHeight));
        const QRect picture = grid.pictureRect({1, 2});
        const QRect text = grid.textRect({1, 2});
        QCOMPARE(picture.topLeft(), cell.topLeft() + QPoint(1, 1));
        QCOMPARE(text.top(), cell.top() + picture.height() + 1);
        QCOMPARE(text.height(), int(0.33 * grid.rowHeight));
        QCOMPARE(text.width(), grid.columnWidth - 2);
    }

    void shortRowKeepsPictureHeight()
    {
        // M = 34, T = 102: 12 rows share 36 pixels, R = 3, and the text box gets none of them.
        const TableGrid grid = tableGrid(QSize(1000, 172), 2, 12);
        QCOMPARE(grid.rowHeight, 3);
        QCOMPARE(grid.pictureRect({11, 0}).height(), kMinCellPictureHeightPx);
    }

    void removedCellsComeBack()
    {
        PageModel page = newTable(3, 3);
        const TableCell corner{2, 2};
        PictureBoxModel &picture = page.pictureBoxes[cellPictureIndex(corner)];
        QImage painting = test::filledPicture(picture.geometry.size(), Qt::red);
        QPainter(&painting).drawLine(QPoint(0, 0), painting.rect().bottomRight());
        picture.image = painting;
        page.textBoxes[cellTextIndex(corner)].text = QStringLiteral("fox");
        page.kindState<TableShape>().currentRow = 2;
        page.kindState<TableShape>().currentColumn = 2;

        layOutTable(page, 2, 2);
        QVERIFY(!page.pictureBoxes[cellPictureIndex(corner)].visible);
        QVERIFY(!page.textBoxes[cellTextIndex(corner)].visible);
        QCOMPARE(tableShapeOf(page).currentRow, 1);
        QCOMPARE(tableShapeOf(page).currentColumn, 1);

        // Cells resized back and forth keep their pictures pixel for pixel: they are only
        // stretched to be shown.
        layOutTable(page, 3, 6);
        layOutTable(page, 4, 3);
        layOutTable(page, 3, 3);
        const PictureBoxModel &back = page.pictureBoxes[cellPictureIndex(corner)];
        QVERIFY(back.visible);
        QCOMPARE(back.image, painting);
        QCOMPARE(page.textBoxes[cellTextIndex(corner)].text, QStringLiteral("fox"));
    }

    // "Apply to all" reaches every cell, shown or taken away; the title keeps its own font.
    void fontAppliedToEveryCell()
    {
        PageModel page = newTable(3, 3);
        page.textBoxes[cellTextIndex({2, 2})].text = QStringLiteral("fox");
        layOutTable(page, 2, 2);
        const TextStyle title = page.textBoxes[kTableTitleIndex].style;
        const int chosenIn = cellTextIndex({0, 0});
        TextMeasure measure;
        const FontChoice choice{QStringLiteral("Courier New"), 11.0, 0x0000FF};
        const QVector<int> redrawn = applyFontToEveryCell(page, choice, chosenIn, measure);

        QCOMPARE(redrawn.size(), 2 * 2 - 1);
        QCOMPARE(page.textBoxes[kTableTitleIndex].style, title);
        for (int index = 0; index < page.textBoxes.size(); ++index) {
            if (index == kTableTitleIndex || index == chosenIn)
                continue;
            QCOMPARE(page.textBoxes[index].style.fontName, choice.fontName);
            QCOMPARE(page.textBoxes[index].style.colour, choice.colour);
            QCOMPARE(redrawn.contains(index), page.textBoxes[index].visible);
        }
    }

    void descriptionIsGolden()
    {
        PageModel page = newTable(3, 2);
        page.textBoxes[kTableTitleIndex].text = QStringLiteral("Tom's\r\npets");
        page.textBoxes[kTableTitleIndex].style.fontSize = 12; // two lines fit the title box
        page.textBoxes[cellTextIndex({0, 0})].text = QStringLiteral("cat");
        TextBoxModel &dog = page.textBoxes[cellTextIndex({1, 2})];
        dog.text = QStringLiteral("dog");
        dog.style.fontName = QStringLiteral("comic sans ms");
        dog.style.fontSize = 14.5;
        dog.style.colour = 0xFF;
        const QString written = tableDescription(page);
        QCOMPARE(written.toLatin1(),
                 test::readFile(QStringLiteral(QUILLORA_TEST_DATA "/table/three by two.xml")));

        PageModel read;
        applyTableDescription(written, read, kFit);
        QCOMPARE(tableShapeOf(read).columns, 3);
        QCOMPARE(tableShapeOf(read).rows, 2);
        QCOMPARE(read.textBoxes[kTableTitleIndex].text, QStringLiteral("Tom's\r\npets"));
        QCOMPARE(read.textBoxes[cellTextIndex({1, 2})].style, dog.style);
        QCOMPARE(tableDescription(read), written);
    }

    void typedWordsNeverReadAsAttributes()
    {
        PageModel page = newTable(2, 2);
        TextBoxModel &title = page.textBoxes[kTableTitleIndex];
        title.text = QStringLiteral("big size=");
        title.style.fontSize = 9;
        TextBoxModel &cell = page.textBoxes[cellTextIndex({1, 1})];
        cell.text = QStringLiteral("my row=");
        cell.style.fontName = QStringLiteral("dejavu sans");
        // A stored size below the smallest and a font name past its length are cut to fit.
        TextStyle &odd = page.textBoxes[cellTextIndex({0, 1})].style;
        odd.fontName = QString(70, u'f');
        odd.fontSize = 1;
        PageModel read;
        applyTableDescription(tableDescription(page), read, kFit);
        QCOMPARE(read.textBoxes[kTableTitleIndex].style.fontSize, 9.0);
        QCOMPARE(read.textBoxes[cellTextIndex({1, 1})].text, cell.text);
        QCOMPARE(read.textBoxes[cellTextIndex({1, 1})].style.fontName, cell.style.fontName);
        QCOMPARE(read.textBoxes[cellTextIndex({0, 1})].style.fontName, QString(64, u'f'));
        QCOMPARE(read.textBoxes[cellTextIndex({0, 1})].style.fontSize, 4.0);
    }

    void hostileDescription_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("cornerText"); // cell (rows - 1, columns - 1)
        test::addRow("counts above 12",
                     "<layout name='usermade' numrows='99' numcols='300'>\r\n"
                     "<cell name='ce0' row='11' col='11' text='last'/>\r\n",
                     12, 12, "last");
        test::addRow("counts below 2, cells outside skipped",
                     "<layout numrows='-4' numcols='0'>\n<cell row='1' col='1' text='in'/>\n"
                     "<cell row='2' col='1' text='out'/>\n<cell row='-1' col='0' text='out'/>\n",
                     2, 2, "in");
        test::addRow("no layout line", "<cell row='3' col='5' text='x' size='1e30'/>", 6, 4, "x");
        QString many = QStringLiteral("<layout numrows='2' numcols='2'>\n");
        for (int i = 0; i < 5000; ++i)
            many += QStringLiteral("<cell row='%1' col='%2' text='t%3'/>\n")
                        .arg(i % 3)
                        .arg(i % 2)
                        .arg(i);
        QTest::newRow("thousands of cells") << many << 2 << 2 << "t4999";
    }

    void hostileDescription()
    {
        QFETCH(QString, description);
        QFETCH(int, columns);
        QFETCH(int, rows);
        PageModel page;
        applyTableDescription(description, page, kFit);
        QCOMPARE(tableShapeOf(page).columns, columns);
        QCOMPARE(tableShapeOf(page).rows, rows);
        const TextBoxModel &corner = page.textBoxes[cellTextIndex({rows - 1, columns - 1})];
        QTEST(corner.text, "cornerText");
        QVERIFY(corner.style.fontSize <= 400.0);
        QCOMPARE(page.textBoxes.size(), kMaxTableCount * kMaxTableCount + 1);
    }

    void pictureMembersRoundTrip()
    {
        QTemporaryDir folder;
        PageModel page = newTable(2, 2);
        PictureBoxModel &painted = page.pictureBoxes[cellPictureIndex({1, 1})];
        painted.image = test::filledPicture(painted.geometry.size(), Qt::green);
        QString error;
        QVERIFY2(writeTableMembers(page, folder.path(), &error), qPrintable(error));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("picr1c1.bmp"))));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("picr2c0.bmp"))));

        // A picture from another screen keeps its size; a broken one is left out.
        const QString other = folder.filePath(QStringLiteral("picr0c0.bmp"));
        QVERIFY(test::filledPicture(QSize(40, 30), Qt::blue)
                    .convertToFormat(QImage::Format_Indexed8)
                    .save(other, "BMP"));
        test::writeFile(folder.filePath(QStringLiteral("picr0c1.bmp")), "BM not a bitmap");
        PageModel read = newTable(2, 2);
        QVERIFY(!readTableMembers(read, folder.path()));
        const PictureBoxModel &kept = read.pictureBoxes[cellPictureIndex({0, 0})];
        QCOMPARE(kept.image.size(), QSize(40, 30));
        QCOMPARE(kept.image.pixel(kept.image.rect().center()), 0xFF0000FFu);
        QVERIFY(read.pictureBoxes[cellPictureIndex({0, 1})].image.isNull());
        QCOMPARE(read.pictureBoxes[cellPictureIndex({1, 1})].image, painted.image);

        // Saved again, an untouched cell keeps the bytes it was read with; a painted one is new.
        QImage &repainted = read.pictureBoxes[cellPictureIndex({1, 1})].image;
        QPainter(&repainted).fillRect(repainted.rect(), Qt::red);
        QTemporaryDir again;
        QVERIFY2(writeTableMembers(read, again.path(), &error), qPrintable(error));
        QCOMPARE(test::readFile(again.filePath(QStringLiteral("picr0c0.bmp"))),
                 test::readFile(other));
        QCOMPARE(QImage(again.filePath(QStringLiteral("picr1c1.bmp"))).pixel(0, 0), 0xFFFF0000u);
    }

    void titlePlaceholderNeverDrawn()
    {
        PageModel page = newTable(2, 2);
        QCOMPARE(page.textBoxes[kTableTitleIndex].text, kTableTitlePlaceholder);
        PageModel untitled = page;
        untitled.textBoxes[kTableTitleIndex].text.clear();
        const TableFamily family;
        QCOMPARE(family.render(page, 1.0), family.render(untitled, 1.0));
        page.textBoxes[kTableTitleIndex].text = QStringLiteral("Pets");
        QVERIFY(family.render(page, 1.0) != family.render(untitled, 1.0));
    }
};

QTEST_MAIN(TestTable)
#include "tst_table.moc"
