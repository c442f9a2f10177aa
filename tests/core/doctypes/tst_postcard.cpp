// Postcards: the card fitted to the screen, the flip's frames, a new card from the installed
// template and stamp, the work carried through its members and description (hostile ones
// included), and what the printed sides leave out.

#include "core/doctypes/pagefamily.h"
#include "core/doctypes/postcarddrawing.h"
#include "core/doctypes/postcardflip.h"
#include "core/files/staging.h"
#include "core/printing/imageprintdevice.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

const QString kTemplates = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/postcard");

PageFitInputs screen(int width, int height)
{
    return documentWindowFit(width, height, DocumentKind::Postcard);
}

PageModel newCard(const QString &folder = kTemplates)
{
    PageModel page;
    page.documentType = DocumentKind::Postcard;
    QString error;
    if (!buildPostcard(page, folder + QStringLiteral("/page0.xml"), screen(1920, 1080), &error))
        qWarning() << error;
    return page;
}

int columnsOf(const QImage &picture, int row, QRgb colour)
{
    int count = 0;
    for (int x = 0; x < picture.width(); ++x)
        count += picture.pixel(x, row) == colour;
    return count;
}

} // namespace

class TestPostcard : public QObject {
    Q_OBJECT

private slots:
    // Wide screens give the card the area's height, tall ones its width.
    void cardTakesThreeQuartersOfTheFreeArea()
    {
        QCOMPARE(fitPage(screen(1920, 1080), 297, 210).pageRect, QRect(492, 186, 1035, 732));
        QCOMPARE(fitPage(screen(768, 1024), 297, 210).pageRect, QRect(183, 347, 501, 354));
    }

    void flipTakesAThirdOfTheTurnStep()
    {
        for (const auto &[turnStep, frames] : {std::pair(15, 36), std::pair(45, 12)}) {
            QCOMPARE(flipFrameCount(turnStep), frames);
            for (const PostcardSide from : {PostcardSide::Picture, PostcardSide::Writing}) {
                PostcardFlip flip;
                QVERIFY(flip.start(from, turnStep));
                QVERIFY(!flip.start(from, turnStep)); // a press during a flip starts nothing
                int ticks = 1;
                while (!flip.tick())
                    ++ticks;
                QCOMPARE(ticks, frames);
                QCOMPARE(flip.facing(), from == PostcardSide::Picture ? PostcardSide::Writing
                                                                      : PostcardSide::Picture);
                QVERIFY(flip.start(flip.facing(), turnStep));
            }
        }
    }

