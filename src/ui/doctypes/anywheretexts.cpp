#include "ui/doctypes/anywheretexts.h"

#include "core/app/appcontext.h"
#include "core/doctypes/anywhere.h"
#include "core/text/textboxformat.h"
#include "ui/kit/fingerinput.h"
#include "ui/kit/picturebutton.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace quillora {

namespace {

// The handle is bigger than the corner it marks: a finger on a whiteboard finds it.
constexpr int kResizeHandlePx = 32;
constexpr int kFontButtonPx = 40;
constexpr int kFontEntryHeightPx = 44;
constexpr int kFontEntryPointSize = 20;
// A press that travels less than this is a press, not a drag.
constexpr int kDragSlackPx = 3;
const QColor kFrameColour(0x1A, 0x4F, 0xD6);

// The selection frame: a bright dashed line that lets every press through.
class SelectionFrame : public QWidget {
public:
    explicit SelectionFrame(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("selectBox"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(kFrameColour, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

class ResizeHandle : public QWidget {
public:
    explicit ResizeHandle(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("TextResizeHandle"));
        setAccessibleName(
            QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Make the text bigger or smaller")));
        setCursor(Qt::SizeFDiagCursor);
        resize(kResizeHandlePx, kResizeHandlePx);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QIcon(QStringLiteral(":/art/anywhere/resize.svg")).paint(&painter, rect());
    }
};

void styleText(QWidget *widget, const FloatingTextModel &text)
{
    widget->setFont(fontForStyle(text.style));
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Text, toQColor(text.style.colour));
    colours.setColor(QPalette::WindowText, toQColor(text.style.colour));
    colours.setColor(QPalette::Base, Qt::transparent);
    widget->setPalette(colours);
}

} // namespace

AnywhereTexts::AnywhereTexts(AppContext &context, QWidget *host)
    : QObject(host), m_context(context), m_host(host)
{
    m_selectBox = new SelectionFrame(host);
    m_resizeHandle = new ResizeHandle(host);
    m_resizeHandle->installEventFilter(this);
    FingerInput::takeFingers(*m_resizeHandle);
    m_fontButton = new PictureButton(
        QStringLiteral("floatFontBut"), QIcon(QStringLiteral(":/art/toolbar/fonts.svg")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Choose a font")), host);
    m_fontButton->resize(kFontButtonPx, kFontButtonPx);
    connect(m_fontButton, &PictureButton::clicked, this, &AnywhereTexts::showFontPanel);

    m_fontPanel = new QWidget(host);
    m_fontPanel->setObjectName(QStringLiteral("floatMenu"));
    m_fontPanel->setAutoFillBackground(true);
    m_fontPanel->setStyleSheet(QStringLiteral("#floatMenu { background: white; border: 3px solid "
                                              "#1A4FD6; border-radius: 8px; }"));
    int widest = 0;
    for (int entry = 0; entry < int(kAnywhereFonts.size()); ++entry) {
        auto *label = new QLabel(kAnywhereFonts[entry], m_fontPanel);
        label->setObjectName(QStringLiteral("fontTypeBut%1").arg(entry));
        TextStyle style;
        style.fontName = kAnywhereFonts[entry];
        style.fontSize = kFontEntryPointSize;
        label->setFont(fontForStyle(style));
        label->setCursor(Qt::PointingHandCursor);
        label->adjustSize();
        label->move(12, 8 + entry * kFontEntryHeightPx);
        label->installEventFilter(this);
        widest = std::max(widest, label->width());
        m_fontEntries.append(label);
    }
    m_fontPanel->resize(widest + 24, 16 + int(kAnywhereFonts.size()) * kFontEntryHeightPx);
    hideDecorations();
}

void AnywhereTexts::setPicture(QPoint origin, QSize size)
{
    m_origin = origin;
    m_pictureSize = size;
}

QLineEdit *AnywhereTexts::textBox(int slot) const
{
    return slot >= 0 && slot < m_textBoxes.size() ? m_textBoxes.at(slot) : nullptr;
}

QLabel *AnywhereTexts::label(int slot) const
{
    return slot >= 0 && slot < m_labels.size() ? m_labels.at(slot) : nullptr;
}

FloatingTextModel *AnywhereTexts::edited() const
{
    if (!isFloatingText(m_context.page, m_edited))
        return nullptr;
    return &m_context.page.kindState<AnywhereState>().floatingTexts[m_edited];
}

QPoint AnywhereTexts::hostPosition(const QRect &pictureRect) const
{
    return m_origin + pictureRect.topLeft();
}

void AnywhereTexts::ensureSlots(int count)
{
    // Slots once loaded stay loaded while the window is open.
    for (int slot = int(m_textBoxes.size()); slot < count; ++slot) {
        auto *box = new QLineEdit(m_host);
        box->setObjectName(QStringLiteral("TextBox%1").arg(slot));
        box->setAccessibleName(QCoreApplication::translate("Quillora", "Text %1").arg(slot));
        box->setFrame(false);
        box->setTextMargins(0, 0, 0, 0);
        box->setAttribute(Qt::WA_TranslucentBackground);
        box->hide();
        box->installEventFilter(this);
        box->installEventFilter(m_host); // the window's shortcuts work while typing
        FingerInput::takeFingers(*box);
        connect(box, &QLineEdit::textEdited, this, [this, slot](const QString &text) {
            typeFloatingText(m_context.page, slot, text);
            showText(slot);
            if (m_selectBox->isVisible())
                placeDecorations(slot);
        });
        auto *label = new QLabel(m_host);
        label->setObjectName(QStringLiteral("LabBox%1").arg(slot));
        label->setAccessibleName(QCoreApplication::translate("Quillora", "Words %1").arg(slot));
        label->setTextFormat(Qt::PlainText);
        label->setCursor(Qt::OpenHandCursor);
        label->hide();
        label->installEventFilter(this);
        FingerInput::takeFingers(*label);
        m_textBoxes.append(box);
        m_labels.append(label);
    }
}

void AnywhereTexts::showText(int slot)
{
    QLineEdit *box = textBox(slot);
    QLabel *label = this->label(slot);
    if (!box || !label)
        return;
    if (!isFloatingText(m_context.page, slot)) {
        box->hide();
        label->hide();
        return;
    }
    const FloatingTextModel &text = floatingTextsOf(m_context.page).at(slot);
    const QRect place(hostPosition(text.geometry), text.geometry.size());
    // The mark of a new text shows in the child's words; the page keeps the mark itself.
    const QString shown =
        text.text == kPlaceholderText ? m_context.tr(kPlaceholderText) : text.text;
    styleText(box, text);
    if (box->text() != shown)
        box->setText(shown);
    box->setGeometry(place);
    styleText(label, text);
    label->setText(shown);
    label->setGeometry(place);
}

void AnywhereTexts::showPage()
{
    ensureSlots(int(floatingTextsOf(m_context.page).size()));
    for (int slot = 0; slot < m_textBoxes.size(); ++slot)
        showText(slot);
    m_edited = -1;
    hideDecorations();
    showAsLabels(-1);
}

void AnywhereTexts::showAsLabels(int except)
{
    for (int slot = 1; slot < m_textBoxes.size(); ++slot) {
        if (slot == except)
            continue;
        const bool inUse = isFloatingText(m_context.page, slot);
        m_textBoxes[slot]->hide();
        m_labels[slot]->setVisible(inUse);
        if (inUse)
            m_labels[slot]->raise();
    }
    for (QWidget *widget : std::as_const(m_inFront))
        widget->raise();
}

void AnywhereTexts::placeDecorations(int slot)
{
    QLineEdit *box = textBox(slot);
    if (!box)
        return;
    m_edited = slot;
    const FloatingTextDecorations decorations =
        decorationsFor(box->geometry(), m_fontButton->width());
    m_selectBox->setGeometry(decorations.frame);
    m_resizeHandle->move(decorations.resizeHandle);
    m_fontButton->move(decorations.fontButton);
    for (QWidget *widget : {m_selectBox, static_cast<QWidget *>(m_fontButton), m_resizeHandle}) {
        widget->show();
        widget->raise();
    }
}

void AnywhereTexts::hideDecorations()
{
    m_selectBox->hide();
    m_resizeHandle->hide();
    m_fontButton->hide();
    m_fontPanel->hide();
}

void AnywhereTexts::edit(int slot, bool takeFocus, bool placeholderSelected)
{
    ensureSlots(int(floatingTextsOf(m_context.page).size()));
    if (!isFloatingText(m_context.page, slot))
        return;
    showText(slot);
    m_labels[slot]->hide();
    QLineEdit *box = m_textBoxes[slot];
    box->show();
    box->raise();
    placeDecorations(slot);
    showAsLabels(slot);
    if (placeholderSelected)
        box->selectAll();
    if (takeFocus)
        box->setFocus(Qt::MouseFocusReason);
}

void AnywhereTexts::endEditing()
{
    hideDecorations();
    removeNewbyTexts(m_context.page);
    for (int slot = 0; slot < m_textBoxes.size(); ++slot)
        showText(slot);
    m_edited = -1;
    showAsLabels(-1);
}

void AnywhereTexts::takeUp(int slot)
{
    emit writingWanted();
    // The box's width follows its text again, whatever happened to it meanwhile.
    fitFloatingTextBox(m_context.page.kindState<AnywhereState>().floatingTexts[slot]);
    edit(slot, true);
}

bool AnywhereTexts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_resizeHandle)
        return handleEvent(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        const int entry = int(m_fontEntries.indexOf(static_cast<QLabel *>(watched)));
        if (entry >= 0) {
            chooseFont(entry);
            return true;
        }
    }
    for (int slot = 1; slot < m_textBoxes.size(); ++slot) {
        if (watched == m_textBoxes.at(slot))
            return textBoxEvent(slot, event);
        if (watched == m_labels.at(slot))
            return labelEvent(slot, event);
    }
    return QObject::eventFilter(watched, event);
}

bool AnywhereTexts::textBoxEvent(int slot, QEvent *event)
{
    QLineEdit *box = m_textBoxes[slot];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !isFloatingText(m_context.page, slot))
            return false;
        m_drag = {mouse->globalPosition().toPoint(), box->pos(), {}, false};
        takeUp(slot);
        return false; // the caret still goes where the finger is
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!(mouse->buttons() & Qt::LeftButton) || m_edited != slot)
            return false;
        const QPoint travel = mouse->globalPosition().toPoint() - m_drag.pointerStart;
        if (!m_drag.moved && travel.manhattanLength() < kDragSlackPx)
            return false;
        m_drag.moved = true;
        box->move(m_drag.widgetStart + travel);
        placeDecorations(slot);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!m_drag.moved || m_edited != slot)
            return false;
        m_drag.moved = false;
        moveFloatingText(m_context.page, slot, box->pos() - m_origin);
        edit(slot, true);
        emit stepFinished();
        return true;
    }
    case QEvent::KeyPress:
        m_keys.pressed(*static_cast<QKeyEvent *>(event));
        return false;
    case QEvent::KeyRelease:
        if (m_keys.released(*static_cast<QKeyEvent *>(event))) {
            emit keyReleased();
            emit stepFinished();
        }
        return false;
    case QEvent::FocusOut:
        m_keys.forget();
        return false;
    default:
        return false;
    }
}

