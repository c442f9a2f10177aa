// A leaflet's page description: the writer's exact bytes and the repairs the reader makes to
// descriptions that cannot stand as they are. Work files round trip in tst_leafletwindow.

#include "core/doctypes/leafletdescription.h"
#include "core/layout/documenttypes.h"
#include "support/rows.h"

#include <QFile>
#include <QTest>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::LeafletStyle)
Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

const QSize kScreen(1280, 800);

// A card at two pixels to the millimetre: a picture on the front, a text on every page, a
// rich text inside (the first one left unused) and the painted border.
PageModel sampleCard()
{
    PageModel card;
    card.documentType = DocumentKind::Card;
    card.scale = 2.0f;
    card.pageWidthMm = 105;
    card.pageHeightMm = 148;
    card.pictureBoxes.resize(1);
    card.pictureBoxes[0].geometry = QRect(30, 30, 150, 120);
    card.pictureBoxes[0].image = QImage(150, 120, QImage::Format_RGB32);
    card.pictureBoxes[0].image.fill(Qt::red);
    card.textBoxes.resize(4);
    for (int page = 0; page < 4; ++page) {
        TextBoxModel &text = card.textBoxes[page];
        text.geometry = QRect(30, 170 + 10 * page, 150, 60);
        text.style = {QStringLiteral("comic sans ms"), 24, false, false, false, Alignment::Centre, 0x2820DC};
        text.text = QStringLiteral("Page %1\r\nwith the child's words").arg(page);
    }
    card.richTextBoxes.resize(2);
    card.richTextBoxes[1].geometry = QRect(20, 20, 170, 100);
    card.richTextBoxes[1].style.fontSize = 20;
    card.richTextBoxes[1].style.bold = true;
    card.richTextBoxes[1].rtf = QStringLiteral("{\\rtf1\\ansi Hello}");
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
        QFile golden(QStringLiteral(QUILLORA_TEST_DATA "/savedlayout/leaflet-card.xml"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(leafletDescription(sampleCard(), LeafletStyle::Card).toLatin1(), golden.readAll());
    }

    void readerRepairs_data()
    {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<LeafletStyle>("style");
        QTest::addColumn<int>("texts"); // announced after reading
        const QString root = QStringLiteral("<layout width='105' height='148' numtextboxes='8' "
                                            "numpicboxes='1'>\n");
        const QString text = QStringLiteral(
            "<textbox name='tb0' x='10' y='10' width='60' height='20' size='5'/>\n"
            "<textbox name='tb5' x='10' y='10' width='30' height='20' size='5'/>\n"
            "<textbox name='tb1' x='10' y='10' width='0' height='20' size='5'/>\n"
            "<picbox name='pb0' x='500' y='-40' width='400' height='50'/>\n");
        QTest::newRow("unknown style") << DocumentKind::Card << root + "<leaflet style='9z'/>\n" + text
                                       << LeafletStyle::Card << 4;
        test::addRow("style of another kind", DocumentKind::Booklet,
                     root + "<leaflet style='6b'/>\n" + text, LeafletStyle::Booklet, 8);
        QTest::newRow("no leaflet line") << DocumentKind::Leaflet << root + text
                                         << LeafletStyle::LargeLeaflet << 8;
        test::addRow("small leaflet", DocumentKind::Leaflet,
                     root + "<leaflet style='6S'/>\n" + text, LeafletStyle::SmallLeaflet, 6);
    }

    // Objects without a page or a size are not shown; objects off their page come onto it.
    void readerRepairs()
    {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, lines);
        QFETCH(LeafletStyle, style);
        PageModel leaflet;
        LeafletStyle read = LeafletStyle::Booklet;
        QVERIFY(readLeafletDescription(lines.toLatin1(), QStringLiteral("work.xml"),
                                       {kind, kScreen}, leaflet, read));
        QCOMPARE(read, style);
        QTEST(leaflet.announcedTextBoxes, "texts");
        QVERIFY(leaflet.textBoxes[0].visible && !leaflet.textBoxes[1].visible);
        QCOMPARE(leaflet.textBoxes[5].visible, leafletPageOfObject(style, 5) >= 0);
        const QRect page(QPoint(), leafletScreenGeometry(style, kScreen).panelSize);
        QVERIFY(page.contains(leaflet.pictureBoxes[0].geometry));
        QCOMPARE(leaflet.pictureBoxes[0].geometry.width(), page.width());
    }

    void unreadableDescriptionLeavesTheLeafletAlone()
    {
        PageModel leaflet = sampleCard();
        LeafletStyle style = LeafletStyle::Card;
        QString error;
        QVERIFY(!readLeafletDescription("<leaflet style='4c'/>", QStringLiteral("w.xml"),
                                        {DocumentKind::Card, kScreen}, leaflet, style, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!readLeafletDescription("<layout width='1'>", QStringLiteral("w.xml"),
                                        {DocumentKind::Simple, kScreen}, leaflet, style, &error));
        QCOMPARE(leaflet.scale, 2.0f);
    }
};

QTEST_MAIN(TestLeafletDescription)
#include "tst_leafletdescription.moc"
