#include "ui/kit/messagedialog.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr int kSentencePixels = 34; // a whole sentence at the question size would fill the screen
constexpr int kLongestQuestion = 24;

} // namespace

MessageDialog::MessageDialog(AppContext &context, const QString &message, const QString &detail,
                             QWidget *parent)
    : OwnDialog(context, QStringLiteral("msgForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Message")), message, parent)
{
    cancelButton()->hide();
    if (message.size() > kLongestQuestion) {
        messageLabel()->setFont(looks::childFont(kSentencePixels, true));
        messageLabel()->setMinimumWidth(560);
    }
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
