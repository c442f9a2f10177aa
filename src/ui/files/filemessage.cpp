#include "ui/files/filemessage.h"

#include "ui/app/looks.h"
#include "ui/app/picturebutton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

namespace {
// A sentence, not a one-word question: smaller than the dialogs' questions, still easy to read.
constexpr int kMessageTextPixels = 28;
} // namespace

FileMessage::FileMessage(AppContext &context, const QString &message, QWidget *parent)
    // The message keeps its text in every language pass: it arrives translated.
    : OwnDialog(context, QStringLiteral("fileMessage"), QStringLiteral("Quillora"), {}, parent)
{
    auto *text = new QLabel(message, this);
    text->setObjectName(QStringLiteral("fileMessageTextFIXLANG"));
    text->setFont(looks::childFont(kMessageTextPixels, true));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setMinimumWidth(520);
    bodyLayout()->addWidget(text);
    cancelButton()->hide();
}

void FileMessage::tell(AppContext &context, const QString &message, QWidget *parent)
{
    FileMessage box(context, message, parent);
    box.exec();
}

void FileMessage::cancelPressed()
{
    // Escape only closes a message; there is nothing to cancel.
    okPressed();
}

} // namespace quillora
