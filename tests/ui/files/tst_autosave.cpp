// Autosave on the single-page window: the work, rich text included, reaches the recovery file
// while the page stays unsaved; a save removes the file; a run that ends without a clean exit
// leaves it to be offered, and taken over, by the next.

#include "core/files/filecommands.h"
#include "core/files/workfile.h"
#include "core/text/rtfreader.h"
#include "ui/app/picturebutton.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/files/autosavecontroller.h"
#include "ui/files/filecontroller.h"
#include "ui/files/filetestsupport.h"
#include "ui/files/recoveryform.h"
#include "ui/text/richtextboxwidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <memory>

using namespace quillora;
using namespace quillora::test;

class TestAutosave : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writesTheWorkAndASaveRemovesIt();
    void anEndedRunsWorkIsOfferedAndTakenOver();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<SimplePageWindow> m_window;
    SwitchableZipFormat m_format;
    std::unique_ptr<FileController> m_files;
    DialogScript m_script;
    QDateTime m_now{QDate(2026, 3, 2), QTime(10, 42)};
};

void TestAutosave::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    Environment environment;
    environment.screen.widthPx = 1280;
    environment.screen.heightPx = 800;
    environment.folders.userData = m_dir->filePath(QStringLiteral("data"));
    environment.clock = [this] { return m_now; };
    m_context = std::make_unique<AppContext>(environment);
    m_context->runTag = QStringLiteral("TESTRUNA");
    m_context->folders.staging = m_dir->filePath(QStringLiteral("staging"));
    m_window = std::make_unique<SimplePageWindow>(*m_context);
    m_files = std::make_unique<FileController>(*m_context, m_format);
    m_files->setDialogs(std::make_unique<ScriptedDialogs>(m_script));
    m_files->attach(m_window.get());
    QVERIFY(m_window->loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/doctypes/showcase.xml")));
    m_context->page.textBoxes[0].text = QStringLiteral("Tom's day");
    QVERIFY(readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 We went to the seaside}",
                    *m_window->pageView()->richTextBox(0)->document()));
    m_context->page.changeCount = 3;
}

void TestAutosave::cleanup()
{
    m_files.reset();
    m_window.reset();
    m_context.reset();
    m_dir.reset();
}

void TestAutosave::writesTheWorkAndASaveRemovesIt()
{
    AutosaveController autosave(*m_context, *m_files);
    autosave.start();
    autosave.attach(m_window.get());
    QSignalSpy ended(&autosave, &AutosaveController::writeEnded);
    autosave.look(true);
    QVERIFY(ended.wait());
    QCOMPARE(ended.takeFirst().at(0).toBool(), true);
    QCOMPARE(m_context->page.countAtLastSave, 0); // still unsaved work

    PageModel recovered;
    QString error;
    const Staging scratch(m_dir->filePath(QStringLiteral("scratch")));
    QVERIFY2(openWorkFile(recovered, {m_format, scratch, m_window->pageFitInputs(), {}},
                          autosave.claim().workPath(), &error),
             qPrintable(error));
    QCOMPARE(recovered.textBoxes[0].text, QStringLiteral("Tom's day"));
    QVERIFY(recovered.richTextBoxes[0].rtf.contains(QStringLiteral("seaside")));

    QVERIFY(m_files->saveDocument(m_dir->filePath(QStringLiteral("tom.qlr"))));
    QVERIFY(!QFile::exists(autosave.claim().workPath()));
    autosave.finish();
    QVERIFY(QDir(recoveryFolderIn(m_context->env.folders.userData)).isEmpty());
}

void TestAutosave::anEndedRunsWorkIsOfferedAndTakenOver()
{
    QString leftBehind;
    {
        // Ends without finish(), as a killed run does; its lock goes with it.
        AutosaveController crashed(*m_context, *m_files);
        crashed.start();
        QSignalSpy ended(&crashed, &AutosaveController::writeEnded);
        crashed.look(true);
        QVERIFY(ended.wait());
        leftBehind = crashed.claim().workPath();
    }
    m_context->runTag = QStringLiteral("NEXTRUNB");
    AutosaveController next(*m_context, *m_files);
    next.start();
    QCOMPARE(next.recoveredWorks().size(), 1);
    const RecoveredWork work = next.recoveredWorks().front();
    QCOMPARE(work.path, leftBehind);

    RecoveredWork shown = work;
    shown.savedAt = m_now;
    RecoveryForm form(*m_context, shown);
    QCOMPARE(form.messageLabel()->text(), QStringLiteral("Your work from today at 10:42"));
    form.throwAwayButton()->click();
    QCOMPARE(form.answer(), RecoveryForm::Answer::ThrowAway);

    QCOMPARE(next.adopt(work), next.claim().workPath());
    QVERIFY(!QFile::exists(leftBehind));
    QVERIFY(next.recoveredWorks().isEmpty());
    next.finish();
    QVERIFY(!QFile::exists(next.claim().workPath()));
}

QTEST_MAIN(TestAutosave)
#include "tst_autosave.moc"
