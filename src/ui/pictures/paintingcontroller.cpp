#include "ui/pictures/paintingcontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/pictures/feltpens.h"
#include "ui/pictures/painttools.h"
#include "ui/pictures/paletteart.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/pictures/rubberbandoverlay.h"
#include "ui/undo/undocontroller.h"

#include <QGuiApplication>
#include <QTimer>

namespace quillora {

namespace {
// How far a right press with the felt pens may wander and still count as a click.
constexpr int kRightClickSlackPx = 4;
} // namespace

PaintingController::PaintingController(AppContext &context, DocumentWindow &window,
                                       UndoController &undo)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo),
      m_painting(context.paint, context.random)
{
    m_feltPens = new FeltPens(context.paint, window.paletteArea());
    m_paintTools = new PaintTools(context.paint, window.paletteArea());
    m_paintTools->hide();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(PaintEngine::kTickIntervalMs);

    connect(m_feltPens, &FeltPens::colourChosen, this,
            [this] { emit paintColourChosen(m_context.paint.paintColour); });
    connect(m_paintTools, &PaintTools::pressed, this,
            &PaintingController::contextMenuDismissRequested);
    connect(m_paintTools, &PaintTools::colourChosen, this,
            [this] { emit paintColourChosen(m_context.paint.paintColour); });
    connect(m_paintTools, &PaintTools::toolChosen, this, &PaintingController::selectTool);

    connect(&window, &DocumentWindow::feltPensRequested, this, &PaintingController::showFeltPens);
    connect(&window, &DocumentWindow::paintToolsRequested, this,
            &PaintingController::showPaintTools);
    connect(&window, &DocumentWindow::picturePressed, this, &PaintingController::onPicturePressed);
    connect(&window, &DocumentWindow::pictureMoved, this, &PaintingController::onPictureMoved);
    connect(&window, &DocumentWindow::pictureReleased, this,
            &PaintingController::onPictureReleased);
    connect(m_timer, &QTimer::timeout, this, &PaintingController::onTick);

    // A window opens with the felt pens; the tool chosen before carries on.
    showFeltPens();
    selectTool(context.paint.tool);
}

RubberBandOverlay *PaintingController::box() const
{
    return m_box;
}

QSize PaintingController::screenSize() const
{
    return QSize(m_context.env.screen.widthPx, m_context.env.screen.heightPx);
}

void PaintingController::showFeltPens()
{
    m_paintTools->hide();
    m_feltPens->showForScreen(screenSize());
    m_window.setPaintToolsShown(false);
}

void PaintingController::showPaintTools()
{
    m_feltPens->hide();
    const ToolSelection selection = quillora::showPaintTools(m_context.paint);
    m_paintTools->showForScreen(screenSize());
    m_paintTools->showToolSelectaAt(0);
    m_window.setPaintToolsShown(true);
    selectTool(selection.tool);
}

void PaintingController::selectTool(int tool)
{
    const ToolSelection selection = quillora::selectTool(m_context.paint, tool);
    applyToolCursor();
    if (selection.timerEnabled)
        m_timer->start();
    else
        m_timer->stop();
    m_paintTools->setToolSize(selection.toolSize);
}

PictureBoxWidget *PaintingController::pictureWidget(int index) const
{
    return m_window.pageView()->pictureBox(index);
}

PointerInput PaintingController::pointerInput(const PictureBoxWidget *widget, QPoint position,
                                              Qt::MouseButton button)
{
    const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
    PointerInput input;
    input.pos = widget ? widget->toImage(position) : position;
    input.button = button == Qt::RightButton    ? PointerButton::Right
                   : button == Qt::MiddleButton ? PointerButton::Middle
                                                : PointerButton::Left;
    input.shift = keys.testFlag(Qt::ShiftModifier);
    input.alt = keys.testFlag(Qt::AltModifier);
    return input;
}

template <typename Paint> QRect PaintingController::paintOn(int index, Paint paint)
{
    PictureBoxWidget *widget = pictureWidget(index);
    if (widget)
        widget->releaseImage();
    const QRect dirty = paint();
    if (widget && index >= 0 && index < m_context.page.pictureBoxes.size())
        widget->showPainted(m_context.page.pictureBoxes[index].image, dirty);
    return dirty;
}

void PaintingController::setBusy(bool busy)
{
    m_busy = busy;
    if (!busy)
        return;
    m_strokePicture = -1;
    m_pendingRightPress.reset();
    if (m_box)
        m_box->hideBand();
}

void PaintingController::onPicturePressed(int index, QPoint position, Qt::MouseButton button,
                                          bool justSelected)
{
    m_pendingRightPress.reset();
    m_strokePicture = -1;
    if (m_busy)
        return;
    if (button == Qt::RightButton) {
        // The right button opens the picture menu with either palette: with the paint tools at
        // once, with the felt pens when it is let go without a drag (a whiteboard's long press
        // still draws).
        if (m_context.paint.paintToolsShown)
            requestMenu(index, position, justSelected);
        else
            m_pendingRightPress = PendingRightPress{index, position, justSelected};
        return;
    }
    pressPicture(index, position, button, justSelected);
}

