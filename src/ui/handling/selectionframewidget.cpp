#include "ui/handling/selectionframewidget.h"

#include "core/handling/selectionframe.h"
#include "ui/handling/handlingart.h"
#include "ui/kit/fingerinput.h"
#include "ui/kit/picturebutton.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillora {

namespace {

using namespace selectionframe;

// The handles are white squares with a thick ink edge: they show on any picture, light or dark.
const QColor kHandleFill(0xFF, 0xFF, 0xFF);
const QColor kHandleEdge(0x1B, 0x2A, 0x4A);
const QColor kDefaultBarColour(0xFF, 0x8C, 0x1A);

enum class Part { Handle, Bar };

// One handle or bar: draws itself in the middle of its touch area and reports the mouse.
class FramePart : public QWidget {
public:
    FramePart(SelectionFrameWidget &frame, Part part, int index)
        : QWidget(&frame), m_frame(frame), m_part(part), m_index(index)
    {
        setObjectName(part == Part::Handle ? QStringLiteral("Handle%1").arg(index)
                                           : QStringLiteral("moveBar%1").arg(index));
        setAccessibleName(part == Part::Handle
                              ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Resize"))
                              : QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Move")));
        setAttribute(Qt::WA_NoSystemBackground);
        static constexpr Qt::CursorShape kHandleCursors[] = {
            Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
            Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor};
        setCursor(part == Part::Handle ? kHandleCursors[index] : Qt::SizeAllCursor);
        FingerInput::takeFingers(*this);
    }

    // Where the handle's square or the bar's band is drawn, in this part's coordinates.
    void setMark(const QRect &mark)
    {
        m_mark = mark;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_part == Part::Bar) {
            const qreal round = kBarSize / 2.0;
            painter.setPen(Qt::NoPen);
            painter.setBrush(m_frame.moveBarColour());
            painter.drawRoundedRect(m_mark, round, round);
            return;
        }
        painter.setPen(QPen(kHandleEdge, 3));
        painter.setBrush(kHandleFill);
        painter.drawRoundedRect(QRectF(m_mark).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (m_part == Part::Handle)
            emit m_frame.handleDown(m_index, event->button(), event->modifiers(), at);
        else
            emit m_frame.barDown(m_index, event->button(), event->modifiers(), at);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (m_part == Part::Handle)
            emit m_frame.handleMove(m_index, event->buttons(), event->modifiers(), at);
        else
            emit m_frame.barMove(m_index, event->buttons(), event->modifiers(), at);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (m_part == Part::Handle)
            emit m_frame.handleUp(m_index, event->button(), event->modifiers(), at);
        else
            emit m_frame.barUp(m_index, event->button(), event->modifiers(), at);
    }

private:
    SelectionFrameWidget &m_frame;
    Part m_part;
    int m_index;
    QRect m_mark;
};

// A rectangle grown or shrunk about its centre to `width` x `height`.
QRect around(const QRect &rect, int width, int height)
{
    return QRect(rect.center().x() - (width - 1) / 2, rect.center().y() - (height - 1) / 2, width,
                 height);
}

// The touch area of a handle or bar: `size` wide and high, holding `part` and reaching out of
// the frame rather than into the object, where presses paint or type.
QRect touchArea(const QRect &part, QSize size, const HandleEdges &outward)
{
    QRect area = around(part, size.width(), size.height());
    if (outward.left)
        area.moveRight(part.right());
    else if (outward.right)
        area.moveLeft(part.left());
    if (outward.top)
        area.moveBottom(part.bottom());
    else if (outward.bottom)
        area.moveTop(part.top());
    return area;
}

// The side each bar lies on, as the edges of a handle there.
HandleEdges barSide(int bar)
{
    static constexpr int kHandleOnSide[kBarCount] = {1, 3, 5, 7};
    return edgesOf(kHandleOnSide[bar]);
}

} // namespace

SelectionFrameWidget::SelectionFrameWidget(QWidget *parent)
    : QWidget(parent), m_barColour(kDefaultBarColour)
{
    setObjectName(QStringLiteral("SelectionFrameWidget"));
    setAttribute(Qt::WA_NoSystemBackground);
    for (int i = 0; i < kBarCount; ++i)
        m_bars[std::size_t(i)] = new FramePart(*this, Part::Bar, i);
    // Handles above the bars: a press on a handle's square resizes even where a bar passes.
    for (int i = 0; i < kHandleCount; ++i)
        m_handles[std::size_t(i)] = new FramePart(*this, Part::Handle, i);
    m_allowPainting = new PictureButton(
        QStringLiteral("allowPaintingBut"), handlingart::allowPaintingPicture(),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Paint on this picture")), this);
    m_allowPainting->resize(kAllowPaintingSize, kAllowPaintingSize);
    m_allowPainting->hide();
    connect(m_allowPainting, &QAbstractButton::clicked, this,
            &SelectionFrameWidget::allowPaintingPressed);
    hide();
}

void SelectionFrameWidget::setFrameRect(const QRect &frame)
{
    m_frame = frame;
    setGeometry(frame.adjusted(-kTouchMargin, -kTouchMargin, kTouchMargin, kTouchMargin));
    posAllhandlesNmoveBars();
}

void SelectionFrameWidget::setMoveBarColours(const QColor &colour)
{
    m_barColour = colour;
    for (QWidget *bar : m_bars)
        bar->update();
}

void SelectionFrameWidget::showAllowPaintingBut()
{
    m_allowPainting->show();
    m_allowPainting->raise();
    posAllhandlesNmoveBars();
}

void SelectionFrameWidget::hideAllowPaintingBut()
{
    m_allowPainting->hide();
    posAllhandlesNmoveBars();
}

QWidget *SelectionFrameWidget::handle(int index) const
{
    return index >= 0 && index < kHandleCount ? m_handles[std::size_t(index)] : nullptr;
}

QWidget *SelectionFrameWidget::moveBar(int index) const
{
    return index >= 0 && index < kBarCount ? m_bars[std::size_t(index)] : nullptr;
}

void SelectionFrameWidget::posAllhandlesNmoveBars()
{
    const QSize size = m_frame.size();
    const QPoint origin(kTouchMargin, kTouchMargin);
    QRegion touchable;
    for (int i = 0; i < kHandleCount; ++i) {
        const QRect square = handleRect(i, size).translated(origin);
        const QRect mark = around(square, kHandleDrawnSize, kHandleDrawnSize);
        const QRect place =
            touchArea(square, QSize(kHandleTouchSize, kHandleTouchSize), edgesOf(i)).united(mark);
        auto *part = static_cast<FramePart *>(m_handles[std::size_t(i)]);
        part->setGeometry(place);
        part->setMark(mark.translated(-place.topLeft()));
        touchable += place;
    }
    for (int i = 0; i < kBarCount; ++i) {
        const QRect bar = barRect(i, size).translated(origin);
        const bool horizontal = i % 2 == 0;
        const QSize touch =
            horizontal ? QSize(bar.width(), kBarTouchSize) : QSize(kBarTouchSize, bar.height());
        const QRect place = touchArea(bar, touch, barSide(i));
        auto *part = static_cast<FramePart *>(m_bars[std::size_t(i)]);
        part->setGeometry(place);
        part->setMark(bar.translated(-place.topLeft()));
        touchable += place;
    }
    if (!m_allowPainting->isHidden()) {
        // Inside the picture's top-left corner, clear of the handles.
        m_allowPainting->move(origin + QPoint(2 * kHandleSize, 2 * kHandleSize));
        touchable += m_allowPainting->geometry();
    }
    setMask(touchable);
}

} // namespace quillora
