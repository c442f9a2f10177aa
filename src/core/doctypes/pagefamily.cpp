#include "core/doctypes/pagefamily.h"

#include "core/doctypes/anywherefamily.h"
#include "core/doctypes/bannerfamily.h"
#include "core/doctypes/cartoonfamily.h"
#include "core/doctypes/circlefamily.h"
#include "core/doctypes/leafletfamily.h"
#include "core/doctypes/postcardfamily.h"
#include "core/doctypes/singlepagefamily.h"
#include "core/doctypes/tablefamily.h"

namespace quillora {

const PageFamily *pageFamilyFor(DocumentKind kind)
{
    static const SinglePageFamily singlePage;
    static const CircleFamily circle;
    static const LeafletFamily leaflet;
    static const BannerFamily banner;
    static const PostcardFamily postcard;
    static const AnywhereFamily anywhere;
    static const TableFamily table;
    static const CartoonFamily cartoon;
    switch (kindInfo(kind).pageFamily) {
    case PageFamilyId::SinglePage:
        return &singlePage;
    case PageFamilyId::Circle:
        return &circle;
    case PageFamilyId::Leaflet:
        return &leaflet;
    case PageFamilyId::Postcard:
        return &postcard;
    case PageFamilyId::Anywhere:
        return &anywhere;
    case PageFamilyId::Banner:
        return &banner;
    case PageFamilyId::Table:
        return &table;
    case PageFamilyId::Cartoon:
        return &cartoon;
    }
    return nullptr;
}

QImage PageFamily::renderThumbnail(const PageModel &page, const QSize &bounds) const
{
    const QImage picture = render(page, 1.0);
    if (picture.isNull() || bounds.isEmpty())
        return {};
    return picture.scaled(bounds, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
