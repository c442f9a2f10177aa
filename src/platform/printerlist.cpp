#include "platform/printerlist.h"

#include <QPrinterInfo>

namespace quillora {

QString PrinterList::currentPrinterName(const QString &storedName) const
{
    if (!storedName.isEmpty() && printerNames().contains(storedName))
        return storedName;
    return defaultPrinterName();
}

QStringList SystemPrinterList::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinterList::defaultPrinterName() const
{
    return QPrinterInfo::defaultPrinterName();
}

} // namespace quillora
