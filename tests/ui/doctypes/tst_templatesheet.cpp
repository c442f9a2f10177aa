// The column beside the page: the template menu of "Sign" and "Shapes" (where it shows, a
// switch that fails) and the copies controls of "Multi".

#include "core/app/appcontext.h"
#include "core/app/headlessexport.h"
#include "core/doctypes/pagefamily.h"
#include "core/files/filecommands.h"
#include "core/files/workfile.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"
#include "core/printing/copiessheet.h"
#include "platform/ziparchive.h"
#include "support/pixelcheck.h"
#include "support/windowfixture.h"
#include "ui/doctypes/copiessheet.h"
#include "ui/document/pageview.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/doctypes/templatemenu.h"
#include "ui/doctypes/templatesheetcontroller.h"
#include "ui/kit/picturebutton.h"
#include "ui/document/textboxwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTest>
#include <QTimer>

using namespace quillora;

namespace {

const QString kData = QStringLiteral(QUILLORA_TEST_DATA "/templateswitch");

QString layout(const char *folder, const char *name)
{
    return kData + QStringLiteral("/layouts/") + QLatin1String(folder) + u'/' +
           QLatin1String(name) + QStringLiteral(".xml");
}

// One window wired as the program wires it, on a whiteboard-sized screen.
struct Fixture : WindowFixture {
    Fixture() : WindowFixture(screen(1920, 1080))
    {
        context.folders.data = kData;
        context.folders.temporary = temporary.path();
        context.runTag = QStringLiteral("TESTTAGS");
        context.folders.staging = makeStagingFolder(temporary.path(), context.runTag);
        wire();
        controller = window->findChild<TemplateSheetController *>();
        window->show();
    }
    bool start(DocumentKind type, const QString &path)
    {
        context.page.documentType = type;
        return window->loadTemplate(path);
    }
    template <typename T> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QTemporaryDir temporary;
    TemplateSheetController *controller = nullptr;
};

} // namespace

