#include "core/pictures/paintstate.h"

#include <QTest>

using namespace quillora;

namespace {
constexpr ColourRef rgb(quint32 hex)
{
    return colourRef(int(hex >> 16) & 0xFF, int(hex >> 8) & 0xFF, int(hex) & 0xFF);
}
} // namespace

class TestPaintState : public QObject {
    Q_OBJECT
private slots:
    void selectToolSetsSizeTimerAndBox_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("timer");
        QTest::addColumn<int>("box");
        const int none = int(RubberBandShape::None);
        const int rect = int(RubberBandShape::Rectangle);
        const int oval = int(RubberBandShape::Oval);
        QTest::newRow("marker") << 0 << 16 << false << none;
        QTest::newRow("rectangle") << 2 << 4 << false << rect;
        QTest::newRow("filled ellipse") << 5 << 4 << false << oval;
        QTest::newRow("no tool makes Box a rectangle") << 8 << 4 << false << rect;
        QTest::newRow("writing keeps the size") << 9 << 24 << false << none;
        QTest::newRow("scribble") << 12 << 32 << true << none;
    }
    void selectToolSetsSizeTimerAndBox()
    {
        QFETCH(int, tool);
        QFETCH(int, size);
        QFETCH(bool, timer);
        QFETCH(int, box);
        PaintState state;
        state.toolSize = 24;
        state.paintColour = rgb(0x00FF00);
        const ToolSelection chosen = selectTool(state, tool);
        QCOMPARE(int(state.tool), tool);
        QCOMPARE(int(state.toolSize), size);
        QCOMPARE(chosen.toolSize, size);
        QCOMPARE(chosen.timerEnabled, timer);
        QCOMPARE(int(state.box), box);
        QVERIFY(!chosen.cursorPicture.isEmpty());
        QCOMPARE(state.paintColour, rgb(0x00FF00)); // a new tool keeps the colour
    }

    void unknownToolChangesNothing_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("negative") << -1;
        QTest::newRow("past the table") << 14;
    }
    void unknownToolChangesNothing()
    {
        QFETCH(int, tool);
        PaintState state;
        selectTool(state, ToolCloud);
        state.toolSize = 24;
        selectTool(state, tool);
        QCOMPARE(int(state.tool), int(ToolCloud));
        QCOMPARE(int(state.toolSize), 24);
    }

    void paletteColourKeepsToolAndSize()
    {
        PaintState state;
        selectTool(state, ToolStarburst);
        state.toolSize = 32;
        QVERIFY(choosePaletteColour(state, 23));
        QCOMPARE(state.paintColour, rgb(0x0000FF));
        QCOMPARE(int(state.tool), int(ToolStarburst));
        QCOMPARE(int(state.toolSize), 32);
        QVERIFY(!choosePaletteColour(state, 40));
        QVERIFY(!choosePaletteColour(state, -1));
        QCOMPARE(state.paintColour, rgb(0x0000FF));
    }

    // Ten 2 x 2 families in two columns; the lower index of a pair on the left, first pair on top.
    void paletteColourPlaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("0") << 0 << rgb(0xD00000) << QPoint(60, 4800);
        QTest::newRow("3 second pair right") << 3 << rgb(0xFF4040) << QPoint(420, 5160);
        QTest::newRow("5 right family") << 5 << rgb(0xC04000) << QPoint(1200, 4800);
        QTest::newRow("14 second row") << 14 << rgb(0x00FF00) << QPoint(840, 5940);
        QTest::newRow("22 third row") << 22 << rgb(0x8080FF) << QPoint(840, 6720);
        QTest::newRow("29 fourth row") << 29 << rgb(0x804000) << QPoint(1200, 7140);
        QTest::newRow("38 last family") << 38 << rgb(0xE0E0E0) << QPoint(840, 8280);
        QTest::newRow("39") << 39 << rgb(0xFFFFFF) << QPoint(1200, 8280);
    }
    void paletteColourPlaces()
    {
        QFETCH(int, index);
        const PaletteEntry &entry = paletteColours()[std::size_t(index)];
        QTEST(entry.colour, "colour");
        QTEST(entry.posTwips, "twips");
        QCOMPARE(entry.family, index / 4);
    }

    void feltPenColours_data()
    {
        QTest::addColumn<int>("strip");
        QTest::addColumn<int>("pen");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("strip 0 first") << 0 << 0 << rgb(0xFF0000);
        QTest::newRow("strip 1 wraps at 20") << 1 << 21 << rgb(0xFFFF00);
        QTest::newRow("strip 3 pen 16 is red again") << 3 << 16 << rgb(0xFF0000);
    }
    void feltPenColours()
    {
        QFETCH(int, strip);
        QFETCH(int, pen);
        QFETCH(quint32, colour);
        QCOMPARE(feltPenColour(strip, pen), colour);
        // The strip picture gives the same colour at the pen's band.
        const QImage image = feltStripImage(strip);
        const int bands = image.height() / kFeltBandHeightPx;
        QCOMPARE(image.width(), kFeltStripWidthPx);
        QCOMPARE(fromQColor(image.pixelColor(0, kFeltBandHeightPx * (pen % bands))), colour);
    }

    void pressingPensMovesTheOpenLid()
    {
        PaintState state;
        FeltPenColumn pens;
        QVERIFY(pressFeltPen(state, pens, 5, true));
        QCOMPARE(state.paintColour, rgb(0x00FFFF));
        QVERIFY(state.feltRightClick);
        QVERIFY(!pens.lidClosed(5));
        QVERIFY(pens.lidClosed(0));

        QVERIFY(pressFeltPen(state, pens, 5, false)); // the open pen stays open
        QVERIFY(!pens.lidClosed(5));
        QVERIFY(!state.feltRightClick);

        QVERIFY(!pressFeltPen(state, pens, 24, false));
        QCOMPARE(pens.currentPen(), 5);
        QCOMPARE(state.paintColour, rgb(0x00FFFF));
    }

    void feltColumnHeight_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("height");
        QTest::newRow("full hd is capped") << 1080 << 768;
        QTest::newRow("low resolution loses a pen") << 600 << 448;
        QTest::newRow("tiny screen") << 50 << 0;
    }
    void feltColumnHeight()
    {
        QFETCH(int, screenHeight);
        QFETCH(int, height);
        QCOMPARE(feltPensHeight(screenHeight), height);
        QCOMPARE(paintToolsPanelHeight(screenHeight), screenHeight < 601 ? 501 : 620);
    }

    void switchingPalettes()
    {
        PaintState state;
        FeltPenColumn pens;
        pens.setPenSize(16);
        selectTool(state, ToolCloud);
        choosePaletteColour(state, 20);
        pressFeltPen(state, pens, 7, false);

        showFeltPens(state, pens);
        QCOMPARE(state.paintColour, kPureRed);
        QCOMPARE(pens.currentPen(), 0);
        QCOMPARE(pens.penSize(), 32);
        QVERIFY(!state.paintToolsShown);

        const ToolSelection chosen = showPaintTools(state);
        QVERIFY(state.paintToolsShown);
        QCOMPARE(int(state.tool), 0);
        QCOMPARE(chosen.toolSize, 16);
    }
};

QTEST_GUILESS_MAIN(TestPaintState)
#include "tst_paintstate.moc"
