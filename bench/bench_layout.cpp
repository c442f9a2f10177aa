// Building a page from a template: the whole read (dialect lines, objects, page fit) of a
// busy 40-object layout, and the fit alone.
#include "core/layout/dialect.h"
#include "core/layout/templatereader.h"

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

QByteArray fortyObjectTemplate()
{
    QByteArray text = "<layout name='busy' NumTextBoxes='16' NumPicBoxes='12' numRTBs='4' "
                      "numHandles='2' numLines='3' numBoxes='3' width='210' height='297'>\r\n";
    for (int i = 0; i < 16; ++i)
        text +=
            QStringLiteral("<textbox name='tb%1' x='%2' y='%3' width='45' height='12' "
                           "font='Comic Sans MS' size='4.5' bold='t' italic='f' "
                           "underline='f' align='2' colour='7F3A1F' text='Line %1{ENTER}two'/>\r\n")
                .arg(i)
                .arg(10 + (i % 4) * 48)
                .arg(10 + (i / 4) * 14)
                .toLatin1();
    for (int i = 0; i < 12; ++i)
        text +=
            QStringLiteral("<picbox name='pb%1' x='%2' y='%3' width='60' height='40' "
                           "reptType='1' repOx='2' numHreps='2' repWidth='20' repOy='2' "
                           "numVreps='2' repHeight='20' symmType='3' numRots='6' copyTo='0'/>\r\n")
                .arg(i)
                .arg(10 + (i % 3) * 65)
                .arg(70 + (i / 3) * 45)
                .toLatin1();
    for (int i = 0; i < 4; ++i)
        text += QStringLiteral("<rtb name='rt%1' x='10' y='%2' width='190' height='8' size='3' "
                               "bold='f' italic='t' underline='f' align='0' colour='0'/>\r\n")
                    .arg(i)
                    .arg(250 + i * 9)
                    .toLatin1();
    for (int i = 0; i < 2; ++i)
        text += QStringLiteral("<handle name='hn%1' size='6' iXmm='105' iYmm='%2' minYmm='60' "
                               "maxYmm='240' boxesAbove='p00p01p02' boxesBelow='p03p04r00'/>\r\n")
                    .arg(i)
                    .arg(115 + i * 45)
                    .toLatin1();
    for (int i = 0; i < 3; ++i)
        text += QStringLiteral("<line name='ln%1' x1='10' y1='%2' x2='200' y2='%2' thick='2'/>\r\n")
                    .arg(i)
                    .arg(66 + i * 60)
                    .toLatin1();
    for (int i = 0; i < 3; ++i)
        text += QStringLiteral("<box name='bx%1' x1='%2' y1='5' x2='%3' y2='292'/>\r\n")
                    .arg(i)
                    .arg(5 + i)
                    .arg(205 - i)
                    .toLatin1();
    text += "<borderpattern edgew='15' edgeh='8.5' width='20' height='20' />\r\n</layout>\r\n";
    return text;
}

const PageFitInputs kScreen{1920, 1080, 96, 64, DocumentKind::Layouts};

void readFortyObjects(benchmark::State &state)
{
    const QByteArray text = fortyObjectTemplate();
    PageModel page;
    for (auto _ : state) {
        const bool ok = readTemplateText(text, QStringLiteral("/layouts/busy.xml"), page, kScreen);
        benchmark::DoNotOptimize(ok);
    }
    state.counters["objects"] =
        double(page.textBoxes.size() + page.pictureBoxes.size() + page.richTextBoxes.size() +
               page.handles.size() + page.lines.size() + page.boxes.size());
}
BENCHMARK(readFortyObjects)->Unit(benchmark::kMicrosecond);

void fitOnly(benchmark::State &state)
{
    int width = 210;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fitPage(kScreen, width, 297));
        width = width == 210 ? 297 : 210;
    }
}
BENCHMARK(fitOnly);

void integerAttribute(benchmark::State &state)
{
    const QString line = QStringLiteral("<textbox name='tb3' x='10' y='20' width='45' height='12' "
                                        "font='Comic Sans MS' size='4.5' colour='7F3A1F'/>");
    for (auto _ : state)
        benchmark::DoNotOptimize(dialect::intAttribute(line, u"height"));
}
BENCHMARK(integerAttribute);

} // namespace
