#include "core/files/filecommands.h"

#include "core/foundation/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace quillora {

QString withWorkFileExtension(const QString &name)
{
    // The comparison is exact: "WORK.QLR" becomes "WORK.QLR.qlr".
    return name.endsWith(kWorkFileExtension, Qt::CaseSensitive)
               ? name
               : name + kWorkFileExtension.toString();
}

QString workFilePathFor(const QString &folder, const QString &name)
{
    return withWorkFileExtension(paths::join(folder, name));
}

QString proposedSaveName(const QString &currentFilePath)
{
    if (currentFilePath.isEmpty())
        return {};
    const QString fileName = QFileInfo(currentFilePath).fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

CleanedName cleanFileName(const QString &text, int caret)
{
    CleanedName cleaned;
    caret = std::clamp(caret, 0, int(text.size()));
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool kept = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ||
                          (c >= u'a' && c <= u'z') || c == u' ' || (c >= 192 && c <= 255);
        if (kept)
            cleaned.text.append(QChar(c));
        if (i == caret - 1)
            cleaned.caret = int(cleaned.text.size());
    }
    return cleaned;
}

QStringList workFilesIn(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    QStringList names = QDir(folder).entryList({QStringLiteral("*.qlr")}, QDir::Files);
    // Only names the dialog can open again: a typed or chosen name gets exactly ".qlr".
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &n) { return !n.endsWith(kWorkFileExtension); }),
                names.end());
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString makeStagingFolder(const QString &temporaryFolder, const QString &runTag)
{
    if (temporaryFolder.isEmpty())
        return {};
    QDir().mkpath(temporaryFolder);
    QTemporaryDir folder(
        paths::join(temporaryFolder, QStringLiteral("staging-%1-XXXXXX").arg(runTag)));
    if (!folder.isValid())
        return {};
    // It lives as long as the run; the exit sequence removes it.
    folder.setAutoRemove(false);
    return folder.path();
}

QString previewFolderIn(const QString &stagingFolder)
{
    return QDir(stagingFolder).filePath(QStringLiteral("preview"));
}

void removeStagingFolder(const QString &stagingFolder)
{
    if (!stagingFolder.isEmpty())
        QDir(stagingFolder).removeRecursively();
}

} // namespace quillora
