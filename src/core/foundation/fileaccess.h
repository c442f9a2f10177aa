#pragma once
// The one way a file is read whole and the one way a failing file step reports why. Every
// description, template and settings file is read through readBounded(), so a file far larger
// than any real one is refused before it fills the memory; writing whole goes through
// WholeFileWriter (core/files/wholefile.h).

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

namespace quillora {

// Leaves `text` in `error` when the caller asked for the reason.
void setError(QString *error, const QString &text);
// The same, warning in `category`'s log first.
void setError(QString *error, const QString &text, const QLoggingCategory &(*category)());

enum class ReadTrouble {
    None,
    Missing,    // nothing at the path
    NotAFile,   // a folder or a device
    CannotOpen, // there, but not to be opened
    CannotRead, // opened, but the reading failed
    TooLarge,   // more than the limit
};

struct BoundedRead {
    ReadTrouble trouble = ReadTrouble::None;
    QString reason;   // why it failed, for a message: "it does not exist" or the system's words
    QByteArray bytes; // what was read: at most the limit and one byte more
    bool ok() const { return trouble == ReadTrouble::None; }
};

// Reads `path` whole when it holds at most `maxBytes`. One byte past the limit is read, so a
// file at the limit is told from a larger one; a larger one is TooLarge, its first bytes kept.
BoundedRead readBounded(const QString &path, qint64 maxBytes);

} // namespace quillora
