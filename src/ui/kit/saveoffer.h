#pragma once
// "Save?": offered before unsaved work would be lost.

#include "ui/kit/owndialog.h"

namespace quillora {

class SaveOffer : public OwnDialog {
    Q_OBJECT
public:
    explicit SaveOffer(AppContext &context, QWidget *parent = nullptr);

    // Asks and returns the answer: "Yes" (OK or the Y key) means save; "No" (Cancel) means
    // go on without saving; "cancelled" (the close button or Escape) means stay where we were.
    // The N key closes with no answer: whatever the caller had left there stays (on exit,
    // "Yes" from the exit question, so the program ends without saving).
    static QString ask(AppContext &context, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quillora
