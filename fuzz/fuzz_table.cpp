// Arbitrary bytes read as a table's page description: nothing may crash or hang, the table
// read must be one the window can lay out (2..12 columns and rows, every shown cell inside the
// page), and what is written of it must read back the same.
#include "core/doctypes/tabledescription.h"
#include "core/foundation/codepage.h"
// Fitting the texts measures them in real fonts.
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

const PageFitInputs kFit = documentWindowFit(1280, 800, DocumentKind::Table);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PageModel page;
    page.documentType = DocumentKind::Table;
    applyTableDescription(codepage::decodeAuto(bytes), page, kFit);
    check(tableShapeOf(page).columns >= kMinTableCount &&
          tableShapeOf(page).columns <= kMaxTableCount);
    check(tableShapeOf(page).rows >= kMinTableCount && tableShapeOf(page).rows <= kMaxTableCount);
    const QRect paper(QPoint(0, 0), page.pageRect.size());
    for (const TextBoxModel &box : page.textBoxes) {
        check(std::isfinite(box.style.fontSize) && box.style.fontSize > 0.0);
        check(box.text.size() <= kMaxTableTextLength);
        check(!box.visible || paper.contains(box.geometry));
    }

    // A text cut at the limit may read back longer once its line breaks are written out.
    for (const TextBoxModel &box : page.textBoxes)
        if (box.text.size() > kMaxTableTextLength / 4)
            return 0;
    const QString written = tableDescription(page);
    PageModel again;
    again.documentType = DocumentKind::Table;
    applyTableDescription(written, again, kFit);
    check(tableDescription(again) == written);
    return 0;
}
