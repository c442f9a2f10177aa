#pragma once
// The road from the start screen to a document: what the application does with the start
// screen's answer. The screens and dialogs are reached through hooks, so the road itself is
// tested without windows.
//
//   Start(kind, template) -> offer to save the current work; "stay" keeps the open document
//                            (or, at start-up, brings the start screen back); a kind without
//                            a window is refused with "Not ready" and the start screen comes
//                            back; otherwise the new document is opened. Should it fail to
//                            open, the start screen comes back too.
//   Cancelled             -> with a document window showing, back to it; without one, the
//                            exit sequence; if the child does not leave, the start screen
//                            is shown again.

#include "core/app/startchoice.h"

#include <QString>

#include <functional>
#include <optional>

namespace quillora {

// The start screen's answer: a choice to start, or nothing when it was cancelled.
using StartScreenOutcome = std::optional<StartChoice>;

enum class SaveOfferResult {
    Proceed, // saved, or the child chose not to save: the new document may replace the page
    Stay,    // the offer was closed, or the save did not succeed: keep the current work
};

struct StartFlowHooks {
    // Shows the start screen (modal) and returns its answer.
    std::function<StartScreenOutcome()> showStartScreen;
    // Whether this build has a window for the kind.
    std::function<bool(DocumentKind)> hasWindow;
    // Whether a document window is open behind the start screen.
    std::function<bool()> documentWindowVisible;
    // The same offer as on leaving: it asks only when there is unsaved work
    // (shouldOfferToSave) and otherwise proceeds at once.
    std::function<SaveOfferResult()> offerToSave;
    // The exit sequence; returns true when the program is leaving.
    std::function<bool()> runExitSequence;
    // Sets up and shows a new document; returns false when it could not (its own message
    // has then been shown).
    std::function<bool(const StartChoice &)> openDocument;
    // Shows one of the fixed messages (already in English; the hook translates).
    std::function<void(const QString &)> showMessage;
};

enum class StartFlowResult {
    DocumentStarted, // a new document window is open
    BackToDocument,  // the document that was open stays
    Leaving,         // the exit sequence ended the program
};

// Shows the start screen until one of the three results is reached. Every hook is required.
StartFlowResult runStartFlow(const StartFlowHooks &hooks);

} // namespace quillora
