// Saving onto a disk that fills up part-way: a work file, a PNG picture and a PDF, at many fill
// levels. Whatever the level, either the new file is complete and reads back as the page, or the
// earlier file is byte for byte as it was and the child is told the disk is full. Opening a work
// file whose members the disk cannot take fails the same way, leaving the open work as it was.
//
// The disk is a small tmpfs mounted in a mount namespace of this test alone where the system
// allows it (root, or CAP_SYS_ADMIN); elsewhere each file is limited in size (RLIMIT_FSIZE),
// which makes the system refuse writes the same way.

#include "core/doctypes/pagefamily.h"
#include "core/doctypes/table.h"
#include "core/files/fileproblems.h"
#include "core/files/wholefile.h"
#include "core/files/workfile.h"
#include "core/printing/pagerenderer.h"
#include "core/printing/pdfprintdevice.h"
#include "core/printing/printjob.h"
#include "platform/ziparchive.h"
#include "support/rawzip.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace quillora;
using namespace quillora::test;

namespace {

constexpr qint64 kDiskBytes = 4 * 1024 * 1024;

// Pictures that do not shrink much when packed, so the archive is as large as its members.
PageModel noisyPage(quint32 seed)
{
    PageModel page = fullSimplePage();
    for (PictureBoxModel &box : page.pictureBoxes) {
        for (int y = 0; y < box.image.height(); ++y)
            for (int x = 0; x < box.image.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                box.image.setPixel(x, y, 0xFF000000u | (seed >> 8));
            }
    }
    page.changeCount = 3;
    return page;
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_disk = m_root.filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(m_disk));
        const QByteArray options = "size=" + QByteArray::number(kDiskBytes);
        m_mounted = ::unshare(CLONE_NEWNS) == 0 &&
                    ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                    ::mount("tmpfs", QFile::encodeName(m_disk).constData(), "tmpfs", 0,
                            options.constData()) == 0;
        std::signal(SIGXFSZ, SIG_IGN);
        qInfo() << (m_mounted ? "a small tmpfs" : "limited file sizes")
                << "stands for the full disk";

