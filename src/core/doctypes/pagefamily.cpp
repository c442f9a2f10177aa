#include "core/doctypes/pagefamily.h"

#include "core/doctypes/anywherefamily.h"
#include "core/doctypes/bannerfamily.h"
#include "core/doctypes/cartoonfamily.h"
#include "core/doctypes/circlefamily.h"
#include "core/doctypes/leafletfamily.h"
#include "core/doctypes/postcardfamily.h"
#include "core/doctypes/singlepagefamily.h"
#include "core/doctypes/tablefamily.h"

#include <map>
#include <utility>

namespace quillora {

namespace {

std::map<int, const PageFamily *> builtInFamilies()
{
    static const SinglePageFamily singlePage;
    static const CircleFamily circle;
    static const LeafletFamily leaflet;
    static const BannerFamily banner;
    static const PostcardFamily postcard;
    static const AnywhereFamily anywhere;
    static const TableFamily table;
    static const CartoonFamily cartoon;
    std::map<int, const PageFamily *> families;
    for (int code = 0; code < kDocumentKindCount; ++code)
        if (kindInfo(DocumentKind(code)).pageOfBoxes)
            families[code] = &singlePage;
    const std::pair<DocumentKind, const PageFamily *> others[] = {
        {DocumentKind::Circle, &circle},      {DocumentKind::Table, &table},
        {DocumentKind::Postcard, &postcard},  {DocumentKind::Booklet, &leaflet},
        {DocumentKind::ComicStrip, &cartoon}, {DocumentKind::Card, &leaflet},
        {DocumentKind::Anywhere, &anywhere},  {DocumentKind::Display, &banner},
        {DocumentKind::Leaflet, &leaflet},
    };
    for (const auto &[kind, family] : others)
        families[codeOf(kind)] = family;
    return families;
}

std::map<int, const PageFamily *> &familyTable()
{
    static std::map<int, const PageFamily *> families = builtInFamilies();
    return families;
}

} // namespace

const PageFamily *pageFamilyFor(DocumentKind kind)
{
    const auto found = familyTable().find(codeOf(kind));
    return found == familyTable().end() ? nullptr : found->second;
}

void registerKind(const DocumentKindInfo &row, const PageFamily &family)
{
    registerKindInfo(row);
    familyTable()[codeOf(row.kind)] = &family;
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
