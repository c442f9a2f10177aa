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
        QCOMPARE(pens.currentPen(), pen);
        QCOMPARE(pens.currentPenCol(), rgb(colour));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0].at(0).toInt(), pen);
        QCOMPARE(chosen[0].at(1).toBool(), rightButton);
        for (int i = 0; i < kFeltPenCount; ++i)
            QCOMPARE(pens.lid(i)->isVisible(), i != pen);
    }

    // A pen chosen by the program (not a press) reports nothing; the current lid closes and
    // opens on request.
    void feltChoseColourRaisesNoEvent()
    {
        PaintState state;
        FeltPens pens(state);
        pens.show();
        QSignalSpy chosen(&pens, &FeltPens::colourChosen);
        pens.feltChoseColour(9);
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(pens.currentPen(), 9);
        QCOMPARE(state.paintColour, kPureRed);
        QVERIFY(!pens.lid(9)->isVisible());
        QVERIFY(pens.lid(0)->isVisible());
        pens.feltChoseColour(kFeltPenCount); // not a pen: nothing changes
        QCOMPARE(pens.currentPen(), 9);
        pens.closeCurrentLid();
        QVERIFY(pens.lid(9)->isVisible());
        pens.openCurrentLid();
        QVERIFY(!pens.lid(9)->isVisible());
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
        QCOMPARE(state.paintColour, rgb(0x008000));
        QCOMPARE(tools.penSizer()->getToolSize(), size);
        QCOMPARE(tools.selectedButton(), button);
        QVERIFY(tools.toolSelecta()->geometry().contains(but->geometry()));
    }

    // The colours themselves are the palette table's; here, the first one as a press gives it.
    void paletteColour()
    {
        const int index = 0;
        const QColor colour(0xD0, 0, 0);
        PaintState state;
        selectTool(state, ToolStarburst);
        choosePenSize(state, 24);
        PaintTools tools(state);
        tools.show();
        QSignalSpy chosen(&tools, &PaintTools::colourChosen);
        QWidget *label = tools.colourLabel(index);
        QCOMPARE(label->palette().color(QPalette::Window), colour);

        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(12, 12));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(toQColor(state.paintColour), colour);
        QCOMPARE(state.tool, ToolStarburst);
        QCOMPARE(state.toolSize, 24);
        QVERIFY(tools.colSelecta()->isVisible());
        QVERIFY(tools.colSelecta()->geometry().contains(label->geometry()));
        // The size dots take the new colour.
        const QImage dot = tools.penSizer()->dot(5)->grab().toImage();
        QCOMPARE(dot.pixelColor(dot.rect().center()), colour);
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
        QCOMPARE(sizer->getToolSize(), size);
        QCOMPARE(sizer->ring()->property("Tag").toString(), QString::number(size));
        QVERIFY(qAbs(sizer->ring()->geometry().center().x() - dotWidget->geometry().center().x()) <=
                1);
    }

    void panelLayout_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("tight");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1280x800") << QSize(1280, 800) << false << QSize(106, 620);
        QTest::newRow("800x600") << QSize(800, 600) << true << QSize(106, 501);
        QTest::newRow("1920x1080 roomy") << QSize(1920, 1080) << false << QSize(212, 898);
    }

    void panelLayout()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, tight);
        QFETCH(QSize, size);

        PaintState state;
        PaintTools tools(state);
        tools.showForScreen(screen);
        QCOMPARE(tools.tightened(), tight);
        QCOMPARE(tools.size(), size);
        // In a roomy column every colour and size is as big as a fingertip.
        if (size.width() > 106) {
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
