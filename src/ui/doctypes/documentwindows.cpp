#include "ui/doctypes/documentwindows.h"

#include "ui/doctypes/cartoonwindow.h"
#include "ui/doctypes/simplepagewindow.h"

namespace quillora {

DocumentWindows::DocumentWindows()
{
    add(WindowKind::SinglePage,
        [](AppContext &context) { return std::make_unique<SimplePageWindow>(context); });
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
