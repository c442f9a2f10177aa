#pragma once
// Writing a file whole or not at all. Every file the program writes in one go (work files, PNG
// and PDF pictures, staging members, the settings) goes through here, so that a full disk, a
// pulled memory stick or a power cut never leaves a half-written file in place of a good one,
// and a save that reports success really has put the new file on the disk.

#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <memory>

namespace quillora {

enum class Durability {
    Kept,    // the child's files and the settings: on the disk before success is reported
    Scratch, // staging members, packed or read at once: checked, but not forced to the disk
};

class CheckedWriteDevice;

class WholeFileWriter {
public:
    explicit WholeFileWriter(const QString &path, Durability durability = Durability::Kept);
    // Without a successful commit the target stays as it was and nothing is left beside it.
    ~WholeFileWriter();

    [[nodiscard]] bool open(QString *error);
    // Where the content goes; writable between open() and commit(). A write the system takes
    // only in part counts as failed, unlike on a plain file.
    QIODevice &device();

    // Looks at the written file before it replaces the target. `written` is a read-only view of
    // the new file positioned at its start; where the system offers no such view the check is
    // passed over (the write, flush and sync errors are still checked).
    using ReadBackCheck = std::function<bool(QIODevice &written, QString *error)>;

    // Flushes, checks every write error, syncs the file, runs `check`, puts the file in place of
    // the target and syncs its folder. With `expectedSize` set, a file of another size fails.
    [[nodiscard]] bool commit(QString *error, const ReadBackCheck &check = {},
                              qint64 expectedSize = -1);

private:
    bool fail(QString *error, const QString &reason);
    bool putInPlace(QString *error);

    Durability m_durability;
    QString m_path;
    // A kept file goes through QSaveFile, which forces every file to the disk. A scratch file is
    // written beside the target and renamed over it, sparing the disk a sync per member (a
    // table's save writes over a hundred).
    QSaveFile m_kept;
    QTemporaryFile m_scratch;
    QFileDevice &m_file;
    std::unique_ptr<CheckedWriteDevice> m_checked;
};

[[nodiscard]] bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                                  Durability durability = Durability::Kept);

// The picture in `format`, or nothing when it cannot be encoded.
QByteArray encodedImage(const QImage &image, const char *format);

// Encodes the picture first, so the file is only replaced by a complete one of the encoded size.
[[nodiscard]] bool writeImageFile(const QImage &image, const char *format, const QString &path,
                                  QString *error, Durability durability = Durability::Kept);

} // namespace quillora
