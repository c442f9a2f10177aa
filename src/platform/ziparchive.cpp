#include "platform/ziparchive.h"

#include "core/files/wholefile.h"
#include "core/foundation/fileaccess.h"
#include "core/foundation/parallel.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

#include <zlib.h>

namespace quillora {
namespace {

class ZipReader : public ArchiveReader {
public:
    explicit ZipReader(const QString &path) : m_zip(path) {}

    bool open(QString *error)
    {
        if (!m_zip.open(QuaZip::mdUnzip)) {
            setError(error,
                     QStringLiteral("not a readable archive (code %1)").arg(m_zip.getZipError()));
            return false;
        }
        for (bool more = m_zip.goToFirstFile(); more; more = m_zip.goToNextFile()) {
            QuaZipFileInfo64 info;
            if (!m_zip.getCurrentFileInfo(&info)) {
                setError(error, QStringLiteral("the archive's directory is damaged"));
                return false;
            }
            ArchiveEntry entry;
            entry.name = info.name;
            entry.uncompressedSize = qint64(info.uncompressedSize);
            entry.isDirectory = info.name.endsWith(u'/') || info.name.endsWith(u'\\');
            entry.isSymbolicLink = info.isSymbolicLink();
            m_entries.append(entry);
            unz64_file_pos position{};
            unzGetFilePos64(m_zip.getUnzFile(), &position);
            m_positions.append(position);
            // Stop listing early: the caller refuses archives this large anyway.
            if (m_entries.size() > kListLimit)
                break;
        }
        if (m_zip.getZipError() != UNZ_OK && m_zip.getZipError() != UNZ_END_OF_LIST_OF_FILE) {
            setError(error, QStringLiteral("the archive's directory is damaged"));
            return false;
        }
        return true;
    }

    QVector<ArchiveEntry> entries() const override { return m_entries; }

    bool read(int index, qint64 maxBytes, QByteArray *out, QString *error) override
    {
        if (index < 0 || index >= m_entries.size()) {
            setError(error, QStringLiteral("no such member"));
            return false;
        }
        // Names may repeat, so the place noted while listing is the only safe key; walking there
        // from the first member each time made reading every member quadratic.
        if (!m_zip.goToFirstFile() ||
            unzGoToFilePos64(m_zip.getUnzFile(), &m_positions[index]) != UNZ_OK) {
            setError(error, QStringLiteral("the archive's directory is damaged"));
            return false;
        }
        QuaZipFile file(&m_zip);
        if (!file.open(QIODevice::ReadOnly)) {
            setError(error, QStringLiteral("cannot read %1 (code %2)")
                                .arg(m_entries[index].name)
                                .arg(file.getZipError()));
            return false;
        }
        QByteArray bytes;
        char buffer[64 * 1024];
        while (true) {
            const qint64 n = file.read(buffer, sizeof buffer);
            if (n < 0) {
                setError(error, QStringLiteral("%1 is damaged").arg(m_entries[index].name));
                return false;
            }
            if (n == 0)
                break;
            if (bytes.size() + n > maxBytes) {
                setError(error, QStringLiteral("%1 is too large").arg(m_entries[index].name));
                return false;
            }
            bytes.append(buffer, n);
        }
        file.close();
        if (file.getZipError() != UNZ_OK) {
            setError(error, QStringLiteral("%1 is damaged").arg(m_entries[index].name));
            return false;
        }
        *out = std::move(bytes);
        return true;
    }

private:
    static constexpr int kListLimit = 100000;
    QuaZip m_zip;
    QVector<ArchiveEntry> m_entries;
    QVector<unz64_file_pos> m_positions; // of each entry, in the archive's directory
};

// A member deflated as the archive stores it, with the checksum of its bytes.
struct Squeezed {
    QByteArray bytes;
    quint32 crc = 0;
    bool done = false;
};

Squeezed squeeze(const QByteArray &bytes, int level)
{
    Squeezed out;
    z_stream stream{};
    // Raw deflate, as minizip writes it: no zlib header, the window and memory it uses.
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return out;
    out.bytes.resize(qsizetype(deflateBound(&stream, uLong(bytes.size()))));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.bytes.data());
    stream.avail_out = uInt(out.bytes.size());
    out.done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.bytes.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    out.crc =
        quint32(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
    return out;
}

class ZipWriter : public ArchiveWriter {
public:
    ZipWriter(const QString &path, int level)
        : m_target(path), m_zip(&m_target.device()), m_level(level)
    {
    }

