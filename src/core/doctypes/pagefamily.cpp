#include "core/doctypes/pagefamily.h"

#include "core/doctypes/cartoonfamily.h"
#include "core/doctypes/singlepagefamily.h"

namespace quillora {

const PageFamily *pageFamilyFor(DocumentKind kind)
{
    static const SinglePageFamily singlePage;
    static const CartoonFamily cartoon;
    switch (kindInfo(kind).pageFamily) {
    case PageFamilyId::SinglePage:
        return &singlePage;
    case PageFamilyId::Cartoon:
        return &cartoon;
    case PageFamilyId::Leaflet:
    case PageFamilyId::Postcard:
    case PageFamilyId::Circle:
    case PageFamilyId::Table:
    case PageFamilyId::Anywhere:
    case PageFamilyId::Banner:
        return nullptr;
    }
    return nullptr;
}

bool canExportPng(DocumentKind kind)
{
    return kindInfo(kind).exportsScreenPng && pageFamilyFor(kind) != nullptr;
}

PrintResult printPage(const PageModel &page, PrintDevice &device, const PrintSettings &settings)
{
    const PageFamily *family = pageFamilyFor(page.documentType);
    if (!family)
        return {PrintOutcome::NotAvailable, kNotReadyMessage};
    return family->print(page, device, settings);
}

} // namespace quillora
