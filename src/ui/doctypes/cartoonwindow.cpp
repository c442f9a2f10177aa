#include "ui/doctypes/cartoonwindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/cartoon.h"
#include "core/doctypes/cartoondescription.h"
#include "core/doctypes/pagefamily.h"
#include "core/layout/objectkinds.h"
#include "core/text/plainfit.h"
#include "core/layout/templatereader.h"
#include "ui/doctypes/bubblewidget.h"
#include "ui/doctypes/cartoonside.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/document/pageview.h"
#include "ui/text/fontdialog.h"
#include "ui/document/textboxwidget.h"
#include "ui/undo/undocontroller.h"

#include <algorithm>

namespace quillora {

namespace {

// Room between the icons in the column beside the page.
constexpr int kIconGap = 24;
// The smallest size "smaller" leaves a bubble's words at.
constexpr double kSmallestChosenFontSize = 8.0;
constexpr double kFontStep = 2.0;

} // namespace

CartoonWindow::CartoonWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::ComicStrip).windowName, parent)
{
    for (BubbleKind kind : {BubbleKind::Speech, BubbleKind::Thought, BubbleKind::Caption}) {
        auto *icon = new BubbleIcon(kind, *this, this);
        m_icons[std::size_t(kind)] = icon;
        connect(icon, &BubbleIcon::dropped, this, [this](BubbleKind dropped, QPoint global) {
            dropIcon(dropped, pageView()->mapFromGlobal(global));
        });
    }
    m_bin = new BubbleBin(this);
    m_layer = new QWidget(this);
    m_layer->setObjectName(QStringLiteral("bubbleLayer"));
    m_layer->hide();
    context.undo.addKind(ObjectKind::Bubble, bubbleUndoKind());

    connect(this, &DocumentWindow::pageShown, this, &CartoonWindow::showBubbles);
    connect(this, &DocumentWindow::textBiggerRequested, this, [this] { changeTextSize(true); });
    connect(this, &DocumentWindow::textSmallerRequested, this, [this] { changeTextSize(false); });
    connect(this, &DocumentWindow::fontRequested, this, &CartoonWindow::openFontDialog);
    placeSideColumn();
}

bool CartoonWindow::startDocument(const QString &templatePath)
{
    QString reason;
    PageModel &page = context().page;
    const bool read = pageFamilyFor(page.documentType)
                          ->buildNewPage(page, templatePath, pageFitInputs(), &reason);
    translateTemplateWords(context().page, context().translator);
    showPage();
    if (!read)
        emit templateLoadFailed(reason);
    return read;
}

void CartoonWindow::controllersAttached(const DocumentControllers &controllers)
{
    m_undo = controllers.undo;
    connect(m_undo, &UndoController::restored, this, [this](const QVector<UndoTarget> &changed) {
        if (std::any_of(changed.begin(), changed.end(),
                        [](const UndoTarget &target) { return target.kind == ObjectKind::Bubble; }))
            showBubbles();
    });
}

int CartoonWindow::dropIcon(BubbleKind kind, QPoint pagePoint)
{
    PageModel &page = context().page;
    const int frame = frameAt(page, pagePoint);
    if (frame < 0)
        return -1;
    startWork(-1);
    const QRect frameGeometry = page.pictureBoxes[frame].geometry;
    const int screenWidth = context().env.screen.widthPx;
    TextStyle style;
    style.fontSize = defaultBubbleFontSize(screenWidth);
    const int index = createBubble(page, kind, frame, pagePoint - frameGeometry.topLeft(),
                                   defaultBubbleSize(screenWidth, frameGeometry.width()), style);
    if (index < 0)
        return -1;
    setCurrentObject(ObjectKind::Bubble, index);
    recordChange();
    showBubble(index);
    m_bubbles[index]->text()->setFocus();
    return index;
}

BubbleWidget *CartoonWindow::bubble(int index) const
{
    return m_bubbles.value(index, nullptr);
}

BubbleHandle *CartoonWindow::tailHandle(int index) const
{
    return m_tails.value(index, nullptr);
}

BubbleHandle *CartoonWindow::sizeHandle(int index) const
{
    return m_sizes.value(index, nullptr);
}

void CartoonWindow::resizeEvent(QResizeEvent *event)
{
    DocumentWindow::resizeEvent(event);
    placeSideColumn();
}

void CartoonWindow::showBubbles()
{
    m_layer->setGeometry(context().page.pageRect);
    const QVector<BubbleModel> &bubbles = bubblesOf(context().page);
    for (int i = 0; i < std::max<int>(bubbles.size(), m_bubbles.size()); ++i)
        showBubble(i);
    placeSideColumn();
}

