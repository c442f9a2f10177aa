// Autosave and recovery: when the work is written and removed (an injected clock), which
// recovery files are offered at start-up and what happens to the others, and the claim that
// keeps two running copies apart. Recovery files are real work files, so the real archive.

#include "core/doctypes/pagefamily.h"
#include "core/files/autosave.h"
#include "core/files/recovery.h"
#include "core/files/workfile.h"
#include "platform/ziparchive.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(10, 42));

PageFitInputs fit()
{
    return documentWindowFit(1280, 800, DocumentKind::Simple);
}

void setSavedAt(const QString &path, const QDateTime &when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void schedule_data();
    void schedule();
    void scan_data();
    void scan();
    void claimsNeverShareAFile();
    void eachWorkOfferedToOneCopyOnce();
    void unwritableFolderLeavesAutosaveOff();
    void recoveredWhen_data();
    void recoveredWhen();

private:
    // A work file of the sample page at `path`, saved as autosave saves it.
    void writeWork(const QString &path, const QString &fileInfo = {});

    QTemporaryDir m_dir;
    ZipArchiveFormat m_zip;
};

void TestRecovery::writeWork(const QString &path, const QString &fileInfo)
{
    const Staging staging(m_dir.filePath(QStringLiteral("staging")));
    PageModel page = fullSimplePage();
    QString error;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY2(
        saveWorkFile(page, {m_zip, registeredPageFiles(), staging, fit(), {}}, path, {}, &error),
        qPrintable(error));
    if (!fileInfo.isEmpty()) {
        writeFile(staging.memberPath(QStringLiteral("fileinfo.xml")), fileInfo.toLatin1());
        QVERIFY(staging.pack(m_zip, path, &error));
    }
}

// Each step: "<seconds> c<change count>[ s<count at last save>][ leave] <expected>", or "done"
// / "failed" for the end of the write under way.
void TestRecovery::schedule_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("nothing unsaved, nothing written")
        << QStringList{"0 c0 wait", "30 c0 wait", "60 c3 s3 wait"};
    QTest::newRow("activity waits twenty seconds")
        << QStringList{"0 c1 wait", "19 c4 wait", "20 c5 write", "done", "25 c5 wait"};
    QTest::newRow("leaving writes at once") << QStringList{"0 c1 wait", "2 c2 leave write"};
    QTest::newRow("the work on the disk is not written again")
        << QStringList{"0 c1 leave write", "done", "60 c1 leave wait"};
    QTest::newRow("new activity after a write waits again")
        << QStringList{"0 c1 leave write", "done", "30 c2 wait", "49 c2 wait", "50 c3 write"};
    QTest::newRow("one write at a time")
        << QStringList{"0 c1 leave write", "30 c2 leave wait", "done", "31 c2 leave write"};
    QTest::newRow("a failed write is tried an interval later")
        << QStringList{"0 c1 leave write", "failed", "10 c1 wait", "20 c1 write"};
    QTest::newRow("a save removes the file")
        << QStringList{"0 c1 leave write", "done", "5 c1 s1 remove"};
    QTest::newRow("a save during the write removes the file after it")
        << QStringList{"0 c1 leave write", "1 c1 s1 wait", "done", "2 c1 s1 remove"};
    QTest::newRow("a clock put back does not hold the work back")
        << QStringList{"100 c1 wait", "10 c1 wait", "30 c1 write"};
}

void TestRecovery::schedule()
{
    QFETCH(QStringList, steps);
    AutosaveSchedule schedule(std::chrono::seconds(20));
    PageModel page;
    const QHash<QString, AutosaveStep> expected{{"wait", AutosaveStep::Wait},
                                                {"write", AutosaveStep::Write},
                                                {"remove", AutosaveStep::Remove}};
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        if (words.size() == 1) {
            schedule.writeDone(words[0] == u"done", kStart);
            continue;
        }
        const QDateTime now = kStart.addSecs(words[0].toInt());
        page.changeCount = words[1].mid(1).toInt();
        page.countAtLastSave =
            words.contains(QStringLiteral("s") + words[1].mid(1)) ? page.changeCount : 0;
        const AutosaveStep result =
            schedule.look(page, now, words.contains(QStringLiteral("leave")));
        QVERIFY2(result == expected.value(words.last()), qPrintable(step));
        if (result == AutosaveStep::Remove)
            schedule.removed();
    }
}

void TestRecovery::scan_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("keptInPlace");
    QTest::addColumn<bool>("setAside");
    QTest::newRow("a run that ended without a clean exit") << "ended" << true << true << false;
    QTest::newRow("a copy that is still running") << "running" << false << true << false;
    QTest::newRow("older than thirty days") << "old" << false << false << false;
    QTest::newRow("cut short by a power cut") << "cut" << false << false << true;
    QTest::newRow("made by a newer program") << "newer" << false << true << false;
}

