#include "ui/kit/owndialog.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/translatewindow.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include <utility>

namespace quillora {

OwnDialog::OwnDialog(AppContext &context, const QString &objectName, const QString &title,
                     const QString &message, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_context(context)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(true);
    looks::paintWindowPalette(this);

    for (int n = 0; n < kFrameCount; ++n) {
        m_yesFrames[std::size_t(n)] = yesPicture(n);
        m_noFrames[std::size_t(n)] = noPicture(n);
    }

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(looks::kFrameWidth, looks::kFrameWidth, looks::kFrameWidth,
                              looks::kFrameWidth);
    outer->setSpacing(0);

    m_topBar = new QWidget(this);
    m_topBar->setObjectName(QStringLiteral("topBar"));
    m_topBar->setFixedHeight(looks::kTopBarHeight);
    m_topBar->setAutoFillBackground(true);
    m_topBar->setCursor(Qt::SizeAllCursor);
    m_topBar->installEventFilter(this);
    m_topBarLayout = new QHBoxLayout(m_topBar);
    m_topBarLayout->setContentsMargins(2, 0, 2, 0);
    m_topBarLayout->addStretch();
    outer->addWidget(m_topBar);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(32, 20, 32, 28);
    content->setSpacing(20);
    outer->addLayout(content);

    m_message = new QLabel(message, this);
    m_message->setObjectName(QStringLiteral("msgLabel"));
    m_message->setFont(looks::childFont(looks::kMessagePixels, true));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->installEventFilter(this);
    m_message->setVisible(!message.isEmpty());
    content->addWidget(m_message);

    m_body = new QVBoxLayout;
    m_body->setSpacing(10);
    content->addLayout(m_body, 1);

    m_ok = new PictureButton(QStringLiteral("okBut"), m_yesFrames[0], QStringLiteral("OK"), this);
    m_cancel = new PictureButton(QStringLiteral("cancelBut"), m_noFrames[0],
                                 QStringLiteral("Cancel"), this);
    for (PictureButton *button : {m_ok, m_cancel})
        button->setFixedSize(looks::kDialogButtonSize, looks::kDialogButtonSize);
    connect(m_ok, &QAbstractButton::clicked, this, [this] { okPressed(); });
    connect(m_cancel, &QAbstractButton::clicked, this, [this] { cancelPressed(); });
    m_okCaption = new QLabel(this);
    m_okCaption->setObjectName(QStringLiteral("okCaption"));
    m_cancelCaption = new QLabel(this);
    m_cancelCaption->setObjectName(QStringLiteral("cancelCaption"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto [button, caption] :
         {std::pair{m_ok, m_okCaption}, std::pair{m_cancel, m_cancelCaption}}) {
        caption->setFont(looks::childFont(looks::kControlPixels, true));
        caption->setAlignment(Qt::AlignCenter);
        caption->hide();
        auto *column = new QVBoxLayout;
        column->addWidget(button, 0, Qt::AlignHCenter);
        column->addWidget(caption);
        buttons->addLayout(column);
        if (button == m_ok)
            buttons->addSpacing(looks::kDialogButtonSize / 2);
    }
    buttons->addStretch();
    content->addLayout(buttons);
    // Wide enough for the two big buttons with room between and around them; the layout,
    // not a fixed window size, sets the minimum so that longer content still fits.
    content->addStrut(4 * looks::kDialogButtonSize);

    m_animation.setInterval(kFrameIntervalMs);
    connect(&m_animation, &QTimer::timeout, this, &OwnDialog::advanceFrame);
}

int OwnDialog::exec()
{
    QEventLoop wait;
    QPointer<OwnDialog> guard(this);
    connect(this, &QDialog::finished, &wait, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
    setResult(Rejected);
    show();
    raise();
    activateWindow();
    wait.exec(QEventLoop::DialogExec);
    return guard ? result() : int(Rejected);
}

QIcon OwnDialog::yesPicture(int frame)
{
    return QIcon(QStringLiteral(":/art/dialog/yes%1.svg").arg(frame));
}

QIcon OwnDialog::noPicture(int frame)
{
    return QIcon(QStringLiteral(":/art/dialog/no%1.svg").arg(frame));
}

void OwnDialog::advanceFrame()
{
    m_frame = (m_frame + 1) % kFrameCount;
    showFrame();
}

void OwnDialog::showFrame()
{
    m_ok->setPicture(m_yesFrames[std::size_t(m_frame)]);
    if (m_cancelAnimated)
        m_cancel->setPicture(m_noFrames[std::size_t(m_frame)]);
}

void OwnDialog::showButtonCaptions(const QString &ok, const QString &cancel)
{
    m_okCaption->setText(ok);
    m_okCaption->setVisible(!ok.isEmpty());
    m_cancelCaption->setText(cancel);
    m_cancelCaption->setVisible(!cancel.isEmpty());
}

void OwnDialog::setCancelPicture(const QIcon &picture)
{
    m_cancelAnimated = false;
    m_cancel->setPicture(picture);
}

PictureButton *OwnDialog::addCloseButton(const QString &objectName)
{
    auto *close = new PictureButton(objectName, QIcon(QStringLiteral(":/art/dialog/close.svg")),
                                    QStringLiteral("Close"), m_topBar);
    close->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    connect(close, &QAbstractButton::clicked, this, [this] { closePressed(); });
    m_topBarLayout->addWidget(close);
    return close;
}

void OwnDialog::okPressed()
{
    closeWithAnswer(QStringLiteral("Yes"), Accepted);
}

void OwnDialog::cancelPressed()
{
    closeWithAnswer(QStringLiteral("No"), Rejected);
}

void OwnDialog::closePressed()
{
    closeWithAnswer(QStringLiteral("cancelled"), Rejected);
}

void OwnDialog::closeWithAnswer(const QString &answer, DialogCode code)
{
    m_context.dialogAnswer = answer;
    done(code);
}

void OwnDialog::reject()
{
    // Escape and the window manager's close both arrive here.
    closePressed();
}

void OwnDialog::setVisible(bool visible)
{
    // Translated before the window takes its size, so longer texts get the room they need.
    if (visible && !isVisible())
        translateWindow(this, m_context.translator);
    QDialog::setVisible(visible);
}

void OwnDialog::showEvent(QShowEvent *event)
{
    QPalette bar = m_topBar->palette();
    bar.setColor(QPalette::Window, toQColor(m_context.frameColour()));
    m_topBar->setPalette(bar);
    m_frame = 0;
    showFrame();
    m_animation.start();
    QDialog::showEvent(event);
}

void OwnDialog::hideEvent(QHideEvent *event)
{
    m_animation.stop();
    m_drag.cancel();
    QDialog::hideEvent(event);
}

void OwnDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    looks::drawWindowFrame(this, m_context.frameColour());
}

bool OwnDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_topBar && watched != m_message)
        return QDialog::eventFilter(watched, event);
    if (m_drag.handle(*this, event))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace quillora
