// The program's own dialogs: the exit question, the offer to save, the replace question and the
// page choices (circle segments, table columns and rows, leaflet size), with their answers, keys
// and dragging; the guard that keeps the rest of a gesture begun on a window that has just gone
// from reaching the new one; and the one top bar every own window wears.

#include "core/app/appcontext.h"
#include "core/layout/documenttypes.h"
#include "support/rows.h"
#include "ui/app/exitdialog.h"
#include "ui/app/gestureguard.h"
#include "ui/app/startscreen.h"
#include "ui/files/replacedialog.h"
#include "ui/kit/childstyle.h"
#include "ui/kit/choicedialog.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/saveoffer.h"
#include "ui/kit/topbar.h"
#include "ui/pictures/fakecamera.h"
#include "ui/pictures/importchoicedialog.h"
#include "ui/pictures/webcamwindow.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::DialogAnswer)

namespace {

void press(PictureButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void press(QWidget *form, const QString &buttonName)
{
    auto *button = form->findChild<PictureButton *>(buttonName);
    QVERIFY2(button, qPrintable(buttonName));
    QVERIFY2(button->isVisible(), qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

bool shown(QWidget *form, const QString &name)
{
    return form->findChild<QWidget *>(name)->isVisible();
}

QString number(QWidget *form, const QString &name)
{
    return form->findChild<QLabel *>(name)->text();
}

class PressCounter : public QWidget {
public:
    int presses = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

} // namespace

class TestOwnDialogs : public QObject {
    Q_OBJECT

private slots:
    void exitAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<DialogAnswer>("answer");
        test::addRow("Cancel", QStringLiteral("cancel"), DialogAnswer::No);
        test::addRow("Escape stays", QStringLiteral("escape"), DialogAnswer::No);
    }
    void exitAnswers()
    {
        QFETCH(QString, action);
        QFETCH(DialogAnswer, answer);
        AppContext context{Environment{}};
        QTimer::singleShot(0, this, [action] {
            auto *form = qobject_cast<ExitDialog *>(QApplication::activeModalWidget());
            QVERIFY(form);
            if (action == "ok")
                press(form->okButton());
            else if (action == "cancel")
                press(form->cancelButton());
            else
                QTest::keyClick(form, Qt::Key_Escape);
        });
        QCOMPARE(ExitDialog::ask(context), answer);
    }

    void saveOfferAnswers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<DialogAnswer>("answer");
        test::addRow("OK saves", QStringLiteral("ok"), DialogAnswer::Yes);
        test::addRow("Y key saves", QStringLiteral("Y"), DialogAnswer::Yes);
        test::addRow("N key answers no", QStringLiteral("N"), DialogAnswer::No);
        test::addRow("Escape stays", QStringLiteral("escape"), DialogAnswer::Closed);
        test::addRow("other keys do nothing", QStringLiteral("X then close"), DialogAnswer::Closed);
    }
    void saveOfferAnswers()
    {
        QFETCH(QString, action);
        QFETCH(DialogAnswer, answer);
        AppContext context{Environment{}};
        SaveOffer offer(context);
        offer.show();
        auto *close = offer.findChild<PictureButton *>(QStringLiteral("unloadFormBut"));
        QVERIFY(close);
        if (action == "ok")
            press(offer.okButton());
        else if (action == "escape")
            QTest::keyClick(&offer, Qt::Key_Escape);
        else if (action == "X then close") {
            QTest::keyClick(&offer, Qt::Key_X);
            QVERIFY(offer.isVisible());
            QCOMPARE(offer.answer(), DialogAnswer::None);
            press(close);
        } else
            QTest::keyClick(&offer, action == "Y" ? Qt::Key_Y : Qt::Key_N);
        QVERIFY(!offer.isVisible());
        QCOMPARE(offer.answer(), answer);
    }

    void replaceQuestion_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("OK replaces") << "ok" << true;
        QTest::newRow("Cancel keeps") << "cancel" << false;
        QTest::newRow("close keeps") << "close" << false;
    }
    void replaceQuestion()
    {
        QFETCH(QString, action);
        AppContext context{Environment{}};
        QImage preview(80, 56, QImage::Format_RGB32);
        preview.fill(Qt::blue);
        QTimer::singleShot(0, this, [action] {
            auto *form = qobject_cast<ReplaceDialog *>(QApplication::activeModalWidget());
            QVERIFY(form);
            if (action == "ok")
                press(form->okButton());
            else if (action == "cancel")
                press(form->cancelButton());
            else
                press(form->findChild<PictureButton *>(QStringLiteral("unloadFormBut")));
        });
        QTEST(ReplaceDialog::ask(context, QStringLiteral("seaside"), preview), "replaced");
    }

    void topBarAndLabelDragTheWindow_data()
    {
        QTest::addColumn<QString>("handle");
        QTest::newRow("top bar") << "topBar";
        QTest::newRow("label") << "msgLabel";
    }
    void topBarAndLabelDragTheWindow()
    {
        QFETCH(QString, handle);
        AppContext context{Environment{}};
        ExitDialog form(context);
        form.move(100, 100);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget *grip = form.findChild<QWidget *>(handle);
        const QPoint start = form.pos();
        QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(grip, QPoint(40, 30));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(40, 30));
        QCOMPARE(form.pos(), start + QPoint(30, 20));
        QVERIFY(form.isVisible());
    }

