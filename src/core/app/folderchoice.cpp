#include "core/app/folderchoice.h"

#include "core/app/folderresolution.h"
#include "core/app/settingsfile.h"

#include <QDir>

namespace quillora::folderchoice {

void choose(AppContext &context, bool useMyDocuments, const QString &folder)
{
    context.settings.workingDir =
        useMyDocuments ? kMyDocumentsWord : QDir::cleanPath(folder);
    context.folders.working =
        resolveWorkingFolder(context.settings.workingDir, context.env.folders.documents);
    context.fileDialogFolder = context.folders.working;
    context.importDialogFolder = context.folders.working;
}

} // namespace quillora::folderchoice
