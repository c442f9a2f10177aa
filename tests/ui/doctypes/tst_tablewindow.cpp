// The table window with every controller attached: the add and remove buttons at their limits,
// a first press on a cell paints it and moves the current cell's frame there, and a current
// cell taken away hands over to the one the frame moves to. Undo, taking cells away and
// bringing them back with their work run end to end in scenario_table.

#include "core/app/appcontext.h"
#include "core/doctypes/table.h"
#include "core/printing/imageprintdevice.h"
#include "platform/camera.h"
#include "platform/pictureloader.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/tablewindow.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/pictureboxwidget.h"

#include <QtTest>

using namespace quillora;

namespace {

struct TableFixture {
    TableFixture() : context(screen()), window(context)
    {
        context.page.documentType = DocumentKind::Table;
        attachControllers(context, window, DocumentServices{printers, pictures, [] {
                                                                return std::unique_ptr<Camera>();
                                                            }});
    }
    static Environment screen()
    {
        Environment environment;
        environment.screen = {1280, 800};
        return environment;
    }
    PictureBoxWidget *cellPicture(TableCell cell) const
    {
        return window.pageView()->pictureBox(cellPictureIndex(cell));
    }
    // Where a cell lies in the window, as the selection frame marks it.
    QRect cellOnWindow(TableCell cell) const
    {
        return tableGridOf(context.page).cellRect(cell).translated(context.page.pageRect.topLeft());
    }
    QImage cellImage(TableCell cell) const
    {
        return context.page.pictureBoxes[cellPictureIndex(cell)].image;
    }

    AppContext context;
    ImagePrinterProvider printers;
    FilePictureLoader pictures;
    TableWindow window;
};

void drag(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

} // namespace

class TestTableWindow : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowLimits_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<bool>>("shown"); // add column, remove column, add row, remove row
        QTest::newRow("2 x 2") << 2 << 2 << QList<bool>{true, false, true, false};
        QTest::newRow("12 x 12") << 12 << 12 << QList<bool>{false, true, false, true};
        QTest::newRow("6 x 4") << 6 << 4 << QList<bool>{true, true, true, true};
    }
    void buttonsFollowLimits()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QList<bool>, shown);
        TableFixture table;
        table.window.show();
        table.window.startTable(columns, rows);
        const TableWindow &w = table.window;
        QCOMPARE((QList<bool>{w.addColumnButton()->isVisible(), w.removeColumnButton()->isVisible(),
                              w.addRowButton()->isVisible(), w.removeRowButton()->isVisible()}),
                 shown);
        QCOMPARE(w.rows().size(), rows);
        QVERIFY(w.rows().constLast()->isVisible());
        // Every button stays on the screen.
        for (const PictureButton *button : {w.addColumnButton(), w.removeRowButton()})
            QVERIFY(w.rect().contains(button->geometry()));
    }

    void firstPressPaintsAndMovesFrame()
    {
        TableFixture table;
        table.window.show();
        table.window.startTable(3, 2);
        const TableCell cell{1, 2};
        const QImage before = table.cellImage(cell);
        drag(table.cellPicture(cell), QPoint(10, 10), QPoint(60, 30));
        QVERIFY(table.cellImage(cell) != before);
        QCOMPARE(table.window.selectionStrips().first()->geometry().topLeft(),
                 table.cellOnWindow(cell).topLeft());

        // Its column taken away, the cell beside it becomes the one worked on.
        table.window.removeColumnButton()->click();
        QCOMPARE(table.context.page.current,
                 (CurrentObject{objectkind::Picture, cellPictureIndex({1, 1})}));
    }
};

QTEST_MAIN(TestTableWindow)
#include "tst_tablewindow.moc"
