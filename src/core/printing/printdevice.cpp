#include "core/printing/printdevice.h"

namespace quillora {

QString chosenDeviceName(const PrinterProvider &printers, const QString &remembered)
{
    const QStringList names = printers.deviceNames();
    if (!remembered.isEmpty() && names.contains(remembered))
        return remembered;
    const QString fallback = printers.defaultDeviceName();
    if (names.contains(fallback))
        return fallback;
    return names.isEmpty() ? QString() : names.first();
}

} // namespace quillora
