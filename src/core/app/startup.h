#pragma once
// Start-up of the program up to the first window: run tag, language, folders and settings,
// and what the shell shows first.

#include "core/app/programservices.h"
#include "core/app/settingsfile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quillora {

inline constexpr int kRunTagLength = 8;

// A generator seed from the time of day, so every run draws a different tag.
quint32 seedFromClock(const QDateTime &now);

// Eight capitals A..Z, each 65 + integer part of (random × 26).
QString drawRunTag(RandomSource &random);

// The command line after the program name, as one text (arguments joined by single spaces).
QString commandLineText(const QStringList &arguments);

// The work file the command line names: one leading and one trailing double quote removed.
// "" when the command line is empty.
QString workFileFromCommandLine(const QString &commandLine);

// Resolves where the settings file is, reads it and fills `ctx.settings` and the working,
// temporary and data folders; creates the temporary folder (a failure to do so is ignored).
// `installationWritable` decides whether the settings file lives in the installation folder.
SettingsFileState loadSettings(ProgramServices &ctx, bool installationWritable);

struct StartupResult {
    enum class Next { ShowStartScreen, OpenWorkFile };
    Next next = Next::ShowStartScreen;
    QString workFile; // for OpenWorkFile
    SettingsFileState settingsState = SettingsFileState::Missing;
};

// Chooses the program's language from the "Language" setting and the computer's languages,
// loads its catalogues from the data folder's "translations" and puts them beneath the school's
// language file. An unknown language or a missing or damaged catalogue leaves English; the reason
// is in `ctx.language.problem`.
void loadProgramLanguage(ProgramServices &ctx);

// Runs start-up on `ctx` in its fixed order: seed and run tag, language file, font stand-ins,
// folders and settings, the program's language, dialog folders; then tells the shell whether to
// open the work file named on the command line (`arguments` as QCoreApplication::arguments() gives
// them) or show the start screen.
StartupResult startUp(ProgramServices &ctx, const QStringList &arguments);

} // namespace quillora
