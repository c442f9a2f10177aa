// Border editing in the single-page window: opening the editor from the page's border band,
// painting the border picture, every other press ending the editor and laying the border round
// the page, undo and redo of the border; shaped pictures and the mask control letting presses
// through outside their shapes.

#include "core/layout/bordersetup.h"
#include "core/printing/pageborder.h"
#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/document/objectframe.h"
#include "ui/pictures/bordereditor.h"
#include "ui/document/maskcontrol.h"

#include <QSignalSpy>
#include <QTest>

using namespace quillora;

namespace {

const QRgb kRed = qRgb(255, 0, 0);

// A click where the window system would deliver it: to the control under the point, as shaped
// controls leave it.
void clickAt(QWidget *window, QPoint at)
{
    QWidget *target = window->childAt(at);
    if (!target)
        target = window;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

struct Fixture : WindowFixture {
    // A new document of `documentType` from a test template, set up as the shell does it.
    Fixture(const QString &layout, DocumentKind documentType)
    {
        context.page.documentType = documentType;
        loaded = window->loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/borders/") + layout);
        setUpNewDocumentBorder(context.page);
        wire();
        editor = controllers.border;
        show();
    }

    PageView *page() const { return window->pageView(); }
    // A point on the left of the border band, in page coordinates, clear of the rich text
    // toolbar over the page's top.
    QPoint bandPoint() const { return {context.page.border.edgeWidth + 3, page()->height() / 2}; }
    QRgb shownBorderAt(QPoint p) const { return page()->borderImage().pixel(p); }
    // Whether the editor edits and shows its magnifier, its paper and the toolbar's button.
    QVector<bool> editorShown() const
    {
        return {editor->isEditing(), editor->magnifier()->isVisible(),
                editor->borderPaper()->isVisible(),
                window->toolbar()->isButtonShown(ToolbarAction::BorderFromMagnifier)};
    }
    void pressAt(QPoint windowPoint) const { clickAt(window.get(), windowPoint); }
    void openEditor() const { pressAt(page()->mapTo(window.get(), bandPoint())); }
    // The bare page between the border band and the picture of plain.xml (37.5 mm, 148 mm).
    void pressPaper() const
    {
        const float scale = context.page.scale;
        pressAt(page()->mapTo(window.get(), QPoint(int(37.5f * scale), int(148 * scale))));
    }

    BorderEditor *editor = nullptr;
    bool loaded = false;
};

// Fills the whole border picture with red paint.
void paintBorderRed(const Fixture &f)
{
    f.painting()->selectTool(ToolFloodFill);
    QTest::mouseClick(f.editor->borderPaper(), Qt::LeftButton, {}, QPoint(5, 5));
}

enum class EndBy { Page, Picture, Text, BandAgain, Badge, UseThisBorderKeepsEditing };

} // namespace

Q_DECLARE_METATYPE(EndBy)

class BorderEditorTest : public QObject {
    Q_OBJECT
private slots:
    void editingEndsOnEveryOtherPress_data()
    {
        QTest::addColumn<EndBy>("endBy");
        QTest::newRow("page") << EndBy::Page;
        QTest::newRow("picture") << EndBy::Picture;
        QTest::newRow("text") << EndBy::Text;
        QTest::newRow("border band again") << EndBy::BandAgain;
        QTest::newRow("magnifier badge") << EndBy::Badge;
        QTest::newRow("use this border") << EndBy::UseThisBorderKeepsEditing;
    }

