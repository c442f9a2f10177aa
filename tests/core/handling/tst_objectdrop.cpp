// Adding objects to a "My layout" page from a dropped icon, and keeping the child's arrangement
// through a save and a reopen: the page description is read back by the template reader.

#include "core/files/savedlayout.h"
#include "core/handling/objectdrop.h"
#include "core/layout/templatereader.h"

#include <QTest>

using namespace quillora;
using namespace quillora::objectdrop;

namespace {

PageFitInputs screenFit()
{
    return PageFitInputs{1280, 800, 106, 72, DocumentKind::MyLayout};
}

// A portrait page with one picture box and one rich text box, as a child's own layout starts.
PageModel myLayoutPage()
{
    PageModel page;
    page.documentType = DocumentKind::MyLayout;
    const QByteArray layout =
        "<layout name='1' NumTextBoxes='0' NumPicBoxes='1' numRTBs='1' numHandles='0' "
        "width='210' height='297'>\r\n"
        "<picbox name='pb0' x='15' y='46' width='180' height='150' reptType='0' symmType='0' "
        "copyTo='0'/>\r\n"
        "<rtb name='rt0' x='15' y='204' width='180' height='81' size='6' bold='f' italic='f' "
        "underline='f' align='0' colour='0' text=''/>\r\n"
        "</layout>\r\n";
    QString error;
    if (!readTemplateText(layout, QStringLiteral("mine.xml"), page, screenFit(), &error))
        qWarning() << error;
    return page;
}

int mm(float scale, int value)
{
    return int(value * double(scale));
}

} // namespace

class TestObjectDrop : public QObject {
    Q_OBJECT
private slots:
    // Millimetres are whole: the box may end up to one millimetre inside the edge.
    void dropNearAnEdgeKeepsTheWholeObjectOnThePage()
    {
        for (const QPoint at : {QPoint(5000, 5000), QPoint(-30, -2)}) {
            PageModel page = myLayoutPage();
            const auto index = addDroppedObject(page, DroppedObject::Picture, at, screenFit());
            QVERIFY(index);
            QVERIFY(QRect(QPoint(0, 0), page.pageRect.size())
                        .contains(page.pictureBoxes[*index].geometry));
        }
    }

    void aFullPageRefusesAnotherPicture()
    {
        PageModel page = myLayoutPage();
        for (int i = 1; i <= kMaxPictureBoxIndex; ++i)
            QVERIFY(addDroppedObject(page, DroppedObject::Picture, {10, 10}, screenFit()));
        QCOMPARE(page.announcedPictureBoxes, kMaxPictureBoxIndex + 1);
        QVERIFY(!addDroppedObject(page, DroppedObject::Picture, {10, 10}, screenFit()));
        QCOMPARE(page.pictureBoxes.size(), kMaxPictureBoxIndex + 1);
    }

    // A dropped icon adds a 60 mm box at the drop point: a rich text waiting for words, or a
    // blank picture. Saved and reopened, the page keeps what the child made of it.
    void droppedBoxesAndTheChildsArrangementAreKept()
    {
        PageModel page = myLayoutPage();
        const float scale = page.scale;
        const QPoint at(mm(scale, 20), mm(scale, 100));
        const auto text = addDroppedObject(page, DroppedObject::RichText, at, screenFit());
        const auto picture = addDroppedObject(page, DroppedObject::Picture, {60, 500}, screenFit());
        QCOMPARE(text, std::optional<int>(1));
        QCOMPARE(picture, std::optional<int>(1));
        QCOMPARE(page.changeCount, 2);
        const RichTextBoxModel &added = page.richTextBoxes[1];
        QCOMPARE(added.geometry, QRect(at, QSize(mm(scale, 60), mm(scale, 60))));
        QCOMPARE(added.plainText, kPlaceholderText);
        QCOMPARE(added.style.fontSize, 8.0 * double(scale));
        QCOMPARE(page.pictureBoxes[1].image.pixel(5, 5), qRgb(255, 255, 255));
        // The child moved the first picture and made it smaller, and dragged the template's
        // rich text box off the page.
        page.pictureBoxes[0].geometry =
            QRect(mm(scale, 30), mm(scale, 12), mm(scale, 90), mm(scale, 70));
        page.richTextBoxes[0].visible = false;

        PageModel reopened;
        reopened.documentType = DocumentKind::MyLayout;
        QVERIFY(readTemplateText(singlePageDescription(page).toLatin1(),
                                 QStringLiteral("layout.xml"), reopened, screenFit()));
        QCOMPARE(reopened.announcedPictureBoxes, 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(reopened.pictureBoxes[i].geometry, page.pictureBoxes[i].geometry);
        QCOMPARE(reopened.richTextBoxes[*text].geometry, page.richTextBoxes[*text].geometry);
        QVERIFY(reopened.richTextBoxes[*text].visible);
        // A box taken off the page stays off it: it does not come back on reopening.
        QVERIFY(!reopened.richTextBoxes[0].visible);
    }
};

QTEST_MAIN(TestObjectDrop)
#include "tst_objectdrop.moc"
