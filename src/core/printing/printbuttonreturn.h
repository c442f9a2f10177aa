#pragma once
// When a print button hidden after printing comes back, kept in the user's state folder (not in
// the settings) so that closing and opening the program does not bring it back early.

#include <QDateTime>
#include <QString>

#include <optional>

namespace quillora {

// The file in `stateFolder` that holds the time.
QString printButtonReturnFile(const QString &stateFolder);

[[nodiscard]] bool rememberPrintButtonReturn(const QString &file, const QDateTime &returnsAt,
                                             QString *error);
// Nothing when no wait is stored or the file does not hold a time. An empty `file` keeps
// nothing, for a program without a state folder.
std::optional<QDateTime> storedPrintButtonReturn(const QString &file);
void forgetPrintButtonReturn(const QString &file);

// Whole minutes, rounded up, until `returnsAt`; never more than `hidePrinterTime`, so a clock
// set backwards cannot lengthen the wait, and 0 once it is over or hiding is off.
int minutesUntilReturn(const QDateTime &returnsAt, const QDateTime &now, int hidePrinterTime);

} // namespace quillora
