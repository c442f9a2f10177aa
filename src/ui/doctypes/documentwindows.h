#pragma once
// Which window shows each kind of document: the shell asks here for the window of a kind.
// A kind whose window is not registered is refused with "Not ready". Kinds sharing a window
// name share the window.

#include "core/layout/documenttypes.h"

#include <functional>
#include <map>
#include <memory>

namespace quillora {

class AppContext;
class DocumentWindow;
class PageFamily;

using DocumentWindowFactory = std::function<std::unique_ptr<DocumentWindow>(AppContext &)>;

// A kind beyond the shipped ones: its row in the table of kinds, the family that builds, saves
// and draws its page, and its window.
struct KindRegistration {
    DocumentKindInfo row;
    const PageFamily &family;
    DocumentWindowFactory window;
};

// Registers the kind in one call, before the program opens its first window.
void registerKind(const KindRegistration &kind);

class DocumentWindows {
public:
    DocumentWindows(); // with every window this build has and every registered kind's

    // Registers (or replaces) the window named `windowName`, which shows every kind of that name.
    void add(const QString &windowName, DocumentWindowFactory factory);
    bool has(DocumentKind kind) const;
    // A new window for `kind`; nothing when the kind has none.
    std::unique_ptr<DocumentWindow> create(DocumentKind kind, AppContext &context) const;

private:
    std::map<QString, DocumentWindowFactory> m_factories;
};

} // namespace quillora
