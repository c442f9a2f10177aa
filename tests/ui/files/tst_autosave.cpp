// Autosave on the single-page window: the work, rich text included, reaches the recovery file
// while the page stays unsaved, and a save removes the file.

#include "core/doctypes/pagefamily.h"
#include "core/files/workfile.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/files/autosavecontroller.h"
#include "ui/files/filecontroller.h"
#include "ui/files/filetestsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

class TestAutosave : public QObject {
    Q_OBJECT

private slots:
    void writesTheWorkAndASaveRemovesIt();
};

void TestAutosave::writesTheWorkAndASaveRemovesIt()
{
    QTemporaryDir dir;
    Environment environment;
    environment.screen.widthPx = 1280;
    environment.screen.heightPx = 800;
    environment.folders.userData = dir.filePath(QStringLiteral("data"));
    AppContext context(environment);
    context.runTag = QStringLiteral("TESTRUNA");
    context.folders.staging = dir.filePath(QStringLiteral("staging"));
    SimplePageWindow window(context);
    SwitchableZipFormat format;
    FileController files(context, format, registeredPageFiles());
    DialogScript script;
    files.setDialogs(std::make_unique<ScriptedDialogs>(script));
    files.attach(&window);
    QVERIFY(window.loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/showcase.xml")));
    context.page.textBoxes[0].text = QStringLiteral("Tom's day");
    context.page.richTextBoxes[0].rtf =
        QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 We went to the seaside}");
    context.page.changeCount = 3;
    QImage &painting = context.page.pictureBoxes[0].image;
    painting = QImage(320, 240, QImage::Format_RGB32);
    painting.fill(Qt::green);
    const QImage painted = painting.copy();
    const qint64 beforeWrite = painting.cacheKey();

    AutosaveController autosave(context, files);
    autosave.start();
    autosave.attach(&window);
    QSignalSpy ended(&autosave, &AutosaveController::writeEnded);
    autosave.look(true);
    QVERIFY(ended.wait());
    QCOMPARE(ended.takeFirst().at(0).toBool(), true);
    QCOMPARE(context.page.countAtLastSave, 0); // still unsaved work
    // The copy being written shared the painting: the page got its own in the background, so
    // the next stroke copies nothing.
    QTRY_VERIFY(context.page.pictureBoxes[0].image.cacheKey() != beforeWrite);
    QCOMPARE(context.page.pictureBoxes[0].image, painted);

    PageModel recovered;
    QString error;
    const Staging scratch(dir.filePath(QStringLiteral("scratch")));
    QVERIFY2(openWorkFile(recovered,
                          {format, registeredPageFiles(), scratch, window.pageFitInputs(), {}},
                          autosave.claim().workPath(), &error),
             qPrintable(error));
    QCOMPARE(recovered.textBoxes[0].text, QStringLiteral("Tom's day"));
    QVERIFY(recovered.richTextBoxes[0].rtf.contains(QStringLiteral("seaside")));

    QVERIFY(files.saveDocument(dir.filePath(QStringLiteral("tom.qlr"))));
    QVERIFY(!QFile::exists(autosave.claim().workPath()));
    autosave.finish();
    QVERIFY(QDir(recoveryFolderIn(environment.folders.userData)).isEmpty());
}

QTEST_MAIN(TestAutosave)
#include "tst_autosave.moc"
