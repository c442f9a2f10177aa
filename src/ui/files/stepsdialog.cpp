#include "ui/files/stepsdialog.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QVBoxLayout>

namespace quillora {

StepsDialog::StepsDialog(AppContext &context, QVector<QImage> pictures, QWidget *parent)
    : OwnDialog(context, QStringLiteral("stepsForm"), QStringLiteral("Quillora"),
                pictures.isEmpty()
                    ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "No pictures of this work yet."))
                    : QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Watch it grow")),
                parent),
      m_pictures(std::move(pictures))
{
    cancelButton()->hide();
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("stepsPicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setAccessibleName(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Progress pictures")));
    m_picture->installEventFilter(this);
    QSize largest(1, 1);
    for (const QImage &picture : std::as_const(m_pictures))
        largest = largest.expandedTo(
            picture.size().scaled(kLargestPicture, Qt::KeepAspectRatio).boundedTo(picture.size()));
    m_picture->setFixedSize(largest);
    m_picture->setVisible(!m_pictures.isEmpty());
    m_counter = new QLabel(this);
    m_counter->setObjectName(QStringLiteral("stepsCounterFIXLANG"));
    m_counter->setFont(looks::childFont(looks::kControlPixels));
    m_counter->setAlignment(Qt::AlignCenter);
    bodyLayout()->addWidget(m_picture, 0, Qt::AlignCenter);
    bodyLayout()->addWidget(m_counter);

    m_flipTimer.setObjectName(QStringLiteral("flipTimer"));
    m_flipTimer.setInterval(kFrameMs);
    connect(&m_flipTimer, &QTimer::timeout, this, &StepsDialog::showNextStep);
    playAgain();
}

void StepsDialog::play(AppContext &context, QVector<QImage> pictures, QWidget *parent)
{
    StepsDialog form(context, std::move(pictures), parent);
    form.exec();
}

void StepsDialog::playAgain()
{
    if (m_pictures.isEmpty())
        return;
    showStep(0);
    m_flipTimer.start();
}

void StepsDialog::showNextStep()
{
    if (m_shown + 1 < m_pictures.size())
        showStep(m_shown + 1);
    if (m_shown + 1 >= m_pictures.size())
        m_flipTimer.stop();
}

void StepsDialog::showStep(int index)
{
    m_shown = index;
    const QImage &picture = m_pictures[index];
    m_picture->setPixmap(QPixmap::fromImage(
        picture.scaled(m_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    const QLocale locale;
    m_counter->setText(QStringLiteral("%1 / %2").arg(locale.toString(index + 1),
                                                     locale.toString(m_pictures.size())));
}

bool StepsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease) {
        playAgain();
        return true;
    }
    return OwnDialog::eventFilter(watched, event);
}

} // namespace quillora
