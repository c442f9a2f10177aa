#include "ui/app/exitdialog.h"

namespace quillora {

ExitDialog::ExitDialog(AppContext &context, QWidget *parent)
    : OwnDialog(context, QStringLiteral("exitForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Exit")),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Exit?")), parent)
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