    // The dialogs, the start screen, the webcam and the import choice share one top bar: it
    // shows the window's title as translation changes it, and its close picture closes.
    void everyOwnWindowHasTheOneTopBar()
    {
        QTemporaryDir folder;
        AppContext context{Environment{}};
        context.folders.temporary = context.folders.data = folder.path();
        QDir().mkpath(folder.filePath(QStringLiteral("layouts")));
        test::FakeCamera camera;
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        std::vector<std::unique_ptr<QDialog>> windows;
        windows.push_back(std::make_unique<SaveOffer>(context));
        windows.push_back(std::make_unique<StartScreen>(context));
        windows.push_back(std::make_unique<WebcamWindow>(context, camera, folder.path()));
        windows.push_back(
            std::make_unique<ImportChoiceDialog>(context, QSize(60, 60), photo, false));
        for (const auto &window : windows) {
            const QList<TopBar *> bars = window->findChildren<TopBar *>();
            QCOMPARE(bars.size(), 1);
            window->setWindowTitle(QStringLiteral("Fenster"));
            QCOMPARE(bars[0]->title()->text(), QStringLiteral("Fenster"));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            press(bars[0]->findChild<PictureButton *>());
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(QDialog::Rejected));
        }
    }

    void countsStayWithinTwoToTwelve_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("numberName");
        QTest::addColumn<QString>("addName");
        QTest::addColumn<QString>("removeName");
        QTest::addColumn<int>("start");
        const auto row = [](const char *name, DocumentKind kind, const char *number,
                            const char *add, const char *remove, int start) {
            test::addRow(name, int(kind), QString::fromLatin1(number), QString::fromLatin1(add),
                         QString::fromLatin1(remove), start);
        };
        row("segments", DocumentKind::Circle, "numSegs", "addSegsBut", "remSegsBut", 4);
        row("columns", DocumentKind::Table, "numColLab", "addColBut", "remColBut", 6);
        row("rows", DocumentKind::Table, "numRowLab", "addRowBut", "remRowBut", 4);
    }
    void countsStayWithinTwoToTwelve()
    {
        QFETCH(int, code);
        QFETCH(QString, numberName);
        QFETCH(QString, addName);
        QFETCH(QString, removeName);
        QFETCH(int, start);
        AppContext context{Environment{}};
        ChoiceDialog form(context, kindInfo(DocumentKind(code)).choicePage);
        form.show();
        QCOMPARE(number(&form, numberName), QString::number(start));
        for (int value = start - 1; value >= 2; --value) {
            press(&form, removeName);
            QCOMPARE(number(&form, numberName), QString::number(value));
        }
        QVERIFY(!shown(&form, removeName));
        QVERIFY(shown(&form, addName));
        for (int value = 3; value <= 12; ++value) {
            press(&form, addName);
            QCOMPARE(number(&form, numberName), QString::number(value));
            QVERIFY(shown(&form, removeName));
        }
        QVERIFY(!shown(&form, addName));
    }

    void okAnswersWithTheValuesCancelWithNothing()
    {
        AppContext context{Environment{}};
        const auto answerTable = [&](std::function<void(ChoiceDialog *)> act) {
            QTimer::singleShot(0, this, [act] {
                auto *form = qobject_cast<ChoiceDialog *>(QApplication::activeModalWidget());
                QVERIFY(form);
                act(form);
            });
            return ChoiceDialog::ask(context, DocumentKind::Table);
        };
        const auto chosen = answerTable([](ChoiceDialog *form) {
            press(form, "addColBut");
            press(form, "remRowBut");
            press(form, "okBut");
        });
        QVERIFY(chosen);
        QCOMPARE(chosen->tableColumns, 7);
        QCOMPARE(chosen->tableRows, 3);
        // A new opening starts from the dialog's own values, not the ones chosen before.
        QVERIFY(!answerTable([](ChoiceDialog *form) {
            QCOMPARE(form->columns(), 6);
            press(form, "remColBut");
            press(form, "cancelBut");
        }));
        QVERIFY(!answerTable([](ChoiceDialog *form) { QTest::keyClick(form, Qt::Key_Escape); }));
        QVERIFY(!ChoiceDialog::ask(context, DocumentKind::Simple));
    }

    void leafletSizeByOptionOrPicture()
    {
        AppContext context{Environment{}};
        ChoiceDialog form(context, ChoicePage::Leaflet);
        form.show();
        QVERIFY(form.findChild<QRadioButton *>("leafSzOp0")->isChecked());
        auto *smallPicture = form.findChild<QLabel *>("leafSzImg1");
        QTest::mouseClick(smallPicture, Qt::LeftButton, {}, smallPicture->rect().center());
        QVERIFY(form.findChild<QRadioButton *>("leafSzOp1")->isChecked());
        QCOMPARE(form.values().leafletSize, 1);
    }

    // A column header of a file dialog's details sorts when pressed: a finger can hit it.
    void columnHeadersTakeAFinger()
    {
        ChildStyle style;
        QStandardItemModel files(0, 2);
        files.setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size")});
        QHeaderView header(Qt::Horizontal);
        header.setStyle(&style);
        header.setModel(&files);
        QVERIFY(header.sizeHint().height() >= looks::kTouchTarget);
    }

    void swallowsOnlyTheGestureInFlight()
    {
        PressCounter window;
        window.resize(100, 100);
        window.show();
        GestureGuard::guard(window, 150, window.mapToGlobal(QPoint(10, 10)));
        // A click somewhere else is the child's next action.
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(window.presses, 1);
        // The second click of a double-click, its release coming after the guard's time.
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(200);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(window.presses, 1);
        QCOMPARE(window.releases, 1);

        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(window.presses, 2);
        QCOMPARE(window.releases, 2);
    }

    // A window change guards only the place of a click just made: one made from the keyboard
    // leaves the child's next press alone, wherever the pointer rests.
    void guardsOnlyAClickJustMade()
    {
        PressCounter window;
        window.resize(100, 100);
        window.show();
        ReleaseWatch releases;
        QVERIFY(!releases.releasedWithin(1000));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(30, 40));
        QCOMPARE(releases.releasedWithin(1000), window.mapToGlobal(QPoint(30, 40)));
        QTest::qWait(60);
        QVERIFY(!releases.releasedWithin(20));
    }
};

QTEST_MAIN(TestOwnDialogs)
#include "tst_owndialogs.moc"
