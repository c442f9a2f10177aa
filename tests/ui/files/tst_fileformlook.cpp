// The own file dialog with real work files on a classroom screen: a preview for every row, the
// broken file's own picture, and targets a finger can hit.

#include "core/files/filecommands.h"
#include "core/files/workfilepreview.h"
#include "platform/ziparchive.h"
#include "ui/app/picturebutton.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/files/filecontroller.h"
#include "ui/files/fileform.h"
#include "ui/files/filetestsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

class TestFileFormLook : public QObject {
    Q_OBJECT

private slots:
    void dialogWithRealFiles();
};

void TestFileFormLook::dialogWithRealFiles()
{
    QTemporaryDir dir;
    Environment environment;
    environment.screen.widthPx = 1280;
    environment.screen.heightPx = 800;
    AppContext context(environment);
    context.folders.working = dir.filePath(QStringLiteral("My work"));
    context.folders.temporary = dir.filePath(QStringLiteral("temp"));
    context.runTag = QStringLiteral("LOOKLOOK");
    QDir().mkpath(context.folders.working);
    QDir().mkpath(context.folders.temporary);

    SimplePageWindow window(context);
    ZipArchiveFormat zip;
    FileController files(context, zip);
    DialogScript script;
    files.setDialogs(std::make_unique<ScriptedDialogs>(script));
    files.attach(&window);
    for (const char *name : {"Our trip", "Sunflowers", "The sea", "Zoo"}) {
        QVERIFY(window.loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/showcase.xml")));
        for (PictureBoxModel &box : context.page.pictureBoxes) {
            box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
            box.image.fill(Qt::darkGreen);
        }
        QVERIFY(files.saveDocument(workFilePathFor(context.folders.working, QLatin1String(name))));
    }
    QFile broken(QDir(context.folders.working).filePath(QStringLiteral("Spilt juice.qlr")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a work file");
    broken.close();

    FileForm form(context, FileDirection::Open,
                  [&files](const QString &path) { return files.previewOf(path); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int row = 0; row < FileRows::kRowCount; ++row) {
        QTRY_VERIFY(form.previewShown(row));
        const QImage preview = form.previewLabel(row)->pixmap().toImage();
        QVERIFY(preview.width() == kPreviewBox.width() || preview.height() == kPreviewBox.height());
    }
    QCOMPARE(form.nameLabel(1)->text(), QStringLiteral("Spilt juice"));
    QCOMPARE(form.previewLabel(1)->pixmap().toImage(), FileForm::brokenPicture());
    QVERIFY(form.previewLabel(0)->pixmap().toImage() != FileForm::brokenPicture());

    QVERIFY(form.width() <= 1280 && form.height() <= 800);
    QVERIFY(form.okButton()->width() >= 112);
    QVERIFY(form.findChild<PictureButton *>("MoreBut")->width() >= 48);
    QVERIFY(form.slider()->width() >= 48);
    form.okButton()->click();
}

QTEST_MAIN(TestFileFormLook)
#include "tst_fileformlook.moc"
