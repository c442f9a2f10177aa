#include "ui/doctypes/hintbox.h"

#include "core/app/appcontext.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/kit/looks.h"
#include "ui/document/pictureboxwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kArrowPx = 56;
constexpr int kCaptionPixels = 24;
constexpr int kHintMarginPx = 8;
const QColor kArrowRim(0x13, 0x5C, 0x96);

// A fat arrow pointing left, sky blue in a dark rim like the toolbar's pictures.
QPixmap leftArrow()
{
    QPixmap picture(kArrowPx, kArrowPx);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = kArrowPx;
    QPainterPath arrow;
    arrow.moveTo(0.06 * s, 0.5 * s);
    arrow.lineTo(0.48 * s, 0.12 * s);
    arrow.lineTo(0.48 * s, 0.33 * s);
    arrow.lineTo(0.94 * s, 0.33 * s);
    arrow.lineTo(0.94 * s, 0.67 * s);
    arrow.lineTo(0.48 * s, 0.67 * s);
    arrow.lineTo(0.48 * s, 0.88 * s);
    arrow.closeSubpath();
    painter.setPen(QPen(kArrowRim, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(looks::kSky);
    painter.drawPath(arrow);
    return picture;
}

} // namespace

HintBox::HintBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OverThereBox"));
    setAttribute(Qt::WA_TransparentForMouseEvents); // never in the way of a finger
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, looks::kInk);
    setPalette(colours);

    m_arrow = new QLabel(this);
    m_arrow->setObjectName(QStringLiteral("OverThereImg"));
    m_arrow->setPixmap(leftArrow());
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("OverThereText"));
    m_text->setFont(looks::childFont(kCaptionPixels, true));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(kHintMarginPx, kHintMarginPx, 2 * kHintMarginPx, kHintMarginPx);
    layout->setSpacing(kHintMarginPx);
    layout->addWidget(m_arrow);
    layout->addWidget(m_text);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("overThereTimer"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &HintBox::tick);
    hide();
}

void HintBox::showHint(const QString &caption, QPoint target)
{
    m_text->setText(caption);
    adjustSize();
    move(target.x() + kTicks, target.y() - height() / 2);
    m_ticks = 0;
    show();
    raise();
    m_timer->start();
}

void HintBox::paintEvent(QPaintEvent *)
{
    // A sunshine card in an ink rim, like the program's other panels.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(looks::kInk, 3));
    painter.setBrush(looks::kSunshine);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
}

void HintBox::tick()
{
    move(x() - 1, y());
    if (++m_ticks < kTicks)
        return;
    m_ticks = 0;
    hide();
    m_timer->stop();
}

PaletteHint::PaletteHint(AppContext &context, DocumentWindow &window)
    : QObject(&window), m_context(context), m_window(window)
{
    m_box = new HintBox(&window);
    connect(&window, &DocumentWindow::picturePressed, this,
            [this](int index, QPoint position) { onPicturePressed(index, position); });
}

void PaletteHint::colourChosen()
{
    m_needed = false;
}

void PaletteHint::onPicturePressed(int index, QPoint position)
{
    if (!m_needed)
        return;
    m_needed = false; // once a run is a hint; more would be nagging
    const QWidget *picture = m_window.pageView()->pictureBox(index);
    const int y = picture ? picture->mapTo(&m_window, position).y() : m_window.height() / 2;
    const QString caption =
        m_context.paint.paintToolsShown
            ? m_context.tr(
                  QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pick a paint tool over there!")))
            : m_context.tr(
                  QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pick a felt pen over there!")));
    const int top = kToolbarHeightPx + m_box->sizeHint().height() / 2;
    m_box->showHint(caption, QPoint(m_window.paletteArea()->width() + kHintMarginPx,
                                    std::clamp(y, top, std::max(top, m_window.height() - top))));
}

} // namespace quillora
