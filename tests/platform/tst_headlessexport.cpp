// Exporting a work file without a window: PNG and PDF of the page, bad files refused with a
// reason, and the layout thumbnails. The exported steps are followed end to end.

#include "core/app/appcontext.h"
#include "core/app/headlessexport.h"
#include "core/doctypes/pagefamily.h"
#include "core/files/workfile.h"
#include "core/layout/pagefit.h"
#include "core/layout/templatereader.h"
#include "core/doctypes/thumbnails.h"
#include "platform/ziparchive.h"
#include "support/samplepage.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using namespace quillora;
using namespace quillora::test;

namespace {

const QString kSimpleLayout = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/simple/simple.xml");

PageFitInputs fitFor(const AppContext &context)
{
    return documentWindowFit(context.env.screen.widthPx, context.env.screen.heightPx);
}

// Runs the program's command line; the exit code, with what it wrote for the user.
int run(const QStringList &arguments, QString *message = nullptr)
{
    AppContext context{Environment{}};
    ZipArchiveFormat zip;
    QString written;
    QTextStream errors(&written);
    const int code = runHeadlessExport(QStringList{QStringLiteral("quillora")} + arguments, context,
                                       zip, &errors);
    errors.flush();
    if (message)
        *message = written;
    return code;
}

} // namespace

class HeadlessExportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wrongArguments_data();
    void wrongArguments();
    void pngPdfAndStepsWritten();
    void badFileRefused_data();
    void badFileRefused();
    void thumbnailsBesideTheTemplates();

private:
    QTemporaryDir m_folder;
    QString m_workFile;
    QRect m_pictureRect;
    QSize m_pageSize;
};

void HeadlessExportTest::initTestCase()
{
    AppContext context{Environment{}};
    PageModel page;
    QVERIFY(readTemplate(kSimpleLayout, page, fitFor(context)));
    page.pictureBoxes[0].image = filledPicture(page.pictureBoxes[0].geometry.size(), Qt::blue);
    page.textBoxes[0].text = QStringLiteral("Our trip");
    m_pictureRect = page.pictureBoxes[0].geometry;
    m_pageSize = page.pageRect.size();
    ZipArchiveFormat zip;
    const Staging staging(m_folder.filePath(QStringLiteral("staging")));
    const WorkFileContext files{zip, registeredPageFiles(), staging, fitFor(context),
                                UnpackLimits{}};
    m_workFile = m_folder.filePath(QStringLiteral("trip.qlr"));
    QString error;
    QVERIFY2(saveWorkFile(page, files, m_workFile, {}, &error), qPrintable(error));
}

void HeadlessExportTest::wrongArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    // Without an export option the window opens as usual.
    QTest::newRow("nothing") << QStringList{} << -1;
    QTest::newRow("no file") << QStringList{QStringLiteral("--export-png"), QStringLiteral("a.png")}
                             << 2;
    QTest::newRow("extra") << QStringList{QStringLiteral("--export-pdf"), QStringLiteral("a.pdf"),
                                          QStringLiteral("b.qlr"), QStringLiteral("c.qlr")}
                           << 2;
    QTest::newRow("steps without file")
        << QStringList{QStringLiteral("--export-steps"), QStringLiteral("steps")} << 2;
}

void HeadlessExportTest::wrongArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QString message;
    QCOMPARE(run(arguments, &message), code);
    QCOMPARE(message.contains(QStringLiteral("usage")), code == 2);
}

void HeadlessExportTest::pngPdfAndStepsWritten()
{
    const QString png = m_folder.filePath(QStringLiteral("trip.png"));
    QCOMPARE(run({QStringLiteral("--export-png"), png, m_workFile}), 0);
    const QImage image(png);
    QCOMPARE(image.size(), m_pageSize);
    QCOMPARE(image.pixelColor(m_pictureRect.center()), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));

    const QString pdf = m_folder.filePath(QStringLiteral("trip.pdf"));
    QCOMPARE(run({QStringLiteral("--export-pdf"), pdf, m_workFile}), 0);
    QVERIFY(readFile(pdf).startsWith("%PDF-"));

    const QString steps = m_folder.filePath(QStringLiteral("steps"));
    QCOMPARE(run({QStringLiteral("--export-steps"), steps, m_workFile}), 0);
    QVERIFY(QFileInfo(steps).isDir());
}

void HeadlessExportTest::badFileRefused_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("mode");
    QTest::newRow("not a zip, png")
        << QByteArray("this is no work file") << QStringLiteral("--export-png");
    QTest::newRow("missing, pdf") << QByteArray("-") << QStringLiteral("--export-pdf");
}

void HeadlessExportTest::badFileRefused()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, mode);
    const QString input = m_folder.filePath(QStringLiteral("bad.qlr"));
    QFile::remove(input);
    if (contents != "-")
        writeFile(input, contents);
    // An earlier good export of the same name stays as it was.
    const QString output = m_folder.filePath(QStringLiteral("keep.out"));
    writeFile(output, "earlier");
    QString message;
    QCOMPARE(run({mode, output, input}, &message), 1);
    QVERIFY(message.contains(input));
    QCOMPARE(readFile(output), QByteArray("earlier"));
}

void HeadlessExportTest::thumbnailsBesideTheTemplates()
{
    const QString layouts = m_folder.filePath(QStringLiteral("layouts"));
    writeFile(layouts + QStringLiteral("/simple/broken.xml"), "<textbox name='tb0'/>\r\n");
    QVERIFY(QFile::copy(kSimpleLayout, layouts + QStringLiteral("/simple/simple.xml")));
    QString message;
    QCOMPARE(run({QStringLiteral("--make-thumbnails"), layouts}, &message), 1);
    QVERIFY(message.contains(QStringLiteral("broken.xml")));
    const QImage thumbnail(layouts + QStringLiteral("/simple/simple.bmp"));
    QVERIFY(!thumbnail.isNull());
    QCOMPARE(thumbnail.height(), kThumbnailBounds.height()); // a portrait page
    QVERIFY(thumbnail.width() < kThumbnailBounds.width());
    QVERIFY(!QFileInfo::exists(layouts + QStringLiteral("/simple/broken.bmp")));
}

QTEST_MAIN(HeadlessExportTest)
#include "tst_headlessexport.moc"
