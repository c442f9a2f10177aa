#include "core/app/appcontext.h"
#include "core/layout/documenttypes.h"
#include "ui/kit/choiceform.h"
#include "ui/kit/picturebutton.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace quillora;

namespace {

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

} // namespace

class TestChoiceForm : public QObject {
    Q_OBJECT
private slots:
    void countsStayWithinTwoToTwelve_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("numberName");
        QTest::addColumn<QString>("addName");
        QTest::addColumn<QString>("removeName");
        QTest::addColumn<int>("start");
        QTest::newRow("segments")
            << int(DocumentKind::Circle) << "numSegs" << "addSegsBut" << "remSegsBut" << 4;
        QTest::newRow("columns")
            << int(DocumentKind::Table) << "numColLab" << "addColBut" << "remColBut" << 6;
        QTest::newRow("rows")
            << int(DocumentKind::Table) << "numRowLab" << "addRowBut" << "remRowBut" << 4;
    }
    void countsStayWithinTwoToTwelve()
    {
        QFETCH(int, code);
        QFETCH(QString, numberName);
        QFETCH(QString, addName);
        QFETCH(QString, removeName);
        QFETCH(int, start);
        AppContext context{Environment{}};
        ChoiceForm form(context, kindInfo(DocumentKind(code)).choicePage);
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

    void examplesFollowTheNumbers()
    {
        AppContext context{Environment{}};
        ChoiceForm circle(context, ChoicePage::Circle);
        circle.show();
        auto *example = circle.findChild<QLabel *>("circExampleImg");
        press(&circle, "addSegsBut");
        QCOMPARE(example->pixmap().toImage(), drawCircleExample(5, example->width()));

        ChoiceForm table(context, ChoicePage::Table);
        table.show();
        auto *grid = table.findChild<QLabel *>("tableExampleImg");
        press(&table, "remRowBut");
        QCOMPARE(grid->pixmap().toImage(), drawTableExample(6, 3, grid->size()));
    }

    void okStoresTheShownPageCancelNothing()
    {
        AppContext context{Environment{}};
        {
            ChoiceForm form(context, ChoicePage::Table);
            form.show();
            press(&form, "addColBut");
            press(&form, "remRowBut");
            press(&form, "okBut");
            QCOMPARE(context.dialogAnswer, QStringLiteral("Yes"));
            QCOMPARE(context.choices.tableColumns, 7);
            QCOMPARE(context.choices.tableRows, 3);
            QCOMPARE(context.choices.circleSegments, 4);
        }
        {
            // A new opening starts from the dialog's own values, not the stored ones.
            ChoiceForm form(context, ChoicePage::Table);
            form.show();
            QCOMPARE(form.columns(), 6);
            press(&form, "remColBut");
            press(&form, "cancelBut");
            QCOMPARE(context.dialogAnswer, QStringLiteral("No"));
            QCOMPARE(context.choices.tableColumns, 7);
        }
        {
            ChoiceForm form(context, ChoicePage::Circle);
            form.show();
            QTest::keyClick(&form, Qt::Key_Escape);
            QCOMPARE(context.dialogAnswer, QStringLiteral("No"));
        }
        QCOMPARE(ChoiceForm::ask(context, DocumentKind::Simple), QStringLiteral("No"));
    }

    void leafletSizeByOptionOrPicture()
    {
        AppContext context{Environment{}};
        ChoiceForm form(context, ChoicePage::Leaflet);
        form.show();
        QVERIFY(form.findChild<QRadioButton *>("leafSzOp0")->isChecked());
        auto *smallPicture = form.findChild<QLabel *>("leafSzImg1");
        QTest::mouseClick(smallPicture, Qt::LeftButton, {}, smallPicture->rect().center());
        QVERIFY(form.findChild<QRadioButton *>("leafSzOp1")->isChecked());
        press(&form, "okBut");
        QCOMPARE(context.choices.leafletStyle, QStringLiteral("6s"));

        ChoiceForm again(context, ChoicePage::Leaflet);
        again.show();
        press(&again, "okBut");
        QCOMPARE(context.choices.leafletStyle, QStringLiteral("6b"));
    }
};

QTEST_MAIN(TestChoiceForm)
#include "tst_choiceform.moc"
