// Start-up with a translation loaded against start-up in English, in one run: the settings, the
// language file and the catalogues read, then every caption of the start screen looked up, as
// the first window does. The French and Arabic runs should stay within 1.1 times the English one.
#include "core/app/startup.h"
#include "core/layout/documenttypes.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

void BM_StartUpTo_FirstWindow(benchmark::State &state, const char *computerLanguage)
{
    QTemporaryDir temporary;
    Environment environment;
    environment.folders.systemTemp = temporary.path();
    // The build folder is laid out as an installation: data/layouts and data/translations.
    environment.folders.installation = QStringLiteral(QUILLORA_BUILD_DIR);
    environment.languages = {QString::fromLatin1(computerLanguage)};
    for (auto _ : state) {
        ProgramServices context(environment);
        benchmark::DoNotOptimize(startUp(context, {}));
        for (int code = 0; code < kDocumentKindCount; ++code)
            benchmark::DoNotOptimize(context.tr(kindInfo(DocumentKind(code)).caption));
        // Each start makes its own staging folder; the same for both languages.
        QDir(context.folders.staging).removeRecursively();
    }
}
BENCHMARK_CAPTURE(BM_StartUpTo_FirstWindow, english, "en-GB")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StartUpTo_FirstWindow, french, "fr-FR")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StartUpTo_FirstWindow, arabic, "ar-EG")->Unit(benchmark::kMicrosecond);

} // namespace
