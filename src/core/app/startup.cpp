#include "core/app/startup.h"

#include "core/app/folderresolution.h"
#include "core/files/filecommands.h"
#include "core/foundation/fontmapping.h"
#include "core/foundation/paths.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

quint32 seedFromClock(const QDateTime &now)
{
    const quint64 ms = quint64(now.toMSecsSinceEpoch());
    return quint32(ms ^ (ms >> 32));
}

QString drawRunTag(RandomSource &random)
{
    QString tag;
    tag.reserve(kRunTagLength);
    for (int i = 0; i < kRunTagLength; ++i)
        tag.append(QChar(u'A' + int(random.nextUnit() * 26)));
    return tag;
}

QString commandLineText(const QStringList &arguments)
{
    return arguments.mid(1).join(u' ');
}

QString workFileFromCommandLine(const QString &commandLine)
{
    QString path = commandLine.trimmed();
    if (path.startsWith(u'"'))
        path.remove(0, 1);
    if (path.endsWith(u'"'))
        path.chop(1);
    return path;
}

SettingsFileState loadSettings(ProgramServices &ctx, bool installationWritable)
{
    const Folders &machine = ctx.env.folders;
    ResolvedFolders &folders = ctx.folders;
    folders.installation = machine.installation;

    const SettingsLocation location = settingsLocation(machine, installationWritable);
    folders.settingsFile = location.writeTo;
    const SettingsFileRead shared =
        machine.systemConfig.isEmpty()
            ? SettingsFileRead{}
            : readSettingsFile(paths::join(machine.systemConfig, kSettingsFileName));
    const SettingsFileRead file = readSettingsFile(location.readFrom);
    ctx.lockedSettings = shared.text.lockedKeys();

    ctx.settings = settingsFromText(
        SettingsText::layered(shared.text, file.text, ctx.lockedSettings), machine.installation);
    ctx.settings.dataPath = resolveDataFolder(ctx.settings.dataPath, machine.installation);
    folders.data = ctx.settings.dataPath;
    folders.working = resolveWorkingFolder(ctx.settings.workingDir, machine.documents);
    folders.temporary = resolveTemporaryFolder(ctx.settings.tempPath, machine.systemTemp);
    if (!folders.temporary.isEmpty())
        QDir().mkpath(folders.temporary);
    folders.staging = makeStagingFolder(folders.temporary, ctx.runTag);
    return file.state;
}

void loadProgramLanguage(ProgramServices &ctx)
{
    const LanguageChoice choice = chooseLanguage(ctx.settings.language, ctx.env.languages);
    ctx.language =
        loadLanguage(choice, paths::join(ctx.folders.data, QStringLiteral("translations")),
                     ctx.env.folders.qtTranslations);
    if (!choice.problem.isEmpty())
        ctx.language.problem = choice.problem;
    ctx.translator.setCatalogue(ctx.language.program);
}

StartupResult startUp(ProgramServices &ctx, const QStringList &arguments)
{
    ctx.random.seed(seedFromClock(ctx.env.clock()));
    ctx.runTag = drawRunTag(ctx.random);

    const QString installation = ctx.env.folders.installation;
    const QString besideProgram = paths::languageFile(installation);
    ctx.translator.load(QFileInfo::exists(besideProgram) ? besideProgram
                                                         : paths::sharedLanguageFile(installation));
    installFontSubstitutions();

    StartupResult result;
    result.settingsState = loadSettings(ctx, canWriteSettingsIn(ctx.env.folders.installation));
    loadProgramLanguage(ctx);

    // The undo store (20 entries) is set up here, once the settings are in.

    ctx.fileDialogFolder = ctx.folders.working;
    ctx.importDialogFolder = ctx.folders.working;

    result.workFile = workFileFromCommandLine(commandLineText(arguments));
    result.next = result.workFile.isEmpty() ? StartupResult::Next::ShowStartScreen
                                            : StartupResult::Next::OpenWorkFile;
    return result;
}

} // namespace quillora
