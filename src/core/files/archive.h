#pragma once
// The ZIP container as the work file code sees it: a list of members with their announced
// sizes, read one at a time with a byte limit, and a writer of bare-named members. The platform
// layer supplies the real ZIP implementation; tests supply an in-memory one.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>
#include <memory>
#include <utility>

namespace quillora {

struct ArchiveEntry {
    QString name;                // as stored, may hold folders or ".." in a hostile archive
    qint64 uncompressedSize = 0; // as announced by the archive; verified while reading
    bool isDirectory = false;
    bool isSymbolicLink = false;
};

// Members that travel between the page and a work file in memory, by name, instead of as files
// of the staging folder: pictures a page keeps encoded go straight into the archive and come
// straight out of it, sparing the disk a file for each of a table's many cells.
using HeldMembers = QMap<QString, QByteArray>;

class ArchiveReader {
public:
    virtual ~ArchiveReader() = default;
    virtual QVector<ArchiveEntry> entries() const = 0;
    // Reads member `index` whole; fails when it holds more than `maxBytes` bytes, whatever its
    // announced size says.
    [[nodiscard]] virtual bool read(int index, qint64 maxBytes, QByteArray *out,
                                    QString *error) = 0;
};

class ArchiveWriter {
public:
    virtual ~ArchiveWriter() = default;
    [[nodiscard]] virtual bool add(const QString &name, const QByteArray &bytes,
                                   QString *error) = 0;
    // Adds the members in order, as add() one by one; a writer may squeeze them side by side.
    [[nodiscard]] virtual bool addAll(const QVector<std::pair<QString, QByteArray>> &members,
                                      QString *error)
    {
        for (const auto &[name, bytes] : members) {
            if (!add(name, bytes, error))
                return false;
        }
        return true;
    }
    // Completes the archive and puts it in place of the target; until then the target is
    // untouched. Without a successful finish nothing is left at the target.
    [[nodiscard]] virtual bool finish(QString *error) = 0;
};

// How hard the writer squeezes the members: a work file the child keeps is packed small; a
// recovery file, written again and again while the child works, is packed quickly.
enum class Packing { Small, Quick };

class ArchiveFormat {
public:
    virtual ~ArchiveFormat() = default;
    virtual std::unique_ptr<ArchiveReader> openReader(const QString &path, QString *error) = 0;
    virtual std::unique_ptr<ArchiveWriter> createWriter(const QString &path, QString *error) = 0;
    // A writer that spends less time and packs less tightly; a format without that choice
    // packs as always. Its archives read like any other.
    virtual std::unique_ptr<ArchiveWriter> createQuickWriter(const QString &path, QString *error)
    {
        return createWriter(path, error);
    }
};

} // namespace quillora
