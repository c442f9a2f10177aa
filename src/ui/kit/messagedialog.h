#pragma once
// A fixed message in the program's own window, with only the OK picture to close it.

#include "ui/kit/owndialog.h"

namespace quillora {

class MessageDialog : public OwnDialog {
    Q_OBJECT
public:
    // `message` is the English sentence; it is translated when the window is shown. `detail`,
    // when given, follows it in brackets: the system's own words, which are not translated.
    MessageDialog(AppContext &context, const QString &message, const QString &detail = {},
                  QWidget *parent = nullptr);

    // Shows the message and waits until it is closed.
    static void tell(AppContext &context, const QString &message, QWidget *parent = nullptr);
    static void tell(AppContext &context, const QString &message, const QString &detail,
                     QWidget *parent = nullptr);

protected:
    // A message asks nothing: OK and Escape both simply close it.
    void okPressed() override;
    void closePressed() override;
    void textsTranslated() override;
};

} // namespace quillora
