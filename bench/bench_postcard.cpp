// Cost of one frame of a postcard's flip on a 1920 x 1080 screen: the shadow, the white card
// and the facing side squeezed about the middle. It must stay under 8 ms so the card turns
// smoothly.

#include "core/doctypes/postcarddrawing.h"
#include "core/doctypes/postcardflip.h"

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

// Both sides of a card fitted to the screen, from the installed template, the picture painted.
struct FlipSides {
    QImage picture;
    QImage writing;
};

FlipSides cardSides()
{
    PageModel page;
    page.documentType = DocumentKind::Postcard;
    QString error;
    if (!buildPostcard(page, QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/postcard/page0.xml"),
                       documentWindowFit(1920, 1080, DocumentKind::Postcard), &error))
        qFatal("%s", qPrintable(error));
    QImage &picture = page.pictureBoxes[kPostcardPictureIndex].image;
    picture =
        QImage(page.pictureBoxes[kPostcardPictureIndex].geometry.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    page.textBoxes[0].text = QStringLiteral("Went down to the woods today. Got a big surprise.");
    PostcardDrawOptions options;
    options.screenFurniture = true;
    return {renderPostcardSide(page, PostcardSide::Picture, options),
            renderPostcardSide(page, PostcardSide::Writing, options)};
}

void BM_PostcardFlipFrame(benchmark::State &state)
{
    const FlipSides sides = cardSides();
    QImage frame(sides.picture.size() + QSize(kFlipShadowOffsetPx, kFlipShadowOffsetPx),
                 QImage::Format_ARGB32_Premultiplied);
    double angle = 0.0;
    for (auto _ : state) {
        angle = angle >= 175.0 ? 0.0 : angle + 5.0;
        drawFlipFrame(frame, sides.picture, sides.writing, angle);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["card_px"] = sides.picture.width();
}
BENCHMARK(BM_PostcardFlipFrame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
