#pragma once
// A printing message in the program's own dialog: the sentence and one OK picture.

#include "ui/app/owndialog.h"

namespace quillora {

class PrintMessage : public OwnDialog {
    Q_OBJECT
public:
    // `text` is shown as given (already translated).
    PrintMessage(AppContext &context, const QString &text, QWidget *parent = nullptr);
    static void show(AppContext &context, const QString &text, QWidget *parent = nullptr);
};

} // namespace quillora
