#include "core/foundation/fileaccess.h"

#include <QFile>
#include <QFileInfo>

namespace quillora {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

void setError(QString *error, const QString &text, const QLoggingCategory &(*category)())
{
    qCWarning(category).noquote() << text;
    setError(error, text);
}

BoundedRead readBounded(const QString &path, qint64 maxBytes)
{
    BoundedRead read;
    const QFileInfo info(path);
    if (!info.exists()) {
        read.trouble = ReadTrouble::Missing;
        read.reason = QStringLiteral("it does not exist");
        return read;
    }
    if (!info.isFile()) {
        read.trouble = ReadTrouble::NotAFile;
        read.reason = QStringLiteral("it is not a file");
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.trouble = ReadTrouble::CannotOpen;
        read.reason = file.errorString();
        return read;
    }
    read.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.trouble = ReadTrouble::CannotRead;
        read.reason = file.errorString();
    } else if (read.bytes.size() > maxBytes) {
        read.trouble = ReadTrouble::TooLarge;
        read.reason = QStringLiteral("it is too large");
    }
    return read;
}

} // namespace quillora
