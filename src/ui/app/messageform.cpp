#include "ui/app/messageform.h"

#include "ui/app/looks.h"
#include "ui/app/picturebutton.h"

#include <QLabel>

namespace quillora {

namespace {

constexpr int kSentencePixels = 34; // a whole sentence at the question size would fill the screen
constexpr int kLongestQuestion = 24;

} // namespace

MessageForm::MessageForm(AppContext &context, const QString &message, QWidget *parent)
    : OwnDialog(context, QStringLiteral("msgForm"), QStringLiteral("Message"), message, parent)
{
    cancelButton()->hide();
    if (message.size() > kLongestQuestion) {
        messageLabel()->setFont(looks::childFont(kSentencePixels, true));
        messageLabel()->setMinimumWidth(560);
    }
}

void MessageForm::tell(AppContext &context, const QString &message, QWidget *parent)
{
    MessageForm form(context, message, parent);
    form.exec();
}

void MessageForm::okPressed()
{
    done(Accepted);
}

void MessageForm::closePressed()
{
    // Escape simply closes the message, as OK does.
    done(Accepted);
}

} // namespace quillora
