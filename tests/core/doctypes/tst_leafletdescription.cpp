// A leaflet's page description and members: the writer's exact bytes, reading back what was
// written, and the repairs the reader makes to descriptions that cannot stand as they are.

#include "core/doctypes/leafletdescription.h"
#include "core/files/staging.h"
#include "core/layout/documenttypes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)

namespace {

const QSize kScreen(1280, 800);

QByteArray golden(const char *name)
{
    QFile file(QStringLiteral(QUILLORA_TEST_DATA "/savedlayout/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A card at two pixels to the millimetre: a picture on the front, a text on every page, a
// rich text inside and the painted border.
PageModel sampleCard()
{
    PageModel card;
    card.documentType = doctype::Card;
    card.scale = 2.0f;
    card.pageRect = QRect(0, 0, 210, 297);
    card.pageWidthMm = 105;
    card.pageHeightMm = 148;
    PictureBoxModel picture;
    picture.geometry = QRect(30, 30, 150, 120);
    picture.image = QImage(picture.geometry.size(), QImage::Format_RGB32);
    picture.image.fill(Qt::red);
    picture.visible = true;
    card.pictureBoxes = {picture};
    for (int page = 0; page < 4; ++page) {
        TextBoxModel text;
        text.geometry = QRect(30, 170 + 10 * page, 150, 60);
        text.style.fontName = QStringLiteral("comic sans ms");
        text.style.fontSize = 24;
        text.style.align = Alignment::Centre;
        text.style.colour = 0x2820DC;
        text.text = QStringLiteral("Page %1\r\nwith the child's words").arg(page);
        text.visible = true;
        card.textBoxes.append(text);
    }
    RichTextBoxModel rich;
    rich.geometry = QRect(20, 20, 170, 100);
    rich.style.fontSize = 20;
    rich.style.bold = true;
    rich.rtf = QStringLiteral("{\\rtf1\\ansi Hello}");
    rich.visible = true;
    card.richTextBoxes = {RichTextBoxModel(), rich};
    card.announcedPictureBoxes = 1;
    card.announcedTextBoxes = 4;
    card.announcedRichTextBoxes = 2;
    card.border = cardBorder(card.scale, QImage(20, 20, QImage::Format_RGB32));
    card.border.picture.fill(Qt::blue);
    return card;
}

} // namespace

class TestLeafletDescription : public QObject {
    Q_OBJECT
private slots:
    void writerMatchesGoldenFile()
    {
        const QByteArray expected = golden("leaflet-card.xml");
        QVERIFY(!expected.isEmpty());
        QCOMPARE(leafletDescription(sampleCard(), LeafletStyle::Card).toLatin1(), expected);
    }

    // Written, then read back for the same screen: the same style, objects on the same pages,
    // and every member back in its object.
    void roundTrip()
    {
        QTemporaryDir folder;
        const PageModel card = sampleCard();
        const Staging staging(folder.path());
        QVERIFY(writeLeafletDescription(card, LeafletStyle::Card, staging));
        QVERIFY(writeLeafletMembers(card, folder.path()));

        PageModel read;
        LeafletStyle style = LeafletStyle::Booklet;
        QString error;
        QVERIFY2(readLeafletFile(staging.memberPath(QStringLiteral("layout.xml")),
                                 {doctype::Card, kScreen}, read, style, &error),
                 qPrintable(error));
        readLeafletMembers(read, folder.path());
        QCOMPARE(style, LeafletStyle::Card);
        QCOMPARE(leafletStyleOfPage(read), LeafletStyle::Card);
        QCOMPARE(read.textBoxes.size(), 4);
        QCOMPARE(read.textBoxes[3].text, card.textBoxes[3].text);
        QCOMPARE(read.textBoxes[2].style.align, Alignment::Centre);
        QCOMPARE(read.richTextBoxes[1].rtf, card.richTextBoxes[1].rtf);
        QVERIFY(!read.richTextBoxes[0].visible);
        const PictureBoxModel &picture = read.pictureBoxes[0];
        QCOMPARE(picture.image.size(), picture.geometry.size());
        QCOMPARE(picture.image.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(read.border.type, BorderType::Pattern);
        QCOMPARE(read.border.picture.pixelColor(0, 0), QColor(Qt::blue));
        // The scale is the leaflet's own: the picture keeps its millimetres.
        QCOMPARE(qRound(picture.geometry.width() / read.scale), 75);
    }

    void readerRepairs_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<int>("textBoxes"); // announced after reading
        const QString root = QStringLiteral(
            "<layout name='usermade' width='105' height='148' numtextboxes='1' numrtbs='0' "
            "numpicboxes='0' numhandles='0'>\n");
        const QString text =
            QStringLiteral("<textbox name='tb0' x='10' y='10' width='60' height='20' size='5'/>\n");
        QTest::newRow("unknown style") << int(doctype::Card)
                                       << root + "<leaflet style='9z'/>\n" + text
                                       << LeafletStyle::Card << 1;
        QTest::newRow("style of another kind") << int(doctype::Booklet)
                                               << root + "<leaflet style='6b'/>\n" + text
                                               << LeafletStyle::Booklet << 1;
        QTest::newRow("no leaflet line") << int(doctype::Leaflet) << root + text
                                         << LeafletStyle::LargeLeaflet << 1;
        QTest::newRow("small leaflet") << int(doctype::Leaflet)
                                       << root + "<leaflet style='6S'/>\n" + text
                                       << LeafletStyle::SmallLeaflet << 1;
        QTest::newRow("more texts than pages")
            << int(doctype::Card)
            << QString(root).replace("numtextboxes='1'", "numtextboxes='9'") + text
            << LeafletStyle::Card << 4;
    }

    void readerRepairs()
    {
        QFETCH(int, kind);
        QFETCH(QString, lines);
        QFETCH(LeafletStyle, style);
        QFETCH(int, textBoxes);
        PageModel leaflet;
        LeafletStyle read = LeafletStyle::Booklet;
        QVERIFY(readLeafletDescription(lines.toLatin1(), QStringLiteral("work.xml"),
                                       {kind, kScreen}, leaflet, read));
        QCOMPARE(read, style);
        QCOMPARE(leaflet.announcedTextBoxes, textBoxes);
        QVERIFY(leaflet.textBoxes[0].visible);
    }

    // Objects with no page are not shown; objects off their page come back onto it.
    void objectsKeepToTheirPages()
    {
        const QByteArray text =
            "<layout name='usermade' width='99' height='105' numtextboxes='8' numpicboxes='1'>\n"
            "<leaflet style='6s'/>\n"
            "<picbox name='pb0' x='500' y='-40' width='400' height='50'/>\n"
            "<textbox name='tb7' x='10' y='10' width='30' height='20' size='5'/>\n"
            "<textbox name='tb1' x='10' y='10' width='0' height='20' size='5'/>\n";
        PageModel leaflet;
        LeafletStyle style = LeafletStyle::Booklet;
        QVERIFY(readLeafletDescription(text, QStringLiteral("work.xml"),
                                       {doctype::Leaflet, kScreen}, leaflet, style));
        const QRect page(QPoint(), leafletScreenGeometry(style, kScreen).panelSize);
        QVERIFY(page.contains(leaflet.pictureBoxes[0].geometry));
        QCOMPARE(leaflet.pictureBoxes[0].geometry.width(), page.width());
        QVERIFY(!leaflet.textBoxes[7].visible);
        QVERIFY(!leaflet.textBoxes[1].visible);
        QCOMPARE(leaflet.announcedTextBoxes, 6);
    }

    void unreadableDescriptionLeavesTheLeafletAlone()
    {
        PageModel leaflet = sampleCard();
        LeafletStyle style = LeafletStyle::Card;
        QString error;
        QVERIFY(!readLeafletDescription("<leaflet style='4c'/>", QStringLiteral("w.xml"),
                                        {doctype::Card, kScreen}, leaflet, style, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!readLeafletDescription("<layout width='1'>", QStringLiteral("w.xml"),
                                        {doctype::Simple, kScreen}, leaflet, style, &error));
        QCOMPARE(leaflet.textBoxes.size(), 4);
        QCOMPARE(leaflet.scale, 2.0f);
    }

    // A stored picture of another shape is fitted to its box, never left larger than it.
    void pictureOfTheWrongSizeIsFitted()
    {
        QTemporaryDir folder;
        QImage wide(400, 40, QImage::Format_RGB32);
        wide.fill(Qt::green);
        QVERIFY(wide.save(folder.filePath(QStringLiteral("pic0.bmp")), "BMP"));
        PageModel card = sampleCard();
        readLeafletMembers(card, folder.path());
        QCOMPARE(card.pictureBoxes[0].image.size(), card.pictureBoxes[0].geometry.size());
        QCOMPARE(card.textBoxes[0].text, QString()); // its member is missing
    }
};

QTEST_MAIN(TestLeafletDescription)
#include "tst_leafletdescription.moc"
