#include "ui/doctypes/documentwindows.h"

#include "core/doctypes/pagefamily.h"
#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/bannerwindow.h"
#include "ui/doctypes/cartoonwindow.h"
#include "ui/doctypes/circlewindow.h"
#include "ui/doctypes/leafletwindow.h"
#include "ui/doctypes/postcardwindow.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/doctypes/tablewindow.h"

namespace quillora {

namespace {

template <typename Window> void addShipped(DocumentWindows &windows, DocumentKind shownKind)
{
    windows.add(kindInfo(shownKind).windowName,
                [](AppContext &context) { return std::make_unique<Window>(context); });
}

std::map<QString, DocumentWindowFactory> &registeredWindows()
{
    static std::map<QString, DocumentWindowFactory> windows;
    return windows;
}

} // namespace

void registerKind(const KindRegistration &kind)
{
    registerKind(kind.row, kind.family);
    registeredWindows()[kind.row.windowName] = kind.window;
}

DocumentWindows::DocumentWindows()
{
    addShipped<SimplePageWindow>(*this, DocumentKind::Simple);
    addShipped<CircleWindow>(*this, DocumentKind::Circle);
    addShipped<LeafletWindow>(*this, DocumentKind::Leaflet);
    addShipped<BannerWindow>(*this, DocumentKind::Display);
    addShipped<PostcardWindow>(*this, DocumentKind::Postcard);
    addShipped<AnywhereWindow>(*this, DocumentKind::Anywhere);
    addShipped<TableWindow>(*this, DocumentKind::Table);
    addShipped<CartoonWindow>(*this, DocumentKind::ComicStrip);
    for (const auto &[windowName, factory] : registeredWindows())
        add(windowName, factory);
}

void DocumentWindows::add(const QString &windowName, DocumentWindowFactory factory)
{
    m_factories[windowName] = std::move(factory);
}

bool DocumentWindows::has(DocumentKind kind) const
{
    return m_factories.count(kindInfo(kind).windowName) > 0;
}

std::unique_ptr<DocumentWindow> DocumentWindows::create(DocumentKind kind,
                                                        AppContext &context) const
{
    const auto found = m_factories.find(kindInfo(kind).windowName);
    if (found == m_factories.end())
        return nullptr;
    return found->second(context);
}

} // namespace quillora
