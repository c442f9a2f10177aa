// Start-up to the first window with a translation loaded against start-up in English, in one
// run: the settings, the language file and the catalogues read, the catalogues installed for
// every control, and the start screen built and painted at 1024 by 768. The French and Arabic
// runs should stay within 1.1 times the English one.
#include "core/app/appcontext.h"
#include "core/app/startup.h"
#include "ui/app/languageswitch.h"
#include "ui/app/startscreen.h"
#include "ui/kit/childstyle.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

void BM_StartUpTo_FirstWindow(benchmark::State &state, const char *computerLanguage)
{
    QApplication::setStyle(new ChildStyle);
    QTemporaryDir temporary;
    Environment environment;
    environment.folders.systemTemp = temporary.path();
    // The build folder is laid out as an installation: data/layouts and data/translations.
    environment.folders.installation = QStringLiteral(QUILLORA_BUILD_DIR);
    environment.languages = {QString::fromLatin1(computerLanguage)};
    environment.screen.widthPx = 1024;
    environment.screen.heightPx = 768;
    for (auto _ : state) {
        AppContext context(environment);
        benchmark::DoNotOptimize(startUp(context, {}));
        applyLanguage(Language{}, context.language);
        {
            StartScreen screen(context);
            screen.resize(environment.screen.widthPx, environment.screen.heightPx);
            benchmark::DoNotOptimize(screen.grab());
        }
        // The next start begins in English again; each makes its own staging folder.
        applyLanguage(context.language, Language{});
        QDir(context.folders.staging).removeRecursively();
    }
}
BENCHMARK_CAPTURE(BM_StartUpTo_FirstWindow, english, "en-GB")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpTo_FirstWindow, french, "fr-FR")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpTo_FirstWindow, arabic, "ar-EG")->Unit(benchmark::kMillisecond);

} // namespace
