#include "core/app/headlessexport.h"

#include "core/app/appcontext.h"
#include "core/doctypes/pagefamily.h"
#include "core/files/progressstepfiles.h"
#include "core/files/wholefile.h"
#include "core/files/workfile.h"
#include "core/printing/pdfprintdevice.h"
#include "core/doctypes/thumbnails.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <QTextStream>

namespace quillora {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kWrongArguments = 2;

const QString kExportPng = QStringLiteral("--export-png");
const QString kExportPdf = QStringLiteral("--export-pdf");
const QString kMakeThumbnails = QStringLiteral("--make-thumbnails");
const QString kThumbnail = QStringLiteral("--thumbnail");
const QString kExportSteps = QStringLiteral("--export-steps");
// File managers ask for 128 to 1024 pixels; anything far beyond is not a thumbnail.
constexpr int kLargestThumbnail = 4096;

// The fit the single-page window gives an opened page on this screen.
PageFitInputs windowFit(const AppContext &context)
{
    return documentWindowFit(context.env.screen.widthPx, context.env.screen.heightPx);
}

// Opens the work file into `page` through a staging folder of its own, so that the staging of a
// running program is never touched.
bool openForExport(const QString &path, const AppContext &context, ArchiveFormat &zip,
                   PageModel &page, QString *error)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *error = QStringLiteral("no room for a temporary folder");
        return false;
    }
    const Staging staging(scratch.filePath(QStringLiteral("staging")));
    const WorkFileContext files{zip, registeredPageFiles(), staging, windowFit(context),
                                UnpackLimits{}};
    return openWorkFile(page, files, path, error);
}

bool writePdf(const PageModel &page, const AppContext &context, const QString &path, QString *error)
{
    PdfPrintDevice pdf([path] { return path; }, QStringLiteral("PDF export"));
    const PrintResult result = printPage(page, pdf, PrintSettings::from(context.settings, 1));
    if (result.outcome == PrintOutcome::Printed)
        return true;
    *error = result.detail.isEmpty() ? QStringLiteral("nothing was written") : result.detail;
    return false;
}

int exportWorkFile(const QString &mode, const QString &output, const QString &input,
                   const AppContext &context, ArchiveFormat &zip, QTextStream &errors)
{
    PageModel page;
    QString error;
    if (!openForExport(input, context, zip, page, &error)) {
        errors << "quillora: " << input << " could not be opened: " << error << '\n';
        return kFailed;
    }
    const bool written = mode == kExportPng
                             ? writePagePng(page, context.settings.copiesPrintScale, output, &error)
                             : writePdf(page, context, output, &error);
    if (!written) {
        errors << "quillora: " << output << " could not be written: " << error << '\n';
        return kFailed;
    }
    return kDone;
}

// The page as its family draws it, shrunk to fit `size` pixels square, for a file manager. Every
// kind has a thumbnail, also those whose screen is not offered as a PNG export.
int writeThumbnail(const QString &sizeText, const QString &input, const QString &output,
                   const AppContext &context, ArchiveFormat &zip, QTextStream &errors)
{
    bool isNumber = false;
    const int size = sizeText.toInt(&isNumber);
    if (!isNumber || size < 1 || size > kLargestThumbnail) {
        errors << "quillora: " << sizeText << " is not a thumbnail size (1 to " << kLargestThumbnail
               << ")\n";
        return kWrongArguments;
    }
    PageModel page;
    QString error;
    if (!openForExport(input, context, zip, page, &error)) {
        errors << "quillora: " << input << " could not be opened: " << error << '\n';
        return kFailed;
    }
    const PageFamily *family = pageFamilyFor(page.documentType);
    const QImage drawn = family ? family->render(page, 1.0) : QImage();
    if (drawn.isNull()) {
        errors << "quillora: " << input << " has no page to draw\n";
        return kFailed;
    }
    const QImage thumbnail =
        drawn.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!writeImageFile(thumbnail, "PNG", output, &error)) {
        errors << "quillora: " << output << " could not be written: " << error << '\n';
        return kFailed;
    }
    return kDone;
}

// The work's progress pictures under their own names, for a teacher's slideshow. A work with
// none is not an error: the folder is made and stays empty.
int writeSteps(const QString &folder, const QString &input, const AppContext &context,
               ArchiveFormat &zip, QTextStream &errors)
{
    PageModel page;
    QString error;
    if (!openForExport(input, context, zip, page, &error)) {
        errors << "quillora: " << input << " could not be opened: " << error << '\n';
        return kFailed;
    }
    if (!QDir().mkpath(folder) ||
        !writeProgressSteps(page.progressSteps, folder, Durability::Kept, &error)) {
        errors << "quillora: " << folder << " could not be written: " << error << '\n';
        return kFailed;
    }
    return kDone;
}

} // namespace

bool asksForHeadlessExport(const QStringList &arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const QString &arg) {
        return arg == kExportPng || arg == kExportPdf || arg == kMakeThumbnails ||
               arg == kThumbnail || arg == kExportSteps;
    });
}

bool writePagePng(const PageModel &page, double sheetQuality, const QString &path, QString *error)
{
    if (!canExportPng(page.documentType)) {
        *error = kNoPngMessage;
        return false;
    }
    const QImage image = pageFamilyFor(page.documentType)->render(page, sheetQuality);
    if (image.isNull()) {
        *error = QStringLiteral("the page has no size");
        return false;
    }
    return writeImageFile(image, "PNG", path, error);
}

int runHeadlessExport(const QStringList &arguments, AppContext &context, ArchiveFormat &zip,
                      QTextStream *errors)
{
    QTextStream standardError(stderr);
    QTextStream &err = errors ? *errors : standardError;
    const QStringList args = arguments.mid(1);
    if (!asksForHeadlessExport(args))
        return -1;
    const QString mode = *std::find_if(
        args.begin(), args.end(), [](const QString &arg) { return asksForHeadlessExport({arg}); });
    if (mode == kThumbnail) {
        if (args.size() != 4 || args.first() != kThumbnail) {
            err << "usage: quillora --thumbnail SIZE FILE.qlr OUT.png\n";
            return kWrongArguments;
        }
        return writeThumbnail(args.at(1), args.at(2), args.at(3), context, zip, err);
    }
    if (mode == kMakeThumbnails) {
        if (args.size() != 2 || args.first() != kMakeThumbnails) {
            err << "usage: quillora --make-thumbnails LAYOUTS_FOLDER\n";
            return kWrongArguments;
        }
        const ThumbnailReport report = makeLayoutThumbnails(args.at(1));
        for (const QString &failure : report.failed)
            err << "quillora: " << failure << '\n';
        return report.failed.isEmpty() ? kDone : kFailed;
    }
    if (mode == kExportSteps) {
        if (args.size() != 3 || args.first() != kExportSteps) {
            err << "usage: quillora --export-steps FOLDER FILE.qlr\n";
            return kWrongArguments;
        }
        return writeSteps(args.at(1), args.at(2), context, zip, err);
    }
    if (args.size() != 3 || args.first() != mode) {
        err << "usage: quillora " << mode << " OUTPUT FILE.qlr\n";
        return kWrongArguments;
    }
    return exportWorkFile(mode, args.at(1), args.at(2), context, zip, err);
}

} // namespace quillora