void TestRecovery::scan()
{
    QFETCH(QString, kind);
    QFETCH(bool, offered);
    QFETCH(bool, keptInPlace);
    QFETCH(bool, setAside);
    const QString folder = m_dir.filePath(QStringLiteral("recovery-") + kind);
    const QString path = QDir(folder).filePath(QStringLiteral("ABCDEFGH.qlr"));
    writeWork(path,
              kind == u"newer"
                  ? QStringLiteral("<general currentscreennum='99' appVer4Save='9-0-0' />\r\n")
                  : QString());
    const QString lockPath = QDir(folder).filePath(QStringLiteral("ABCDEFGH.lock"));
    QLockFile running(lockPath);
    const QDateTime now = QDateTime::currentDateTime();
    // However old its file, the lock of a copy still running stands.
    if (kind == u"running") {
        QVERIFY(running.tryLock(0));
        setSavedAt(lockPath, now.addDays(-2));
    }
    if (kind == u"old")
        setSavedAt(path, now.addDays(-31));
    if (kind == u"cut") {
        QFile file(path);
        QVERIFY(file.resize(file.size() / 2));
    }
    const RecoveryScan scan{
        m_zip, registeredPageFiles(), m_dir.filePath(QStringLiteral("scratch")), fit(), {},
        now,   QSize(160, 120)};

    const QVector<RecoveredWork> works = findRecoveredWorks(folder, scan);

    QCOMPARE(works.size(), offered ? 1 : 0);
    if (offered) {
        QCOMPARE(works[0].kind, DocumentKind::Simple);
        QVERIFY(!works[0].preview.isNull());
        QVERIFY(works[0].preview.width() <= 160 && works[0].preview.height() <= 120);
    }
    QCOMPARE(QFile::exists(path), keptInPlace);
    QCOMPARE(QFile::exists(path + kSetAsideSuffix), setAside);
}

void TestRecovery::claimsNeverShareAFile()
{
    const QString folder = m_dir.filePath(QStringLiteral("claims"));
    RecoveryClaim first;
    RecoveryClaim second;
    QString error;
    QVERIFY(first.take(folder, QStringLiteral("SAMETAGS"), &error));
    setSavedAt(QDir(folder).filePath("SAMETAGS.lock"), QDateTime::currentDateTime().addDays(-2));
    QVERIFY(second.take(folder, QStringLiteral("SAMETAGS"), &error));
    QVERIFY(first.workPath() != second.workPath());
    writeWork(first.workPath());
    writeWork(second.workPath());

    // Each running copy's work is its own: not offered to the other.
    const RecoveryScan scan{m_zip,
                            registeredPageFiles(),
                            m_dir.filePath(QStringLiteral("scratch")),
                            fit(),
                            {},
                            QDateTime::currentDateTime(),
                            QSize(80, 60)};
    QVERIFY(findRecoveredWorks(folder, scan).isEmpty());

    first.release();
    QVERIFY(!QFile::exists(first.workPath()));
    QVERIFY(QFile::exists(second.workPath()));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2); // the second's work and lock
}

void TestRecovery::eachWorkOfferedToOneCopyOnce()
{
    const QString folder = m_dir.filePath(QStringLiteral("once"));
    const QString path = QDir(folder).filePath(QStringLiteral("ENDEDRUN.qlr"));
    writeWork(path);
    const RecoveryScan scan{m_zip,
                            registeredPageFiles(),
                            m_dir.filePath(QStringLiteral("scratch")),
                            fit(),
                            {},
                            QDateTime::currentDateTime(),
                            QSize(80, 60)};

    // Two copies starting at once: the work goes to the one that looked first.
    QVector<RecoveredWork> offered = findRecoveredWorks(folder, scan);
    QCOMPARE(offered.size(), 1);
    QVERIFY(findRecoveredWorks(folder, scan).isEmpty());
    // "Not now": the copy lets it go, and the next one offers it again.
    offered.clear();
    offered = findRecoveredWorks(folder, scan);
    QCOMPARE(offered.size(), 1);

    // Opened, it becomes this run's work where it lies; no other copy is offered it.
    RecoveryClaim claim;
    QString error;
    QVERIFY(claim.take(folder, QStringLiteral("THISRUNS"), &error));
    // Only a run with its own claim takes over, and only under the lock the scan took.
    QVERIFY(!RecoveryClaim().adopt(offered.first()));
    QVERIFY(!claim.adopt(RecoveredWork()));
    QVERIFY(claim.adopt(offered.takeFirst()));
    QCOMPARE(claim.workPath(), path);
    QVERIFY(QFile::exists(path));
    QVERIFY(findRecoveredWorks(folder, scan).isEmpty());
    // A clean exit ends it with the run's own work.
    claim.release();
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

void TestRecovery::unwritableFolderLeavesAutosaveOff()
{
    // A file where the data folder should be: nothing below it can be made, even by root.
    const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
    writeFile(blocked, "not a folder");
    RecoveryClaim claim;
    QString error;
    QVERIFY(!claim.take(QDir(blocked).filePath(QStringLiteral("recovery")), QStringLiteral("TAG"),
                        &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(claim.workPath().isEmpty());
}

void TestRecovery::recoveredWhen_data()
{
    QTest::addColumn<QDateTime>("savedAt");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("just before midnight yesterday")
        << QDateTime(kStart.date().addDays(-1), QTime(23, 59))
        << "Your work from yesterday at 23:59";
    QTest::newRow("last week") << kStart.addDays(-7).addSecs(-3600)
                               << "Your work from " +
                                      QLocale().toString(QDate(2026, 2, 23), "d MMMM") +
                                      " at 09:42";
}

void TestRecovery::recoveredWhen()
{
    QFETCH(QDateTime, savedAt);
    QFETCH(QString, sentence);
    QCOMPARE(quillora::recoveredWhen(savedAt, kStart.addSecs(3600), Translator{}), sentence);
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