    void flipFrameSqueezesTheFacingSideAboutTheMiddle_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("flat") << 0.0 << 200 << qRgb(255, 0, 0);
        QTest::newRow("60: half") << 60.0 << 100 << qRgb(255, 0, 0);
        QTest::newRow("90: writing side") << 90.0 << 1 << qRgb(0, 0, 255);
        QTest::newRow("120: writing side widens") << 120.0 << 100 << qRgb(0, 0, 255);
        QTest::newRow("180: whole writing side") << 180.0 << 200 << qRgb(0, 0, 255);
    }
    void flipFrameSqueezesTheFacingSideAboutTheMiddle()
    {
        QFETCH(double, angle);
        QFETCH(int, width);
        QFETCH(QRgb, colour);
        const QSize card(200, 100);
        QImage frame(card + QSize(kFlipShadowOffsetPx, kFlipShadowOffsetPx),
                     QImage::Format_ARGB32_Premultiplied);
        drawFlipFrame(frame, test::filledPicture(card, Qt::red),
                      test::filledPicture(card, Qt::blue), angle);
        QCOMPARE(columnsOf(frame, 50, colour), width);
        QCOMPARE(frame.pixel((card.width() - width) / 2, 50), colour);
    }

    void newCardNeedsItsTemplateAndStamp_data()
    {
        QTest::addColumn<QByteArray>("stamp");
        QTest::addColumn<bool>("built");
        QTest::newRow("installed stamp") << test::readFile(kTemplates + "/stamp.png") << true;
        QTest::newRow("missing stamp") << QByteArray() << false;
        QTest::newRow("broken stamp") << QByteArray("\x89PNG not really") << false;
    }
    void newCardNeedsItsTemplateAndStamp()
    {
        QFETCH(QByteArray, stamp);
        QFETCH(bool, built);
        QTemporaryDir folder;
        test::writeFile(folder.filePath("page0.xml"), test::readFile(kTemplates + "/page0.xml"));
        if (!stamp.isEmpty())
            test::writeFile(folder.filePath("stamp.png"), stamp);
        PageModel page;
        page.documentType = DocumentKind::Postcard;
        QString error;
        QCOMPARE(buildPostcard(page, folder.filePath("page0.xml"), screen(1024, 768), &error),
                 built);
        if (!built) {
            QVERIFY(error.contains("stamp.png"));
            return;
        }
        QCOMPARE(page.textBoxes.size(), kPostcardTextBoxes);
        QCOMPARE(page.pictureBoxes[0].geometry, pictureSideRect(page.scale));
        QCOMPARE(postcardFurniture(page).addressLines.size(), kPostcardTextBoxes - 1);
        QVERIFY(!isAddressBox(page, -1) && !isAddressBox(page, kPostcardTextBoxes));
        QVERIFY(!buildPostcard(page, folder.filePath("missing.xml"), screen(1024, 768), &error));
    }

    void workComesBackAndNoMoreThanACard()
    {
        PageModel card = newCard();
        card.textBoxes[0].text = QStringLiteral("Went down to the woods today");
        card.pictureBoxes[0].image =
            test::filledPicture(card.pictureBoxes[0].geometry.size(), Qt::green);
        const PageFamily &family = *pageFamilyFor(DocumentKind::Postcard);
        QTemporaryDir folder;
        const Staging staging(folder.path());
        const QString layout = staging.memberPath("layout.xml");
        QString error;
        QVERIFY(family.writeMembers(card, folder.path(), &error));
        QVERIFY2(family.writeDescription(card, staging, {}, &error), qPrintable(error));
        QByteArray description = test::readFile(layout);
        QCOMPARE(description, test::readFile(QUILLORA_TEST_DATA "/postcard/card-1920.xml"));

        PageModel opened;
        const auto open = [&] {
            opened = PageModel{};
            opened.documentType = DocumentKind::Postcard;
            return family.readDescription(layout, opened, screen(1920, 1080), &error) &&
                   family.readMembers(opened, folder.path());
        };
        QVERIFY(open());
        QCOMPARE(opened.textBoxes[0].text, card.textBoxes[0].text);
        QCOMPARE(opened.pictureBoxes[0].image, card.pictureBoxes[0].image);
        QCOMPARE(opened.pictureBoxes[1].image, card.pictureBoxes[1].image);

        // Texts beyond the card's six and a picture of another size: what fits comes back.
        description.replace("numtextboxes='6'", "numtextboxes='9'");
        description.replace("</layout>",
                            "<textbox name='tb8' x='1' y='1' width='9' height='9'/>\r\n</layout>");
        test::writeFile(layout, description);
        test::writeFile(folder.filePath("text8.txt"), "beyond the card\r\n");
        test::filledPicture(QSize(40, 900), Qt::red).save(folder.filePath("pic0.bmp"));
        QVERIFY(open());
        QCOMPARE(opened.textBoxes.size(), kPostcardTextBoxes);
        QCOMPARE(opened.pictureBoxes[0].image.size(), opened.pictureBoxes[0].geometry.size());
        // A page that is no postcard is refused.
        test::writeFile(layout, description.replace("width='297'", "width='400'"));
        QVERIFY(!open());
    }

    // Sides and copies are checked with every kind's printing; here, what goes on the sides.
    void printedSidesLeaveTheScreenFurnitureOut()
    {
        PageModel card = newCard();
        ImagePrintDevice printer(QStringLiteral("paper"), QSize(840, 1188));
        QCOMPARE(pageFamilyFor(DocumentKind::Postcard)->print(card, printer, {}).outcome,
                 PrintOutcome::Printed);
        QVERIFY(printer.twoSidedAsked()); // back to back, turned over the short edge
        const QImage &pictureSide = printer.pages()[0];
        const QImage &writingSide = printer.pages()[1];
        // No frame colour round the picture; the dividing line down the writing side's middle.
        QCOMPARE(
            columnsOf(pictureSide, pictureSide.height() / 2, toQColor(kPictureFrameColour).rgb()),
            0);
        QVERIFY(qGray(writingSide.pixel(writingSide.width() / 2, writingSide.height() / 2)) < 200);
    }
};

QTEST_MAIN(TestPostcard)
#include "tst_postcard.moc"