void CartoonWindow::fitLayerToBubbles()
{
    QRegion reach;
    for (int i = 0; i < m_bubbles.size(); ++i) {
        if (m_bubbles[i]->isHidden())
            continue;
        reach += m_bubbles[i]->mask().translated(m_bubbles[i]->pos());
        for (BubbleHandle *handle : {m_tails[i], m_sizes[i]})
            if (!handle->isHidden())
                reach += QRegion(handle->geometry(), QRegion::Ellipse);
    }
    if (reach.isEmpty() || pageView()->isHidden()) {
        m_layer->hide();
        return;
    }
    m_layer->setMask(reach);
    m_layer->show();
    m_layer->raise();
}

void CartoonWindow::showBubble(int index, bool clipped)
{
    const BubbleModel *shown = model(index);
    if (!shown || !shown->visible) {
        if (index < m_bubbles.size()) {
            m_bubbles[index]->hide();
            m_tails[index]->hide();
            m_sizes[index]->hide();
            fitLayerToBubbles();
        }
        return;
    }
    makeControls(index);
    const QRect frame = frameRect(*shown);
    m_bubbles[index]->showBubble(*shown, frame.topLeft(), clipped ? frame : QRect());
    m_tails[index]->centreOn(frame.topLeft() + shown->tip);
    m_sizes[index]->centreOn(frame.topLeft() + sizeHandleCentre(*shown));
    m_tails[index]->setVisible(shown->kind != BubbleKind::Caption);
    m_sizes[index]->show();
    m_bubbles[index]->raise();
    m_tails[index]->raise();
    m_sizes[index]->raise();
    fitLayerToBubbles();
}

void CartoonWindow::placeSideColumn()
{
    const QRect page = context().page.pageRect;
    const int columnLeft = page.isEmpty() ? width() - BubbleBin::kSide : page.right() + 1;
    const auto leftFor = [&](int side) {
        return std::min(columnLeft + (width() - columnLeft - side) / 2, width() - side);
    };
    int top = page.top();
    for (BubbleIcon *icon : m_icons) {
        icon->move(leftFor(BubbleIcon::kSide), top);
        top += BubbleIcon::kSide + kIconGap;
    }
    m_bin->move(leftFor(BubbleBin::kSide), page.top() + page.height() - BubbleBin::kSide);
}

void CartoonWindow::makeControls(int index)
{
    while (m_bubbles.size() <= index) {
        const int made = m_bubbles.size();
        auto *bubble = new BubbleWidget(made, m_layer);
        bubble->text()->installEventFilter(this);
        connect(bubble, &BubbleWidget::pressed, this, &CartoonWindow::bubblePressed);
        connect(bubble, &BubbleWidget::moved, this, &CartoonWindow::bubbleMoved);
        connect(bubble, &BubbleWidget::released, this, &CartoonWindow::bubbleReleased);
        connect(bubble, &BubbleWidget::textPressed, this, [this](int i) { startWork(i); });
        connect(bubble, &BubbleWidget::textEdited, this, &CartoonWindow::textEdited);
        connect(bubble, &BubbleWidget::textKeyReleased, this, [this] { recordChange(); });
        auto *tail = new BubbleHandle(BubbleHandle::Role::Tail, made, m_layer);
        connect(tail, &BubbleHandle::pressed, this, [this](int i) { startWork(i); });
        connect(tail, &BubbleHandle::moved, this, &CartoonWindow::tailMoved);
        connect(tail, &BubbleHandle::released, this, &CartoonWindow::handleReleased);
        auto *size = new BubbleHandle(BubbleHandle::Role::Size, made, m_layer);
        connect(size, &BubbleHandle::pressed, this, [this](int i) { startWork(i); });
        connect(size, &BubbleHandle::moved, this, &CartoonWindow::sizeMoved);
        connect(size, &BubbleHandle::released, this, &CartoonWindow::handleReleased);
        m_bubbles.append(bubble);
        m_tails.append(tail);
        m_sizes.append(size);
    }
}

BubbleModel *CartoonWindow::model(int index)
{
    ComicStripState *strip = context().page.findKindState<ComicStripState>();
    return strip && index >= 0 && index < strip->bubbles.size() ? &strip->bubbles[index] : nullptr;
}

QRect CartoonWindow::frameRect(const BubbleModel &bubble) const
{
    const QVector<PictureBoxModel> &frames = context().page.pictureBoxes;
    return bubble.frame >= 0 && bubble.frame < frames.size() ? frames[bubble.frame].geometry
                                                             : QRect();
}

QPoint CartoonWindow::framePoint(const BubbleModel &bubble, QPoint global) const
{
    return pageView()->mapFromGlobal(global) - frameRect(bubble).topLeft();
}

// Work turns to the bubbles: the history restarts with them as they are, unless it already
// belongs to them. `index` becomes the current object when it is a bubble.
void CartoonWindow::startWork(int index)
{
    if (index >= 0)
        setCurrentObject(ObjectKind::Bubble, index);
    if (m_undo)
        m_undo->beginWorkOn(CurrentObject{ObjectKind::Bubble, 0});
}

