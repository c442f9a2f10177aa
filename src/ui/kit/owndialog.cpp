#include "ui/kit/owndialog.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/topbar.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include <utility>

namespace quillora {

OwnDialog::OwnDialog(AppContext &context, const QString &objectName, const QString &title,
                     const QString &message, QWidget *parent)
    : OwnWindow(context, objectName, title, parent)
{
    auto *content = new QVBoxLayout;
    content->setContentsMargins(32, 20, 32, 28);
    content->setSpacing(20);
    windowLayout()->addLayout(content);

    m_message = new QLabel(message, this);
    m_message->setObjectName(QStringLiteral("msgLabel"));
    m_message->setFont(looks::childFont(looks::kMessagePixels, true));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setVisible(!message.isEmpty());
    topBar()->dragWith(m_message);
    content->addWidget(m_message);

    m_body = new QVBoxLayout;
    m_body->setSpacing(10);
    content->addLayout(m_body, 1);

    m_answers = new AnimatedAnswers(this);
    connect(okButton(), &QAbstractButton::clicked, this, [this] { okPressed(); });
    connect(cancelButton(), &QAbstractButton::clicked, this, [this] { cancelPressed(); });
    m_okCaption = new QLabel(this);
    m_okCaption->setObjectName(QStringLiteral("okCaption"));
    m_cancelCaption = new QLabel(this);
    m_cancelCaption->setObjectName(QStringLiteral("cancelCaption"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto [button, caption] :
         {std::pair{okButton(), m_okCaption}, std::pair{cancelButton(), m_cancelCaption}}) {
        caption->setFont(looks::childFont(looks::kControlPixels, true));
        caption->setAlignment(Qt::AlignCenter);
        caption->hide();
        auto *column = new QVBoxLayout;
        column->addWidget(button, 0, Qt::AlignHCenter);
        column->addWidget(caption);
        buttons->addLayout(column);
        if (button == okButton())
            buttons->addSpacing(looks::kDialogButtonSize / 2);
    }
    buttons->addStretch();
    content->addLayout(buttons);
    // Wide enough for the two big buttons with room between and around them; the layout,
    // not a fixed window size, sets the minimum so that longer content still fits.
    content->addStrut(4 * looks::kDialogButtonSize);
}

int OwnDialog::exec()
{
    QEventLoop wait;
    QPointer<OwnDialog> guard(this);
    connect(this, &QDialog::finished, &wait, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
    setResult(Rejected);
    m_answer = DialogAnswer::None;
    show();
    raise();
    activateWindow();
    wait.exec(QEventLoop::DialogExec);
    return guard ? result() : int(Rejected);
}

DialogAnswer OwnDialog::waitForAnswer()
{
    exec();
    return m_answer;
}

void OwnDialog::showButtonCaptions(const QString &ok, const QString &cancel)
{
    m_okCaption->setText(ok);
    m_okCaption->setVisible(!ok.isEmpty());
    m_cancelCaption->setText(cancel);
    m_cancelCaption->setVisible(!cancel.isEmpty());
}

void OwnDialog::okPressed()
{
    closeWithAnswer(DialogAnswer::Yes, Accepted);
}

void OwnDialog::cancelPressed()
{
    closeWithAnswer(DialogAnswer::No, Rejected);
}

void OwnDialog::closePressed()
{
    closeWithAnswer(DialogAnswer::Closed, Rejected);
}

void OwnDialog::closeWithAnswer(DialogAnswer answer, DialogCode code)
{
    m_answer = answer;
    done(code);
}

void OwnDialog::reject()
{
    // Escape, the close picture and the window manager's close all arrive here.
    closePressed();
}

void OwnDialog::showEvent(QShowEvent *event)
{
    m_answers->start();
    OwnWindow::showEvent(event);
}

void OwnDialog::hideEvent(QHideEvent *event)
{
    m_answers->stop();
    OwnWindow::hideEvent(event);
}

} // namespace quillora