        // The earlier files, and what a complete save of the page holds.
        const QString reference = m_root.filePath(QStringLiteral("reference"));
        const Staging staging(reference + QStringLiteral("/staging"));
        QString error;
        QVERIFY2(saveWorkFile(m_earlier, {m_zip, registeredPageFiles(), staging, {}, {}},
                              reference + "/earlier.qlr", {}, &error),
                 qPrintable(error));
        m_earlierFile = readFile(reference + "/earlier.qlr");
        PageModel page = m_page;
        QVERIFY2(saveWorkFile(page, {m_zip, registeredPageFiles(), staging, {}, {}},
                              reference + "/page.qlr", {}, &error),
                 qPrintable(error));
        m_pageFile = reference + "/page.qlr";
        m_pageMembers = zipMembers(m_pageFile);
        m_saveNeeds = staging.bytesToPack() + QFileInfo(reference + "/page.qlr").size();
        QVERIFY(
            writeImageFile(renderPageImage(m_earlier), "PNG", reference + "/earlier.png", &error));
        m_earlierPng = readFile(reference + "/earlier.png");
        PdfPrintDevice pdf([&] { return reference + "/earlier.pdf"; });
        QCOMPARE(printDocument(m_earlier, pdf, {}).outcome, PrintOutcome::Printed);
        m_earlierPdf = readFile(reference + "/earlier.pdf");
    }

    void cleanupTestCase()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_disk).constData());
    }

    void savesWholeOrNotAtAll_data()
    {
        QTest::addColumn<double>("share");  // of the room the save needs
        QTest::addColumn<int>("moreBytes"); // added to that
        QTest::addColumn<int>("mustSave");  // 1 yes, 0 no, -1 either

        QTest::newRow("full") << 0.0 << 0 << 0;
        for (double share : {0.1, 0.3, 0.5, 0.7, 0.9, 0.97})
            QTest::addRow("%d%%", int(share * 100)) << share << 0 << -1;
        for (int bytes : {-8192, -4096, -1024, -200, 0, 4096})
            QTest::addRow("all but %d bytes", -bytes) << 1.0 << bytes << -1;
        QTest::newRow("plenty") << 2.0 << 0 << 1;
    }

    void savesWholeOrNotAtAll()
    {
        QFETCH(double, share);
        QFETCH(int, moreBytes);
        QFETCH(int, mustSave);
        const qint64 room = std::max<qint64>(0, qint64(m_saveNeeds * share) + moreBytes);
        const QString work = onDisk("work.qlr"), png = onDisk("page.png"),
                      pdfPath = onDisk("page.pdf");
        QDir(onDisk("staging")).removeRecursively();
        writeFile(work, m_earlierFile);
        writeFile(png, m_earlierPng);
        writeFile(pdfPath, m_earlierPdf);

        leaveRoom(room);
        QString error;
        FileOutcome outcome;
        PageModel page = m_page;
        const Staging staging(onDisk("staging"));
        const bool saved = saveWorkFile(page, {m_zip, registeredPageFiles(), staging, {}, {}}, work,
                                        {}, &error, &outcome);
        const QImage picture = renderPageImage(m_page);
        const bool pngSaved = writeImageFile(picture, "PNG", png, &error);
        const FileTrouble pngTrouble =
            pngSaved ? FileTrouble::None : writeTrouble(png, picture.sizeInBytes());
        PdfPrintDevice pdf([&] { return pdfPath; });
        const bool pdfSaved = printDocument(m_page, pdf, {}).outcome == PrintOutcome::Printed;
        giveBackRoom();

        if (mustSave >= 0)
            QCOMPARE(saved, bool(mustSave));
        if (saved) {
            QCOMPARE(zipMembers(work), m_pageMembers);
            PageModel opened;
            const Staging elsewhere(m_root.filePath(QStringLiteral("open")));
            QVERIFY2(openWorkFile(opened, {m_zip, registeredPageFiles(), elsewhere, {}, {}}, work,
                                  &error),
                     qPrintable(error));
            QCOMPARE(page.countAtLastSave, 3);
        } else {
            QCOMPARE(readFile(work), m_earlierFile);
            QCOMPARE(page.countAtLastSave, 0);
            if (m_mounted)
                QCOMPARE(saveTroubleSentence(outcome.trouble),
                         saveTroubleSentence(FileTrouble::NoRoom));
            // Whatever staging still holds is complete, never a member cut short.
            for (const QString &name : QDir(staging.folder()).entryList(QDir::Files))
                QCOMPARE(readFile(staging.memberPath(name)), m_pageMembers.value(name));
        }
        if (pngSaved) {
            QCOMPARE(QImage(png).convertToFormat(picture.format()), picture);
        } else {
            QCOMPARE(readFile(png), m_earlierPng);
            if (m_mounted)
                QCOMPARE(pngTrouble, FileTrouble::NoRoom);
        }
        const QByteArray pdfBytes = readFile(pdfPath);
        QVERIFY(pdfSaved ? pdfBytes.startsWith("%PDF-") && pdfBytes.trimmed().endsWith("%%EOF")
                         : pdfBytes == m_earlierPdf);
        // Nothing half-written is left beside the files.
        QStringList left = QDir(m_disk).entryList(QDir::Files);
        left.sort();
        QCOMPARE(left, QStringList({"page.pdf", "page.png", "work.qlr"}));
    }

    void anOpenThatCannotUnpackLeavesTheWork_data()
    {
        QTest::addColumn<bool>("perFile"); // each file limited, or the whole disk full
        QTest::newRow("a picture too large for the room left") << false;
        QTest::newRow("only the largest member refused") << true;
    }

    void anOpenThatCannotUnpackLeavesTheWork()
    {
        QFETCH(bool, perFile);
        qint64 largest = 0;
        for (const QByteArray &bytes : std::as_const(m_pageMembers))
            largest = std::max<qint64>(largest, bytes.size());
        const Staging staging(onDisk("staging"));
        QDir(staging.folder()).removeRecursively();
        PageModel page = m_earlier;
        QString error;
        QVERIFY2(saveWorkFile(page, {m_zip, registeredPageFiles(), staging, {}, {}},
                              onDisk("earlier.qlr"), {}, &error),
                 qPrintable(error));
        QFile::remove(onDisk("earlier.qlr"));
        const QMap<QString, QByteArray> staged = folderFiles(staging.folder());

        if (perFile || !m_mounted) {
            // The small members fit, so only a picture is cut short.
            const rlimit limit{rlim_t(largest - 1), RLIM_INFINITY};
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        } else {
            leaveRoom(largest / 2);
        }
        FileOutcome outcome;
        const bool opened = openWorkFile(page, {m_zip, registeredPageFiles(), staging, {}, {}},
                                         m_pageFile, &error, &outcome);
        giveBackRoom();

        QVERIFY(!opened);
        if (m_mounted && !perFile)
            QCOMPARE(openTroubleSentence(outcome.trouble),
                     openTroubleSentence(FileTrouble::NoRoom));
        QVERIFY(outcome.trouble != FileTrouble::Damaged);
        for (int i = 0; i < m_earlier.pictureBoxes.size(); ++i)
            QCOMPARE(page.pictureBoxes[i].image, m_earlier.pictureBoxes[i].image);
        QCOMPARE(page.countAtLastSave, m_earlier.changeCount);
        QCOMPARE(folderFiles(staging.folder()), staged);
    }

    // A table's cell pictures go between the page and the archive in memory: on a disk where
    // not one of them would fit, the table opens whole, and saved again it stores the same.
    void aTableOpensWithoutItsPicturesOnTheDisk()
    {
        const PageFitInputs fit = documentWindowFit(1024, 768, DocumentKind::Table);
        PageModel table;
        table.documentType = DocumentKind::Table;
        newTablePage(table, fit, 2, 2);
        const PageModel noisy = noisyPage(3);
        for (int cell = 0; cell < 4; ++cell)
            table.pictureBoxes[cellPictureIndex({cell / 2, cell % 2})].image =
                noisy.pictureBoxes[cell % noisy.pictureBoxes.size()].image;
        const Staging staging(onDisk("staging"));
        QDir(staging.folder()).removeRecursively();
        const QString saved = m_root.filePath(QStringLiteral("table.qlr"));
        QString error;
        QVERIFY2(saveWorkFile(table, {m_zip, registeredPageFiles(), staging, fit, {}}, saved, {},
                              &error),
                 qPrintable(error));
        const QMap<QString, QByteArray> members = zipMembers(saved);

        qint64 smallest = std::numeric_limits<qint64>::max();
        for (auto member = members.cbegin(); member != members.cend(); ++member) {
            if (member.key().startsWith(u"pic"))
                smallest = std::min<qint64>(smallest, member->size());
        }
        leaveRoom(smallest - 1);
        PageModel opened;
        FileOutcome outcome;
        const bool read = openWorkFile(opened, {m_zip, registeredPageFiles(), staging, fit, {}},
                                       saved, &error, &outcome);
        giveBackRoom();

        QVERIFY2(read, qPrintable(error));
        QVERIFY(!outcome.partsSkipped);
        for (int cell = 0; cell < 4; ++cell) {
            const int index = cellPictureIndex({cell / 2, cell % 2});
            QCOMPARE(opened.pictureBoxes[index].image, table.pictureBoxes[index].image);
        }
        QVERIFY(QDir(staging.folder()).entryList({QStringLiteral("pic*")}).isEmpty());
        QVERIFY2(saveWorkFile(opened, {m_zip, registeredPageFiles(), staging, fit, {}}, saved, {},
                              &error),
                 qPrintable(error));
        QCOMPARE(zipMembers(saved), members);
    }

