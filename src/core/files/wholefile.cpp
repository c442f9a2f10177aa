#include "core/files/wholefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillora {

Q_LOGGING_CATEGORY(lcWholeFile, "quillora.files.write")

namespace {

// Forces the file's bytes to the disk. Elsewhere than on Unix, QSaveFile::commit() asks the
// system to flush the file itself and the rename is as durable as the system makes it.
bool syncFile(QFileDevice &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Makes the rename itself survive a power cut: the folder's entry is on the disk too.
void syncFolder(const QString &filePath)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0)
        qCWarning(lcWholeFile) << "the folder of" << filePath << "could not be synced";
    if (fd >= 0)
        ::close(fd);
#else
    Q_UNUSED(filePath);
#endif
}

// A second, read-only way into the file being written. QSaveFile opens its temporary file for
// writing only and keeps its name to itself; on Linux the open descriptor can be opened again.
std::unique_ptr<QFile> readBackView(const QFileDevice &file)
{
#ifdef Q_OS_LINUX
    auto view = std::make_unique<QFile>(QStringLiteral("/proc/self/fd/%1").arg(file.handle()));
    if (view->open(QIODevice::ReadOnly))
        return view;
#else
    Q_UNUSED(file);
#endif
    return nullptr;
}

} // namespace

// Passes writes and seeks on to the file. A plain file reports a write the full disk took only
// in part as a short count without an error, and writers such as QPdfWriter never look at the
// count; here the rest is written again, so the system names the error, and it sticks.
class CheckedWriteDevice : public QIODevice {
public:
    explicit CheckedWriteDevice(QFileDevice &file) : m_file(file) {}

    bool failed() const { return m_failed; }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_file.size(); }
    bool seek(qint64 position) override
    {
        return !m_failed && QIODevice::seek(position) && m_file.seek(position);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        for (qint64 done = 0; done < length && !m_failed;) {
            const qint64 written = m_file.write(data + done, length - done);
            m_failed = written <= 0;
            done += std::max<qint64>(written, 0);
        }
        return m_failed ? -1 : length;
    }

private:
    QFileDevice &m_file;
    bool m_failed = false;
};

WholeFileWriter::WholeFileWriter(const QString &path, Durability durability)
    : m_durability(durability), m_path(path), m_kept(path),
      m_scratch(path + QStringLiteral(".XXXXXX")),
      m_file(durability == Durability::Kept ? static_cast<QFileDevice &>(m_kept) : m_scratch),
      m_checked(std::make_unique<CheckedWriteDevice>(m_file))
{
}

QIODevice &WholeFileWriter::device()
{
    return *m_checked;
}

// An uncommitted scratch file is removed by QTemporaryFile itself.
WholeFileWriter::~WholeFileWriter()
{
    if (m_kept.isOpen())
        m_kept.cancelWriting();
}

bool WholeFileWriter::open(QString *error)
{
    const bool opened =
        m_durability == Durability::Kept ? m_kept.open(QIODevice::WriteOnly) : m_scratch.open();
    if (opened && m_checked->open(QIODevice::WriteOnly))
        return true;
    if (error)
        *error = m_file.errorString();
    return false;
}

bool WholeFileWriter::fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    qCWarning(lcWholeFile) << m_path << "was not written:" << reason;
    m_kept.cancelWriting(); // does nothing unless it is open
    m_scratch.close();
    return false;
}

bool WholeFileWriter::putInPlace(QString *error)
{
    if (m_durability == Durability::Kept) {
        if (m_kept.commit())
            return true;
        if (error)
            *error = m_kept.errorString();
        return false;
    }
    const QString written = m_scratch.fileName();
    m_scratch.close();
    // Replaces the target in one step, as QSaveFile does, so it is never missing or half there.
    if (std::rename(QFile::encodeName(written).constData(),
                    QFile::encodeName(m_path).constData()) == 0) {
        m_scratch.setAutoRemove(false);
        return true;
    }
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool WholeFileWriter::commit(QString *error, const ReadBackCheck &check, qint64 expectedSize)
{
    if (!m_file.isOpen())
        return fail(error, QStringLiteral("the file was never opened"));
    // QSaveFile::commit() would report success after its own final flush failed, so the last
    // buffered bytes are written and checked here, while the earlier file still stands.
    const bool refused = m_checked->failed();
    if (refused || !m_file.flush() || m_file.error() != QFileDevice::NoError)
        return fail(error, m_file.errorString());
    if (m_durability == Durability::Kept && !syncFile(m_file))
        return fail(error, QStringLiteral("the file could not be written to the disk"));
    if (expectedSize >= 0 && m_file.size() != expectedSize)
        return fail(
            error,
            QStringLiteral("%1 of %2 bytes were written").arg(m_file.size()).arg(expectedSize));
    if (check) {
        if (const auto view = readBackView(m_file)) {
            QString why;
            if (!check(*view, &why))
                return fail(error, QStringLiteral("the written file reads back wrong: ") + why);
        }
    }
    if (!putInPlace(error)) {
        qCWarning(lcWholeFile) << m_path << "was not put in place";
        return false;
    }
    if (m_durability == Durability::Kept)
        syncFolder(m_path);
    return true;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                    Durability durability)
{
    WholeFileWriter file(path, durability);
    if (!file.open(error))
        return false;
    if (file.device().write(bytes) != bytes.size())
        return file.commit(error); // names the write error and leaves the target alone
    return file.commit(error, {}, bytes.size());
}

QByteArray encodedImage(const QImage &image, const char *format)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        return {};
    return encoded;
}

bool writeImageFile(const QImage &image, const char *format, const QString &path, QString *error,
                    Durability durability)
{
    const QByteArray encoded = encodedImage(image, format);
    if (encoded.isEmpty()) {
        if (error)
            *error =
                QStringLiteral("the picture could not be encoded as %1").arg(QLatin1String(format));
        return false;
    }
    return writeWholeFile(path, encoded, error, durability);
}

} // namespace quillora
