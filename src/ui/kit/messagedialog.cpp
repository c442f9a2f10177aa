#include "ui/kit/messagedialog.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr int kSentencePixels = 34; // a whole sentence at the question size would fill the screen
constexpr int kLongestQuestion = 24;
// The message's room between the dialog's margins, where a short one stands on one line.
constexpr int kQuestionWidth = 4 * looks::kDialogButtonSize;

} // namespace

MessageDialog::MessageDialog(AppContext &context, const QString &message, const QString &detail,
                             QWidget *parent)
    : OwnDialog(context, QStringLiteral("msgForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Message")), message, parent)
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

void MessageDialog::tell(AppContext &context, const QString &message, QWidget *parent)
{
    tell(context, message, QString(), parent);
}

void MessageDialog::tell(AppContext &context, const QString &message, const QString &detail,
                         QWidget *parent)
{
    MessageDialog form(context, message, detail, parent);
    form.exec();
}

// Sized by the words the child reads: a few English words may be a whole sentence in another
// language.
void MessageDialog::textsTranslated()
{
    QLabel *message = messageLabel();
    const bool oneLineAtQuestionSize =
        message->fontMetrics().horizontalAdvance(message->text()) <= kQuestionWidth;
    if (message->text().size() > kLongestQuestion || !oneLineAtQuestionSize) {
        message->setFont(looks::childFont(kSentencePixels, true));
        message->setMinimumWidth(560);
    }
}

void MessageDialog::okPressed()
{
    done(Accepted);
}

void MessageDialog::closePressed()
{
    // Escape simply closes the message, as OK does.
    done(Accepted);
}

} // namespace quillora
