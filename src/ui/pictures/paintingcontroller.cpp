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

PaintingController::PaintingController(AppContext &context, DocumentWindow &window,
                                       UndoController &undo)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo),
      m_painting(context.paint, context.random)
{
    m_feltPens = new FeltPens(context.paint, window.paletteArea());
    m_paintTools = new PaintTools(context.paint, window.paletteArea());
    m_paintTools->hide();
    m_held = new LongPresses(window, this);
    m_penHeld = new LongPresses(window, this);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(PaintEngine::kTickIntervalMs);

    connect(m_feltPens, &FeltPens::colourChosen, this,
            [this] { emit paintColourChosen(m_context.paint.paintColour); });
    holdFeltPenPresses();
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
    connect(&window, &DocumentWindow::pictureTouchCancelled, this,
            &PaintingController::onTouchCancelled);
    connect(m_timer, &QTimer::timeout, this, &PaintingController::onTick);

    // A window opens with the felt pens; the tool chosen before carries on.
    showFeltPens();
    selectTool(context.paint.tool);
}

void PaintingController::holdFeltPenPresses()
{
    // A pen held still is pressed again as the right button presses it; one pen press at a time.
    constexpr int kPenPress = PicturePainting::kMousePointer;
    connect(m_feltPens, &FeltPens::leftPressStarted, this, [this](int pen, QPoint at) {
        if (!m_context.settings.longPressMenu)
            return;
        m_penHeld->hold(
            kPenPress, {HeldPresses::Kind::MaybeLong, pen, at}, m_feltPens->mapTo(&m_window, at),
            [this](const HeldPresses::Press &press) { m_feltPens->rightPress(press.target); });
    });
    connect(m_feltPens, &FeltPens::leftPressMoved, this,
            [this](int pen, QPoint at) { m_penHeld->takeIfMovedAway(kPenPress, pen, at); });
    connect(m_feltPens, &FeltPens::leftPressEnded, this, [this] { m_penHeld->settle(kPenPress); });
}

RubberBandOverlay *PaintingController::box() const
{
    const auto found = m_boxes.find(PicturePainting::kMousePointer);
    return found == m_boxes.end() ? nullptr : found->second.data();
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
                                              Qt::MouseButton button, int pointer)
{
    const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
    PointerInput input;
    input.pos = widget ? widget->toImage(position) : position;
    input.button = button == Qt::RightButton    ? PointerButton::Right
                   : button == Qt::MiddleButton ? PointerButton::Middle
                                                : PointerButton::Left;
    input.shift = keys.testFlag(Qt::ShiftModifier);
    input.alt = keys.testFlag(Qt::AltModifier);
    if (widget && pointer == PictureBoxWidget::kPenPointer) {
        input.pressure = widget->penPressure();
        input.eraser = widget->penErases();
    }
    return input;
}

PointerInput PaintingController::inputOn(int index, QPoint position, Qt::MouseButton button,
                                         int pointer) const
{
    PointerInput input = pointerInput(pictureWidget(index), position, button, pointer);
    // Without pressure a stylus draws at the full chosen size; its eraser end still erases.
    if (!m_context.settings.stylusPressure)
        input.pressure = 1.0;
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
    for (int pointer : m_held->pointers())
        m_held->settle(pointer);
    for (int pointer : m_painting.activePointers()) {
        hideBand(pointer);
        m_painting.dropStroke(pointer);
    }
}

void PaintingController::onPicturePressed(int index, QPoint position, Qt::MouseButton button,
                                          bool justSelected, int pointer)
{
    m_held->settle(pointer);
    if (m_busy)
        return;
    if (button == Qt::RightButton) {
        // The right button opens the picture menu with either palette: with the paint tools at
        // once, with the felt pens when it is let go without a drag.
        if (m_context.paint.paintToolsShown)
            requestMenu(index, position, justSelected);
        else
            m_held->hold(pointer, {HeldPresses::Kind::RightButton, index, position, justSelected});
        return;
    }
    if (button == Qt::LeftButton && m_context.settings.longPressMenu) {
        const PictureBoxWidget *widget = pictureWidget(index);
        m_held->hold(pointer, {HeldPresses::Kind::MaybeLong, index, position, justSelected},
                     widget ? widget->mapTo(&m_window, position) : position,
                     [this](const HeldPresses::Press &press) {
                         requestMenu(press.target, press.position, press.justSelected);
                     });
        return;
    }
    pressPicture(index, position, button, justSelected, pointer);
}

