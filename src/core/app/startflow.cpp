#include "core/app/startflow.h"

#include "core/layout/documenttypes.h"

namespace quillora {

StartFlowResult runStartFlow(const StartFlowHooks &hooks)
{
    for (;;) {
        const StartScreenOutcome outcome = hooks.showStartScreen();
        if (!outcome) {
            if (hooks.documentWindowVisible())
                return StartFlowResult::BackToDocument;
            if (hooks.runExitSequence())
                return StartFlowResult::Leaving;
            continue;
        }
        if (hooks.offerToSave() == SaveOfferResult::Stay) {
            if (hooks.documentWindowVisible())
                return StartFlowResult::BackToDocument;
            continue;
        }
        if (!hooks.hasWindow(outcome->kind)) {
            hooks.showMessage(kNotReadyMessage);
            continue;
        }
        if (hooks.openDocument(*outcome))
            return StartFlowResult::DocumentStarted;
    }
}

} // namespace quillora
