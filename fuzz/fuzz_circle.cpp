// Arbitrary bytes read as a circle's page description: nothing may crash or hang, the circle
// read must be one the window can lay out (2..12 segments, a usable style for each), and what
// is written of it must read back the same.
#include "core/doctypes/circledescription.h"
#include "core/foundation/codepage.h"

#include <cmath>
#include <cstdlib>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A page one pixel a millimetre, so sizes go through writing and reading unscaled.
const QSize kPage(kCirclePageWidthMm, kCirclePageHeightMm);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextStyle fallback;
    const CircleDescription read =
        parseCircleDescription(codepage::decodeAuto(bytes), circlePageScale(kPage), fallback);
    check(read.segmentCount >= kMinCircleSegments && read.segmentCount <= kMaxCircleSegments);
    check(read.styles.size() == read.segmentCount);
    for (const TextStyle &style : read.styles) {
        check(std::isfinite(style.fontSize) && style.fontSize >= 1.0 && style.fontSize <= 1000.0);
        check(style.fontName.size() <= 64);
        check(style.colour <= 0xFFFFFF);
    }

    CirclePage page = newCirclePage(kPage, read.segmentCount);
    for (int segment = 0; segment < page.segmentCount(); ++segment)
        page.segments[segment].style = read.styles[segment];
    const QString written = circleDescription(page);
    const CircleDescription again =
        parseCircleDescription(written, circlePageScale(kPage), fallback);
    check(again.segmentCount == read.segmentCount);
    for (int segment = 0; segment < page.segmentCount(); ++segment)
        page.segments[segment].style = again.styles[segment];
    check(circleDescription(page) == written);
    return 0;
}
