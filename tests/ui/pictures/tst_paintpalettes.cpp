// The felt pens, the paint tools and the pen sizer: what each press puts into the painting
// state, which lid is open, and that the panels fit high and low screens.

#include "core/pictures/paintstate.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/feltpens.h"
#include "ui/pictures/painttools.h"
#include "ui/pictures/pensizer.h"

#include <QSignalSpy>
#include <QTest>

using namespace quillora;

namespace {

ColourRef rgb(quint32 hex)
{
    return colourRef(int(hex >> 16) & 0xFF, int(hex >> 8) & 0xFF, int(hex) & 0xFF);
}

QPoint centreOf(const QWidget *widget)
{
    return widget->rect().center();
}

} // namespace

class TestPaintPalettes : public QObject {
    Q_OBJECT

private slots:
    void feltPenPress_data()
    {
        QTest::addColumn<int>("strip");
        QTest::addColumn<int>("pen");
        QTest::addColumn<bool>("onLid");
        QTest::addColumn<bool>("rightButton");
        QTest::addColumn<quint32>("colour");

        QTest::newRow("right button on a lid") << 2 << 14 << true << true << 0x0000A0u;
        QTest::newRow("strip of twenty") << 1 << 21 << true << false << 0xFFFF00u;
    }

    void feltPenPress()
    {
        QFETCH(int, strip);
        QFETCH(int, pen);
        QFETCH(bool, onLid);
        QFETCH(bool, rightButton);
        QFETCH(quint32, colour);

        PaintState state;
        state.paintColour = rgb(0x123456);
        FeltPens pens(state);
        pens.setColPalette(strip);
        pens.show();
        QSignalSpy chosen(&pens, &FeltPens::colourChosen);

        QWidget *target = onLid ? pens.lid(pen) : pens.pen(pen);
        QVERIFY(target->isVisible());
        const QPoint at = onLid ? centreOf(target) : QPoint(20, target->height() / 2);
        QTest::mousePress(target, rightButton ? Qt::RightButton : Qt::LeftButton, {}, at);

        QCOMPARE(state.paintColour, rgb(colour));
        QCOMPARE(state.feltRightClick, rightButton);
        QCOMPARE(chosen.count(), 1);
        for (int i = 0; i < kFeltPenCount; ++i)
            QCOMPARE(pens.lid(i)->isVisible(), i != pen);
    }

    void toolButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("size");
        QTest::newRow("thick pen") << 0 << 0 << 16;
        QTest::newRow("scribble") << 10 << 12 << 32;
    }

    void toolButton()
    {
        QFETCH(int, button);
        QFETCH(int, tool);
        QFETCH(int, size);

        PaintState state;
        state.paintColour = rgb(0x008000);
        PaintTools tools(state);
        tools.show();
        // The window selects the tool on the button's report.
        connect(&tools, &PaintTools::toolChosen, &tools,
                [&](int t) { tools.setToolSize(selectTool(state, t).toolSize); });
        PictureButton *but = tools.toolButton(button);

        QSignalSpy chosen(&tools, &PaintTools::toolChosen);
        QTest::mousePress(but, Qt::LeftButton, {}, QPoint(24, 24));
        QCOMPARE(chosen.count(), 0); // a tool is chosen when the button comes up
        QTest::mouseRelease(but, Qt::LeftButton, {}, QPoint(24, 24));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(state.tool, tool);
        QCOMPARE(state.toolSize, size);
        QCOMPARE(tools.penSizer()->getToolSize(), size);
    }

    void penSize_data()
    {
        QTest::addColumn<int>("dot");
        QTest::addColumn<int>("size");
        for (int i : {0, 5})
            QTest::addRow("%d", kPenSizes[i]) << i << kPenSizes[i];
    }

    void penSize()
    {
        QFETCH(int, dot);
        QFETCH(int, size);

        PaintState state;
        selectTool(state, ToolCloud);
        PaintTools tools(state);
        tools.show();
        PenSizer *sizer = tools.penSizer();
        QWidget *dotWidget = sizer->dot(dot);
        QSignalSpy chosen(sizer, &PenSizer::sizeChosen);

        // The press lands on the picker, which finds the dot under the pointer.
        QTest::mousePress(sizer, Qt::LeftButton, {}, dotWidget->geometry().center());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(state.toolSize, size);
        QCOMPARE(state.tool, ToolCloud);
    }

    void panelLayout_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("tight");
        QTest::addColumn<bool>("roomy");
        QTest::newRow("1280x800") << QSize(1280, 800) << false << false;
        QTest::newRow("800x600") << QSize(800, 600) << true << false;
        QTest::newRow("1920x1080 roomy") << QSize(1920, 1080) << false << true;
    }

    void panelLayout()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, tight);
        QFETCH(bool, roomy);

        PaintState state;
        PaintTools tools(state);
        tools.showForScreen(screen);
        QCOMPARE(tools.tightened(), tight);
        QVERIFY(tools.height() <= screen.height());
        // In a roomy column every colour and size is as big as a fingertip.
        if (roomy) {
            for (int i = 0; i < kPaletteColourCount; ++i)
                QVERIFY(tools.colourLabel(i)->width() >= 44 &&
                        tools.colourLabel(i)->height() >= 44);
            for (int i = 0; i < 6; ++i)
                QVERIFY(tools.penSizer()->dot(i)->width() >= 44 &&
                        tools.penSizer()->dot(i)->height() >= 44);
        }

        // Everything fits the panel and nothing covers anything else.
        QVector<QRect> parts;
        for (int i = 0; i < kToolButtonCount; ++i)
            parts << tools.toolButton(i)->geometry();
        for (int i = 0; i < kPaletteColourCount; ++i)
            parts << tools.colourLabel(i)->geometry();
        parts << tools.penSizer()->geometry();
        for (int i = 0; i < parts.size(); ++i) {
            QVERIFY2(tools.rect().contains(parts[i]), qPrintable(QString::number(i)));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts[i].intersects(parts[j]),
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        }
        // The biggest dot fits the picker.
        QVERIFY(tools.penSizer()->rect().contains(tools.penSizer()->dot(5)->geometry()));
    }

    // A press in the gap between two colours takes the nearer one; one well away takes none.
    void pressBetweenColours_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("colour");
        QTest::newRow("nearer the left family") << QPoint(53, 330) << 1;
        QTest::newRow("nearer the right family") << QPoint(55, 330) << 4;
        QTest::newRow("between family rows") << QPoint(10, 369) << 2;
        QTest::newRow("beside the tool buttons") << QPoint(53, 100) << -1;
    }

    void pressBetweenColours()
    {
        QFETCH(QPoint, at);
        QFETCH(int, colour);
        PaintState state;
        PaintTools tools(state);
        tools.showForScreen(QSize(1280, 800));
        QSignalSpy chosen(&tools, &PaintTools::colourChosen);
        QTest::mousePress(&tools, Qt::LeftButton, {}, at);
        QCOMPARE(chosen.count(), colour < 0 ? 0 : 1);
        if (colour >= 0)
            QCOMPARE(chosen[0].at(0).toInt(), colour);
    }
};

QTEST_MAIN(TestPaintPalettes)
#include "tst_paintpalettes.moc"
