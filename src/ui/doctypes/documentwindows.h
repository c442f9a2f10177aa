#pragma once
// Which window shows each kind of document: the shell asks here for the window of a kind.
// A kind whose window is not registered is refused with "Not ready". Kinds sharing a window
// name share the window and its family.

#include "core/layout/documenttypes.h"

#include <functional>
#include <map>
#include <memory>

namespace quillora {

class AppContext;
class DocumentWindow;
class PageFamily;

using DocumentWindowFactory = std::function<std::unique_ptr<DocumentWindow>(AppContext &)>;

// A kind beyond the shipped ones: its row in the table of kinds (with its tile art, when it
// shows on the start screen), the family that builds, saves and draws its page, and its window.
struct KindRegistration {
    DocumentKindInfo row;
    const PageFamily &family;
    DocumentWindowFactory window;
};

// Registers the kind in one call, before the program opens its first window: the row, and the
// family and window under the row's window name. A kind naming a window that is registered
// already (a shipped one too) is shown in that window, whose family it must bring (see
// core/doctypes/pagefamily.h); its own `window` is not used and may be empty. False, with
// nothing registered, when the family differs, the window name is empty, or a new window name
// comes without a window.
[[nodiscard]] bool registerKind(const KindRegistration &kind);

class DocumentWindows {
public:
    DocumentWindows(); // with every window this build has and every registered kind's

    bool has(DocumentKind kind) const;
    // A new window for `kind`; nothing when the kind has none.
    std::unique_ptr<DocumentWindow> create(DocumentKind kind, AppContext &context) const;

private:
    std::map<QString, DocumentWindowFactory> m_factories;
};

} // namespace quillora
