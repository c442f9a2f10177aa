// The settings reader on arbitrary bytes. Besides not crashing, what it reads must survive a
// write and a second read unchanged, and no value may break out of its line when written.
#include "core/app/settingsfile.h"

#include <cstdlib>

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString installation = QStringLiteral("/opt/quillora");
    const Settings first = settingsFromText(SettingsText::fromBytes(bytes), installation);
    const Settings second =
        settingsFromText(SettingsText::fromBytes(settingsFileBytes(first)), installation);
    if (!(first == second))
        std::abort();

    // The input as one value: whatever it holds, the other keys read back as written.
    Settings hostile;
    hostile.dataPath = installation;
    hostile.printerName = QString::fromUtf8(bytes);
    Settings readBack =
        settingsFromText(SettingsText::fromBytes(settingsFileBytes(hostile)), installation);
    readBack.printerName = hostile.printerName;
    if (!(readBack == hostile))
        std::abort();
    return 0;
}
