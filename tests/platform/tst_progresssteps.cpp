// Progress pictures: which ones a long work keeps, their numbering, and what is read from a real
// work file holding members we did not write.

#include "core/doctypes/pagefamily.h"
#include "core/files/progressstepfiles.h"
#include "core/files/workfile.h"
#include "core/layout/templatereader.h"
#include "platform/ziparchive.h"
#include "support/pixelcheck.h"
#include "support/rawzip.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QString kSimpleLayout = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/simple/simple.xml");

// A small picture that differs from every other number's.
QImage numbered(int n, QSize size = {4, 4})
{
    return blankPicture(size.width(), size.height(), QRgb(0xFF000000u | quint32(n)));
}

QByteArray png(const QImage &picture)
{
    return encodedPicture(picture, "PNG");
}

QList<int> numbersOf(const ProgressSteps &steps)
{
    QList<int> numbers;
    for (const ProgressStep &step : steps.steps())
        numbers.append(step.number);
    return numbers;
}

using Members = QList<RawMember>;

} // namespace

class ProgressStepsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    ZipArchiveFormat m_zip;
    Staging m_staging{m_folder.filePath(QStringLiteral("staging"))};
    PageModel m_page;

    WorkFileContext files()
    {
        return {m_zip, registeredPageFiles(), m_staging, documentWindowFit(1280, 800), {}};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(readTemplate(kSimpleLayout, m_page, documentWindowFit(1280, 800)));
    }

    void longWorkIsThinnedEvenly_data()
    {
        QTest::addColumn<int>("taken");
        QTest::newRow("just full") << ProgressSteps::kMaxSteps;
        QTest::newRow("one more") << ProgressSteps::kMaxSteps + 1;
        QTest::newRow("a very long morning") << 1000;
    }

    void longWorkIsThinnedEvenly()
    {
        QFETCH(int, taken);
        ProgressSteps steps;
        for (int n = 1; n <= taken; ++n)
            QVERIFY(steps.add(numbered(n), n));
        const QList<int> numbers = numbersOf(steps);
        QCOMPARE(numbers.size(), std::min(taken, ProgressSteps::kMaxSteps));
        // The beginning and the latest picture stay; numbering runs on.
        QCOMPARE(numbers.first(), 1);
        QCOMPARE(numbers.last(), taken);
        QCOMPARE(steps.nextNumber(), taken + 1);
        // No stretch of the work is left with a hole far wider than the spacing over all.
        const int even = (taken - 1 + numbers.size() - 2) / (numbers.size() - 1);
        for (int i = 1; i < numbers.size(); ++i)
            QVERIFY2(numbers[i] - numbers[i - 1] <= 2 * even,
                     qPrintable(QStringLiteral("gap before step %1").arg(numbers[i])));
    }

    void savedAndOpened_data()
    {
        QTest::addColumn<Members>("extra");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("partsSkipped");

        // An older program opening our files, or ours opening a newer one's, passes these over.
        QTest::newRow("unknown members")
            << Members{{QStringLiteral("sticker.dat"), "x"},
                       {QStringLiteral("step04.png"), png(numbered(9))},
                       {QStringLiteral("step12345678901.png"), png(numbered(9))},
                       {QStringLiteral("STEP7.png"), png(numbered(9))}}
            << 4 << false;
        QTest::newRow("not a picture, too many pixels, outside the folder")
            << Members{{QStringLiteral("step7.png"), "GIF89a not really"},
                       {QStringLiteral("step8.png"), png(numbered(9, {5000, 2}))},
                       {QStringLiteral("../step9.png"), png(numbered(9))}}
            << 4 << true;
        // Thinned as they are read; the numbering runs on after the highest.
        Members crowd;
        for (int n = 9; n <= 300; ++n)
            crowd.append({QStringLiteral("step%1.png").arg(n), png(numbered(n))});
        QTest::newRow("too many") << crowd << ProgressSteps::kMaxSteps << false;
    }

    void savedAndOpened()
    {
        QFETCH(Members, extra);
        QFETCH(int, count);
        QFETCH(bool, partsSkipped);

        PageModel page = m_page;
        for (int n = 1; n <= 4; ++n)
            QVERIFY(page.progressSteps.add(numbered(n), n));
        page.changeCount = 4;
        const QString saved = m_folder.filePath(QStringLiteral("saved.qlr"));
        QString error;
        QVERIFY2(saveWorkFile(page, files(), saved, {}, &error), qPrintable(error));

        // The same file with the extra members added beside ours.
        Members members;
        for (const auto &[name, bytes] : zipMembers(saved).asKeyValueRange())
            members.append(RawMember{name, bytes});
        const QString path = m_folder.filePath(QStringLiteral("extra.qlr"));
        writeRawZip(path, members + extra);

        PageModel opened;
        FileOutcome outcome;
        QVERIFY2(openWorkFile(opened, files(), path, &error, &outcome), qPrintable(error));
        QCOMPARE(outcome.partsSkipped, partsSkipped);
        const QList<int> numbers = numbersOf(opened.progressSteps);
        QCOMPARE(numbers.size(), count);
        QCOMPARE(numbers.first(), 1);
        QCOMPARE(opened.progressSteps.picture(0).pixel(0, 0), numbered(1).pixel(0, 0));
        QCOMPARE(opened.progressSteps.nextNumber(), numbers.last() + 1);
    }
};

QTEST_MAIN(ProgressStepsTest)
#include "tst_progresssteps.moc"
