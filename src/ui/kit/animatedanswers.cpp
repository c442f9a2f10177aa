#include "ui/kit/animatedanswers.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

namespace quillora {

AnimatedAnswers::AnimatedAnswers(QWidget *parent) : QObject(parent)
{
    for (int n = 0; n < kFrameCount; ++n) {
        m_yesFrames[std::size_t(n)] = yesPicture(n);
        m_noFrames[std::size_t(n)] = noPicture(n);
    }
    m_ok = new PictureButton(QStringLiteral("okBut"), m_yesFrames[0],
                             QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "OK")), parent);
    m_cancel = new PictureButton(QStringLiteral("cancelBut"), m_noFrames[0],
                                 QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Cancel")), parent);
    for (PictureButton *button : {m_ok, m_cancel})
        button->setFixedSize(looks::kDialogButtonSize, looks::kDialogButtonSize);
    m_timer.setInterval(kFrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &AnimatedAnswers::advanceFrame);
}

QIcon AnimatedAnswers::yesPicture(int frame)
{
    return QIcon(QStringLiteral(":/art/dialog/yes%1.svg").arg(frame));
}

QIcon AnimatedAnswers::noPicture(int frame)
{
    return QIcon(QStringLiteral(":/art/dialog/no%1.svg").arg(frame));
}

void AnimatedAnswers::start()
{
    m_frame = 0;
    showFrame();
    m_timer.start();
}

void AnimatedAnswers::stop()
{
    m_timer.stop();
}

void AnimatedAnswers::advanceFrame()
{
    m_frame = (m_frame + 1) % kFrameCount;
    showFrame();
}

void AnimatedAnswers::setCancelPicture(const QIcon &picture)
{
    m_cancelAnimated = false;
    m_cancel->setPicture(picture);
}

void AnimatedAnswers::showFrame()
{
    m_ok->setPicture(m_yesFrames[std::size_t(m_frame)]);
    if (m_cancelAnimated)
        m_cancel->setPicture(m_noFrames[std::size_t(m_frame)]);
}

} // namespace quillora
