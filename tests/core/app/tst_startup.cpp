#include "core/app/appcontext.h"
#include "core/app/demotexts.h"
#include "core/app/exitsequence.h"
#include "core/app/folderresolution.h"
#include "core/app/startup.h"
#include "core/foundation/paths.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace quillora;
using namespace quillora::test;

namespace {

// A machine laid out in a temporary folder: <root>/app is the installation folder (with its
// data/layouts), <root>/docs the documents, <root>/tmp the system temp, <root>/config the
// user's configuration folder.
struct FakeMachine {
    QTemporaryDir root;

    QString path(const QString &relative) const { return root.filePath(relative); }

    Environment environment(qint64 clockMs = 1700000000000) const
    {
        Environment env;
        env.folders.installation = path("app");
        env.folders.documents = path("docs");
        env.folders.systemTemp = path("tmp");
        env.folders.userConfig = path("config");
        env.clock = [clockMs] { return QDateTime::fromMSecsSinceEpoch(clockMs); };
        return env;
    }

    FakeMachine()
    {
        for (const char *folder : {"app/data/layouts", "docs", "tmp", "config"})
            QDir().mkpath(path(folder));
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void normalise_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inner run") << "/opt//quillora///data"
                                   << "/opt/quillora/data";
        QTest::newRow("network path keeps its start") << "//server//share"
                                                      << "//server/share";
        QTest::newRow("empty") << ""
                               << "";
    }
    void normalise()
    {
        QFETCH(QString, path);
        QTEST(paths::normalise(path), "expected");
    }

