#include "ui/kit/ownwindow.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/topbar.h"
#include "ui/kit/translatewindow.h"

#include <QVBoxLayout>

namespace quillora {

OwnWindow::OwnWindow(AppContext &context, const QString &objectName, const QString &title,
                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_context(context)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(true);
    looks::paintWindowPalette(this);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(looks::kFrameWidth, looks::kFrameWidth, looks::kFrameWidth,
                              looks::kFrameWidth);
    outer->setSpacing(0);
    m_topBar = new TopBar(context, *this);
    outer->addWidget(m_topBar);
    m_content = new QVBoxLayout;
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(0);
    outer->addLayout(m_content, 1);
}

PictureButton *OwnWindow::addCloseButton(const QString &objectName)
{
    PictureButton *close = m_topBar->addCloseButton(objectName);
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);
    return close;
}

void OwnWindow::setVisible(bool visible)
{
    // Translated before the window takes its size, so longer texts get the room they need.
    if (visible && !isVisible()) {
        translateWindow(this, m_context.translator);
        textsTranslated();
    }
    QDialog::setVisible(visible);
}

void OwnWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    looks::drawWindowFrame(this, m_context.frameColour());
}

} // namespace quillora
