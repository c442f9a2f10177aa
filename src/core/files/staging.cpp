#include "core/files/staging.h"

#include "core/foundation/fileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace quillora {
namespace {

void removeMatching(const QDir &dir, const QString &pattern)
{
    const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        QFile::remove(dir.filePath(name));
}

bool writeMember(const QString &folder, const QString &name, const QByteArray &bytes,
                 QString *error, FileOutcome &outcome)
{
    const QString path = QDir(folder).filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
        !out.flush()) {
        outcome.trouble = writeTrouble(path, bytes.size());
        setError(error, QStringLiteral("cannot write %1: %2").arg(name, out.errorString()));
        return false;
    }
    return true;
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

QStringList Staging::membersToPack(const HeldMembers &held) const
{
    QDir dir(m_folder);
    QFile::remove(dir.filePath(QStringLiteral("web.bmp")));
    QStringList members;
    QSet<QString> seen;
    for (const char *pattern : {"*.txt", "*.bmp", "*.rtf", "*.xml", "layout*.png", "step*.png"}) {
        const QString wildcard = QString::fromLatin1(pattern);
        QStringList names = dir.entryList({wildcard}, QDir::Files);
        const QRegularExpression matching = QRegularExpression::fromWildcard(wildcard);
        for (auto member = held.keyBegin(); member != held.keyEnd(); ++member) {
            if (matching.match(*member).hasMatch() && !names.contains(*member))
                names.append(*member);
        }
        names.sort();
        for (const QString &name : std::as_const(names)) {
            if (!seen.contains(name)) {
                seen.insert(name);
                members.append(name);
            }
        }
    }
    return members;
}

qint64 Staging::bytesToPack(const HeldMembers &held) const
{
    qint64 bytes = 0;
    for (const QString &name : membersToPack(held)) {
        const auto inMemory = held.constFind(name);
        bytes += inMemory != held.cend() ? inMemory->size() : QFileInfo(memberPath(name)).size();
    }
    return bytes;
}

bool Staging::pack(ArchiveFormat &format, const QString &archivePath, QString *error,
                   Packing packing, const HeldMembers &held) const
{
    const QStringList members = membersToPack(held);
    auto writer = packing == Packing::Quick ? format.createQuickWriter(archivePath, error)
                                            : format.createWriter(archivePath, error);
    if (!writer)
        return false;
    QVector<std::pair<QString, QByteArray>> contents;
    contents.reserve(members.size());
    for (const QString &name : members) {
        if (const auto inMemory = held.constFind(name); inMemory != held.cend()) {
            contents.append({name, *inMemory});
            continue;
        }
        QFile file(memberPath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            setError(error, QStringLiteral("cannot read %1: %2").arg(name, file.errorString()));
            return false;
        }
        contents.append({name, file.readAll()});
    }
    return writer->addAll(contents, error) && writer->finish(error);
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

bool writeHeldMembers(const HeldMembers &held, const QString &folder, QString *error,
                      FileOutcome *outcome)
{
    FileOutcome ignored;
    for (auto member = held.cbegin(); member != held.cend(); ++member) {
        if (!writeMember(folder, member.key(), *member, error, outcome ? *outcome : ignored))
            return false;
    }
    return true;
}

bool unpackArchive(ArchiveFormat &format, const QString &archivePath, const QString &targetFolder,
                   const UnpackLimits &limits, QString *error, FileOutcome *outcome,
                   HeldMembers *held)
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
    qint64 total = 0;
    qint64 heldBytes = 0;
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
        // A name met twice would otherwise let a later member replace a checked one unseen.
        if (written.contains(entry.name)) {
            setError(error, QStringLiteral("the archive holds %1 twice").arg(entry.name));
            return false;
        }
        written.insert(entry.name);
        if (held && heldBytes + bytes.size() <= limits.maxHeldBytes &&
            entry.name.startsWith(u"pic") && entry.name.endsWith(u".bmp")) {
            heldBytes += bytes.size();
            held->insert(entry.name, bytes);
        } else if (!writeMember(targetFolder, entry.name, bytes, error, result)) {
            return false;
        }
    }
    result.trouble = FileTrouble::None;
    return true;
}

} // namespace quillora
