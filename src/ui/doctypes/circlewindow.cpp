#include "ui/doctypes/circlewindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/circledrawing.h"
#include "core/doctypes/circlefamily.h"
#include "core/layout/objectkinds.h"
#include "ui/document/objectframe.h"
#include "ui/document/pageview.h"
#include "ui/kit/choicedialog.h"
#include "ui/kit/picturebutton.h"
#include "ui/document/maskcontrol.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/textboxwidget.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace quillora {

namespace {

// One tick of a turn: about 30 frames a second.
constexpr int kTurnTickMs = 33;
// The rotate buttons: big enough for a small finger on a whiteboard.
constexpr int kRotateButtonPx = 80;
constexpr int kRotateButtonGapPx = 24;
constexpr int kPointerPx = 32;

QIcon turnArt(TurnDirection direction)
{
    return QIcon(direction == TurnDirection::Clockwise
                     ? QStringLiteral(":/art/circle/turn-cw.svg")
                     : QStringLiteral(":/art/circle/turn-acw.svg"));
}

} // namespace

// The disc turning: one frame of the turn, drawn where the disc and its words stand.
class TurnView : public QWidget {
public:
    explicit TurnView(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("turnPic"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void showFrame(const QImage &frame)
    {
        m_frame = frame;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_frame);
    }

private:
    QImage m_frame;
};

CircleWindow::CircleWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Circle).windowName, parent),
      m_clockwisePointer(turnArt(TurnDirection::Clockwise).pixmap(kPointerPx).toImage()),
      m_anticlockwisePointer(turnArt(TurnDirection::Anticlockwise).pixmap(kPointerPx).toImage())
{
    context.undo.addKind(ObjectKind::CircleTurn, circleTurnUndoKind());
    m_askSegments = [this] {
        // The question stands over the window rather than over an empty screen, and wants the
        // ordinary pointer, not the set-up's busy one.
        showFullScreen();
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const auto chosen = ChoiceDialog::ask(this->context(), DocumentKind::Circle, this);
        QApplication::restoreOverrideCursor();
        return chosen ? std::optional(chosen->circleSegments) : std::nullopt;
    };

    m_turnView = new TurnView(pageView());
    m_ring = new MaskControl(pageView());
    m_ring->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Ring")));
    m_ring->setPointerPicture(m_clockwisePointer);
    m_ring->hide();
    connect(m_ring, &MaskControl::pressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                onRingPressed(button, at);
            });
    connect(m_ring, &MaskControl::moved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) { onRingMoved(at); });
    connect(m_ring, &MaskControl::released, this, &CircleWindow::onRingReleased);

    m_rotateClockwise = new PictureButton(
        QStringLiteral("rotCWbut"), turnArt(TurnDirection::Clockwise),
        context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Turn clockwise"))), this);
    m_rotateAnticlockwise = new PictureButton(
        QStringLiteral("rotCCWbut"), turnArt(TurnDirection::Anticlockwise),
        context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Turn anticlockwise"))), this);
    for (PictureButton *button : {m_rotateClockwise, m_rotateAnticlockwise}) {
        button->resize(kRotateButtonPx, kRotateButtonPx);
        button->hide();
    }
    connect(m_rotateClockwise, &QAbstractButton::clicked, this,
            [this] { turnOneSegment(TurnDirection::Clockwise); });
    connect(m_rotateAnticlockwise, &QAbstractButton::clicked, this,
            [this] { turnOneSegment(TurnDirection::Anticlockwise); });

    m_rotTimer = new QTimer(this);
    m_rotTimer->setObjectName(QStringLiteral("rotTimer"));
    m_rotTimer->setInterval(kTurnTickMs);
    connect(m_rotTimer, &QTimer::timeout, this, &CircleWindow::onTick);

    connect(this, &DocumentWindow::pageShown, this, &CircleWindow::followPage);
}

bool CircleWindow::startDocument(const QString &)
{
    // Cancel keeps the number chosen last.
    int &remembered = context().rememberedChoices.circleSegments;
    remembered = m_askSegments().value_or(remembered);
    startCircle(remembered);
    return true;
}

void CircleWindow::startCircle(int segmentCount)
{
    buildNewCircle(context().page, pageFitInputs(), segmentCount);
    showPage();
}

PictureButton *CircleWindow::rotateButton(TurnDirection direction) const
{
    return direction == TurnDirection::Clockwise ? m_rotateClockwise : m_rotateAnticlockwise;
}

QWidget *CircleWindow::turnView() const
{
    return m_turnView;
}

void CircleWindow::resizeEvent(QResizeEvent *event)
{
    DocumentWindow::resizeEvent(event);
    placeButtons();
}

void CircleWindow::followPage()
{
    // A page shown afresh (new, opened) ends whatever turn was under way.
    m_rotTimer->stop();
    m_turn = {};
    m_heldSteps.clear();
    m_turnView->hide();
    const PageModel &page = context().page;
    const QRect disc = page.pictureBoxes.value(kDiscPictureBox).geometry;
    m_ring->setGeometry(disc);
    m_ring->setPicture(ringMaskPicture(CircleGeometry{disc.width(), int(page.textBoxes.size())}));
    m_ring->setVisible(!disc.isEmpty());
    m_ring->raise();
    placeButtons();
    // The disc is what the child works on first; opening restarts its history.
    setCurrentObject(ObjectKind::Picture, kDiscPictureBox);
    emit workStarting(ObjectKind::Picture, kDiscPictureBox);
}

void CircleWindow::placeButtons()
{
    const QRect page = context().page.pageRect;
    const QRect disc = context().page.pictureBoxes.value(kDiscPictureBox).geometry;
    const bool shown = !page.isEmpty() && !disc.isEmpty();
    // In the column right of the page, level with the disc's centre.
    const int left = std::max(page.right() + 1, (page.right() + width() - kRotateButtonPx) / 2);
    const int middle = page.top() + disc.center().y();
    m_rotateClockwise->move(left, middle - kRotateButtonPx - kRotateButtonGapPx / 2);
    m_rotateAnticlockwise->move(left, middle + kRotateButtonGapPx / 2);
    m_rotateClockwise->setVisible(shown);
    m_rotateAnticlockwise->setVisible(shown);
}

void CircleWindow::turnOneSegment(TurnDirection direction)
{
    if (m_turn.busy())
        return;
    const int segments = int(context().page.textBoxes.size());
    if (!startTurn(m_turn, rotateButtonTurn(segments, direction)))
        return;
    beginTurning();
    showAngle(0);
    m_rotTimer->start();
}

void CircleWindow::beginTurning()
{
    // A word being typed is finished: the turn takes the words with it.
    setFocus();
    setCurrentObject(ObjectKind::Picture, kDiscPictureBox);
    emit workStarting(ObjectKind::Picture, kDiscPictureBox);
    m_circle = circleOfPage(context().page);
    takePaintIntoSegments(m_circle);
    m_turning = prepareTurnPicture(m_circle);
    m_turnView->setGeometry(QRect(m_turning.topLeft, m_turning.picture.size()));
    setCircleShown(false);
    m_turnView->show();
    m_turnView->raise();
    m_ring->raise();
}

void CircleWindow::showAngle(int angle)
{
    drawTurnFrame(m_frame, m_turning, angle);
    m_turnView->showFrame(m_frame);
}

void CircleWindow::onTick()
{
    const TurnTick tick = stepTurn(m_turn, m_circle.segmentCount());
    showAngle(tick.angle);
    if (tick.finished)
        finishTurning(tick.segmentShift);
}

void CircleWindow::finishTurning(int segmentShift)
{
    m_rotTimer->stop();
    m_ring->setPointerPicture(m_clockwisePointer);
    PageModel &page = context().page;
    if (segmentShift != 0) {
        shiftSegments(m_circle, segmentShift);
        putCircleOnPage(m_circle, page);
        ++page.changeCount;
    }
    m_turnView->hide();
    setCircleShown(true);
    m_turning = {};
    m_circle = {};
    if (segmentShift != 0)
        emit changeMade(ObjectKind::CircleTurn, segmentShift);
    emit turnFinished(segmentShift);
    for (const HistoryStep step : std::exchange(m_heldSteps, {}))
        requestHistoryStep(step);
}

bool CircleWindow::holdHistoryStep(HistoryStep step)
{
    if (!m_turn.busy())
        return false;
    m_heldSteps.append(step);
    return true;
}

void CircleWindow::setCircleShown(bool shown)
{
    if (shown) {
        refreshPictureBox(kDiscPictureBox);
        for (int i = 0; i < context().page.textBoxes.size(); ++i)
            refreshTextBox(i);
        return;
    }
    PageView *view = pageView();
    if (PictureBoxWidget *disc = view->pictureBox(kDiscPictureBox))
        disc->hide();
    for (int i = 0; i < context().page.textBoxes.size(); ++i) {
        if (QWidget *box = view->textBox(i))
            box->hide();
        if (QWidget *frame = view->textFrame(i))
            frame->hide();
    }
}

void CircleWindow::onRingPressed(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::LeftButton || !pressRing(m_turn, position, QRectF(m_ring->rect()).center()))
        return;
    beginTurning();
    showAngle(0);
}

void CircleWindow::onRingMoved(QPoint position)
{
    if (!m_turn.dragging)
        return;
    const double before = m_turn.draggedAngle;
    const int angle = dragRing(m_turn, position);
    if (m_turn.draggedAngle != before)
        m_ring->setPointerPicture(m_turn.draggedAngle > before ? m_clockwisePointer
                                                               : m_anticlockwisePointer);
    showAngle(angle);
}

void CircleWindow::onRingReleased()
{
    if (!m_turn.dragging)
        return;
    const TurnTick tick = releaseRing(m_turn, m_circle.segmentCount());
    if (tick.finished)
        finishTurning(tick.segmentShift);
    else
        m_rotTimer->start();
}

} // namespace quillora
