#include "platform/systemenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QLibraryInfo>
#include <QLocale>

namespace quillora {

Environment systemEnvironment()
{
    Environment env;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        env.screen.widthPx = size.width();
        env.screen.heightPx = size.height();
    }
    env.folders.installation = QCoreApplication::applicationDirPath();
    env.folders.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    env.folders.systemTemp = QDir::tempPath();
    env.folders.userConfig = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // A school's technician may keep the shared settings elsewhere (and the tests do).
    env.folders.systemConfig =
        qEnvironmentVariable("QUILLORA_SYSTEM_CONFIG", QStringLiteral("/etc/quillora"));
    const QString stateHome =
        qEnvironmentVariable("XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"));
    env.folders.userState = stateHome + QStringLiteral("/quillora");
    const QString dataHome =
        qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    env.folders.userData = dataHome + QStringLiteral("/quillora");
    env.folders.qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    env.languages = QLocale::system().uiLanguages();
    // End-to-end scenarios wait a second for an autosave instead of twenty, and for a
    // progress picture instead of minutes.
    if (const int seconds = qEnvironmentVariableIntValue("QUILLORA_AUTOSAVE_SECONDS"); seconds > 0)
        env.autosaveInterval = std::chrono::seconds(seconds);
    if (const int seconds = qEnvironmentVariableIntValue("QUILLORA_SNAPSHOT_SECONDS"); seconds > 0)
        env.progressSnapshotInterval = std::chrono::seconds(seconds);
    return env;
}

} // namespace quillora