private:
    static QMap<QString, QByteArray> folderFiles(const QString &folder)
    {
        QMap<QString, QByteArray> files;
        for (const QString &name : QDir(folder).entryList(QDir::Files))
            files.insert(name, readFile(QDir(folder).filePath(name)));
        return files;
    }

    void leaveRoom(qint64 room)
    {
        if (!m_mounted) {
            const rlimit limit{rlim_t(room), RLIM_INFINITY};
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
            return;
        }
        const qint64 filler = QStorageInfo(m_disk).bytesAvailable() - room;
        if (filler > 0)
            writeFile(onDisk("filler"), QByteArray(filler, 'x'));
    }

    void giveBackRoom()
    {
        const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &none);
        QFile::remove(onDisk("filler"));
    }

    QString onDisk(const char *name) const { return QDir(m_disk).filePath(QLatin1String(name)); }

    QTemporaryDir m_root;
    QString m_disk;
    bool m_mounted = false;
    PageModel m_earlier = noisyPage(1);
    PageModel m_page = noisyPage(2);
    QByteArray m_earlierFile, m_earlierPng, m_earlierPdf;
    QString m_pageFile;
    QMap<QString, QByteArray> m_pageMembers;
    qint64 m_saveNeeds = 0;
    ZipArchiveFormat m_zip;
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
