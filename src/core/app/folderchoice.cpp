#include "core/app/folderchoice.h"

#include <QDir>

namespace quillora::folderchoice {

QString resolveWorkingFolder(const QString &workingDir, const Folders &folders)
{
    if (workingDir == kMyDocuments)
        return folders.documents;
    return workingDir;
}

void choose(AppContext &context, bool useMyDocuments, const QString &folder)
{
    context.settings.workingDir =
        useMyDocuments ? kMyDocuments.toString() : QDir::cleanPath(folder);
    context.folders.working =
        resolveWorkingFolder(context.settings.workingDir, context.env.folders);
    context.fileDialogFolder = context.folders.working;
    context.importDialogFolder = context.folders.working;
}

} // namespace quillora::folderchoice
