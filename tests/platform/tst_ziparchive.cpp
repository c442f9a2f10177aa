#include "core/files/staging.h"
#include "platform/ziparchive.h"
#include "support/rawzip.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using namespace quillora::test;

class TestZipArchive : public QObject {
    Q_OBJECT
private slots:
    void packsOnlyMemberPatternsInOrder_data()
    {
        QTest::addColumn<Packing>("packing");
        QTest::newRow("small, for the child's work") << Packing::Small;
        QTest::newRow("quick, for recovery") << Packing::Quick;
    }
    void packsOnlyMemberPatternsInOrder()
    {
        QFETCH(Packing, packing);
        QTemporaryDir dir;
        Staging staging(dir.filePath("staging"));
        QDir().mkpath(staging.folder());
        for (const char *name : {"layout.xml", "pic0.bmp", "text0.txt", "rtb0.rtf", "layout0.png",
                                 "web.bmp", "scratch.png", "fileinfo.xml", "notes.doc"})
            writeFile(staging.memberPath(QString::fromLatin1(name)), name);

        // Pictures held in memory take their places among the files, and a file's name.
        const HeldMembers held{{"pic1.bmp", "held"}, {"pic0.bmp", "newer"}};
        QCOMPARE(staging.membersToPack(held),
                 QStringList({"text0.txt", "pic0.bmp", "pic1.bmp", "rtb0.rtf", "fileinfo.xml",
                              "layout.xml", "layout0.png"}));
        QVERIFY2(!QFile::exists(staging.memberPath("web.bmp")),
                 "the webcam snapshot is never packed");

        ZipArchiveFormat zip;
        QString error;
        const QString archive = dir.filePath("work.qlr");
        QVERIFY2(staging.pack(zip, archive, &error, packing, held), qPrintable(error));
        QVERIFY(!staging.pack(zip, dir.filePath("missing/work.qlr"), &error, packing, held));
        QVERIFY(!error.isEmpty());

        // Unpacked, the pictures stay in memory while they keep within the limit; the rest are
        // files.
        const QString out = dir.filePath("out");
        QDir().mkpath(out);
        UnpackLimits limits;
        limits.maxHeldBytes = 5;
        HeldMembers unpacked;
        QVERIFY2(unpackArchive(zip, archive, out, limits, &error, nullptr, &unpacked),
                 qPrintable(error));
        QCOMPARE(unpacked, HeldMembers({{"pic0.bmp", "newer"}}));
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 6);
        QCOMPARE(readFile(QDir(out).filePath("pic1.bmp")), QByteArray("held"));
        QCOMPARE(readFile(QDir(out).filePath("rtb0.rtf")), QByteArray("rtb0.rtf"));
    }

    void clearingKeepsPreviewsUnlessAsked()
    {
        QTemporaryDir dir;
        Staging staging(dir.path());
        for (const char *name : {"pic3.bmp", "border.bmp", "text1.txt", "rtb0.rtf", "layout.xml",
                                 "layout2.png", "upicABC.bmp"})
            writeFile(staging.memberPath(QString::fromLatin1(name)), "x");
        staging.clear(false);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"layout2.png", "upicABC.bmp"}));
        staging.clear(true);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"upicABC.bmp"}));
    }

    void hostileArchivesNeverWriteOutside_data()
    {
        QTest::addColumn<QList<RawMember>>("members");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("expectedFiles");
        QTest::newRow("parent folder")
            << QList<RawMember>{{"../evil.txt", "x"}, {"text0.txt", "ok"}} << true
            << QStringList{"text0.txt"};
        QTest::newRow("absolute path")
            << QList<RawMember>{{"/evil.txt", "x"}} << true << QStringList{};
        QTest::newRow("folder member")
            << QList<RawMember>{{"sub/text0.txt", "x"}, {"sub/", ""}} << true << QStringList{};
        QTest::newRow("backslash path")
            << QList<RawMember>{{"..\\evil.txt", "x"}} << true << QStringList{};
        QTest::newRow("dot names") << QList<RawMember>{{"..", "x"}, {".", "x"}, {"text0.txt", "ok"}}
                                   << true << QStringList{"text0.txt"};
        QTest::newRow("symbolic link")
            << QList<RawMember>{{"pic0.bmp", "/etc/passwd", 0120777}} << true << QStringList{};
        QTest::newRow("same name twice") << QList<RawMember>{{"text0.txt", "a"}, {"text0.txt", "b"}}
                                         << false << QStringList{"text0.txt"};
    }
    void hostileArchivesNeverWriteOutside()
    {
        QFETCH(QList<RawMember>, members);
        QFETCH(bool, accepted);
        QFETCH(QStringList, expectedFiles);
        QTemporaryDir dir;
        // An absolute name points into this test's own folder: a fault must not litter the disk.
        for (RawMember &member : members) {
            if (member.name.startsWith(u'/'))
                member.name = dir.filePath("evil.txt");
        }
        const QString archive = dir.filePath("hostile.qlr");
        writeRawZip(archive, members);
        const QString out = dir.filePath("a/b/out");
        QDir().mkpath(out);

        ZipArchiveFormat zip;
        QString error;
        QCOMPARE(unpackArchive(zip, archive, out, {}, &error), accepted);
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::System | QDir::Hidden), expectedFiles);
        QVERIFY(!QFile::exists(dir.filePath("a/b/evil.txt")));
        QVERIFY(!QFile::exists(dir.filePath("a/evil.txt")));
        QVERIFY(!QFile::exists(dir.filePath("evil.txt")));
    }

    void limitsRefuseBombs()
    {
        QTemporaryDir dir;
        const QString archive = dir.filePath("bomb.qlr");
        writeRawZip(archive, {{"pic0.bmp", QByteArray(4 * 1024 * 1024, '\0')},
                              {"pic1.bmp", QByteArray(4 * 1024 * 1024, '\0')}});
        ZipArchiveFormat zip;
        QString error;

        UnpackLimits perMember;
        perMember.maxMemberBytes = 1024 * 1024;
        QVERIFY(!unpackArchive(zip, archive, dir.path(), perMember, &error));
        QVERIFY(!error.isEmpty());

        UnpackLimits total;
        total.maxTotalBytes = 6 * 1024 * 1024;
        FileOutcome outcome;
        QVERIFY(!unpackArchive(zip, archive, dir.path(), total, &error, &outcome));
        // Too big, not damaged: the teacher is told what to look into.
        QCOMPARE(outcome.trouble, FileTrouble::TooBig);

        UnpackLimits count;
        count.maxMembers = 1;
        QVERIFY(!unpackArchive(zip, archive, dir.path(), count, &error));
    }

    void garbageIsRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a work file");
        QTest::newRow("zip header only") << QByteArray("PK\x03\x04\x14\x00\x00\x00", 8);
        QTemporaryDir dir;
        QByteArray noise;
        for (int i = 0; i < 200000; ++i)
            noise.append(char((i * 7919) >> 3));
        writeRawZip(dir.filePath("whole.qlr"), {{"pic0.bmp", noise}});
        const QByteArray whole = readFile(dir.filePath("whole.qlr"));
        QTest::newRow("cut off half way") << whole.left(whole.size() / 2);
    }
    void garbageIsRefusedWithAReason()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        writeFile(dir.filePath("bad.qlr"), bytes);
        QDir().mkpath(dir.filePath("out"));
        ZipArchiveFormat zip;
        QString error;
        QVERIFY(!unpackArchive(zip, dir.filePath("bad.qlr"), dir.filePath("out"), {}, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