void PaintingController::requestMenu(int index, QPoint position, bool justSelected)
{
    m_undo.beginWorkOn(CurrentObject{ObjectKind::Picture, index});
    // On "My layout" the picture is also taken as the object to move and resize.
    if (justSelected && kindInfo(m_context.page.documentType).freeArrangement)
        emit pictureSelectedForHandling(index);
    PictureBoxWidget *widget = pictureWidget(index);
    emit contextMenuRequested(index, widget ? widget->mapTo(&m_window, position) : position);
}

void PaintingController::pressPicture(int index, QPoint position, Qt::MouseButton button,
                                      bool justSelected, int pointer)
{
    // A finger joining a stroke already running in this picture keeps its history: the
    // strokes that overlap are one step.
    if (m_painting.strokesOn(index) == 0)
        m_undo.beginWorkOn(CurrentObject{ObjectKind::Picture, index});
    PictureBoxWidget *widget = pictureWidget(index);
    const PointerInput input = inputOn(index, position, button, pointer);
    // The window has already made the picture current; painting decides from the object that
    // was current before whether this press only selects.
    if (justSelected)
        m_context.page.current = CurrentObject{};

    PressResult result;
    paintOn(index, [&] {
        result = m_painting.press(m_context.page, index, input, pointer);
        return result.dirty;
    });
    switch (result.outcome) {
    case PressOutcome::Painted:
        emit contextMenuDismissRequested();
        showBand(index, pointer);
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

void PaintingController::onPictureMoved(int index, QPoint position, Qt::MouseButtons buttons,
                                        int pointer)
{
    if (m_busy)
        return;
    if (const auto press = m_held->takeIfMovedAway(pointer, index, position)) {
        const bool right = press->kind == HeldPresses::Kind::RightButton;
        pressPicture(index, press->position, right ? Qt::RightButton : Qt::LeftButton,
                     press->justSelected, pointer);
    }
    if (index != m_painting.strokePicture(pointer) ||
        !(buttons & (Qt::LeftButton | Qt::RightButton)))
        return;
    const Qt::MouseButton button = buttons & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
    const PointerInput input = inputOn(index, position, button, pointer);
    paintOn(index, [&] { return m_painting.move(m_context.page, index, input, pointer); });
    showBand(index, pointer);
}

void PaintingController::onPictureReleased(int index, QPoint position, Qt::MouseButton button,
                                           int pointer)
{
    if (m_busy)
        return;
    if (const auto press = m_held->settle(pointer)) {
        if (press->target != index)
            return;
        if (press->kind == HeldPresses::Kind::RightButton) {
            requestMenu(index, press->position, press->justSelected);
            return;
        }
        // Let go before it became a long press: a tap, painting as a click does.
        pressPicture(index, press->position, button, press->justSelected, pointer);
    }
    if (index != m_painting.strokePicture(pointer))
        return;
    const PointerInput input = inputOn(index, position, button, pointer);
    hideBand(pointer);
    paintOn(index, [&] { return m_painting.release(m_context.page, index, input, pointer); });
    strokeEnded(index);
}

void PaintingController::onTouchCancelled(int index, int pointer)
{
    m_held->settle(pointer);
    if (m_busy || index != m_painting.strokePicture(pointer))
        return;
    hideBand(pointer);
    paintOn(index, [&] {
        QRect dirty;
        m_painting.endStroke(m_context.page, pointer, &dirty);
        return dirty;
    });
    strokeEnded(index);
}

void PaintingController::strokeEnded(int index)
{
    if (m_painting.strokesOn(index) > 0)
        return;
    // A stroke in a picture the history has since left (another finger began in another
    // picture) stays painted, but is not this history's step.
    if (m_context.undo.workObject() == CurrentObject{ObjectKind::Picture, index})
        m_undo.record(ObjectKind::Picture, index);
}

void PaintingController::onTick()
{
    const CurrentObject &current = m_context.page.current;
    if (current.kind != ObjectKind::Picture)
        return;
    paintOn(current.index, [&] { return m_painting.tick(m_context.page); });
}

void PaintingController::showBand(int index, int pointer)
{
    const std::optional<RubberBand> band = m_painting.rubberBand(pointer);
    PictureBoxWidget *widget = pictureWidget(index);
    if (!band || !widget) {
        hideBand(pointer);
        return;
    }
    QPointer<RubberBandOverlay> &box = m_boxes[pointer];
    if (!box)
        box = new RubberBandOverlay(widget);
    box->showBand(widget, band, m_context.page.pictureBoxes[index].image.size());
}

void PaintingController::hideBand(int pointer)
{
    const auto found = m_boxes.find(pointer);
    if (found == m_boxes.end())
        return;
    if (found->second)
        found->second->hideBand();
    // A finger's band goes with the finger; the mouse's stays for its next drag.
    if (pointer != PicturePainting::kMousePointer) {
        if (found->second)
            found->second->deleteLater();
        m_boxes.erase(found);
    }
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