    bool open(QString *error)
    {
        if (!m_target.open(error))
            return false;
        m_zip.setAutoClose(false);
        if (!m_zip.open(QuaZip::mdCreate)) {
            setError(error,
                     QStringLiteral("cannot start the archive (code %1)").arg(m_zip.getZipError()));
            return false;
        }
        return true;
    }

    ~ZipWriter() override
    {
        if (m_zip.isOpen())
            m_zip.close();
    }

    bool add(const QString &name, const QByteArray &bytes, QString *error) override
    {
        return store(name, bytes, nullptr, error);
    }

    // A table's many pictures are deflated side by side, then stored one after the other.
    bool addAll(const QVector<std::pair<QString, QByteArray>> &members, QString *error) override
    {
        std::vector<Squeezed> squeezed(size_t(members.size()));
        forEachInParallel(int(members.size()), [&](int i) {
            squeezed[size_t(i)] = squeeze(members[i].second, m_level);
        });
        for (int i = 0; i < members.size(); ++i) {
            const Squeezed &ready = squeezed[size_t(i)];
            if (!store(members[i].first, members[i].second, ready.done ? &ready : nullptr, error))
                return false;
        }
        return true;
    }

    bool finish(QString *error) override
    {
        m_zip.close();
        if (m_zip.getZipError() != ZIP_OK) {
            setError(
                error,
                QStringLiteral("cannot complete the archive (code %1)").arg(m_zip.getZipError()));
            return false;
        }
        return m_target.commit(error, [this](QIODevice &written, QString *why) {
            return listsEveryMember(written, why);
        });
    }

private:
    struct Added {
        QString name;
        qint64 size = 0;
    };

    // Stores one member, deflating it here, or as `ready` holds it deflated already.
    bool store(const QString &name, const QByteArray &bytes, const Squeezed *ready, QString *error)
    {
        QuaZipFile file(&m_zip);
        QuaZipNewInfo info(name);
        info.externalAttr = quint32(0100644) << 16; // a regular file, readable by everyone
        info.uncompressedSize = ulong(bytes.size());
        const QByteArray &written = ready ? ready->bytes : bytes;
        if (!file.open(QIODevice::WriteOnly, info, nullptr, ready ? ready->crc : 0, Z_DEFLATED,
                       m_level, ready != nullptr) ||
            file.write(written) != written.size()) {
            setError(error,
                     QStringLiteral("cannot add %1 (code %2)").arg(name).arg(file.getZipError()));
            return false;
        }
        file.close();
        if (file.getZipError() != ZIP_OK) {
            setError(error,
                     QStringLiteral("cannot add %1 (code %2)").arg(name).arg(file.getZipError()));
            return false;
        }
        m_added.append({name, bytes.size()});
        return true;
    }

    // The archive's directory, read back from the disk, names every member with its size.
    bool listsEveryMember(QIODevice &written, QString *why) const
    {
        QuaZip zip(&written);
        if (!zip.open(QuaZip::mdUnzip)) {
            setError(
                why,
                QStringLiteral("its directory cannot be read (code %1)").arg(zip.getZipError()));
            return false;
        }
        const QList<QuaZipFileInfo64> listed = zip.getFileInfoList64();
        zip.close();
        if (listed.size() != m_added.size()) {
            setError(why, QStringLiteral("%1 of %2 members are listed")
                              .arg(listed.size())
                              .arg(m_added.size()));
            return false;
        }
        for (int i = 0; i < listed.size(); ++i) {
            if (listed[i].name != m_added[i].name ||
                qint64(listed[i].uncompressedSize) != m_added[i].size) {
                setError(why, QStringLiteral("%1 is listed wrongly").arg(m_added[i].name));
                return false;
            }
        }
        return true;
    }

    WholeFileWriter m_target;
    QuaZip m_zip;
    int m_level;
    QVector<Added> m_added;
};

std::unique_ptr<ArchiveWriter> startWriter(const QString &path, int level, QString *error)
{
    auto writer = std::make_unique<ZipWriter>(path, level);
    if (!writer->open(error))
        return nullptr;
    return writer;
}

} // namespace

std::unique_ptr<ArchiveReader> ZipArchiveFormat::openReader(const QString &path, QString *error)
{
    auto reader = std::make_unique<ZipReader>(path);
    if (!reader->open(error))
        return nullptr;
    return reader;
}

std::unique_ptr<ArchiveWriter> ZipArchiveFormat::createWriter(const QString &path, QString *error)
{
    return startWriter(path, Z_DEFAULT_COMPRESSION, error);
}

std::unique_ptr<ArchiveWriter> ZipArchiveFormat::createQuickWriter(const QString &path,
                                                                   QString *error)
{
    return startWriter(path, Z_BEST_SPEED, error);
}

} // namespace quillora
