#pragma once
// "Exit?": the first question of leaving the program.

#include "ui/kit/owndialog.h"

namespace quillora {

class ExitDialog : public OwnDialog {
    Q_OBJECT
public:
    explicit ExitDialog(AppContext &context, QWidget *parent = nullptr);

    // Clears the answer, asks, and returns it: "Yes" (OK) or "No" (Cancel, Escape).
    static QString ask(AppContext &context, QWidget *parent = nullptr);

protected:
    void closePressed() override;
};

} // namespace quillora
