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

template <typename Window> DocumentWindowFactory windowOf()
{
    return [](AppContext &context) { return std::make_unique<Window>(context); };
}

// Every window by its name: the shipped ones, then those of registered kinds.
std::map<QString, DocumentWindowFactory> &windowsByName()
{
    static std::map<QString, DocumentWindowFactory> windows = {
        {QStringLiteral("Form1"), windowOf<SimplePageWindow>()},
        {QStringLiteral("circleForm"), windowOf<CircleWindow>()},
        {QStringLiteral("LeafletForm"), windowOf<LeafletWindow>()},
        {QStringLiteral("BannerWindow"), windowOf<BannerWindow>()},
        {QStringLiteral("postCardForm"), windowOf<PostcardWindow>()},
        {QStringLiteral("anyWhereForm"), windowOf<AnywhereWindow>()},
        {QStringLiteral("tableForm"), windowOf<TableWindow>()},
        {QStringLiteral("cartoonForm"), windowOf<CartoonWindow>()},
    };
    return windows;
}

} // namespace

bool registerKind(const KindRegistration &kind)
{
    const bool windowNamed = windowsByName().count(kind.row.windowName) > 0;
    if (!windowNamed && !kind.window)
        return false;
    if (!registerKind(kind.row, kind.family))
        return false;
    if (!windowNamed)
        windowsByName()[kind.row.windowName] = kind.window;
    return true;
}

DocumentWindows::DocumentWindows() : m_factories(windowsByName()) {}

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
