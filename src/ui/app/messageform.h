#pragma once
// A message the program tells the child or teacher, in an own dialog with one OK button.

#include "ui/app/owndialog.h"

namespace quillora {

class MessageForm : public OwnDialog {
    Q_OBJECT
public:
    // `message` is the English text; it is translated before it is shown. `detail`, when
    // given, follows it in brackets, as the system's own words are not translated.
    MessageForm(AppContext &context, const QString &message, const QString &detail = {},
                QWidget *parent = nullptr);

    static void tell(AppContext &context, const QString &message, const QString &detail = {},
                     QWidget *parent = nullptr);
};

} // namespace quillora
