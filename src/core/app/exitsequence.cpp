#include "core/app/exitsequence.h"

#include "core/app/settingsfile.h"

#include <QDir>
#include <QFile>

namespace quillora {

bool shouldOfferToSave(const Settings &settings, const PageModel &page)
{
    return !settings.neverOfferToSave && page.hasUnsavedChanges();
}

SaveOfferAction saveOfferAction(DialogAnswer answer)
{
    switch (answer) {
    case DialogAnswer::Yes:
        return SaveOfferAction::Save;
    case DialogAnswer::No:
        return SaveOfferAction::DontSave;
    case DialogAnswer::None:
    case DialogAnswer::Closed:
        break;
    }
    return SaveOfferAction::StayInProgram;
}

int deleteRunFiles(const QString &temporaryFolder, const QString &runTag)
{
    if (temporaryFolder.isEmpty() || runTag.isEmpty())
        return 0;
    const QString prefix = QStringLiteral("upic") + runTag;
    const QDir folder(temporaryFolder);
    const QStringList names = folder.entryList(
        {prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    int deleted = 0;
    for (const QString &name : names) {
        if (name.startsWith(prefix, Qt::CaseSensitive) && QFile::remove(folder.filePath(name)))
            ++deleted;
    }
    return deleted;
}

ExitResult finishExit(const ProgramServices &ctx)
{
    ExitResult result;
    result.settingsWritten =
        writeSettingsFile(ctx.folders.settingsFile, ctx.settings, &result.settingsError);
    result.runFilesDeleted = deleteRunFiles(ctx.folders.temporary, ctx.runTag);
    return result;
}

} // namespace quillora
