#include "core/app/folderchoice.h"

#include "core/app/folderresolution.h"
#include "core/app/settingsfile.h"

#include <QDir>

namespace quillora::folderchoice {

void choose(ProgramServices &context, bool useMyDocuments, const QString &folder)
{
    context.settings.workingDir = useMyDocuments ? kMyDocumentsWord : QDir::cleanPath(folder);
    context.folders.working =
        resolveWorkingFolder(context.settings.workingDir, context.env.folders.documents);
    context.fileDialogFolder = context.folders.working;
    context.importDialogFolder = context.folders.working;
}

QString friendlyName(const ProgramServices &context, const QString &folder)
{
    const QString documents = context.env.folders.documents;
    if (!documents.isEmpty() && QDir::cleanPath(folder) == QDir::cleanPath(documents))
        return context.tr(QStringLiteral("My Documents"));
    const QString name = QDir(folder).dirName();
    return name.isEmpty() ? folder : name;
}

QString shownSetting(const ProgramServices &context)
{
    const QString &setting = context.settings.workingDir;
    return setting == kMyDocumentsWord ? context.tr(QStringLiteral("My Documents")) : setting;
}

} // namespace quillora::folderchoice
