// Painting in the single-page window: palettes, strokes with symmetry, the rubber band, the
// animation timer and the right button.

#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/feltpens.h"
#include "ui/pictures/painttools.h"
#include "ui/pictures/rubberbandoverlay.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace quillora;

namespace {

const QColor kBlue(0, 0, 0xFF);

// One window wired the way the application wires it, on a page of picture boxes or a template.
struct Fixture : WindowFixture {
    explicit Fixture(int pictureCount = 1)
    {
        makePage(0, 0, pictureCount);
        wire();
        show();
    }

    explicit Fixture(const QString &layout)
    {
        loaded = window->loadTemplate(layout);
        wire();
        window->show();
    }

    QImage &image(int index = 0) { return context.page.pictureBoxes[index].image; }
    PictureButton *toolbarButton(ToolbarAction action) const
    {
        return window->toolbar()->button(action);
    }
    void click(QAbstractButton *button) const
    {
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 20));
    }
    void showPaintTools() const { click(toolbarButton(ToolbarAction::ShowPaintTools)); }

    bool loaded = true;
};

} // namespace

class TestPaintingController : public QObject {
    Q_OBJECT

private slots:
    // What each switch resets is the painting state's rule; here, which panel and buttons show.
    void switchingPalettes()
    {
        Fixture f;
        FeltPens *pens = f.painting()->feltPens();
        PaintTools *tools = f.painting()->paintTools();
        QVERIFY(pens->isVisible());
        QVERIFY(!tools->isVisible());

        selectTool(f.context.paint, ToolCloud);
        f.showPaintTools();
        QVERIFY(tools->isVisible());
        QVERIFY(!pens->isVisible());
        QCOMPARE(f.context.paint.tool, ToolMarker);
        QCOMPARE(tools->selectedButton(), 0);
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::ShowFeltPens));
        QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::ShowPaintTools));

        QTest::mousePress(tools->colourLabel(23), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.context.paint.paintColour, colourRef(0, 0, 0xFF));
        QTest::mousePress(pens->pen(6), Qt::LeftButton, {}, QPoint(20, 10)); // hidden: no effect
        f.click(f.toolbarButton(ToolbarAction::ShowFeltPens));
        QVERIFY(pens->isVisible());
        QVERIFY(!tools->isVisible());
        QCOMPARE(f.context.paint.paintColour, kPureRed);
        QCOMPARE(pens->currentPen(), 0);
    }

    void strokePaintsWithSymmetry_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<bool>("rotated");
        QTest::newRow("plain") << QString() << false << false;
        QTest::newRow("shipped mirror")
            << QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/layouts/mirror.xml") << true
            << false;
        QTest::newRow("shipped rotations")
            << QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/layouts/rotate.xml") << false
            << true;
    }

    void strokePaintsWithSymmetry()
    {
        QFETCH(QString, layout);
        QFETCH(bool, mirrored);
        QFETCH(bool, rotated);

        std::unique_ptr<Fixture> f =
            layout.isEmpty() ? std::make_unique<Fixture>() : std::make_unique<Fixture>(layout);
        QVERIFY(f->loaded);
        PictureBoxWidget *box = f->pictureBox(0);
        QVERIFY(box);
        QTest::mousePress(f->painting()->feltPens()->pen(6), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(f->context.paint.paintColour, colourRef(0, 0, 0xFF));
        const int changes = f->context.page.changeCount;

        dragMouse(box, QPoint(30, 40), QPoint(60, 40));

        const QImage &image = f->image();
        const int w = image.width();
        const int h = image.height();
        QCOMPARE(image.pixelColor(45, 40), kBlue);
        QCOMPARE(image.pixelColor(45, 60), QColor(Qt::white));
        if (!rotated) // a quarter turn of a square picture also lands there
            QCOMPARE(image.pixelColor(w - 45, 40) == kBlue, mirrored);
        // Half of eight turns reflects the last point through the centre.
        QCOMPARE(image.pixelColor(w - 60, h - 40) == kBlue, rotated);
        QCOMPARE(f->context.page.changeCount, changes + 1);
        // The screen shows what the model holds.
        QCOMPARE(box->image(), image);
        QCOMPARE(box->grab().toImage().pixelColor(45, 40), kBlue);
    }

    void rubberBandDuringShapeDrag_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPoint>("landed"); // a pixel the shape covers once released
        QTest::newRow("filled rectangle") << 3 << int(RubberBandShape::Rectangle) << QPoint(20, 20);
        QTest::newRow("filled circle") << 5 << int(RubberBandShape::Oval) << QPoint(40, 32);
        QTest::newRow("straight line") << 6 << int(RubberBandShape::Line) << QPoint(40, 32);
    }

    void rubberBandDuringShapeDrag()
    {
        QFETCH(int, button);
        QFETCH(int, shape);
        QFETCH(QPoint, landed);

        Fixture f;
        f.showPaintTools();
        PaintTools *tools = f.painting()->paintTools();
        f.click(tools->toolButton(button));
        QTest::mousePress(tools->colourLabel(23), Qt::LeftButton, {}, QPoint(5, 5));
        PictureBoxWidget *box = f.pictureBox(0);

        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(17, 15));
        moveMouse(box, QPoint(40, 30));
        moveMouse(box, QPoint(63, 49));
        RubberBandOverlay *band = f.painting()->box();
        QVERIFY(band && band->isVisible());
        QCOMPARE(band->parentWidget(), box);
        QCOMPARE(int(band->band()->shape), shape);
        if (shape == int(RubberBandShape::Line))
            QCOMPARE(band->band()->line, QLine(16, 16, 64, 48));
        else
            QCOMPARE(band->band()->box, QRect(16, 16, 48, 32)); // snapped to the grid of 8
        // The band lies over the picture: the picture itself is still untouched...
        QCOMPARE(f.image().pixelColor(landed), QColor(Qt::white));
        // ...but it shows on screen.
        QCOMPARE(box->grab().toImage().pixelColor(landed) == QColor(Qt::white), false);

        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(63, 49));
        QVERIFY(!band->isVisible());
        QCOMPARE(f.image().pixelColor(landed), kBlue);
        QCOMPARE(f.image().pixelColor(100, 100), QColor(Qt::white));
    }

    void animatedToolPaintsOnTicks()
    {
        Fixture f;
        f.showPaintTools();
        f.click(f.painting()->paintTools()->toolButton(buttonOfTool(ToolSplat)));
        QVERIFY(f.painting()->timer()->isActive());
        PictureBoxWidget *box = f.pictureBox(0);
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(100, 80));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(100, 80));
        const QImage atRelease = f.image().copy();
        QTRY_VERIFY_WITH_TIMEOUT(f.image() != atRelease, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(box->image(), f.image(), 2000);

        // Which tools animate is the painting state's rule; the timer follows it both ways.
        f.painting()->selectTool(ToolMarker);
        QVERIFY(!f.painting()->timer()->isActive());
        QCOMPARE(box->cursor().shape(), Qt::BitmapCursor);
        f.painting()->selectTool(ToolScribble);
        QVERIFY(f.painting()->timer()->isActive());
    }

    void rightButton_data()
    {
        QTest::addColumn<bool>("paintTools");
        QTest::newRow("paint tools: the menu") << true;
        QTest::newRow("felt pens: paints") << false;
    }

    void rightButton()
    {
        QFETCH(bool, paintTools);
        Fixture f;
        if (paintTools)
            f.showPaintTools();
        QSignalSpy menu(f.painting(), &PaintingController::contextMenuRequested);
        const QImage before = f.image().copy();
        const int changes = f.context.page.changeCount;

        dragMouse(f.pictureBox(0), QPoint(30, 40), QPoint(90, 40), Qt::RightButton);

        QCOMPARE(menu.count(), paintTools ? 1 : 0);
        if (paintTools) {
            QCOMPARE(menu[0].at(0).toInt(), 0);
            QCOMPARE(menu[0].at(1).toPoint(),
                     f.pictureBox(0)->mapTo(f.window.get(), QPoint(30, 40)));
        }
        QCOMPARE(f.image() == before, paintTools);
        QCOMPARE(f.context.page.changeCount, paintTools ? changes : changes + 1);
        QCOMPARE(f.window->toolbar()->isButtonShown(ToolbarAction::Undo), !paintTools);
    }

    void selectingPressPaintsNothing()
    {
        Fixture f(2);
        PictureBoxWidget *second = f.pictureBox(1);
        const QImage before = f.image(1).copy();
        dragMouse(second, QPoint(30, 40), QPoint(90, 40));
        QCOMPARE(f.image(1), before);
        QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::Picture, 1}));
        QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Undo));

        dragMouse(second, QPoint(30, 40), QPoint(90, 40));
        QVERIFY(f.image(1) != before);
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));

        // Turning to the other picture starts its own history.
        dragMouse(f.pictureBox(0), QPoint(30, 40), QPoint(90, 40));
        QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
    }

    void colourChoicesAreReported()
    {
        Fixture f;
        QSignalSpy chosen(f.painting(), &PaintingController::paintColourChosen);
        QTest::mousePress(f.painting()->feltPens()->lid(4), Qt::LeftButton, {}, QPoint(10, 10));
        f.showPaintTools();
        QTest::mousePress(f.painting()->paintTools()->colourLabel(34), Qt::LeftButton, {},
                          QPoint(5, 5));
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen[0].at(0).value<ColourRef>(), colourRef(0, 0x80, 0));
        QCOMPARE(chosen[1].at(0).value<ColourRef>(), ColourRef(0));
    }
};

QTEST_MAIN(TestPaintingController)
#include "tst_paintingcontroller.moc"
