#include "core/doctypes/postcardfamily.h"

#include "core/doctypes/postcard.h"
#include "core/doctypes/postcarddrawing.h"
#include "core/layout/templatereader.h"

namespace quillora {

bool PostcardFamily::buildNewPage(PageModel &page, const QString &templatePath,
                                  const PageFitInputs &fit, QString *error) const
{
    return buildPostcard(page, templatePath, fit, error);
}

bool PostcardFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                     QString *error) const
{
    // The description names every box with its place and font, so the card is rebuilt from it
    // alone, even where the installed template has changed or is missing.
    return readTemplate(path, page, fit, error) && shapePostcard(page, error);
}

QImage PostcardFamily::render(const PageModel &page, double /*sheetQuality*/) const
{
    return renderPostcardSide(page, PostcardSide::Picture, {});
}

PrintResult PostcardFamily::print(const PageModel &page, PrintDevice &device,
                                  const PrintSettings &settings) const
{
    return printPostcard(page, device, settings);
}

} // namespace quillora
