#include "core/printing/printbuttonreturn.h"

#include "core/files/wholefile.h"
#include "core/foundation/paths.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace quillora {

namespace {
// An ISO date and time is about 25 bytes; a larger file is not ours.
constexpr qint64 kMaxBytes = 64;
} // namespace

QString printButtonReturnFile(const QString &stateFolder)
{
    return paths::join(stateFolder, QStringLiteral("print-button-returns"));
}

bool rememberPrintButtonReturn(const QString &file, const QDateTime &returnsAt, QString *error)
{
    QDir().mkpath(paths::parentFolder(file));
    return writeWholeFile(file, returnsAt.toUTC().toString(Qt::ISODate).toLatin1(), error);
}

std::optional<QDateTime> storedPrintButtonReturn(const QString &file)
{
    QFile stored(file);
    if (!stored.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(stored.read(kMaxBytes).trimmed()), Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

void forgetPrintButtonReturn(const QString &file)
{
    if (!file.isEmpty())
        QFile::remove(file);
}

int minutesUntilReturn(const QDateTime &returnsAt, const QDateTime &now, int hidePrinterTime)
{
    if (hidePrinterTime <= 0)
        return 0;
    const qint64 seconds = now.secsTo(returnsAt);
    if (seconds <= 0)
        return 0;
    return int(std::min<qint64>((seconds + 59) / 60, hidePrinterTime));
}

} // namespace quillora
