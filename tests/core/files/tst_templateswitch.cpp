// Switching a page to another template of its kind: the work follows by index, a template that
// cannot be read changes nothing, and the menu lists and places every template of a folder.

#include "core/files/staging.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatemenu.h"
#include "core/layout/templatereader.h"
#include "core/files/templateswitch.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

const QString kData = QStringLiteral(QUILLORA_TEST_DATA "/templateswitch");

QString sign(const char *name)
{
    return kData + QStringLiteral("/layouts/signs/") + QLatin1String(name) + QStringLiteral(".xml");
}

PageFitInputs fitFor(DocumentKind documentType)
{
    return PageFitInputs{1280, 800, 106, 64, documentType};
}

// A school's words: a template's word comes in them, the placeholder stays the page's mark.
Translator schoolWords()
{
    Translator words;
    words.loadFromBytes("\"Welcome\",\"Bienvenue\"\n\"Abc\",\"Xyz\"\n");
    return words;
}

// A sign on the two-text template with a text in every box, a red picture and a rich text.
PageModel workedSign()
{
    PageModel page;
    page.documentType = DocumentKind::Sign;
    if (!readTemplate(sign("a two texts"), page, fitFor(DocumentKind::Sign)))
        qFatal("test template unreadable");
    page.textBoxes[0].text = QStringLiteral("My shop");
    page.textBoxes[1].text = QStringLiteral("Open é");
    page.pictureBoxes[0].image = test::filledPicture(page.pictureBoxes[0].geometry.size(), Qt::red);
    page.richTextBoxes[0].rtf = QStringLiteral("{\\rtf1\\ansi Come in}");
    page.richTextBoxes[0].plainText = QStringLiteral("Come in");
    page.changeCount = 7;
    page.countAtLastSave = 3;
    page.current = CurrentObject{ObjectKind::Text, 1};
    return page;
}

QStringList textsOf(const PageModel &page)
{
    QStringList texts;
    for (int i = 0; i < page.announcedTextBoxes; ++i)
        texts << page.textBoxes[i].text;
    return texts;
}

} // namespace

