#include "ui/app/exitform.h"

namespace quillora {

ExitForm::ExitForm(AppContext &context, QWidget *parent)
    : OwnDialog(context, QStringLiteral("exitForm"), QStringLiteral("Exit"),
                QStringLiteral("Exit?"), parent)
{
}

QString ExitForm::ask(AppContext &context, QWidget *parent)
{
    context.dialogAnswer.clear();
    ExitForm form(context, parent);
    form.exec();
    return context.dialogAnswer;
}

void ExitForm::closePressed()
{
    // Without a close button the only other way out is Escape, which means "stay".
    cancelPressed();
}

} // namespace quillora
