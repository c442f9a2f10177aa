#include "core/layout/templatereader.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

// A 1280 x 800 screen, palette 96 wide, toolbar 64 high, "Layouts": an A4 portrait page is
// fitted to the height at 688 / 297 pixels per millimetre.
const PageFitInputs kFit{1280, 800, 96, 64, DocumentKind::Layouts};

QString layoutFile(const QString &name)
{
    return QStringLiteral(QUILLORA_TEST_DATA "/layouts/") + name;
}

PageModel readOrFail(const QString &name)
{
    PageModel page;
    QString error;
    if (!readTemplate(layoutFile(name), page, kFit, &error))
        qWarning("%s", qPrintable(error));
    return page;
}

} // namespace

class TestTemplateReader : public QObject {
    Q_OBJECT
private slots:
    void textBoxes()
    {
        const PageModel page = readOrFail("five.xml");
        QCOMPARE(page.textBoxes.size(), 5);
        const TextBoxModel &title = page.textBoxes[0];
        QCOMPARE(title.geometry, QRect(23, 23, 440, 46));
        QCOMPARE(title.style.fontName, QStringLiteral("arial"));
        QCOMPARE(title.style.fontSize, 8.0 * double(688.0f / 297.0f));
        QVERIFY(title.style.bold);
        QCOMPARE(title.style.align, Alignment::Centre);
        QCOMPARE(title.style.colour, 0xFF0000u);
        QCOMPARE(page.textBoxes[1].text, QStringLiteral("One\r\nTwo"));
        QCOMPARE(page.textBoxes[2].text, QStringLiteral("It's mine"));
        QCOMPARE(page.textBoxes[3].text, kPlaceholderText);
    }

    void smallerTemplateHidesTheSurplus()
    {
        PageModel page = readOrFail("five.xml");
        page.pictureBoxes[0].image = QImage(10, 10, QImage::Format_RGB32);
        QString error;
        QVERIFY2(readTemplate(layoutFile("three.xml"), page, kFit, &error), qPrintable(error));
        QCOMPARE(page.textBoxes[2].text, QStringLiteral("C"));
        QVERIFY(!page.textBoxes[3].visible);
        QCOMPARE(page.textBoxes[4].text, kPlaceholderText);
        QVERIFY(!page.pictureBoxes[0].visible && page.pictureBoxes[0].image.isNull());
    }

    void richTextHandlesLinesAndBoxes()
    {
        const PageModel page = readOrFail("richhandles.xml");
        const RichTextBoxModel &news = page.richTextBoxes[0];
        QCOMPARE(news.plainText, QStringLiteral("Big News"));
        QCOMPARE(news.style.fontSize, 6.5 * double(688.0f / 297.0f));
        QVERIFY(news.style.bold && news.style.italic && news.style.underline);
        QCOMPARE(page.richTextBoxes[1].plainText, kPlaceholderText);

        const PictureBoxModel &repeated = page.pictureBoxes[0];
        QCOMPARE((QList<int>{repeated.repeatOffsetX, repeated.horizontalRepeats,
                             repeated.repeatWidth, repeated.verticalRepeats}),
                 (QList<int>{11, 3, 46, 2}));

        const HandleModel &handle = page.handles.value(0);
        QCOMPARE(handle.centre, QPoint(243, 359));
        QCOMPARE(QPoint(handle.minY, handle.maxY), QPoint(231, 277)); // given upside down
        QCOMPARE(handle.boxesAbove, QStringList({"p00", "p01"}));     // "x12" names nothing
        QCOMPARE(page.lines.value(0).to, QPoint(463, 173));
        QCOMPARE(page.boxes.value(0).rect, QRect(23, 11, 440, 660));
    }

    void landscapeCopiesAndBorder()
    {
        const PageModel page = readOrFail("landscape.xml");
        QCOMPARE(QSize(page.pageWidthMm, page.pageHeightMm), QSize(297, 210));
        QCOMPARE(page.textBoxes[0].geometry.topLeft(), QPoint(32, 32));
        QCOMPARE(page.repeatCount, 2);
        const PageModel bordered = readOrFail("borderpattern.xml");
        const BorderModel &b = bordered.border;
        QCOMPARE(b.type, BorderType::Pattern);
        QCOMPARE(QList<int>({b.edgeWidth, b.edgeHeight, b.tileWidth, b.tileHeight}),
                 QList<int>({35, 20, 46, 46}));
        QCOMPARE(bordered.maskRect, QRect(46, 46, 393, 595));
    }

    void sidePicturesLoaded()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("shape.xml");
        test::writeFile(path, "<layout NumPicBoxes='3' width='210' height='297'>\r\n"
                              "<bordermap edgeW='10' edgeH='5' wsf='7' hsf='9'/>\r\n"
                              "<picbox name='pb2' width='50' height='50' hasMaskPic='t'/>\r\n"
                              "<picbox name='pb1' width='50' height='50' hasMaskPic='t'/>\r\n");
        QVERIFY(QImage(20, 30, QImage::Format_RGB32).save(dir.filePath("shapemap.bmp")));
        QImage mask(11, 12, QImage::Format_ARGB32);
        mask.fill(Qt::white);
        QVERIFY(mask.save(dir.filePath("shape2.png")));

