#include "ui/kit/topbar.h"

#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace quillora {

namespace {
constexpr int kTitlePixels = 28;
constexpr int kTabPadding = 14;
} // namespace

TopBar::TopBar(const AppContext &context, QWidget &window)
    : QWidget(&window), m_context(context), m_window(window)
{
    setObjectName(QStringLiteral("topBar"));
    setFixedHeight(looks::kTopBarHeight);
    setCursor(Qt::SizeAllCursor);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(kTabPadding, 0, 2, 0);
    m_layout->setSpacing(kTabPadding);

    m_title = new QLabel(window.windowTitle(), this);
    m_title->setObjectName(QStringLiteral("topBarTitle"));
    m_title->setFont(looks::childFont(kTitlePixels, true));
    m_title->setContentsMargins(kTabPadding, 0, kTabPadding, 0);
    m_title->setVisible(!m_title->text().isEmpty());
    m_layout->addWidget(m_title);
    m_layout->addStretch();

    dragWith(this);
    dragWith(m_title);
    // The title follows the window's, and a drag ends when the window goes.
    window.installEventFilter(this);
}

void TopBar::addLeading(QWidget *widget)
{
    widget->setParent(this);
    m_layout->insertWidget(m_leadingCount++, widget);
}

void TopBar::addTrailing(QWidget *widget)
{
    widget->setParent(this);
    m_layout->addWidget(widget);
}

PictureButton *TopBar::addCloseButton(const QString &objectName)
{
    auto *close = new PictureButton(objectName, QIcon(QStringLiteral(":/art/dialog/close.svg")),
                                    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Close")), this);
    close->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    close->setCursor(Qt::ArrowCursor);
    m_layout->addWidget(close);
    return close;
}

void TopBar::dragWith(QWidget *handle)
{
    handle->installEventFilter(this);
}

void TopBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor frame = toQColor(m_context.frameColour());
    p.fillRect(rect(), frame);
    // The art's soft highlight on the upper half and a firm edge in the dark of the bar's colour.
    QColor highlight = looks::kWhite;
    highlight.setAlphaF(0.35);
    p.fillRect(QRect(0, 0, width(), height() / 2), highlight);
    p.fillRect(QRect(0, height() - 3, width(), 3), frame.darker(150));
    if (m_title->isVisible()) {
        const QRectF tab = QRectF(m_title->geometry()).adjusted(0, 6, 0, -7);
        p.setPen(QPen(looks::kInk, 3));
        p.setBrush(looks::kCream);
        p.drawRoundedRect(tab, looks::kCornerRadius, looks::kCornerRadius);
    }
}

bool TopBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::WindowTitleChange) {
            m_title->setText(m_window.windowTitle());
            m_title->setVisible(!m_title->text().isEmpty());
        } else if (event->type() == QEvent::Hide) {
            m_drag.cancel();
        }
        return false;
    }
    if (m_drag.handle(m_window, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace quillora
