#pragma once
// A short message after a file command went wrong ("Sorry. This file couldn't be opened."),
// in the program's own dialog with only the OK picture.

#include "ui/app/owndialog.h"

namespace quillora {

class FileMessage : public OwnDialog {
    Q_OBJECT
public:
    // `message` is shown as given: the caller has already translated it.
    FileMessage(AppContext &context, const QString &message, QWidget *parent = nullptr);

    static void tell(AppContext &context, const QString &message, QWidget *parent = nullptr);

protected:
    void cancelPressed() override;
};

} // namespace quillora