        PageModel page;
        QString error;
        QVERIFY2(readTemplate(path, page, kFit, &error), qPrintable(error));
        QCOMPARE(page.border.type, BorderType::Map);
        const BorderModel &b = page.border;
        QCOMPARE((QList<int>{b.edgeWidth, b.edgeHeight, b.tileWidth, b.tileHeight}),
                 (QList<int>{23, 12, 7, 9}));
        QCOMPARE(b.map.size(), QSize(20, 30));
        QVERIFY(page.pictureBoxes[2].hasMaskPicture);
        QCOMPARE(page.pictureBoxes[2].mask.size(), QSize(11, 12));
        // No "shape1.png" beside the template: the box is a plain one, not a broken masked one.
        QVERIFY(!page.pictureBoxes[1].hasMaskPicture);
        QVERIFY(page.pictureBoxes[1].visible);
    }

    void hostileValuesAreBounded()
    {
        const PageModel page = readOrFail("hostile_values.xml");
        QCOMPARE(
            (QList<int>{page.announcedTextBoxes, page.announcedPictureBoxes,
                        page.announcedRichTextBoxes, page.announcedHandles, page.announcedBoxes}),
            (QList<int>{kMaxObjectIndex + 1, kMaxPictureBoxIndex + 1, 0, kMaxHandleIndex + 1, 0}));
        QCOMPARE(page.textBoxes.size(), kMaxObjectIndex + 1);
        QCOMPARE(page.textBoxes[kMaxObjectIndex].text, QStringLiteral("edge"));
        const QRect far = page.textBoxes[kMaxObjectIndex].geometry;
        QVERIFY(far.width() <= page.pageRect.height() && far.height() == 0);
        QCOMPARE(far.topLeft(), QPoint(32767, -32767));
        QVERIFY(page.textBoxes[kMaxObjectIndex].style.fontSize <= 1000.0);
        QCOMPARE(page.pictureBoxes.size(), kMaxPictureBoxIndex + 1); // pb81 refused
        QCOMPARE(page.pictureBoxes[80].rotations, 360);
        QVERIFY(!page.pictureBoxes[80].hasMaskPicture);
        QVERIFY(page.handles.isEmpty()); // hn21 refused
        QVERIFY(page.boxes.isEmpty());   // bx9999 refused
        QCOMPARE(page.lines.value(3).thickness, 1);
        QCOMPARE(page.repeatCount, 100);
        QCOMPARE(page.richTextBoxes.value(1).plainText,
                 QStringLiteral("unterminated quote runs to the end"));
        QVERIFY(page.border.edgeWidth >= 0 && page.border.tileWidth >= 0);
        QVERIFY(page.border.tileWidth <= page.pageRect.height());
    }

    void refusedTemplates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("errorPart");
        test::addRow("missing", "no such layout.xml", "could not be opened");
        test::addRow("folder", "", "could not be opened");
        test::addRow("zero width", "zero_size.xml", "page size");
        test::addRow("no layout line", "no_layout_line.xml", "no layout line");
        test::addRow("binary junk", "binary_junk.xml", "no layout line");
    }
    void refusedTemplates()
    {
        QFETCH(QString, name);
        QFETCH(QString, errorPart);
        PageModel page = readOrFail("five.xml");
        QString error;
        QVERIFY(!readTemplate(layoutFile(name), page, kFit, &error));
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        if (errorPart != u"could not be opened")
            return;
        // A file that cannot be opened leaves the page as it was.
        QCOMPARE(page.textBoxes[0].text, QStringLiteral("Title"));
        QCOMPARE(page.layoutPath, layoutFile("five.xml"));
    }

    void oversizedTemplateRefused()
    {
        PageModel page;
        QString error;
        const QByteArray text = "<layout width='210' height='297'>\r\n" + QByteArray(1 << 20, ' ');
        QVERIFY(!readTemplateText(text, "big.xml", page, kFit, &error));
        QVERIFY2(error.contains("too large"), qPrintable(error));
    }

    void lineEndingsAndPath_data()
    {
        QTest::addColumn<QByteArray>("separator");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void lineEndingsAndPath()
    {
        QFETCH(QByteArray, separator);
        const QByteArray text = "<layout width='210' height='297'>" + separator +
                                "  <textbox name='tb1' text='caf\xC3\xA9'/>" + separator +
                                "</layout>";
        PageModel page;
        QVERIFY(readTemplateText(text, "//server/layouts//news///a.xml", page, kFit));
        QCOMPARE(page.textBoxes.size(), 2);
        QCOMPARE(page.textBoxes[1].text, QString::fromUtf8("café"));
        QVERIFY(!page.textBoxes[0].visible);
        QCOMPARE(page.layoutPath, QStringLiteral("//server/layouts/news/a.xml"));
    }

    void addedObjectLine()
    {
        PageModel page = readOrFail("three.xml");
        applyTemplateLine("<picbox name='pb4' x='10' y='20' width='60' height='60' symmType='0'"
                          " reptType='0' copyTo='0'/>",
                          page.layoutPath, page, kFit);
        QVERIFY(page.pictureBoxes[4].visible && !page.pictureBoxes[3].visible);
        QCOMPARE(page.pictureBoxes[4].geometry, QRect(23, 46, 138, 138));

        // Truncation goes towards minus infinity: -5 mm is -11.58 pixels, so -12.
        applyTemplateLine("<textbox name='tb0' x='-5' y='0' width='10' height='10'/>",
                          page.layoutPath, page, kFit);
        QCOMPARE(page.textBoxes[0].geometry.x(), -12);
    }

    void resetPageClearsState()
    {
        PageModel page = readOrFail("five.xml");
        page.changeCount = 7;
        page.current = CurrentObject{ObjectKind::Text, 2};
        page.pictureBoxes[0].hasMaskPicture = true;
        resetPage(page);
        QCOMPARE(page.current, CurrentObject{});
        QVERIFY(!page.pictureBoxes[0].hasMaskPicture && !page.hasUnsavedChanges());
    }
};

QTEST_GUILESS_MAIN(TestTemplateReader)
#include "tst_templatereader.moc"
