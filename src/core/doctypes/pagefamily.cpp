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

namespace quillora {

namespace {

// The families of the shipped windows, under the window names the table's rows give; a kind
// finds its family through its row.
std::map<QString, const PageFamily *> shippedFamilies()
{
    static const SinglePageFamily singlePage;
    static const CircleFamily circle;
    static const LeafletFamily leaflet;
    static const BannerFamily banner;
    static const PostcardFamily postcard;
    static const AnywhereFamily anywhere;
    static const TableFamily table;
    static const CartoonFamily cartoon;
    return {
        {QStringLiteral("Form1"), &singlePage},      {QStringLiteral("circleForm"), &circle},
        {QStringLiteral("LeafletForm"), &leaflet},   {QStringLiteral("BannerWindow"), &banner},
        {QStringLiteral("postCardForm"), &postcard}, {QStringLiteral("anyWhereForm"), &anywhere},
        {QStringLiteral("tableForm"), &table},       {QStringLiteral("cartoonForm"), &cartoon},
    };
}

std::map<QString, const PageFamily *> &familyTable()
{
    static std::map<QString, const PageFamily *> families = shippedFamilies();
    return families;
}

} // namespace

const PageFamily *pageFamilyFor(DocumentKind kind)
{
    const auto found = familyTable().find(kindInfo(kind).windowName);
    return found == familyTable().end() ? nullptr : found->second;
}

bool registerKind(const DocumentKindInfo &row, const PageFamily &family)
{
    // A kind without a window name would lend its family to every unregistered code.
    if (row.windowName.isEmpty())
        return false;
    const auto named = familyTable().find(row.windowName);
    if (named != familyTable().end() && named->second != &family)
        return false;
    registerKindInfo(row);
    familyTable()[row.windowName] = &family;
    return true;
}

const PageFilesFinder &registeredPageFiles()
{
    struct RegisteredFamilies final : PageFilesFinder {
        const PageFiles *filesFor(DocumentKind kind) const override { return pageFamilyFor(kind); }
    };
    static const RegisteredFamilies families;
    return families;
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
