// What a work file holds, byte for byte: the page description of each kind of page the program
// writes (compared with golden files, so a swapped attribute or a changed rounding fails) and
// the text members.

#include "core/files/members.h"
#include "core/files/pagemembers.h"
#include "core/files/savedlayout.h"
#include "core/files/staging.h"
#include "support/pixelcheck.h"
#include "support/rows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(QUILLORA_TEST_DATA "/savedlayout/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 2 pixels per millimetre: 25 pixels are 12.5 mm, written as 13 (or 12.5 where halves count).
PageModel basePage(DocumentKind documentType)
{
    PageModel page;
    page.documentType = documentType;
    page.pageWidthMm = 210;
    page.pageHeightMm = 297;
    page.scale = 2.0f;
    return page;
}

PageModel simplePage()
{
    PageModel page = basePage(DocumentKind::Simple);
    PictureBoxModel shaped;
    shaped.geometry = QRect(25, 20, 161, 100);
    shaped.hasMaskPicture = true;
    shaped.symmetryType = 3;
    shaped.visible = true;
    PictureBoxModel plain;
    plain.geometry = QRect(200, 20, 100, 100);
    plain.visible = true;
    page.pictureBoxes = {shaped, plain};
    page.announcedPictureBoxes = 2;
    TextBoxModel text;
    text.geometry = QRect(20, 250, 380, 60);
    text.style = TextStyle{
        QStringLiteral("comic sans ms"), 27.0, true, false, true, Alignment::Centre, 0x00103A7F};
    text.visible = true;
    page.textBoxes = {text};
    page.announcedTextBoxes = 1;
    RichTextBoxModel rich;
    rich.geometry = QRect(20, 320, 380, 120);
    rich.style =
        TextStyle{QStringLiteral("arial"), 13.0, false, true, false, Alignment::Right, 0xFF};
    rich.visible = true;
    page.richTextBoxes = {rich};
    page.announcedRichTextBoxes = 1;
    HandleModel handle;
    handle.sizePx = 20;
    handle.centre = QPoint(210, 245);
    handle.minY = 101;
    handle.maxY = 400;
    handle.boxesAbove = {QStringLiteral("p00"), QStringLiteral("p01")};
    handle.boxesBelow = {QStringLiteral("t00")};
    page.handles = {handle};
    page.announcedHandles = 1;
    page.lines = {LineModel{QPoint(20, 500), QPoint(399, 500), 3}};
    page.announcedLines = 1;
    page.boxes = {BoxModel{QRect(15, 480, 390, 101)}};
    page.announcedBoxes = 1;
    page.border.type = BorderType::Pattern;
    page.border.edgeWidth = 31;
    page.border.edgeHeight = 30;
    page.border.tileWidth = 43;
    page.border.tileHeight = 41;
    return page;
}

PageModel copiesSheet()
{
    PageModel page = basePage(DocumentKind::Multi);
    TextBoxModel text;
    text.geometry = QRect(10, 10, 200, 40);
    text.visible = true;
    page.textBoxes = {text};
    page.announcedTextBoxes = 1;
    page.border.type = BorderType::Map;
    page.border.edgeWidth = 21;
    page.border.edgeHeight = 20;
    page.border.tileWidth = 4;
    page.border.tileHeight = 6;
    return page;
}

// "My layout" leaves out the line and box counts, and boxes the child took off the page.
PageModel myLayout()
{
    PageModel page = basePage(DocumentKind::MyLayout);
    PictureBoxModel kept;
    kept.geometry = QRect(40, 40, 120, 80);
    kept.visible = true;
    PictureBoxModel takenOff = kept;
    takenOff.visible = false;
    page.pictureBoxes = {takenOff, kept};
    page.announcedPictureBoxes = 2;
    return page;
}

} // namespace

Q_DECLARE_METATYPE(quillora::PageModel)

class TestWorkFileMembers : public QObject {
    Q_OBJECT

private slots:
    void pageDescriptions_data()
    {
        QTest::addColumn<PageModel>("page");
        QTest::addColumn<QString>("goldenFile");
        QTest::newRow("simple page") << simplePage() << "simple.xml";
        QTest::newRow("sheet of copies") << copiesSheet() << "copies.xml";
        QTest::newRow("my layout") << myLayout() << "mylayout.xml";
    }
    void pageDescriptions()
    {
        QFETCH(PageModel, page);
        QFETCH(QString, goldenFile);
        SavedLayoutOptions options;
        options.copiesOnSheet = 6;
        const QByteArray written = singlePageDescription(page, options).toLatin1();
        const QByteArray expected = golden(goldenFile);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(written, expected);
    }

    // Saved into staging, the map of a map border goes beside the description, and the border
    // picture among the members; without the map the save fails, with the reason.
    void borderMapWrittenBeside()
    {
        QTemporaryDir dir;
        const Staging staging(dir.path());
        PageModel page = copiesSheet();
        QString error;
        QVERIFY(!writeSinglePageDescription(page, staging, {}, &error));
        QCOMPARE(error, QStringLiteral("the border map could not be written"));
        page.border.map = test::blankPicture(4, 6);
        QVERIFY2(writeSinglePageDescription(page, staging, {}, &error), qPrintable(error));
        QVERIFY(QFile::exists(staging.memberPath("layoutmap.bmp")));
        page.border.picture = test::blankPicture(8, 6);
        QVERIFY(writePageMembers(page, staging.folder(), MemberUse::WorkFile, &error));
        QVERIFY(QFile::exists(staging.memberPath("border.bmp")));
        // A page whose scale is not known yet writes its lengths and font sizes as 0.
        page.scale = 0.0f;
        QVERIFY(singlePageDescription(page).contains("x='0' y='0' width='0' height='0' size='0' "));
    }

    void textMembers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("one line") << "Tom's day" << QByteArray("Tom's day\r\n") << "Tom's day";
        test::addRow("LF breaks become CR LF", "sea\nsand\n", QByteArray("sea\r\nsand\r\n\r\n"),
                     "sea\r\nsand\r\n");
        QTest::newRow("CR LF breaks stay")
            << "sea\r\nsand" << QByteArray("sea\r\nsand\r\n") << "sea\r\nsand";
        test::addRow("1252 characters", QString::fromUtf8("café €5"),
                     QByteArray("caf\xE9 \x80"
                                "5\r\n"),
                     QString::fromUtf8("café €5"));
    }
    void textMembers()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, member);
        QCOMPARE(encodeTextMember(text), member);
        QTEST(decodeTextMember(member), "readBack");
    }

    void lineFeedsAloneAreReadToo()
    {
        QCOMPARE(decodeTextMember("sea\nsand\r\n"), QStringLiteral("sea\nsand"));
    }
};

QTEST_GUILESS_MAIN(TestWorkFileMembers)
#include "tst_workfilemembers.moc"