bool AnywhereTexts::labelEvent(int slot, QEvent *event)
{
    QLabel *label = m_labels[slot];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_drag = {mouse->globalPosition().toPoint(), label->pos(), {}, false};
        label->raise();
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint travel = mouse->globalPosition().toPoint() - m_drag.pointerStart;
        m_drag.moved = m_drag.moved || travel.manhattanLength() >= kDragSlackPx;
        label->move(m_drag.widgetStart + travel);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton ||
            !isFloatingText(m_context.page, slot))
            return false;
        const bool moved = m_drag.moved;
        m_drag.moved = false;
        moveFloatingText(m_context.page, slot, label->pos() - m_origin);
        takeUp(slot);
        if (moved)
            emit stepFinished();
        return true;
    }
    default:
        return false;
    }
}

bool AnywhereTexts::handleEvent(QEvent *event)
{
    QLineEdit *box = textBox(m_edited);
    if (!box)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_drag = {mouse->globalPosition().toPoint(), m_resizeHandle->pos(), m_selectBox->geometry(),
                  false};
        m_fontPanel->hide();
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        m_drag.moved = true;
        // Worked out in the picture's pixels, where the handle's limits are.
        const QRect frame = m_drag.frameStart.translated(-m_origin);
        const QPoint proposed =
            m_drag.widgetStart - m_origin + mouse->globalPosition().toPoint() - m_drag.pointerStart;
        const QPoint handle =
            clampResizeHandle(proposed, frame, m_pictureSize, m_resizeHandle->size());
        const QRect stretched = frameForResizeHandle(frame, handle).translated(m_origin);
        m_resizeHandle->move(handle + m_origin);
        m_selectBox->setGeometry(stretched);
        box->resize(stretched.width() - 2, box->height());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!m_drag.moved)
            return true;
        m_drag.moved = false;
        resizeFloatingText(m_context.page, m_edited, m_selectBox->geometry().translated(-m_origin));
        edit(m_edited, true);
        emit stepFinished();
        return true;
    }
    default:
        return false;
    }
}

void AnywhereTexts::showFontPanel()
{
    const QRect frame = m_selectBox->geometry();
    // Left of the frame below its button where it fits, else right of the frame.
    int left = m_fontButton->geometry().right() - m_fontPanel->width();
    if (left < 0)
        left = frame.right() + 4;
    const int top = std::clamp(m_fontButton->geometry().bottom() + 4, 0,
                               std::max(0, m_host->height() - m_fontPanel->height()));
    m_fontPanel->move(left, top);
    m_fontPanel->show();
    m_fontPanel->raise();
}

void AnywhereTexts::chooseFont(int entry)
{
    if (!edited())
        return;
    chooseFloatingTextFont(m_context.page, m_edited, kAnywhereFonts[entry]);
    endEditing();
    emit stepFinished();
}

} // namespace quillora