class TestTemplateSwitch : public QObject {
    Q_OBJECT

private slots:
    // Two texts to three, then to one and back: the work follows by index each time.
    void workFollowsByIndex()
    {
        QTemporaryDir folder;
        const Staging staging(folder.filePath(QStringLiteral("staging")));
        PageModel page = workedSign();
        QVERIFY(switchTemplate(page, staging, sign("b three texts"), fitFor(DocumentKind::Sign),
                               schoolWords()));
        QCOMPARE(textsOf(page), (QStringList{QStringLiteral("My shop"), QStringLiteral("Open é"),
                                             QStringLiteral("Bienvenue")}));
        // Stretched to the new, larger box: red all over, no white corner left.
        const PictureBoxModel &box = page.pictureBoxes[0];
        QCOMPARE(box.image.size(), box.geometry.size());
        QCOMPARE(box.image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(box.image.pixel(box.image.width() - 1, box.image.height() - 1), qRgb(255, 0, 0));
        QCOMPARE(page.richTextBoxes[0].plainText, QStringLiteral("Come in"));
        // A switch is a change to save; no object of the old page is current any more.
        QCOMPARE(page.changeCount, 8);
        QCOMPARE(page.countAtLastSave, 3);
        QCOMPARE(page.current, CurrentObject{});

        page.textBoxes[2].text = QStringLiteral("Third");
        QVERIFY(switchTemplate(page, staging, sign("c one text"), fitFor(DocumentKind::Sign),
                               schoolWords()));
        QCOMPARE(textsOf(page), QStringList{QStringLiteral("My shop")});
        // Only the one box's text is stored now: the third text must not come back from an
        // earlier switch.
        QVERIFY(switchTemplate(page, staging, sign("b three texts"), fitFor(DocumentKind::Sign),
                               schoolWords()));
        QCOMPARE(textsOf(page),
                 (QStringList{QStringLiteral("My shop"), kPlaceholderText, "Bienvenue"}));
        QVERIFY(page.pictureBoxes[0].image.isNull());
    }

    void failureLeavesThePageAsItWas_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("stagingIsAFile");
        QTest::newRow("missing template") << sign("no such layout") << false;
        QTest::newRow("template without a layout line") << sign("d broken") << false;
        QTest::newRow("work cannot be stored") << sign("b three texts") << true;
    }
    void failureLeavesThePageAsItWas()
    {
        QFETCH(QString, target);
        QFETCH(bool, stagingIsAFile);
        QTemporaryDir folder;
        const QString stagingPath = folder.filePath(QStringLiteral("staging"));
        if (stagingIsAFile)
            test::writeFile(stagingPath, {});
        PageModel page = workedSign();
        const PageModel before = page;
        QString error;
        QVERIFY(!switchTemplate(page, Staging(stagingPath), target, fitFor(DocumentKind::Sign),
                                Translator(), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(page.layoutPath, before.layoutPath);
        QCOMPARE(textsOf(page), textsOf(before));
        QCOMPARE(page.pictureBoxes[0].image, before.pictureBoxes[0].image);
        QCOMPARE(page.changeCount, before.changeCount);
    }

    // A kind that carries a border keeps one, and the child's painting, on a template that
    // brings none; a copies sheet keeps the count the child chose.
    void kindsKeepWhatTheyCarry()
    {
        QTemporaryDir folder;
        const Staging staging(folder.filePath(QStringLiteral("staging")));
        PageModel page = workedSign();
        page.documentType = DocumentKind::Shapes;
        page.border.picture = test::filledPicture(QSize(40, 40), Qt::blue);
        const QImage painted = page.border.picture;
        QVERIFY(switchTemplate(page, staging, sign("b three texts"), fitFor(DocumentKind::Shapes),
                               schoolWords()));
        QCOMPARE(page.border.type, BorderType::Pattern);
        QCOMPARE(page.border.picture, painted);

        const QString square = kData + QStringLiteral("/layouts/multi/square.xml");
        PageModel sheet;
        sheet.documentType = DocumentKind::Multi;
        QVERIFY(readTemplate(square, sheet, fitFor(DocumentKind::Multi)));
        sheet.repeatCount = 3;
        QVERIFY(switchTemplate(sheet, staging, square, fitFor(DocumentKind::Multi), Translator()));
        QVERIFY(!sheet.autoRepeat);
        QCOMPARE(sheet.repeatCount, 3);
    }

    void menuListsEveryTemplateWithItsThumbnail()
    {
        const QList<SubChoice> entries = listMenuTemplates(kData, QStringLiteral("signs"));
        QStringList captions;
        for (const SubChoice &entry : entries)
            captions << entry.caption;
        QCOMPARE(captions, (QStringList{"a two texts", "b three texts", "c one text", "d broken",
                                        "e spare"}));
        QVERIFY(entries[0].thumbnailPath.endsWith(QStringLiteral("a two texts.bmp")));
        QVERIFY(entries[1].thumbnailPath.isEmpty());
        QVERIFY(listMenuTemplates(kData, QStringLiteral("no such folder")).isEmpty());
    }

    void menuSlots_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("menuWidth");
        QTest::addColumn<QPoint>("slot");
        QTest::newRow("just wider than 88 is a grid") << 4 << 89 << QPoint(121, 117);
        QTest::newRow("fourth starts the second row") << 3 << 316 << QPoint(17, 117);
        QTest::newRow("88 wide is one column") << 3 << 88 << QPoint(0, 335);
        QTest::newRow("one column, centred") << 1 << 60 << QPoint(0, 117);
    }
    void menuSlots()
    {
        QFETCH(int, index);
        QFETCH(int, menuWidth);
        QTEST(templateMenuSlot(index, menuWidth), "slot");
    }
};

QTEST_MAIN(TestTemplateSwitch)
#include "tst_templateswitch.moc"
