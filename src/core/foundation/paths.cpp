#include "core/foundation/paths.h"

namespace quillora::paths {

QString normalise(const QString &path)
{
    const qsizetype n = path.size();
    if (n < 2)
        return path;
    QString result;
    result.reserve(n);
    result.append(path.front());
    for (qsizetype i = 1; i < n - 1; ++i) {
        if (path[i] == kSeparator && path[i + 1] == kSeparator)
            continue;
        result.append(path[i]);
    }
    result.append(path.back());
    return result;
}

QString join(const QString &first, const QString &second)
{
    return normalise(first + kSeparator + second);
}

QString parentFolder(const QString &folder)
{
    QString trimmed = folder;
    if (trimmed.endsWith(kSeparator))
        trimmed.chop(1);
    const qsizetype cut = trimmed.lastIndexOf(kSeparator);
    return cut < 0 ? QString() : trimmed.left(cut);
}

QString languageFile(const QString &installationFolder)
{
    return join(parentFolder(installationFolder), QStringLiteral("language/lang.txt"));
}

QString defaultDataFolder(const QString &installationFolder)
{
    return join(installationFolder, QStringLiteral("data"));
}

QString sharedDataFolder(const QString &installationFolder)
{
    return join(parentFolder(installationFolder), QStringLiteral("share/quillora"));
}

QString sharedLanguageFile(const QString &installationFolder)
{
    return join(sharedDataFolder(installationFolder), QStringLiteral("language/lang.txt"));
}

} // namespace quillora::paths
