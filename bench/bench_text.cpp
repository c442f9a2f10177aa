// Costs of text fitting per keystroke: plain shrink-to-fit in a full multi-line box, rich text
// fitting in a long box of several styles, and one rich shrink pass.

#include "core/text/plainfit.h"
#include "core/text/richfit.h"

#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

// An A4 portrait page fitted to the height of a 1920 × 1080 screen.
constexpr double kPageScale = (1080.0 - 80 - 48) / 297.0;

const QString kWords = QStringLiteral("Our class went to the seaside and we found crabs ");

QString textOfLength(int length)
{
    QString text;
    while (text.size() < length)
        text += kWords;
    return text.left(length);
}

TextBoxModel fullPlainBox()
{
    TextBoxModel box;
    box.style.fontName = QStringLiteral("Liberation Sans");
    box.style.fontSize = 28 * kPageScale;
    box.geometry = QRect(0, 0, int(150 * kPageScale), int(90 * kPageScale));
    box.text = textOfLength(400);
    box.multiLine = true;
    return box;
}

void BM_PlainShrinkAfterKeystroke(benchmark::State &state)
{
    TextMeasure measure;
    TextBoxModel box = fullPlainBox();
    shrinkToFit(measure, box);
    const QString base = box.text;
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        box.text = typed ? base.left(200) + QLatin1Char('k') + base.mid(200) : base;
        benchmark::DoNotOptimize(shrinkToFit(measure, box));
    }
    state.counters["fontSize"] = box.style.fontSize;
}
BENCHMARK(BM_PlainShrinkAfterKeystroke)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

const QSizeF kRichBox(180 * kPageScale, 260 * kPageScale);

// 1,500 characters in five styles.
void fillRich(QTextDocument &document, double firstSize)
{
    TextBoxFormat format;
    format.style.fontName = QStringLiteral("Liberation Sans");
    format.style.fontSize = 12 * kPageScale;
    format.boxSize = kRichBox;
    configureTextBoxDocument(document, format);
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    const char *families[] = {"Liberation Sans", "DejaVu Sans", "Liberation Serif",
                              "Liberation Sans", "DejaVu Sans"};
    for (int i = 0; i < 5; ++i) {
        QTextCharFormat style;
        style.setFontFamilies({QString::fromLatin1(families[i])});
        style.setFontPointSize(firstSize - 4 * i);
        style.setFontWeight(i % 2 ? QFont::Bold : QFont::Normal);
        style.setFontItalic(i == 2);
        style.setForeground(QColor::fromHsv(i * 60, 200, 200));
        cursor.insertText(textOfLength(i == 4 ? 299 : 300), style);
        if (i < 4)
            cursor.insertBlock();
    }
}

void BM_RichFitAfterKeystroke(benchmark::State &state)
{
    QTextDocument document;
    fillRich(document, 14 * kPageScale);
    RichTextMemory memory;
    RichTextFitter fitter;
    memory.accept(document);
    fitter.fit(document, kRichBox, memory, 0);
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        QTextCursor cursor(&document);
        cursor.setPosition(700);
        if (typed)
            cursor.insertText(QStringLiteral("k"));
        else
            cursor.deleteChar();
        benchmark::DoNotOptimize(fitter.fit(document, kRichBox, memory, 701));
    }
    state.counters["characters"] = document.characterCount() - 1;
}
BENCHMARK(BM_RichFitAfterKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RichShrinkPass(benchmark::State &state)
{
    QTextDocument document;
    fillRich(document, 30 * kPageScale);
    RichTextMemory original;
    original.accept(document);
    for (auto _ : state) {
        benchmark::DoNotOptimize(shrinkRichTextByOne(document));
        benchmark::DoNotOptimize(richTextOverflows(document, kRichBox));
        state.PauseTiming();
        original.restoreInto(document);
        contentHeight(document);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RichShrinkPass)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
