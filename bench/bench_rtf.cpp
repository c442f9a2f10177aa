// Reading and writing a rich text box's RTF of about 50 KB: a long story with a change of
// looks every few words, bullets and several alignments.
#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"

#include <benchmark/benchmark.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

using namespace quillora;

constexpr qsizetype kTargetBytes = 50 * 1024;

void buildStory(QTextDocument &doc)
{
    const QStringList families{"DejaVu Sans", "DejaVu Serif", "Free Mono"};
    const QList<QColor> colours{Qt::black, Qt::red, QColor(0, 128, 0), Qt::blue};
    const QString words = QString::fromUtf8("Once upon a time Zoë and Łucja found a café ");
    QTextCursor cursor(&doc);
    QTextList *list = nullptr;
    for (int i = 0; writeRtf(doc).size() < kTargetBytes; ++i) {
        QTextBlockFormat block;
        block.setAlignment(i % 3 == 0   ? Qt::AlignLeft
                           : i % 3 == 1 ? Qt::AlignHCenter
                                        : Qt::AlignRight);
        if (i > 0)
            cursor.insertBlock(block);
        else
            cursor.setBlockFormat(block);
        if (i % 5 == 4)
            list = list ? (list->add(cursor.block()), list)
                        : cursor.createList(QTextListFormat::ListDisc);
        else
            list = nullptr;
        for (int run = 0; run < 12; ++run) {
            QTextCharFormat format;
            format.setFontFamilies({families[(i + run) % families.size()]});
            format.setFontPointSize(10 + (run % 6) * 2);
            format.setForeground(colours[(i * 7 + run) % colours.size()]);
            format.setFontWeight(run % 4 == 0 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run % 3 == 0);
            format.setFontUnderline(run % 5 == 0);
            cursor.insertText(words, format);
        }
    }
}

void BM_ReadRtf(benchmark::State &state)
{
    QTextDocument source;
    buildStory(source);
    const QByteArray rtf = writeRtf(source);
    QTextDocument doc;
    for (auto _ : state) {
        if (!readRtf(rtf, doc))
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_WriteRtf(benchmark::State &state)
{
    QTextDocument doc;
    buildStory(doc);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray rtf = writeRtf(doc);
        size = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["rtf_bytes"] = double(size);
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

} // namespace
