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
        QTest::newRow("filled ellipse") << 5 << 4 << false << oval;
        QTest::newRow("no tool makes Box a rectangle") << 8 << 4 << false << rect;
        QTest::newRow("writing keeps the size") << 9 << 24 << false << none;
        QTest::newRow("scribble") << 12 << 32 << true << none;
    }
    void selectToolSetsSizeTimerAndBox()
    {
        QFETCH(int, tool);
        QFETCH(int, size);
        QFETCH(int, box);
        PaintState state;
        state.toolSize = 24;
        state.paintColour = rgb(0x00FF00);
        const ToolSelection chosen = selectTool(state, tool);
        QCOMPARE(int(state.tool), tool);
        QCOMPARE(int(state.toolSize), size);
        QCOMPARE(chosen.toolSize, size);
        QTEST(chosen.timerEnabled, "timer");
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
        QTEST(feltPensHeight(screenHeight), "height");
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
