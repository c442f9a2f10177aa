#pragma once
// "Exit?": the first question of leaving the program.

#include "ui/kit/owndialog.h"

namespace quillora {

class ExitDialog : public OwnDialog {
    Q_OBJECT
public:
    explicit ExitDialog(AppContext &context, QWidget *parent = nullptr);

    // Asks and returns the answer: Yes (OK) or No (Cancel, Escape).
    static DialogAnswer ask(AppContext &context, QWidget *parent = nullptr);

protected:
    void closePressed() override;
};

} // namespace quillora
