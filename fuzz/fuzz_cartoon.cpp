// Arbitrary bytes read as a comic strip's page description: nothing may crash or hang, every
// bubble read lies on a frame the page has, within the size handle's limits, with its tip on its
// surface, and what is written of the strip reads back the same.
#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondescription.h"
#include "core/foundation/codepage.h"
// Fitting a bubble's words measures them in real fonts.
#include "withfonts.h"

#include <cmath>
#include <cstdlib>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

PageFitInputs fit()
{
    return PageFitInputs{1280, 800, kToolPaletteWidthPx, kToolbarHeightPx,
                         DocumentKind::ComicStrip};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PageModel page;
    page.documentType = DocumentKind::ComicStrip;
    if (!readCartoonDescription(bytes, QStringLiteral("fuzz.xml"), page, fit()))
        return 0;
    check(bubblesOf(page).size() <= kMaxBubbles);
    for (const BubbleModel &bubble : bubblesOf(page)) {
        check(bubble.frame >= 0 && bubble.frame < page.pictureBoxes.size());
        const QRect frame = page.pictureBoxes[bubble.frame].geometry;
        const QPoint reach = sizeHandleCentre(bubble) - bubble.geometry.topLeft() -
                             QPoint(bubble.geometry.width() / 2, bubble.geometry.height() / 2);
        check(std::hypot(reach.x(), reach.y()) <= maxBubbleReach(frame.width()) + 4);
        check(bubble.geometry.contains(bubble.tip));
        check(std::isfinite(bubble.style.fontSize) && bubble.style.fontSize >= 4.0);
        bubbleShape(bubble);
    }

    const QString written = bubbleDescription(page);
    PageModel again = page;
    again.kindState<ComicStripState>().bubbles.clear();
    check(readBubbles(written, again) == 0);
    check(bubbleDescription(again) == written);
    return 0;
}
