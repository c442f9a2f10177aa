#include "ui/app/messageform.h"

#include "ui/app/picturebutton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

MessageForm::MessageForm(AppContext &context, const QString &message, const QString &detail,
                         QWidget *parent)
    : OwnDialog(context, QStringLiteral("msgForm"), QStringLiteral("Quillora"), message, parent)
{
    cancelButton()->hide();
    if (!detail.isEmpty()) {
        auto *reason = new QLabel(QStringLiteral("(%1)").arg(detail), this);
        reason->setObjectName(QStringLiteral("msgDetailFIXLANG"));
        reason->setWordWrap(true);
        reason->setAlignment(Qt::AlignCenter);
        bodyLayout()->addWidget(reason);
    }
}

void MessageForm::tell(AppContext &context, const QString &message, const QString &detail,
                       QWidget *parent)
{
    const QString answer = context.dialogAnswer;
    MessageForm form(context, message, detail, parent);
    form.exec();
    context.dialogAnswer = answer;
}

} // namespace quillora