class TestTemplateSheet : public QObject {
    Q_OBJECT

private slots:
    void menuShowsOnlyForItsKinds_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("menuShown");
        QTest::addColumn<bool>("copiesShown");
        QTest::newRow("Sign") << int(DocumentKind::Sign) << true << false;
        QTest::newRow("Shapes") << int(DocumentKind::Shapes) << true << false;
        QTest::newRow("Simple") << int(DocumentKind::Simple) << false << false;
        QTest::newRow("Multi") << int(DocumentKind::Multi) << false << true;
    }
    void menuShowsOnlyForItsKinds()
    {
        QFETCH(int, type);
        QFETCH(bool, menuShown);
        QFETCH(bool, copiesShown);
        Fixture f;
        QVERIFY(f.start(DocumentKind(type), layout("signs", "a two texts")));
        QCOMPARE(f.find<TemplateMenu>(QStringLiteral("OpsMenu"))->isVisible(), menuShown);
        QCOMPARE(f.find<QWidget>(QStringLiteral("copiesPanel"))->isVisible(), copiesShown);
        // Nothing in the column covers the page.
        const QRect page = f.context.page.pageRect;
        for (const QWidget *column : {static_cast<QWidget *>(f.controller->menu()),
                                      static_cast<QWidget *>(f.controller->copiesPanel())})
            QVERIFY(column->isHidden() || !column->geometry().intersects(page));
    }

    void failedSwitchKeepsThePageAndSaysSo()
    {
        Fixture f;
        QVERIFY(f.start(DocumentKind::Sign, layout("signs", "a two texts")));
        f.context.page.textBoxes[0].text = QStringLiteral("Lost cat");
        f.window->refreshTextBox(0);
        QString shown;
        QTimer::singleShot(50, [&shown] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                shown += label->text();
            dialog->reject();
        });
        QVERIFY(!f.controller->switchToTemplate(3));
        QVERIFY2(shown.contains(kSwitchFailedMessage), qPrintable(shown));
        QCOMPARE(f.context.page.layoutPath, layout("signs", "a two texts"));
        QCOMPARE(f.textBox(0)->toPlainText(), QStringLiteral("Lost cat"));
        QCOMPARE(f.controller->menu()->currentIndex(), 0);
    }

    void copiesControlsFollowTheRules()
    {
        Fixture f;
        QVERIFY(f.start(DocumentKind::Multi, layout("multi", "square")));
        CopiesSheetPanel *panel = f.controller->copiesPanel();
        QScrollBar *scroll = f.find<QScrollBar>(QStringLiteral("numRepScroll"));
        QCheckBox *autoBox = f.find<QCheckBox>(QStringLiteral("autoCheck"));
        // A new sheet chooses its own count: two squares fill the sheet best.
        QCOMPARE(f.context.page.repeatCount, 2);
        QVERIFY(autoBox->isChecked());
        const QImage twoCopies = panel->preview()->sheet();
        QVERIFY(!twoCopies.isNull());

        scroll->setValue(7);
        QCOMPARE(f.context.page.repeatCount, 7);
        QVERIFY(!autoBox->isChecked());
        QVERIFY(f.context.page.changeCount > 0);
        QVERIFY(panel->preview()->sheet() != twoCopies);

        QTest::mouseClick(f.find<PictureButton>(QStringLiteral("LotsRepsBut")), Qt::LeftButton);
        QCOMPARE(f.context.page.repeatCount, kMostSheetCopies);
        QVERIFY(!autoBox->isChecked());
        QTest::mouseClick(f.find<PictureButton>(QStringLiteral("fewRepsBut")), Qt::LeftButton);
        QCOMPARE(f.context.page.repeatCount, kFewestSheetCopies);
        QVERIFY(autoBox->isChecked());

        // A count the child chose stays when the page is shown again.
        scroll->setValue(3);
        f.window->showPage();
        QCOMPARE(f.context.page.repeatCount, 3);

        // Ticking "Auto" by hand puts the page's own count back.
        scroll->setValue(9);
        autoBox->click();
        QCOMPARE(f.context.page.repeatCount, 2);
        QCOMPARE(scroll->value(), 2);
    }

    // A template that gives its own count is not automatic; work on the page redraws the sheet
    // when the pointer is let go over it.
    void templateCountAndPreviewFollowThePage()
    {
        Fixture f;
        QVERIFY(f.start(DocumentKind::Multi, layout("multi", "labels six")));
        QCOMPARE(f.context.page.repeatCount, 6);
        QVERIFY(!f.find<QCheckBox>(QStringLiteral("autoCheck"))->isChecked());
        QCOMPARE(f.find<QScrollBar>(QStringLiteral("numRepScroll"))->value(), 6);

        const QImage before = f.controller->copiesPanel()->preview()->sheet();
        f.context.page.pictureBoxes[0].image.fill(Qt::red);
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(2, 2));
        const QImage after = f.controller->copiesPanel()->preview()->sheet();
        QVERIFY(after != before);
        QCOMPARE(after, renderCopiesSheet(f.context.page, after.width(), true));
    }

    void workFileOfASheetExportsTheSheet()
    {
        QTemporaryDir folder;
        const PageFitInputs fit{1280, 800, kToolPaletteWidthPx, 64, DocumentKind::Multi};
        PageModel page;
        page.documentType = DocumentKind::Multi;
        QVERIFY(readTemplate(layout("multi", "labels six"), page, fit));
        // The one picture covers the whole label.
        page.pictureBoxes[0].image =
            QImage(page.pictureBoxes[0].geometry.size(), QImage::Format_RGB32);
        page.pictureBoxes[0].image.fill(Qt::red);
        ZipArchiveFormat zip;
        const Staging staging(folder.filePath(QStringLiteral("staging")));
        SavedLayoutOptions options;
        options.copiesOnSheet = 5;
        const QString work = folder.filePath(QStringLiteral("labels.qlr"));
        QString error;
        QVERIFY2(
            saveWorkFile(page,
                         WorkFileContext{zip, registeredPageFiles(), staging, fit, UnpackLimits{}},
                         work, options, &error),
            qPrintable(error));

        AppContext context(WindowFixture::screen());
        const QString png = folder.filePath(QStringLiteral("labels.png"));
        QString written;
        QTextStream errors(&written);
        QCOMPARE(runHeadlessExport(
                     {QStringLiteral("quillora"), QStringLiteral("--export-png"), png, work},
                     context, zip, &errors),
                 0);
        const QImage sheet(png);
        QVERIFY(qAbs(double(sheet.width()) / sheet.height() - 297.0 / 210) < 0.01);
        // Five copies, each at the sheet quality factor times its size on screen.
        const int red = test::countPixels(sheet, qRgb(255, 0, 0));
        const double quality = context.settings.copiesPrintScale;
        const double expected =
            5 * page.pageRect.width() * page.pageRect.height() * quality * quality;
        QVERIFY2(qAbs(red - expected) < expected * 0.05,
                 qPrintable(QStringLiteral("%1 red of %2").arg(red).arg(expected)));
    }
};

QTEST_MAIN(TestTemplateSheet)
#include "tst_templatesheet.moc"
