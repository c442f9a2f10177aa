#include "ui/app/exitdialog.h"

namespace quillora {

ExitDialog::ExitDialog(AppContext &context, QWidget *parent)
    : OwnDialog(context, QStringLiteral("exitForm"), QStringLiteral("Exit"),
                QStringLiteral("Exit?"), parent)
{
}

DialogAnswer ExitDialog::ask(AppContext &context, QWidget *parent)
{
    ExitDialog form(context, parent);
    return form.waitForAnswer();
}

void ExitDialog::closePressed()
{
    // Without a close button the only other way out is Escape, which means "stay".
    cancelPressed();
}

} // namespace quillora
