// Switching a page's template with the work kept: three painted pictures and three typed texts
// stored, the other template read and everything put back, as when a child taps the menu.
#include "core/files/staging.h"
#include "core/layout/templatereader.h"
#include "core/files/templateswitch.h"
#include "core/foundation/translator.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

// Three text boxes and three picture boxes, laid out differently by `variant`.
QByteArray threeByThree(int variant)
{
    QByteArray text = "<layout name='bench' NumTextBoxes='3' NumPicBoxes='3' numRTBs='0' "
                      "numHandles='0' numLines='0' numBoxes='0' width='297' height='210'>\r\n";
    for (int i = 0; i < 3; ++i) {
        text += QStringLiteral("<picbox name='pb%1' x='%2' y='10' width='%3' height='80' "
                               "reptType='0' symmType='0' copyTo='0'/>\r\n")
                    .arg(i)
                    .arg(10 + i * 95)
                    .arg(80 + variant * 5)
                    .toLatin1();
        text += QStringLiteral("<textbox name='tb%1' x='10' y='%2' width='277' height='30' "
                               "font='arial' size='%3' text=''/>\r\n")
                    .arg(i)
                    .arg(100 + i * 35)
                    .arg(12 + variant * 2)
                    .toLatin1();
    }
    return text + "</layout>\r\n";
}

void BM_SwitchThreePicturesThreeTexts(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("first.xml"));
    const QString second = folder.filePath(QStringLiteral("second.xml"));
    for (const auto &[path, variant] : {std::pair{first, 0}, std::pair{second, 1}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(threeByThree(variant)) < 0)
            state.SkipWithError("could not write the templates");
    }
    const Staging staging(folder.filePath(QStringLiteral("staging")));
    const PageFitInputs fit{1920, 1080, 106, 64, DocumentKind::Sign};
    const Translator english;
    PageModel page;
    page.documentType = DocumentKind::Sign;
    if (!readTemplate(first, page, fit))
        state.SkipWithError("template unreadable");
    for (int i = 0; i < 3; ++i) {
        PictureBoxModel &box = page.pictureBoxes[i];
        box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
        box.image.fill(QColor::fromHsv(i * 100, 200, 240));
        page.textBoxes[i].text = QStringLiteral("Our class trip to the seaside, part %1").arg(i);
    }
    bool toSecond = true;
    for (auto _ : state) {
        if (!switchTemplate(page, staging, toSecond ? second : first, fit, english))
            state.SkipWithError("switch failed");
        toSecond = !toSecond;
    }
}
BENCHMARK(BM_SwitchThreePicturesThreeTexts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
