#include "ui/printing/printmessage.h"

#include "ui/app/looks.h"
#include "ui/app/picturebutton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

PrintMessage::PrintMessage(AppContext &context, const QString &text, QWidget *parent)
    : OwnDialog(context, QStringLiteral("printMessage"), QStringLiteral("Quillora"), {}, parent)
{
    auto *sentence = new QLabel(text, this);
    // Already in the child's language: translating again could only spoil it.
    sentence->setObjectName(QStringLiteral("printMessageTextFIXLANG"));
    sentence->setFont(looks::childFont(looks::kControlPixels + 8, true));
    sentence->setAlignment(Qt::AlignCenter);
    sentence->setWordWrap(true);
    bodyLayout()->addWidget(sentence);
    cancelButton()->hide();
}

void PrintMessage::show(AppContext &context, const QString &text, QWidget *parent)
{
    const QString earlierAnswer = context.dialogAnswer;
    PrintMessage message(context, text, parent);
    message.exec();
    // Only informs: the answer of the dialog before it stays for its caller.
    context.dialogAnswer = earlierAnswer;
}

} // namespace quillora