// A change to the bubbles: counted, so leaving offers to save it, and recorded for undo.
void CartoonWindow::recordChange()
{
    ++context().page.changeCount;
    if (m_undo)
        m_undo->record(ObjectKind::Bubble, 0);
}

void CartoonWindow::bubblePressed(int index, QPoint global)
{
    const BubbleModel *pressed = model(index);
    if (!pressed)
        return;
    startWork(index);
    m_drag = {index, global, pressed->geometry.topLeft(), false};
    m_bubbles[index]->text()->setFocus();
}

void CartoonWindow::bubbleMoved(int index, QPoint global)
{
    BubbleModel *dragged = model(index);
    if (!dragged || m_drag.index != index)
        return;
    m_drag.moved = m_drag.moved || global != m_drag.grab;
    moveBubble(*dragged, m_drag.startTopLeft + (global - m_drag.grab));
    // Lifted off its frame while it moves, so it can be seen all the way to another one.
    showBubble(index, false);
    m_bin->setOpen(m_bin->isUnder(global));
}

void CartoonWindow::bubbleReleased(int index, QPoint global)
{
    if (m_drag.index != index || !model(index))
        return;
    const bool moved = m_drag.moved;
    const QPoint startTopLeft = m_drag.startTopLeft;
    m_drag = {};
    m_bin->setOpen(false);
    if (!moved) {
        showBubble(index);
        return;
    }
    const BubbleDrop drop = dropBubble(context().page, index, pageView()->mapFromGlobal(global),
                                       m_bin->isUnder(global), startTopLeft);
    showBubble(index);
    if (drop == BubbleDrop::Binned)
        setCurrentObject(ObjectKind::Paper, 0);
    recordChange();
}

void CartoonWindow::tailMoved(int index, QPoint global)
{
    BubbleModel *pointed = model(index);
    if (!pointed)
        return;
    const QRect frameArea(QPoint(0, 0), frameRect(*pointed).size());
    pointed->tip = clampedTip(pointed->geometry & frameArea, framePoint(*pointed, global));
    showBubble(index);
}

void CartoonWindow::sizeMoved(int index, QPoint global)
{
    BubbleModel *sized = model(index);
    if (!sized)
        return;
    const QRect frame = frameRect(*sized);
    sized->geometry = resizedBubble(*sized, framePoint(*sized, global), frame.width());
    sized->tip = clampedTip(sized->geometry, sized->tip);
    fitBubbleText(*sized);
    showBubble(index);
}

void CartoonWindow::handleReleased(int index)
{
    if (!model(index))
        return;
    recordChange();
}

void CartoonWindow::textEdited(int index, const QString &text)
{
    BubbleModel *edited = model(index);
    if (!edited || edited->text == text)
        return;
    edited->text = text;
    fitBubbleText(*edited);
    showBubble(index);
}

int CartoonWindow::currentBubble() const
{
    const PageModel &page = context().page;
    const int index = page.current.index;
    const QVector<BubbleModel> &bubbles = bubblesOf(page);
    if (page.current.kind != ObjectKind::Bubble || index < 0 || index >= bubbles.size() ||
        !bubbles[index].visible)
        return -1;
    return index;
}

QWidget *CartoonWindow::takeKeyboardTyping()
{
    const int index = currentBubble();
    return index >= 0 && index < m_bubbles.size() ? m_bubbles[index]->text() : nullptr;
}

void CartoonWindow::changeTextSize(bool bigger)
{
    const int index = currentBubble();
    if (index < 0)
        return;
    BubbleModel &bubble = context().page.kindState<ComicStripState>().bubbles[index];
    const double size = bubble.style.fontSize;
    bubble.style.fontSize =
        bigger ? size + kFontStep : std::max(size - kFontStep, kSmallestChosenFontSize);
    fitBubbleText(bubble);
    showBubble(index);
    recordChange();
    m_bubbles[index]->text()->setFocus();
}

// The font dialog works on a copy of the bubble's text box, and the bubble takes its font back.
void CartoonWindow::openFontDialog()
{
    const int index = currentBubble();
    if (index < 0)
        return;
    BubbleModel &bubble = context().page.kindState<ComicStripState>().bubbles[index];
    TextBoxModel dumText = bubbleTextBox(bubble);
    FontDialog form(context(), dumText, this);
    if (form.waitForAnswer() != DialogAnswer::Yes)
        return;
    TextMeasure measure;
    if (!applyFontChoice(dumText, form.choice(), measure))
        return;
    bubble.style.fontName = dumText.style.fontName;
    bubble.style.fontSize = dumText.style.fontSize;
    bubble.style.colour = dumText.style.colour;
    fitBubbleText(bubble);
    showBubble(index);
    recordChange();
}

} // namespace quillora