    void editingEndsOnEveryOtherPress()
    {
        QFETCH(EndBy, endBy);
        Fixture f(QStringLiteral("plain.xml"), DocumentKind::Borders);
        QVERIFY(f.loaded);
        // Unpainted, the band shows faintly and prints nothing.
        QCOMPARE(f.shownBorderAt(f.bandPoint()), kBorderGuideColour);
        QCOMPARE(f.editorShown(), QVector<bool>(4, false));

        f.openEditor();
        QCOMPARE(f.editorShown(), QVector<bool>(4, true));
        QCOMPARE(f.context.page.current.kind, ObjectKind::Border);

        paintBorderRed(f);
        QVERIFY(f.context.page.changeCount > 0);
        QCOMPARE(f.shownBorderAt(f.bandPoint()), kBorderGuideColour); // not laid round the page yet

        switch (endBy) {
        case EndBy::Page:
            f.pressPaper();
            QCOMPARE(f.context.page.current.kind, ObjectKind::Paper);
            break;
        case EndBy::Picture:
            QTest::mouseClick(f.page()->pictureBox(0), Qt::LeftButton, {}, QPoint(20, 20));
            QCOMPARE(f.context.page.current.kind, ObjectKind::Picture);
            break;
        case EndBy::Text:
            QTest::mouseClick(f.page()->textBox(0)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(f.context.page.current.kind, ObjectKind::Text);
            break;
        case EndBy::BandAgain:
            f.openEditor();
            break;
        case EndBy::Badge:
            QTest::mouseClick(f.editor->magnifier(), Qt::LeftButton, {}, QPoint(30, 30));
            break;
        case EndBy::UseThisBorderKeepsEditing:
            QTest::mouseClick(f.window->toolbar()->button(ToolbarAction::BorderFromMagnifier),
                              Qt::LeftButton, {}, QPoint(10, 10));
            break;
        }
        const bool stillEditing = endBy == EndBy::UseThisBorderKeepsEditing;
        QCOMPARE(f.editorShown(), QVector<bool>(4, stillEditing));
        QCOMPARE(f.shownBorderAt(f.bandPoint()), kRed);
    }

    void undoAndRedoRedrawThePageBorder()
    {
        Fixture f(QStringLiteral("plain.xml"), DocumentKind::Borders);
        f.openEditor();
        PictureBoxWidget *paper = f.editor->borderPaper();
        dragMouse(paper, QPoint(10, 10), QPoint(paper->width() - 10, 10));
        const QImage firstStroke = f.context.page.border.picture.copy();
        dragMouse(paper, QPoint(10, paper->height() - 10),
                  QPoint(paper->width() - 10, paper->height() - 10));
        const QImage secondStroke = f.context.page.border.picture.copy();
        QVERIFY(firstStroke != secondStroke);
        f.pressPaper();
        QVERIFY(!f.editor->isEditing());
        const QImage shownAfterBoth = f.page()->borderImage();

        // One undo takes away exactly the last stroke, and the page shows it at once.
        emit f.window->undoRequested();
        QCOMPARE(f.context.page.border.picture, firstStroke);
        QCOMPARE(f.page()->borderImage(),
                 composeBorderGuide(f.context.page.border, f.context.page.pageRect.size()));
        QVERIFY(f.page()->borderImage() != shownAfterBoth);
        QCOMPARE(paper->image(), firstStroke);

        emit f.window->redoRequested();
        QCOMPARE(f.context.page.border.picture, secondStroke);
        QCOMPARE(f.page()->borderImage(), shownAfterBoth);
    }

    void shapedPictureLetsPressesThrough()
    {
        Fixture f(QStringLiteral("mapped.xml"), DocumentKind::Borders);
        QVERIFY(f.loaded);
        QCOMPARE(f.context.page.border.type, BorderType::Map);
        PictureBoxWidget *shaped = f.page()->pictureBox(0);
        QVERIFY(shaped->isShaped());
        QVERIFY(!f.page()->pictureFrame(0)->isVisible());
        QVERIFY(!f.page()->pictureBox(1)->isShaped());

        const QPoint centre = shaped->geometry().center();
        const QPoint corner = shaped->geometry().bottomRight() - QPoint(2, 2);
        // A press on the corner reaches the page; one on the shape reaches the picture.
        f.pressAt(f.page()->mapTo(f.window.get(), corner));
        QCOMPARE(f.context.page.current.kind, ObjectKind::Paper);
        f.pressAt(f.page()->mapTo(f.window.get(), centre));
        QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::Picture, 0}));
    }

    void maskControlIsSeeThroughOnWhite()
    {
        QWidget holder;
        holder.resize(100, 100);
        auto *control = new MaskControl(&holder);
        control->setGeometry(10, 10, 40, 40);
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                picture.setPixel(x, y, kRed);
        control->setPicture(picture); // stretched to 40 x 40: red from 10 to 29
        holder.show();
        // A press on the white reaches what lies behind; one on the red reaches the control.
        QSignalSpy presses(control, &MaskControl::pressed);
        clickAt(&holder, QPoint(13, 13));
        QCOMPARE(presses.count(), 0);
        clickAt(&holder, QPoint(30, 30));
        QCOMPARE(presses.count(), 1);
        QCOMPARE(presses.first().at(2).toPoint(), QPoint(20, 20));
    }
};

QTEST_MAIN(BorderEditorTest)
#include "tst_bordereditor.moc"
