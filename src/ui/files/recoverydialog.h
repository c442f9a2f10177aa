#pragma once
// "Your work from today at 10:42": offered at start-up for each work an earlier run left
// unsaved, with its picture and kind. OK opens it, Cancel leaves it for another time, and the
// bin throws it away.

#include "core/files/recovery.h"
#include "ui/kit/owndialog.h"

#include <optional>

namespace quillora {

class AutosaveController;

class RecoveryDialog : public OwnDialog {
    Q_OBJECT
public:
    enum class Choice { Open, NotNow, ThrowAway };

    RecoveryDialog(AppContext &context, const RecoveredWork &work, QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    PictureButton *throwAwayButton() const { return m_throwAway; }

    // Offers the recovered works newest first, one at a time, until one is opened or the child
    // says "Not now". The path to open the chosen work from, or nothing.
    static std::optional<QString> offer(AppContext &context, AutosaveController &autosave);

protected:
    void okPressed() override;
    void cancelPressed() override;
    void closePressed() override;

private:
    Choice m_choice = Choice::NotNow;
    PictureButton *m_throwAway = nullptr;
};

} // namespace quillora
