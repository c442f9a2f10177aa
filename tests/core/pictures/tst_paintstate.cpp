#include "core/pictures/paintstate.h"
#include "core/pictures/palettefit.h"

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
        QTest::addColumn<QPoint>("button"); // in twips; none for the arrow
        const int none = int(RubberBandShape::None);
        const int rect = int(RubberBandShape::Rectangle);
        const int oval = int(RubberBandShape::Oval);
        QTest::newRow("filled ellipse") << 5 << 4 << false << oval << QPoint(60, 3180);
        QTest::newRow("no tool makes Box a rectangle") << 8 << 4 << false << rect << QPoint();
        QTest::newRow("scribble") << 12 << 32 << true << none << QPoint(60, 840);
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
        QTEST(toolInfo(tool).buttonPosTwips(), "button");
        QVERIFY(!chosen.cursorPicture.isEmpty());
        QCOMPARE(state.paintColour, rgb(0x00FF00)); // a new tool keeps the colour
    }

    void choicesKeepToolAndSize()
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
        QVERIFY(choosePenSize(state, 32));
        QVERIFY(!choosePenSize(state, 5)); // not one of the pen sizes
        for (int tool : {-1, kToolCount})
            selectTool(state, tool);
        QCOMPARE(int(state.tool), int(ToolStarburst));
        QCOMPARE(int(state.toolSize), 32);
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
        pens.setStrip(1);
        QCOMPARE(pens.penColour(7), rgb(0xFF00FF));
    }

    // Every pen stays on the screen below the toolbar, and where it can, each is big enough
    // for a fingertip; a narrow column that holds the drawn pitch keeps it.
    void feltPenGridFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("cellWidth");
        QTest::newRow("projector 1024x768") << QSize(1024, 768) << 2 << 55 << 53;
        QTest::newRow("new board 1920x1080") << QSize(1920, 1080) << 2 << 56 << 106;
        QTest::newRow("tall 1280x1024 keeps the drawn column")
            << QSize(1280, 1024) << 1 << 32 << 106;
        QTest::newRow("low 800x600") << QSize(800, 600) << 2 << 38 << 53;
        QTest::newRow("tiny 640x160") << QSize(640, 160) << 2 << 1 << 53;
    }
    void feltPenGridFitsTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, columns);
        QFETCH(int, pitch);
        QFETCH(int, cellWidth);
        const FeltPenGrid grid = feltPenGrid(screen.width(), screen.height(), 32);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.pitch, pitch);
        QCOMPARE(grid.cellWidth, cellWidth);
        const QRect column(0, 0, paletteColumnWidth(screen.width(), screen.height()),
                           feltPensFreeHeight(screen.height()));
        for (int pen = 0; pen < kFeltPenCount; ++pen) {
            QVERIFY2(column.contains(grid.cell(pen)), qPrintable(QString::number(pen)));
            for (int other = pen + 1; other < kFeltPenCount; ++other)
                QVERIFY(!grid.cell(pen).intersects(grid.cell(other)));
            if (pen > 0) // the next pen stands below, or heads the next column
                QVERIFY(grid.cell(pen).top() > grid.cell(pen - 1).top() ||
                        grid.cell(pen).left() > grid.cell(pen - 1).left());
        }
        QCOMPARE(grid.height(), grid.cell(kFeltPenCount - 1).bottom() + 1);
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
