#include "ui/doctypes/documentwindows.h"

#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/bannerwindow.h"
#include "ui/doctypes/cartoonwindow.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/doctypes/leafletwindow.h"
#include "ui/doctypes/postcardwindow.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/doctypes/tablewindow.h"

namespace quillora {

DocumentWindows::DocumentWindows()
{
    add(WindowKind::SinglePage,
        [](AppContext &context) { return std::make_unique<SimplePageWindow>(context); });
    add(WindowKind::Circle,
        [](AppContext &context) { return std::make_unique<CircleWindow>(context); });
    add(WindowKind::Leaflet,
        [](AppContext &context) { return std::make_unique<LeafletWindow>(context); });
    add(WindowKind::Banner,
        [](AppContext &context) { return std::make_unique<BannerWindow>(context); });
    add(WindowKind::Postcard,
        [](AppContext &context) { return std::make_unique<PostcardWindow>(context); });
    add(WindowKind::Anywhere,
        [](AppContext &context) { return std::make_unique<AnywhereWindow>(context); });
    add(WindowKind::Table,
        [](AppContext &context) { return std::make_unique<TableWindow>(context); });
    add(WindowKind::Cartoon,
        [](AppContext &context) { return std::make_unique<CartoonWindow>(context); });
}

void DocumentWindows::add(WindowKind window, DocumentWindowFactory factory)
{
    m_factories[window] = std::move(factory);
}

bool DocumentWindows::has(DocumentKind kind) const
{
    return m_factories.count(kindInfo(kind).window) > 0;
}

std::unique_ptr<DocumentWindow> DocumentWindows::create(DocumentKind kind,
                                                        AppContext &context) const
{
    const auto found = m_factories.find(kindInfo(kind).window);
    if (found == m_factories.end())
        return nullptr;
    return found->second(context);
}

} // namespace quillora
