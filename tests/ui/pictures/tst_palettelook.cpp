// How the painting palettes look: every tool picture and cursor is drawn in bright colours with
// dark outlines, and the palette column in the window is actually painted.

#include "core/app/appcontext.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/pictures/feltpens.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/pictures/painttools.h"
#include "ui/pictures/paletteart.h"
#include "ui/undo/undocontroller.h"

#include <QTest>

using namespace quillora;

namespace {

struct Colours {
    int saturated = 0; // bright, strongly coloured pixels
    int dark = 0;      // outline pixels: ink and the dark of each colour
};

Colours countColours(const QImage &image)
{
    Colours counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            if (c.hsvSaturation() > 150 && c.value() > 180)
                ++counts.saturated;
            if (c.value() < 160)
                ++counts.dark;
        }
    }
    return counts;
}

} // namespace

class TestPaletteLook : public QObject {
    Q_OBJECT

private slots:
    void toolPictures_data()
    {
        QTest::addColumn<int>("tool");
        for (int tool = 0; tool < kToolCount; ++tool) {
            if (toolInfo(tool).hasButton())
                QTest::addRow("%d", tool) << tool;
        }
    }

    void toolPictures()
    {
        QFETCH(int, tool);
        const QImage picture = paletteart::toolPicture(tool).pixmap(48, 48).toImage();
        QCOMPARE(picture.size(), QSize(48, 48));
        const Colours colours = countColours(picture);
        QVERIFY2(colours.saturated > 60, qPrintable(QString::number(colours.saturated)));
        QVERIFY2(colours.dark > 30, qPrintable(QString::number(colours.dark)));
        // Four pixels clear at the edges, so a sinking button does not clip its picture.
        for (int i = 0; i < 48; ++i) {
            QVERIFY(picture.pixelColor(i, 0).alpha() == 0);
            QVERIFY(picture.pixelColor(0, i).alpha() == 0);
        }

        const QCursor cursor = paletteart::toolCursor(tool);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(6, 6));
        const QImage cursorPicture = cursor.pixmap().toImage();
        QVERIFY(cursorPicture.pixelColor(6, 6).value() < 130); // the crosshair's ink centre
        QVERIFY(countColours(cursorPicture).saturated > 10);
    }

    void windowWithPalettes_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("paintTools");
        QTest::newRow("felt pens 1280x800") << QSize(1280, 800) << false;
        QTest::newRow("paint tools 800x600") << QSize(800, 600) << true;
    }

    void windowWithPalettes()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, paintTools);

        Environment environment;
        environment.screen.widthPx = screen.width();
        environment.screen.heightPx = screen.height();
        AppContext context(environment);
        SimplePageWindow window(context);
        QVERIFY(window.loadTemplate(
            QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/layouts/mirror.xml")));
        auto *undo = new UndoController(context, window);
        auto *painting = new PaintingController(context, window, *undo);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (paintTools)
            painting->showPaintTools();

        const QImage shot = window.grab().toImage();
        QWidget *palette = paintTools ? static_cast<QWidget *>(painting->paintTools())
                                      : static_cast<QWidget *>(painting->feltPens());
        const QRect column = palette->geometry().translated(window.paletteArea()->pos());
        QVERIFY(countColours(shot.copy(column)).saturated > 2000);
    }
};

QTEST_MAIN(TestPaletteLook)
#include "tst_palettelook.moc"
