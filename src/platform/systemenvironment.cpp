#include "platform/systemenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

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
    const QString stateHome = qEnvironmentVariable(
        "XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"));
    env.folders.userState = stateHome + QStringLiteral("/quillora");
    return env;
}

} // namespace quillora
