#include "ui/kit/pleasewaitwindow.h"

#include "ui/kit/looks.h"
#include "ui/kit/translatewindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>

namespace quillora {

PleaseWaitWindow::PleaseWaitWindow(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_context(context)
{
    setObjectName(QStringLiteral("briefPurposeForm"));
    setWindowTitle(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Please wait")));
    looks::paintWindowPalette(this);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(32, 24, 40, 24);
    row->setSpacing(20);
    auto *hourglass = new QLabel(this);
    hourglass->setObjectName(QStringLiteral("waitImg"));
    hourglass->setPixmap(QIcon(QStringLiteral(":/art/dialog/wait.svg")).pixmap(96, 96));
    hourglass->setToolTip(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Please wait...")));
    hourglass->setAccessibleName(hourglass->toolTip());
    row->addWidget(hourglass);
    auto *label = new QLabel(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Please wait...")), this);
    label->setObjectName(QStringLiteral("waitLabel"));
    label->setFont(looks::childFont(looks::kMessagePixels, true));
    row->addWidget(label);
}

void PleaseWaitWindow::showEvent(QShowEvent *event)
{
    translateWindow(this, m_context.translator);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

void PleaseWaitWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    looks::drawWindowFrame(this, m_context.frameColour());
}

} // namespace quillora
