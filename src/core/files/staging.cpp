#include "core/files/staging.h"

#include "core/foundation/fileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace quillora {
namespace {

void removeMatching(const QDir &dir, const QString &pattern)
{
    const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        QFile::remove(dir.filePath(name));
}

} // namespace

QString Staging::memberPath(const QString &memberName) const
{
    return QDir(m_folder).filePath(memberName);
}

void Staging::clear(bool withPreviews) const
{
    const QDir dir(m_folder);
    for (const char *pattern :
         {"pic*.bmp", "border.bmp", "layoutmap.bmp", "text*.txt", "rtb*.rtf", "*.xml", "step*.png"})
        removeMatching(dir, QString::fromLatin1(pattern));
    if (withPreviews)
        removeMatching(dir, QStringLiteral("layout*.png"));
}

QStringList Staging::membersToPack() const
{
    QDir dir(m_folder);
    QFile::remove(dir.filePath(QStringLiteral("web.bmp")));
    QStringList members;
    QSet<QString> seen;
    for (const char *pattern : {"*.txt", "*.bmp", "*.rtf", "*.xml", "layout*.png", "step*.png"}) {
        const QStringList names =
            dir.entryList({QString::fromLatin1(pattern)}, QDir::Files, QDir::Name);
        for (const QString &name : names) {
            if (!seen.contains(name)) {
                seen.insert(name);
                members.append(name);
            }
        }
    }
    return members;
}

qint64 Staging::bytesToPack() const
{
    qint64 bytes = 0;
    for (const QString &name : membersToPack())
        bytes += QFileInfo(memberPath(name)).size();
    return bytes;
}

bool Staging::pack(ArchiveFormat &format, const QString &archivePath, QString *error,
                   Packing packing) const
{
    const QStringList members = membersToPack();
    auto writer = packing == Packing::Quick ? format.createQuickWriter(archivePath, error)
                                            : format.createWriter(archivePath, error);
    if (!writer)
        return false;
    for (const QString &name : members) {
        QFile file(memberPath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            setError(error, QStringLiteral("cannot read %1: %2").arg(name, file.errorString()));
            return false;
        }
        if (!writer->add(name, file.readAll(), error))
            return false;
    }
    return writer->finish(error);
}

bool Staging::adoptFrom(const QString &folder, QString *error) const
{
    QDir(m_folder).mkpath(QStringLiteral("."));
    const QDir source(folder);
    const QStringList names = source.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString target = memberPath(name);
        QFile::remove(target);
        if (!QFile::rename(source.filePath(name), target) &&
            !QFile::copy(source.filePath(name), target)) {
            setError(error, QStringLiteral("cannot place %1 in the temporary folder").arg(name));
            return false;
        }
    }
    return true;
}

bool isSafeMemberName(const QString &name)
{
    if (name.isEmpty() || name.size() > 255 || name == u"." || name == u"..")
        return false;
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

bool unpackArchive(ArchiveFormat &format, const QString &archivePath, const QString &targetFolder,
                   const UnpackLimits &limits, QString *error, FileOutcome *outcome)
{
    FileOutcome ignored;
    FileOutcome &result = outcome ? *outcome : ignored;
    result.trouble = FileTrouble::Damaged;
    auto reader = format.openReader(archivePath, error);
    if (!reader)
        return false;
    const QVector<ArchiveEntry> entries = reader->entries();
    if (entries.size() > limits.maxMembers) {
        result.trouble = FileTrouble::TooBig;
        setError(error,
                 QStringLiteral("the archive has too many members (%1)").arg(entries.size()));
        return false;
    }
    const QDir target(targetFolder);
    qint64 total = 0;
    QSet<QString> written;
    for (int i = 0; i < entries.size(); ++i) {
        const ArchiveEntry &entry = entries[i];
        // Folders, links and names that would land outside the folder are passed over.
        if (entry.isDirectory)
            continue;
        if (entry.isSymbolicLink || !isSafeMemberName(entry.name)) {
            qCInfo(lcFiles) << "passed over the unsafe member" << entry.name;
            result.partsSkipped = true;
            continue;
        }
        if (entry.uncompressedSize > limits.maxMemberBytes ||
            total + entry.uncompressedSize > limits.maxTotalBytes) {
            result.trouble = FileTrouble::TooBig;
            setError(error, QStringLiteral("the archive member %1 is too large").arg(entry.name));
            return false;
        }
        const qint64 allowed = std::min(limits.maxMemberBytes, limits.maxTotalBytes - total);
        QByteArray bytes;
        if (!reader->read(i, allowed, &bytes, error))
            return false;
        total += bytes.size();
        const QString path = target.filePath(entry.name);
        // A name met twice would otherwise let a later member replace a checked one unseen.
        if (written.contains(entry.name)) {
            setError(error, QStringLiteral("the archive holds %1 twice").arg(entry.name));
            return false;
        }
        written.insert(entry.name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size() || !out.flush()) {
            result.trouble = writeTrouble(path, bytes.size());
            setError(error,
                     QStringLiteral("cannot write %1: %2").arg(entry.name, out.errorString()));
            return false;
        }
    }
    result.trouble = FileTrouble::None;
    return true;
}

} // namespace quillora