    // Two copies started in the same millisecond draw the same tag; the staging folders tell
    // them apart.
    void runTagFollowsTheClock()
    {
        FakeMachine machine;
        AppContext a(machine.environment(1700000000000)), b(machine.environment(1700000000000)),
            c(machine.environment(1700000000001));
        startUp(a, {});
        startUp(b, {});
        startUp(c, {});
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Z]{8}$")).match(a.runTag).hasMatch());
        QCOMPARE(a.runTag, b.runTag);
        QVERIFY(a.runTag != c.runTag);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("workFile");
        QTest::newRow("none") << QStringList{"quillora"} << "";
        QTest::newRow("quoted") << QStringList{"quillora", "\"/home/sam/My Bears.qlr\""}
                                << "/home/sam/My Bears.qlr";
        QTest::newRow("split by the shell")
            << QStringList{"quillora", "/home/sam/My", "Bears.qlr"} << "/home/sam/My Bears.qlr";
        QTest::newRow("lone quote") << QStringList{"quillora", "\""} << "";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, workFile);
        FakeMachine machine;
        AppContext ctx(machine.environment());
        const StartupResult result = startUp(ctx, arguments);
        QCOMPARE(result.workFile, workFile);
        QCOMPARE(result.next, workFile.isEmpty() ? StartupResult::Next::ShowStartScreen
                                                 : StartupResult::Next::OpenWorkFile);
    }

    // Settings words such as MYDOCS stand for folders of the machine the program runs on: they
    // are resolved in the context but written back as words, so that a roaming profile is not
    // pinned to one machine.
    void startUpFillsContextAndExitKeepsTheWords()
    {
        FakeMachine machine;
        writeFile(machine.path("language/lang.txt"), "\"Exit?\",\"Quitter ?\"\r\n");
        writeFile(machine.path("app/quillora.ini"), "presMode=True\r\nWorkingDir=\r\n");
        AppContext ctx(machine.environment());
        const StartupResult result = startUp(ctx, {"quillora"});

        QCOMPARE(result.settingsState, SettingsFileState::Read);
        QCOMPARE(ctx.settings.presentationMode, true);
        QCOMPARE(ctx.tr(QStringLiteral("Exit?")), QStringLiteral("Quitter ?"));
        QCOMPARE(ctx.folders.working, machine.path("docs"));
        QCOMPARE(ctx.folders.temporary, machine.path("tmp/quillora"));
        QCOMPARE(QFileInfo(ctx.folders.staging).dir().path(), ctx.folders.temporary);

        QVERIFY(finishExit(ctx).settingsWritten);
        const QByteArray written = readFile(machine.path("app/quillora.ini"));
        QVERIFY(written.contains("\r\ntempPath=USERTEMP\r\n"));
        QVERIFY(written.contains("\r\nWorkingDir=MYDOCS\r\n"));
        QVERIFY(written.contains("\r\ndataPath=" + machine.path("app/data").toUtf8() + "\r\n"));
    }

    void dataFolder_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("expected");
        QTest::newRow("configured holds layouts")
            << QStringList{"own/layouts", "app/data/layouts"} << "own"
            << "own";
        QTest::newRow("wrong case does not count")
            << QStringList{"own/Layouts", "app/data/layouts"} << "own"
            << "app/data";
        QTest::newRow("installed beside the program")
            << QStringList{"share/quillora/layouts"} << "own"
            << "share/quillora";
        QTest::newRow("a build tree's own comes first")
            << QStringList{"share/quillora/layouts", "app/data/layouts"} << "own"
            << "app/data";
    }
    void dataFolder()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, configured);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString &folder : folders)
            QDir().mkpath(root.filePath(folder));
        QCOMPARE(resolveDataFolder(root.filePath(configured), root.filePath("app")),
                 root.filePath(expected));
    }

    void settingsLocation_data()
    {
        QTest::addColumn<bool>("installationWritable");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("readFrom");
        QTest::addColumn<QString>("writeTo");
        const QString shared = "app/quillora.ini", own = "config/quillora.ini";
        QTest::newRow("writable, none yet") << true << QStringList{} << shared << shared;
        QTest::newRow("writable, earlier own copy") << true << QStringList{own} << own << shared;
        QTest::newRow("read-only, shared only") << false << QStringList{shared} << shared << own;
        test::addRow("read-only, own copy wins", false, QStringList{shared, own}, own, own);
    }
    void settingsLocation()
    {
        QFETCH(bool, installationWritable);
        QFETCH(QStringList, existing);
        QFETCH(QString, readFrom);
        QFETCH(QString, writeTo);
        FakeMachine machine;
        for (const QString &file : existing)
            writeFile(machine.path(file), "presMode=True\r\n");
        const SettingsLocation location =
            quillora::settingsLocation(machine.environment().folders, installationWritable);
        QCOMPARE(location.readFrom, machine.path(readFrom));
        QCOMPARE(location.writeTo, machine.path(writeTo));
    }

    void readOnlyInstallationKeepsSettings()
    {
        FakeMachine machine;
        const QByteArray shared = "HidePrinterTime=3\r\n";
        writeFile(machine.path("app/quillora.ini"), shared);
        AppContext ctx(machine.environment());
        loadSettings(ctx, false);
        QCOMPARE(ctx.settings.printButtonHiddenMinutes, 3);
        ctx.settings.printButtonHiddenMinutes = 5;
        QVERIFY(finishExit(ctx).settingsWritten);
        QCOMPARE(readFile(machine.path("app/quillora.ini")), shared);

        AppContext next(machine.environment());
        loadSettings(next, false);
        QCOMPARE(next.settings.printButtonHiddenMinutes, 5);
    }

    void readOnlyFolderIsDetected()
    {
        if (geteuid() == 0)
            QSKIP("the superuser may write into any folder");
        FakeMachine machine;
        QVERIFY(canWriteSettingsIn(machine.path("app")));
        QFile::setPermissions(machine.path("app"), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!canWriteSettingsIn(machine.path("app")));
        QFile::setPermissions(machine.path("app"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Closing the offer without an answer must keep the child in the program, not lose the page.
    void saveOfferAnswers()
    {
        QCOMPARE(saveOfferAction(DialogAnswer::No), SaveOfferAction::DontSave);
        QCOMPARE(saveOfferAction(DialogAnswer::Closed), SaveOfferAction::StayInProgram);
        QCOMPARE(saveOfferAction(DialogAnswer::None), SaveOfferAction::StayInProgram);
    }

    void exitDeletesOnlyThisRunsFiles()
    {
        QTemporaryDir temp;
        const QString tag = QStringLiteral("QWERTYUI");
        const QStringList doomed = {"upicQWERTYUI", "upicQWERTYUI0.bmp", "upicQWERTYUI12.png"};
        const QStringList kept = {"upicASDFGHJK0.bmp", "UPICQWERTYUI0.bmp", "upicQWERTYU.bmp",
                                  "layout.xml", "t0.txt"};
        for (const QString &name : doomed + kept)
            writeFile(temp.filePath(name), "x");
        QDir().mkpath(temp.filePath("upicQWERTYUIfolder"));

        // Without a folder or a tag nothing may go, not even from the current folder.
        QCOMPARE(deleteRunFiles(temp.path(), QString()), 0);
        QCOMPARE(deleteRunFiles(QString(), tag), 0);
        QCOMPARE(deleteRunFiles(temp.path(), tag), int(doomed.size()));
        for (const QString &name : doomed)
            QVERIFY2(!QFile::exists(temp.filePath(name)), qPrintable(name));
        for (const QString &name : kept)
            QVERIFY2(QFile::exists(temp.filePath(name)), qPrintable(name));
        QVERIFY(QFileInfo(temp.filePath("upicQWERTYUIfolder")).isDir());
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