void PaintingController::requestMenu(int index, QPoint position, bool justSelected)
{
    m_undo.beginWorkOn(CurrentObject{objectkind::Picture, index});
    // On "My layout" the picture is also taken as the object to move and resize.
    if (justSelected && kindInfo(m_context.page.documentType).freeArrangement)
        emit pictureSelectedForHandling(index);
    PictureBoxWidget *widget = pictureWidget(index);
    emit contextMenuRequested(index, widget ? widget->mapTo(&m_window, position) : position);
}

void PaintingController::pressPicture(int index, QPoint position, Qt::MouseButton button,
                                      bool justSelected)
{
    m_undo.beginWorkOn(CurrentObject{objectkind::Picture, index});
    PictureBoxWidget *widget = pictureWidget(index);
    const PointerInput input = pointerInput(widget, position, button);
    // The window has already made the picture current; painting decides from the object that
    // was current before whether this press only selects.
    if (justSelected)
        m_context.page.current = CurrentObject{};

    PressResult result;
    paintOn(index, [&] {
        result = m_painting.press(m_context.page, index, input);
        return result.dirty;
    });
    switch (result.outcome) {
    case PressOutcome::Painted:
        m_strokePicture = index;
        emit contextMenuDismissRequested();
        showBand(index);
        break;
    case PressOutcome::ContextMenu:
        emit contextMenuRequested(index, widget ? widget->mapTo(&m_window, position) : position);
        break;
    case PressOutcome::SelectedForHandling:
        emit pictureSelectedForHandling(index);
        break;
    case PressOutcome::Selected:
    case PressOutcome::NothingPainted:
        break;
    }
    if (widget)
        widget->setCursor(cursorFor(m_context.paint.tool));
}

void PaintingController::onPictureMoved(int index, QPoint position, Qt::MouseButtons buttons)
{
    if (m_busy)
        return;
    if (m_pendingRightPress && m_pendingRightPress->index == index &&
        (position - m_pendingRightPress->position).manhattanLength() > kRightClickSlackPx) {
        const PendingRightPress press = *m_pendingRightPress;
        m_pendingRightPress.reset();
        pressPicture(index, press.position, Qt::RightButton, press.justSelected);
    }
    if (index != m_strokePicture || !(buttons & (Qt::LeftButton | Qt::RightButton)))
        return;
    const Qt::MouseButton button = buttons & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
    const PointerInput input = pointerInput(pictureWidget(index), position, button);
    paintOn(index, [&] { return m_painting.move(m_context.page, index, input); });
    showBand(index);
}

void PaintingController::onPictureReleased(int index, QPoint position, Qt::MouseButton button)
{
    if (m_busy)
        return;
    if (m_pendingRightPress && m_pendingRightPress->index == index) {
        const PendingRightPress press = *m_pendingRightPress;
        m_pendingRightPress.reset();
        requestMenu(index, press.position, press.justSelected);
        return;
    }
    if (index != m_strokePicture)
        return;
    m_strokePicture = -1;
    const PointerInput input = pointerInput(pictureWidget(index), position, button);
    if (m_box)
        m_box->hideBand();
    paintOn(index, [&] { return m_painting.release(m_context.page, index, input); });
    m_undo.record(objectkind::Picture, index);
}

void PaintingController::onTick()
{
    const CurrentObject &current = m_context.page.current;
    if (current.kind != objectkind::Picture)
        return;
    paintOn(current.index, [&] { return m_painting.tick(m_context.page); });
}

void PaintingController::showBand(int index)
{
    const std::optional<RubberBand> band = m_painting.rubberBand();
    PictureBoxWidget *widget = pictureWidget(index);
    if (!band || !widget) {
        if (m_box)
            m_box->hideBand();
        return;
    }
    if (!m_box)
        m_box = new RubberBandOverlay(widget);
    m_box->showBand(widget, band, m_context.page.pictureBoxes[index].image.size());
}

void PaintingController::applyToolCursor()
{
    const QCursor &cursor = cursorFor(m_context.paint.tool);
    for (int i = 0; i < m_context.page.pictureBoxes.size(); ++i) {
        if (PictureBoxWidget *widget = pictureWidget(i))
            widget->setCursor(cursor);
    }
}

const QCursor &PaintingController::cursorFor(int tool)
{
    const int slot = isValidTool(tool) ? tool : 0;
    if (!m_cursors[slot])
        m_cursors[slot] = paletteart::toolCursor(slot);
    return *m_cursors[slot];
}

} // namespace quillora
