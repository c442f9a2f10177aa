#pragma once
// The folders the settings name, resolved to real folders, and where the settings file itself
// is read from and written to.

#include "core/foundation/environment.h"

#include <QString>

namespace quillora {

// The documents folder for the word "MYDOCS", else the value itself.
QString resolveWorkingFolder(const QString &workingDir, const QString &documentsFolder);

// System temporary folder + "/quillora" for the word "USERTEMP", else the value itself.
QString resolveTemporaryFolder(const QString &tempPath, const QString &systemTemp);

// Whether the folder holds a sub-folder named exactly "layouts".
bool hasLayoutsFolder(const QString &dataFolder);

// The configured data folder when it holds "layouts"; otherwise installation + "/data" when
// that one does (a build tree), then the installed program's shared data folder; otherwise the
// configured folder stays (opening a layout then reports it).
QString resolveDataFolder(const QString &configured, const QString &installationFolder);

// Whether a settings file can be (re)written in the folder.
bool canWriteSettingsIn(const QString &folder);

struct SettingsLocation {
    QString readFrom; // the file to read at start-up
    QString writeTo;  // the file written at exit
};

// The settings file lives in the installation folder when that folder is writable, else in
// the user's configuration folder. It is read from where it is written when that file exists,
// so that a user's own settings are never shadowed by a read-only shared copy; otherwise from
// the other place, so that a shared or earlier copy still gives the starting values.
SettingsLocation settingsLocation(const Folders &folders, bool installationWritable);

} // namespace quillora
