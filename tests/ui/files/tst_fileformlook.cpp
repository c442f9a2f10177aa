// The own file dialog drawn with real work files: previews of their pages, a broken file's
// picture, the rows, the slider and the buttons, on a classroom screen. Set
// QUILLORA_SCREENSHOT_DIR to keep the drawing as a PNG picture.

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
#include <QLineEdit>
#include <QPainter>
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

    const struct {
        const char *name;
        const char *layout;
        QColor paint;
    } pages[] = {{"Our trip", "showcase.xml", QColor(0xE8, 0x37, 0x3B)},
                 {"Sunflowers", "showcase.xml", QColor(0xFF, 0xD2, 0x3F)},
                 {"The sea", "three_texts.xml", QColor(0x3F, 0xA9, 0xF5)},
                 {"Zoo", "five_texts.xml", QColor(0x2E, 0xB8, 0x2E)}};
    for (const auto &page : pages) {
        QVERIFY(window.loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/") +
                                    QLatin1String(page.layout)));
        for (int i = 0; i < context.page.pictureBoxes.size(); ++i) {
            QImage &picture = context.page.pictureBoxes[i].image;
            picture = QImage(context.page.pictureBoxes[i].geometry.size(), QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            painter.setBrush(page.paint);
            painter.setPen(QPen(Qt::black, 6));
            painter.drawEllipse(picture.rect().adjusted(10, 10, -10 - 30 * i, -10));
        }
        if (!context.page.textBoxes.isEmpty())
            context.page.textBoxes[0].text = QLatin1String(page.name);
        QVERIFY(
            files.saveDocument(workFilePathFor(context.folders.working, QLatin1String(page.name))));
    }
    QFile broken(QDir(context.folders.working).filePath(QStringLiteral("Spilt juice.qlr")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a work file");
    broken.close();

    FileForm form(context, FileDirection::Open,
                  [&files](const QString &path) { return files.previewOf(path); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int row = 0; row < FileRows::kRowCount; ++row)
        QTRY_VERIFY(form.previewShown(row));
    form.selectRow(2);
    form.nameBox()->setText(form.nameBox()->text());

    // Five files: the slider shows; every row has a picture, the broken file its own.
    QVERIFY(form.slider()->isVisible());
    QCOMPARE(form.slider()->maximum(), 4);
    for (int row = 0; row < FileRows::kRowCount; ++row) {
        const QImage preview = form.previewLabel(row)->pixmap().toImage();
        QVERIFY(!preview.isNull());
        QVERIFY(preview.width() == kPreviewBox.width() || preview.height() == kPreviewBox.height());
    }
    QCOMPARE(form.nameLabel(1)->text(), QStringLiteral("Spilt juice"));
    QCOMPARE(form.previewLabel(1)->pixmap().toImage(), FileForm::brokenPicture());
    QVERIFY(form.previewLabel(0)->pixmap().toImage() != FileForm::brokenPicture());

    // Fits the classroom screen, with targets a finger can hit.
    QVERIFY(form.width() <= 1280 && form.height() <= 800);
    QVERIFY(form.okButton()->width() >= 112);
    QVERIFY(form.findChild<PictureButton *>("MoreBut")->width() >= 48);
    QVERIFY(form.slider()->width() >= 48);

    const QImage shot = form.grab().toImage();
    const QString folder = qEnvironmentVariable("QUILLORA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("fileform-open.png"))));
    }
    form.okButton()->click();
}

QTEST_MAIN(TestFileFormLook)
#include "tst_fileformlook.moc"
