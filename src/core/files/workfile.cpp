#include "core/files/workfile.h"

#include "core/doctypes/pagefamily.h"
#include "core/files/members.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quillora {
namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool writeMembers(const PageModel &page, const Staging &staging, const SavedLayoutOptions &options,
                  QString *error)
{
    const PageFamily *family = pageFamilyFor(page.documentType);
    if (!family) {
        setError(error, kNotReadyMessage);
        return false;
    }
    if (!family->writeMembers(page, staging.folder(), error) ||
        !family->writeDescription(page, staging, options, error))
        return false;
    return writeFileInfo(staging.memberPath(QStringLiteral("fileinfo.xml")), codeOf(page.documentType), {}, error);
}

// Builds the page from a folder of unpacked members.
bool buildPage(PageModel &page, const QString &folder, const PageFitInputs &fit, QString *error)
{
    const QDir dir(folder);
    if (const auto code = readFileInfo(dir.filePath(QStringLiteral("fileinfo.xml")))) {
        const std::optional<DocumentKind> kind = documentKindFromCode(*code);
        if (!kind) {
            setError(error, QStringLiteral("this work file was made by a newer Quillora"));
            return false;
        }
        page.documentType = *kind;
    }
    const PageFamily *family = pageFamilyFor(page.documentType);
    if (!family) {
        setError(error, kNotReadyMessage);
        return false;
    }
    const QString layout = dir.filePath(QStringLiteral("layout.xml"));
    if (!QFile::exists(layout)) {
        setError(error, QStringLiteral("this work file has no page description"));
        return false;
    }
    PageFitInputs pageFit = fit;
    pageFit.documentType = page.documentType;
    if (!family->readDescription(layout, page, pageFit, error))
        return false;
    family->readMembers(page, folder);
    return true;
}

} // namespace

bool saveWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  const SavedLayoutOptions &options, QString *error)
{
    QDir().mkpath(context.staging.folder());
    context.staging.clear(false);
    if (!writeMembers(page, context.staging, options, error))
        return false;
    if (!context.staging.pack(context.format, path, error))
        return false;
    page.countAtLastSave = page.changeCount;
    return true;
}

bool openWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  QString *error)
{
    QTemporaryDir scratch(QDir(context.staging.folder()).filePath(QStringLiteral("../open-XXXXXX")));
    if (!scratch.isValid()) {
        setError(error, QStringLiteral("no room to open the file"));
        return false;
    }
    if (!unpackArchive(context.format, path, scratch.path(), context.limits, error))
        return false;
    PageModel trial;
    trial.documentType = page.documentType;
    if (!buildPage(trial, scratch.path(), context.fit, error))
        return false;

    // The file is good: now the staging members and the page are replaced.
    QDir().mkpath(context.staging.folder());
    context.staging.clear(true);
    if (!context.staging.adoptFrom(scratch.path(), error))
        return false;
    trial.layoutPath = context.staging.memberPath(QStringLiteral("layout.xml"));
    page = std::move(trial);
    return true;
}

} // namespace quillora
