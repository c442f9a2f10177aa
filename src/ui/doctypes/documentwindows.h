#pragma once
// Which window shows each kind of document: the shell asks here for the window of a kind.
// A kind whose window is not registered is refused with "Not ready".

#include "core/layout/documenttypes.h"

#include <functional>
#include <map>
#include <memory>

namespace quillora {

class AppContext;
class DocumentWindow;

using DocumentWindowFactory = std::function<std::unique_ptr<DocumentWindow>(AppContext &)>;

class DocumentWindows {
public:
    DocumentWindows(); // with every window this build has

    // Registers (or replaces) the window that shows the kinds of `window`.
    void add(WindowKind window, DocumentWindowFactory factory);
    bool has(DocumentKind kind) const;
    // A new window for `kind`; nothing when the kind has none.
    std::unique_ptr<DocumentWindow> create(DocumentKind kind, AppContext &context) const;

private:
    std::map<WindowKind, DocumentWindowFactory> m_factories;
};

} // namespace quillora
