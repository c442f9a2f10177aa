// Arbitrary bytes opened as a work file, as the file dialog's previews and the Open command do
// with whatever lies in the working folder: nothing may crash, hang or grow without bound, a
// refused file leaves the page and the staging members as they were, and an opened page
// respects the page model's limits and can be drawn.
#include "core/doctypes/pagefamily.h"
#include "core/files/workfile.h"
#include "core/files/workfilepreview.h"
#include "core/layout/templatereader.h"
#include "platform/ziparchive.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Harness {
    QTemporaryDir root;
    ZipArchiveFormat zip;
    Staging staging{root.filePath(QStringLiteral("staging"))};
    QString input = root.filePath(QStringLiteral("input.qlr"));
    PageFitInputs fit{1280, 800, 106, 72, DocumentKind::Simple};
    UnpackLimits limits{64, 8LL * 1024 * 1024, 32LL * 1024 * 1024};
};

Harness *harness = nullptr;

// A small page saved as a work file: opening and drawing it once before fuzzing fills the
// caches Qt keeps for the program's life (image plugins, fonts), so they are not taken for leaks.
QByteArray warmUpWorkFile()
{
    const QByteArray layout =
        "<layout name='warm' NumTextBoxes='1' NumPicBoxes='1' numRTBs='1' width='210' "
        "height='297'>\r\n"
        "<textbox name='tb0' x='10' y='10' width='190' height='20' size='8' font='arial' "
        "text='Warm'/>\r\n"
        "<picbox name='pb0' x='10' y='40' width='60' height='40' reptType='0' symmType='0' "
        "copyTo='0'/>\r\n"
        "<rtb name='rt0' x='10' y='90' width='190' height='40' size='6' text='Up'/>\r\n"
        "</layout>\r\n";
    PageModel page;
    QString error;
    check(readTemplateText(layout, harness->root.filePath(QStringLiteral("warm.xml")), page,
                           harness->fit, &error));
    page.textBoxes[0].text = QStringLiteral("Warm");
    page.richTextBoxes[0].rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Up}");
    const QString path = harness->root.filePath(QStringLiteral("warm.qlr"));
    const WorkFileContext context{harness->zip, registeredPageFiles(), harness->staging,
                                  harness->fit, harness->limits};
    check(saveWorkFile(page, context, path, {}, &error));
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QFile::remove(path);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Every input is still checked for leaks; only the check at exit is left out, where Qt's font
// engines, kept for the program's life, would be reported.
extern "C" const char *__lsan_default_options()
{
    return "leak_check_at_exit=0";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static Harness instance;
    harness = &instance;
    const QByteArray warm = warmUpWorkFile();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(warm.constData()),
                           size_t(warm.size()));
    LLVMFuzzerTestOneInput(nullptr, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Harness &h = *harness;
    {
        QFile file(h.input);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    }
    // A page in work with a member of its own in staging, to see that a refusal keeps both.
    QDir().mkpath(h.staging.folder());
    {
        QFile member(h.staging.memberPath(QStringLiteral("text0.txt")));
        check(member.open(QIODevice::WriteOnly | QIODevice::Truncate));
        member.write("kept\r\n");
    }
    PageModel page;
    page.layoutPath = QStringLiteral("before");
    page.changeCount = 3;
    const WorkFileContext context{h.zip, registeredPageFiles(), h.staging, h.fit, h.limits};
    QString error;
    if (!openWorkFile(page, context, h.input, &error)) {
        check(!error.isEmpty());
        check(page.layoutPath == u"before" && page.changeCount == 3);
        QFile member(h.staging.memberPath(QStringLiteral("text0.txt")));
        check(member.open(QIODevice::ReadOnly) && member.readAll() == "kept\r\n");
    } else {
        check(page.pictureBoxes.size() <= kMaxPictureBoxIndex + 1);
        check(page.textBoxes.size() <= kMaxObjectIndex + 1);
        check(page.richTextBoxes.size() <= kMaxObjectIndex + 1);
        const PreviewContext preview{h.zip, registeredPageFiles(),
                                     h.root.filePath(QStringLiteral("preview")), h.fit, h.limits};
        const QImage small = workFilePreview(h.input, preview);
        check(small.isNull() || (small.width() <= 80 && small.height() <= 60));
    }
    // Nothing is left behind beside the staging folders: scratch folders go with each open.
    check(QDir(h.root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() <= 2);
    h.staging.clear(true);
    return 0;
}
