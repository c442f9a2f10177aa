#include "core/files/workfile.h"

#include "core/files/members.h"
#include "core/files/progressstepfiles.h"
#include "core/foundation/fileaccess.h"
#include "core/text/pagetextfit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quillora {
namespace {

// About what the page's members take in staging: its pictures as bitmaps dominate.
qint64 bytesToStage(const PageModel &page)
{
    qint64 bytes = 0;
    for (const PictureBoxModel &box : page.pictureBoxes)
        bytes += box.image.sizeInBytes();
    for (const ProgressStep &step : page.progressSteps.steps())
        bytes += step.png.size();
    return bytes + page.border.picture.sizeInBytes();
}

bool writeMembers(const PageFiles &family, const PageModel &page, const Staging &staging,
                  const SavedLayoutOptions &options, HeldMembers &held, QString *error)
{
    if (!family.writeWorkFileMembers(page, staging.folder(), held, error) ||
        !family.writeDescription(page, staging, options, error) ||
        !writeProgressSteps(page.progressSteps, staging.folder(), Durability::Scratch, error))
        return false;
    return writeFileInfo(staging.memberPath(QStringLiteral("fileinfo.xml")),
                         codeOf(page.documentType), {}, error);
}

// Builds the page from a folder of unpacked members and the pictures unpacked into memory.
bool buildPage(PageModel &page, const QString &folder, HeldMembers &held,
               const WorkFileContext &context, QString *error, FileOutcome &outcome)
{
    const QDir dir(folder);
    if (const auto code = readFileInfo(dir.filePath(QStringLiteral("fileinfo.xml")))) {
        const std::optional<DocumentKind> kind = documentKindFromCode(*code);
        if (!kind) {
            outcome.trouble = FileTrouble::NewerProgram;
            setError(error, QStringLiteral("this work file was made by a newer Quillora"));
            return false;
        }
        page.documentType = *kind;
    }
    const PageFiles *family = context.families.filesFor(page.documentType);
    if (!family) {
        outcome.trouble = FileTrouble::NotReady;
        setError(error, kNotReadyMessage);
        return false;
    }
    outcome.trouble = FileTrouble::Damaged;
    const QString layout = dir.filePath(QStringLiteral("layout.xml"));
    if (!QFile::exists(layout)) {
        setError(error, QStringLiteral("this work file has no page description"));
        return false;
    }
    PageFitInputs pageFit = context.fit;
    pageFit.documentType = page.documentType;
    if (!family->readDescription(layout, page, pageFit, error))
        return false;
    // A family that reads its pictures from files finds them there, as unpacked.
    if (!family->holdsPictures()) {
        if (!writeHeldMembers(held, folder, error, &outcome))
            return false;
        held.clear();
    }
    outcome.trouble = FileTrouble::None;
    if (!family->readWorkFileMembers(page, folder, held))
        outcome.partsSkipped = true;
    if (!readProgressSteps(page.progressSteps, folder))
        outcome.partsSkipped = true;
    fitPageTexts(page);
    return true;
}

} // namespace

bool saveWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  const SavedLayoutOptions &options, QString *error, FileOutcome *outcome)
{
    FileOutcome ignored;
    FileOutcome &result = outcome ? *outcome : ignored;
    result = {};
    QDir().mkpath(context.staging.folder());
    context.staging.clear(false);
    const PageFiles *family = context.families.filesFor(page.documentType);
    if (!family) {
        result.trouble = FileTrouble::NotReady;
        setError(error, kNotReadyMessage);
        return false;
    }
    // A table's cell pictures go from the page straight into the archive.
    HeldMembers held;
    if (!writeMembers(*family, page, context.staging, options, held, error)) {
        // A member cut short by a full disk is never left behind to be packed later.
        context.staging.clear(false);
        result.trouble = writeTrouble(context.staging.memberPath(QStringLiteral("layout.xml")),
                                      bytesToStage(page));
        return false;
    }
    if (!context.staging.pack(context.format, path, error, context.packing, held)) {
        result.trouble = writeTrouble(path, context.staging.bytesToPack(held));
        return false;
    }
    page.countAtLastSave = page.changeCount;
    return true;
}

bool openWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  QString *error, FileOutcome *outcome)
{
    FileOutcome ignored;
    FileOutcome &result = outcome ? *outcome : ignored;
    result = {};
    if (!QFileInfo(path).isFile()) {
        result.trouble = FileTrouble::Missing;
        setError(error, QStringLiteral("there is no file at %1").arg(path));
        return false;
    }
    QDir().mkpath(context.staging.folder());
    QTemporaryDir scratch(QDir(context.staging.folder()).filePath(QStringLiteral("open-XXXXXX")));
    if (!scratch.isValid()) {
        result.trouble = writeTrouble(context.staging.folder(), QFileInfo(path).size());
        setError(error, QStringLiteral("no room to open the file"));
        return false;
    }
    // Pictures stay in memory until the page's family says whether it takes them from there.
    HeldMembers held;
    if (!unpackArchive(context.format, path, scratch.path(), context.limits, error, &result, &held))
        return false;
    PageModel trial;
    trial.documentType = page.documentType;
    if (!buildPage(trial, scratch.path(), held, context, error, result))
        return false;

    // The file is good: now the staging members and the page are replaced.
    context.staging.clear(true);
    if (!context.staging.adoptFrom(scratch.path(), error)) {
        result.trouble = writeTrouble(context.staging.folder(), QFileInfo(path).size());
        return false;
    }
    trial.layoutPath = context.staging.memberPath(QStringLiteral("layout.xml"));
    page = std::move(trial);
    return true;
}

} // namespace quillora
