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
        QTest::newRow("pencil") << 1 << 4 << false << none;
        QTest::newRow("rectangle") << 2 << 4 << false << rect;
        QTest::newRow("filled rectangle") << 3 << 4 << false << rect;
        QTest::newRow("ellipse") << 4 << 4 << false << oval;
        QTest::newRow("filled ellipse") << 5 << 4 << false << oval;
        QTest::newRow("line") << 6 << 4 << false << none;
        QTest::newRow("paint pot") << 7 << 4 << false << none;
        QTest::newRow("no tool makes Box a rectangle") << 8 << 4 << false << rect;
        QTest::newRow("writing keeps the size") << 9 << 24 << false << none;
        QTest::newRow("cloud") << 10 << 16 << false << none;
        QTest::newRow("starburst") << 11 << 16 << false << none;
        QTest::newRow("scribble") << 12 << 32 << true << none;
        QTest::newRow("splat") << 13 << 16 << true << none;
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
        QCOMPARE(chosen.cursorPicture, toolInfo(tool).cursorPicture);
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

    void toolButtonsSitInTheirGrid_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("marker left 1") << 0 << QPoint(60, 60);
        QTest::newRow("pencil right 1") << 1 << QPoint(840, 60);
        QTest::newRow("scribble left 2") << 12 << QPoint(60, 840);
        QTest::newRow("splat right 3") << 13 << QPoint(840, 1620);
        QTest::newRow("rectangle right 4") << 2 << QPoint(840, 2400);
        QTest::newRow("filled ellipse left 5") << 5 << QPoint(60, 3180);
        QTest::newRow("paint pot right 6") << 7 << QPoint(840, 3960);
    }
    void toolButtonsSitInTheirGrid()
    {
        QFETCH(int, tool);
        QFETCH(QPoint, twips);
        QVERIFY(toolInfo(tool).hasButton());
        QCOMPARE(toolInfo(tool).buttonPosTwips(), twips);
    }

    void twelveButtonsFillTheGridOnce()
    {
        QSet<QPair<int, int>> cells;
        for (const ToolInfo &info : toolTable()) {
            if (info.hasButton())
                cells.insert({int(info.column), info.row});
        }
        QCOMPARE(cells.size(), 12);
        QVERIFY(!toolInfo(ToolNone).hasButton());
        QVERIFY(!toolInfo(ToolWriting).hasButton());
    }

    void paletteColoursAndPlaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("0 top left") << 0 << rgb(0xD00000) << QPoint(60, 4800);
        QTest::newRow("1 beside it") << 1 << rgb(0xEF0000) << QPoint(420, 4800);
        QTest::newRow("2 below 0") << 2 << rgb(0xFF0000) << QPoint(60, 5160);
        QTest::newRow("7 second family") << 7 << rgb(0xFFC040) << QPoint(1200, 5160);
        QTest::newRow("23 blue") << 23 << rgb(0x0000FF) << QPoint(1200, 6720);
        QTest::newRow("34 black") << 34 << rgb(0x000000) << QPoint(60, 8280);
        QTest::newRow("39 white") << 39 << rgb(0xFFFFFF) << QPoint(1200, 8280);
    }
    void paletteColoursAndPlaces()
    {
        QFETCH(int, index);
        QFETCH(quint32, colour);
        QFETCH(QPoint, twips);
        QCOMPARE(paletteColours()[index].colour, colour);
        QCOMPARE(paletteColours()[index].posTwips, twips);
        QCOMPARE(paletteColours()[index].family, index / 4);
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

    void feltPenColours_data()
    {
        QTest::addColumn<int>("strip");
        QTest::addColumn<int>("pen");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("strip 0 first") << 0 << 0 << rgb(0xFF0000);
        QTest::newRow("strip 0 last") << 0 << 23 << rgb(0xFFB020);
        QTest::newRow("strip 0 black") << 0 << 11 << rgb(0x000000);
        QTest::newRow("strip 1 wraps at 20") << 1 << 21 << rgb(0xFFFF00);
        QTest::newRow("strip 2 dark blue") << 2 << 14 << rgb(0x0000A0);
        QTest::newRow("strip 3 pen 16 is red again") << 3 << 16 << rgb(0xFF0000);
        QTest::newRow("strip 3 pen 23") << 3 << 23 << rgb(0xFFC4D4);
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
        QTest::newRow("768 high") << 768 << 640;
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
