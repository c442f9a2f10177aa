#pragma once
// "Save?": offered before unsaved work would be lost.

#include "ui/kit/owndialog.h"

namespace quillora {

class SaveOffer : public OwnDialog {
    Q_OBJECT
public:
    explicit SaveOffer(AppContext &context, QWidget *parent = nullptr);

    // Asks and returns the answer: Yes (OK or the Y key) means save; No (Cancel or the N key)
    // means go on without saving; Closed (the close button or Escape) means stay where we were.
    static DialogAnswer ask(AppContext &context, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quillora
