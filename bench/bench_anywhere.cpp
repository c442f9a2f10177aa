// The anywhere page's costs on a 1920 x 1080 screen: the largest fitting size of a 20-character
// text in a frame as big as the picture, which runs on every release of the resize handle (under
// 2 ms), and a page filled with 79 texts, each added, typed into key by key with an undo step
// per key, and moved: the slowest single step (processor time) must stay under 16 ms.

#include "core/doctypes/anywhere.h"
#include "core/undo/undohistory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

using namespace quillora;

namespace {

// This thread's processor time: on a shared machine wall time also counts other programs.
qint64 threadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

const ScreenMetrics kScreen{1920, 1080};

PageModel blankPage()
{
    PageModel page;
    page.documentType = DocumentKind::Anywhere;
    setUpAnywherePage(
        page, documentWindowFit(kScreen.widthPx, kScreen.heightPx, DocumentKind::Anywhere), true);
    return page;
}

void BM_AnywhereLargestFittingSize(benchmark::State &state)
{
    const PageModel page = blankPage();
    const QSizeF frame = anywherePictureRect(page).size();
    const TextStyle style = newFloatingTextStyle(page.scale);
    const QString text = QStringLiteral("Our trip to the zoo!");
    for (auto _ : state)
        benchmark::DoNotOptimize(largestFittingSize(style, text, frame));
}
BENCHMARK(BM_AnywhereLargestFittingSize)->Unit(benchmark::kMillisecond);

void BM_AnywhereSeventyNineTexts(benchmark::State &state)
{
    const QString word = QStringLiteral("butterfly");
    // The window has shown its fonts before a child writes: the first measuring, which loads
    // them, is not a step.
    PageModel warm = blankPage();
    benchmark::DoNotOptimize(addFloatingText(warm, {10, 10}));
    qint64 slowest = 0;
    for (auto _ : state) {
        PageModel page = blankPage();
        UndoHistory undo;
        (void)undo.beginWorkOn(page, {ObjectKind::Picture, 0}, kScreen);
        const auto timed = [&](auto &&work) {
            const qint64 start = threadNanoseconds();
            work();
            slowest = std::max(slowest, threadNanoseconds() - start);
        };
        for (int i = 0; i < kAnywhereTextSlots; ++i) {
            const QPoint at(20 + (i % 8) * 200, 40 + (i / 8) * 60);
            int slot = 0;
            timed([&] { slot = addFloatingText(page, at).value_or(0); });
            for (int length = 1; length <= word.size(); ++length) {
                timed([&] {
                    typeFloatingText(page, slot, word.left(length));
                    (void)undo.record(page, ObjectKind::Picture, 0);
                });
            }
            timed([&] {
                moveFloatingText(page, slot, at + QPoint(30, 20));
                (void)undo.record(page, ObjectKind::Picture, 0);
            });
        }
        benchmark::DoNotOptimize(floatingTextsOf(page).size());
    }
    state.counters["slowest_step_ms"] = double(slowest) / 1e6;
}
BENCHMARK(BM_AnywhereSeventyNineTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
