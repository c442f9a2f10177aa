#include "core/layout/bordersetup.h"

#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"

namespace quillora {

QString standardBorderElement(int pageWidthMm, int pageHeightMm)
{
    if (pageWidthMm > pageHeightMm)
        return QStringLiteral("<borderpattern edgew='8.5' edgeh='15' width='20' height='20' />");
    return QStringLiteral("<borderpattern edgew='15' edgeh='8.5' width='20' height='20' />");
}

bool applyStandardBorder(PageModel &page)
{
    if (!kindInfo(page.documentType).standardBorder || page.border.type != BorderType::None)
        return false;
    // Read as the template's own element would be, so it is sized and saved the same way.
    applyTemplateLine(standardBorderElement(page.pageWidthMm, page.pageHeightMm), page.layoutPath,
                      page, PageFitInputs{});
    return true;
}

bool setUpNewDocumentBorder(PageModel &page)
{
    const bool hadPainting = !page.border.picture.isNull();
    page.border.picture = QImage();
    const bool given = applyStandardBorder(page);
    return hadPainting || given;
}

} // namespace quillora
