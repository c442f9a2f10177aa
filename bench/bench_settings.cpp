// Reading the settings file: a typical school file from disk, and the largest text the reader
// accepts, parsed from memory.
#include "core/app/settingsfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

Settings schoolSettings()
{
    Settings s;
    s.printButtonHiddenMinutes = 5;
    s.workingDir = QStringLiteral("/srv/school/pupils/class 3");
    s.printerName = QStringLiteral("Year 3 Colour Laser");
    s.pullDownString = true;
    s.onScreenKeyboard = true;
    s.dataPath = QStringLiteral("/opt/quillora/data");
    return s;
}

void BM_ReadSettingsFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillora.ini"));
    if (!writeSettingsFile(path, schoolSettings())) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    for (auto _ : state) {
        const SettingsFileRead read = readSettingsFile(path);
        benchmark::DoNotOptimize(settingsFromText(read.text, QStringLiteral("/opt/quillora")));
    }
}
BENCHMARK(BM_ReadSettingsFile);

// A file of unknown lines just under the size limit: the worst the reader ever sees.
void BM_ParseLargestAccepted(benchmark::State &state)
{
    QByteArray bytes = settingsFileBytes(schoolSettings());
    const QByteArray filler("someOtherProgramsKey=some value\r\n");
    while (bytes.size() + filler.size() <= SettingsText::kMaxBytes)
        bytes.prepend(filler);
    for (auto _ : state) {
        const SettingsText text = SettingsText::fromBytes(bytes);
        benchmark::DoNotOptimize(settingsFromText(text, QStringLiteral("/opt/quillora")));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseLargestAccepted)->Unit(benchmark::kMillisecond);

} // namespace
