#include "core/app/folderresolution.h"

#include "core/app/settingsfile.h"
#include "core/foundation/paths.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

QString resolveWorkingFolder(const QString &workingDir, const QString &documentsFolder)
{
    return workingDir == kMyDocumentsWord ? documentsFolder : workingDir;
}

QString resolveTemporaryFolder(const QString &tempPath, const QString &systemTemp)
{
    return tempPath == kUserTempWord ? paths::join(systemTemp, QStringLiteral("quillora"))
                                     : tempPath;
}

bool hasLayoutsFolder(const QString &dataFolder)
{
    if (dataFolder.isEmpty())
        return false;
    const QString layouts = QStringLiteral("layouts");
    if (!QFileInfo(paths::join(dataFolder, layouts)).isDir())
        return false;
    // The file system may ignore case; the folder must still be named exactly so.
    return QDir(dataFolder)
        .entryList({layouts}, QDir::Dirs | QDir::CaseSensitive)
        .contains(layouts);
}

QString resolveDataFolder(const QString &configured, const QString &installationFolder)
{
    if (hasLayoutsFolder(configured))
        return configured;
    for (const QString &installed : {paths::defaultDataFolder(installationFolder),
                                     paths::sharedDataFolder(installationFolder)}) {
        if (hasLayoutsFolder(installed))
            return installed;
    }
    return configured;
}

bool canWriteSettingsIn(const QString &folder)
{
    const QFileInfo dir(folder);
    if (folder.isEmpty() || !dir.isDir() || !dir.isWritable())
        return false;
    const QFileInfo file(paths::join(folder, kSettingsFileName));
    return !file.exists() || file.isWritable();
}

SettingsLocation settingsLocation(const Folders &folders, bool installationWritable)
{
    const QString installed = paths::join(folders.installation, kSettingsFileName);
    const QString personal = folders.userConfig.isEmpty()
                                 ? installed
                                 : paths::join(folders.userConfig, kSettingsFileName);
    SettingsLocation location;
    location.writeTo = installationWritable ? installed : personal;
    const QString other = installationWritable ? personal : installed;
    location.readFrom =
        !QFileInfo::exists(location.writeTo) && QFileInfo::exists(other) ? other : location.writeTo;
    return location;
}

} // namespace quillora
