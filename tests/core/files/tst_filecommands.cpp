// The decisions of the file commands that need no window: names typed by a child, the work
// file extension, the own dialog's rows, the run's staging folder, files written and unpacked.

#include "core/files/filecommands.h"
#include "core/files/filerows.h"
#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/files/workfilepreview.h"
#include "support/rows.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;

namespace {

// Members that each announce one byte and hold a thousand.
struct LyingArchive : ArchiveFormat, ArchiveReader {
    std::unique_ptr<ArchiveReader> openReader(const QString &, QString *) override
    {
        return std::make_unique<LyingArchive>();
    }
    std::unique_ptr<ArchiveWriter> createWriter(const QString &, QString *) override { return {}; }
    QVector<ArchiveEntry> entries() const override { return {{"a", 1}, {"b", 1}, {"c", 1}}; }
    bool read(int, qint64 maxBytes, QByteArray *out, QString *) override
    {
        *out = QByteArray(1000, 'x');
        return maxBytes >= out->size();
    }
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void cleaning_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("keptCaret");

        QTest::newRow("bad character just typed") << "story!" << 6 << "story" << 5;
        QTest::newRow("caret before the bad character") << "ab/cd" << 2 << "abcd" << 2;
        QTest::newRow("path separators and dots") << "../../etc/x.qlr" << 15 << "etcxqlr" << 7;
        QTest::newRow("accented letters kept")
            << QString::fromUtf8("Zoë Ångström") << 12 << QString::fromUtf8("Zoë Ångström") << 12;
        QTest::newRow("codes below 192 refused")
            << QString::fromUtf8("a©b×") << 4 << QString::fromUtf8("ab×") << 3;
        QTest::newRow("caret out of range") << "ab!" << 99 << "ab" << 2;
    }

    void cleaning()
    {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        const CleanedName cleaned = cleanFileName(typed, caret);
        QTEST(cleaned.text, "kept");
        QTEST(cleaned.caret, "keptCaret");
    }

    void extension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");

        test::addRow("no extension", "story", "/work/files/story.qlr");
        test::addRow("capitals are not the extension", "story.QLR", "/work/files/story.QLR.qlr");
    }

    // A saved name comes back as the next save's proposal, whatever dots it holds.
    void extension()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(workFilePathFor(QStringLiteral("/work//files/"), name), path);
        QCOMPARE(proposedSaveName(path), name);
        QCOMPARE(proposedSaveName(QString()), QString());
    }

    void keyboardMoves_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("slider");
        QTest::addColumn<int>("newSelected");
        QTest::addColumn<int>("newSlider");

        QTest::newRow("first press selects the first file") << 6 << true << -1 << 0 << 0 << 0;
        QTest::newRow("past the fourth row scrolls") << 6 << true << 3 << 0 << 4 << 1;
        QTest::newRow("stops at the last file") << 6 << true << 5 << 2 << 5 << 2;
        QTest::newRow("back past the first row scrolls") << 6 << false << 1 << 1 << 0 << 0;
        QTest::newRow("stops at the first file") << 6 << false << 0 << 0 << 0 << 0;
        QTest::newRow("no files") << 0 << true << -1 << 0 << -1 << 0;
    }

    void keyboardMoves()
    {
        QFETCH(int, files);
        QFETCH(bool, forward);
        QFETCH(int, selected);
        QFETCH(int, slider);
        const FileRows rows{files};
        const FileRows::Position from{selected, slider};
        const FileRows::Position to = forward ? rows.next(from) : rows.previous(from);
        QTEST(to.selected, "newSelected");
        QTEST(to.sliderValue, "newSlider");
        if (to.selected >= 0)
            QVERIFY(rows.rowOfFile(to.selected, to.sliderValue) >= 0);
    }

    void previewSizes_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");

        QTest::newRow("very wide") << QSize(10000, 10) << QSize(80, 1);
        QTest::newRow("smaller than the box grows") << QSize(40, 40) << QSize(60, 60);
        QTest::newRow("empty") << QSize(0, 10) << QSize();
    }

    void previewSizes()
    {
        QFETCH(QSize, picture);
        QTEST(previewSize(picture), "shown");
    }

    void workFilesAreListedByName()
    {
        QTemporaryDir folder;
        for (const char *name :
             {"b.qlr", "A.qlr", "c.QLR", "notes.txt", "a10.qlr", "a9.qlr", "B.qlr"})
            test::writeFile(folder.filePath(QLatin1String(name)), {});
        QDir(folder.path()).mkdir(QStringLiteral("folder.qlr"));
        const QStringList listed = workFilesIn(folder.path());
        QCOMPARE(listed, QStringList({"A.qlr", "a10.qlr", "a9.qlr", "B.qlr", "b.qlr"}));
        QVERIFY(workFilesIn({}).isEmpty());
    }

    // The same run tag, as two copies started in the same millisecond draw it, still gives each
    // its own folder; the exit removes only its own.
    void exitRemovesOnlyThisRunsFolders()
    {
        QTemporaryDir temporary;
        const QString mine = makeStagingFolder(temporary.path(), QStringLiteral("ABCDEFGH"));
        const QString other = makeStagingFolder(temporary.path(), QStringLiteral("ABCDEFGH"));
        QVERIFY(!mine.isEmpty() && !other.isEmpty() && mine != other);
        const QString previews = previewFolderIn(mine);
        for (const QString &folder : {mine, previews, other})
            test::writeFile(QDir(folder).filePath(QStringLiteral("pic0.bmp")), "x");
        removeStagingFolder({});
        QVERIFY(QDir(mine).exists());
        removeStagingFolder(mine);
        QVERIFY(!QDir(mine).exists());
        QVERIFY(QDir(other).exists());
    }

    // However a write ends short of its commit (dropped, bytes missing, read back wrong), the
    // earlier file stays byte for byte and nothing half-written is left beside it.
    void abandonedWritesLeaveTheEarlierFile()
    {
        const WholeFileWriter::ReadBackCheck refuse = [](QIODevice &, QString *) { return false; };
        for (const int ending : {0, 1, 2}) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("work.qlr"));
            test::writeFile(path, "earlier");
            {
                WholeFileWriter writer(path);
                QVERIFY(writer.open(nullptr) && writer.device().write("newer work") == 10);
                QVERIFY(ending == 0 || !writer.commit(nullptr, ending == 2 ? refuse : nullptr,
                                                      ending == 1 ? 99 : 10));
            }
            QCOMPARE(test::readFile(path), QByteArray("earlier"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"work.qlr"});
        }
    }

    // The total counts the bytes the members hold, not the sizes they announce.
    void membersLyingAboutTheirSizeKeepToTheTotal()
    {
        QTemporaryDir dir;
        LyingArchive archive;
        QVERIFY(!unpackArchive(archive, {}, dir.path(), {1000, 1000, 2999}, nullptr));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a", "b"}));
        QVERIFY(unpackArchive(archive, {}, dir.path(), {1000, 1000, 3000}, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
