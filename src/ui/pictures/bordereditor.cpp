#include "ui/pictures/bordereditor.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "core/printing/pageborder.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/pictures/paletteart.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/pictures/rubberbandoverlay.h"
#include "ui/undo/undocontroller.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace quillora {

namespace {

// Clear of the page's shadow, and of the window's edges.
constexpr int kGapFromPagePx = 22;
constexpr int kWindowMarginPx = 16;
// The paper starts 48 pixels right of the badge's left edge; the badge just touches its corner,
// so it never covers paper a child wants to paint.
constexpr int kPaperOffsetXPx = 48;
constexpr int kPaperOffsetYPx = 62;
constexpr int kPanelMarginPx = 10;
// The editor stands a little below the page's top, clear of the rich text toolbar over it.
constexpr int kBelowPageTopPx = 40;

const QColor kPanelColour(0xFF, 0xB3, 0x00);
const QColor kBadgeInk(0x1B, 0x3A, 0x8C);
const QColor kBadgeFace(0xFF, 0xD2, 0x1F);
const QColor kBadgeHandle(0xE5, 0x39, 0x35);
const QColor kBadgeGlass(0xC8, 0xEB, 0xFF);

} // namespace

MagnifierBadge::MagnifierBadge(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("magBorder"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Border magnifier")));
    setFixedSize(kSidePx, kSidePx);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    // Round: the corners of its square are not the badge and take no presses.
    setMask(QRegion(rect(), QRegion::Ellipse));
}

void MagnifierBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / 72.0, height() / 72.0);
    painter.setPen(QPen(kBadgeInk, 4));
    painter.setBrush(kBadgeFace);
    painter.drawEllipse(QRectF(3, 3, 66, 66));
    painter.setPen(QPen(kBadgeHandle, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(44, 44), QPointF(58, 58));
    painter.setPen(QPen(kBadgeInk, 5));
    painter.setBrush(kBadgeGlass);
    painter.drawEllipse(QPointF(31, 31), 17, 17);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(21, 21, 16, 16), 100 * 16, 70 * 16);
}

void MagnifierBadge::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->position().toPoint(), event->button());
}

void MagnifierBadge::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint(), event->buttons());
}

void MagnifierBadge::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->position().toPoint(), event->button());
}

BorderEditorPlacement placeBorderEditor(const QRect &pageRect, const QSize &windowSize,
                                        double pictureAspect)
{
    const double aspect = std::clamp(pictureAspect, 0.1, 10.0);
    const int besideLeft = pageRect.right() + 1 + kGapFromPagePx;
    const int roomForPaper =
        windowSize.width() - besideLeft - kPaperOffsetXPx - kPanelMarginPx - kWindowMarginPx;
    const bool beside = roomForPaper >= BorderEditorPlacement::kMinPaperSidePx;
    const int maxWidth = beside ? std::min(roomForPaper, BorderEditorPlacement::kMaxPaperSidePx)
                                : BorderEditorPlacement::kMaxPaperSidePx;
    const int top = pageRect.top() + kBelowPageTopPx;
    const int maxHeight =
        std::clamp(windowSize.height() - top - kPaperOffsetYPx - kPanelMarginPx - kWindowMarginPx,
                   1, BorderEditorPlacement::kMaxPaperSidePx * 4 / 3);

    int width = maxWidth;
    int height = int(width / aspect);
    if (height > maxHeight) {
        height = maxHeight;
        width = int(height * aspect);
    }
    width = std::max(width, 1);
    height = std::max(height, 1);

    const int badgeLeft =
        beside ? besideLeft
               : windowSize.width() - kWindowMarginPx - kPanelMarginPx - width - kPaperOffsetXPx;
    BorderEditorPlacement placement;
    placement.badge = QRect(badgeLeft, top, MagnifierBadge::kSidePx, MagnifierBadge::kSidePx);
    placement.paper = QRect(badgeLeft + kPaperOffsetXPx, top + kPaperOffsetYPx, width, height);
    placement.panel =
        placement.paper.adjusted(-kPanelMarginPx, -kPanelMarginPx, kPanelMarginPx, kPanelMarginPx);
    return placement;
}

BorderEditor::BorderEditor(AppContext &context, DocumentWindow &window, UndoController &undo,
                           PaintingController &painting)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo),
      m_painting(context.paint, context.random)
{
    m_panel = new QWidget(&window);
    m_panel->setObjectName(QStringLiteral("borderPanel"));
    m_panel->setAutoFillBackground(true);
    QPalette panelColours = m_panel->palette();
    panelColours.setColor(QPalette::Window, kPanelColour);
    m_panel->setPalette(panelColours);

    m_paper = new PictureBoxWidget(&window);
    m_paper->setObjectName(QStringLiteral("BordPaper"));
    m_paper->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Border picture")));

    m_badge = new MagnifierBadge(&window);
    setEditorShown(false);

    connect(&window, &DocumentWindow::borderPressed, this, &BorderEditor::toggleEditing);
    connect(&window, &DocumentWindow::pagePressStarting, this, &BorderEditor::endEditing);
    connect(&window, &DocumentWindow::borderFromMagnifierRequested, this, [this] {
        if (m_editing)
            applyBorder();
    });
    connect(&window, &DocumentWindow::pageShown, this, &BorderEditor::onPageShown);
    connect(m_badge, &MagnifierBadge::pressed, this, &BorderEditor::toggleEditing);
    connect(m_paper, &PictureBoxWidget::pressed, this, &BorderEditor::onPaperPressed);
    connect(m_paper, &PictureBoxWidget::moved, this, &BorderEditor::onPaperMoved);
    connect(m_paper, &PictureBoxWidget::released, this, &BorderEditor::onPaperReleased);
    connect(painting.timer(), &QTimer::timeout, this, &BorderEditor::onTick);
    connect(&undo, &UndoController::restored, this, [this](const QVector<UndoTarget> &changed) {
        const bool border = std::any_of(changed.cbegin(), changed.cend(), [](const UndoTarget &t) {
            return t.kind == ObjectKind::Border;
        });
        if (!border)
            return;
        m_paper->setImage(m_context.page.border.picture);
        applyBorder();
    });
    applyBorder();
}

void BorderEditor::toggleEditing()
{
    if (m_editing)
        endEditing();
    else
        startEditing();
}

void BorderEditor::startEditing()
{
    PageModel &page = m_context.page;
    if (page.border.type == BorderType::None || page.pageRect.isEmpty())
        return;
    positionEditor();
    // The child paints on white paper, at the size the paper shows.
    if (page.border.picture.isNull()) {
        page.border.picture = QImage(m_paper->size(), QImage::Format_RGB32);
        page.border.picture.fill(Qt::white);
    }
    m_paper->setImage(page.border.picture);
    m_paper->setCursor(paletteart::toolCursor(m_context.paint.tool));
    m_editing = true;
    setEditorShown(true);
    m_window.setCurrentObject(ObjectKind::Border, 0);
    emit editingChanged(true);
}

void BorderEditor::endEditing()
{
    if (!m_editing)
        return;
    m_editing = false;
    m_stroke = false;
    if (m_band)
        m_band->hideBand();
    setEditorShown(false);
    applyBorder();
    emit editingChanged(false);
}

void BorderEditor::applyBorder()
{
    const PageModel &page = m_context.page;
    m_window.pageView()->setBorderImage(composeBorderGuide(page.border, page.pageRect.size()));
}

void BorderEditor::showNewPicture()
{
    showPainted(m_context.page.border.picture.rect());
    applyBorder();
}

void BorderEditor::positionEditor()
{
    const BorderEditorPlacement placement =
        placeBorderEditor(m_context.page.pageRect, m_window.size(), pictureAspect());
    m_badge->move(placement.badge.topLeft());
    m_paper->setGeometry(placement.paper);
    m_panel->setGeometry(placement.panel);
}

void BorderEditor::setEditorShown(bool shown)
{
    m_panel->setVisible(shown);
    m_paper->setVisible(shown);
    m_badge->setVisible(shown);
    if (shown) {
        m_panel->raise();
        m_paper->raise();
        m_badge->raise();
    }
    m_window.toolbar()->setButtonShown(ToolbarAction::BorderFromMagnifier, shown);
}

double BorderEditor::pictureAspect() const
{
    const PageModel &page = m_context.page;
    const QSize pictureSize = borderPictureSize(page.border, page.pageRect.size());
    if (!pictureSize.isEmpty())
        return double(pictureSize.width()) / pictureSize.height();
    if (!page.border.picture.isNull())
        return double(page.border.picture.width()) / page.border.picture.height();
    return 1.0;
}

void BorderEditor::showPainted(const QRect &dirty)
{
    m_paper->showPainted(m_context.page.border.picture, dirty);
}

void BorderEditor::onPaperPressed(QPoint position, Qt::MouseButton button, int pointer)
{
    // The border takes one finger at a time; a second one joining in is let be.
    if (m_stroke && pointer != m_strokePointer)
        return;
    m_stroke = false;
    m_strokePointer = pointer;
    m_window.setCurrentObject(ObjectKind::Border, 0);
    // Work turns to the border: the history restarts with the border as it is before this press.
    m_undo.beginWorkOn(CurrentObject{ObjectKind::Border, 0});
    const PointerInput input = PaintingController::pointerInput(m_paper, position, button);
    m_paper->releaseImage();
    const PressResult result = m_painting.pressBorder(m_context.page, input);
    showPainted(result.dirty);
    if (result.outcome == PressOutcome::Painted) {
        m_stroke = true;
        showBand();
    } else if (result.outcome == PressOutcome::ContextMenu) {
        emit contextMenuRequested(m_paper->mapTo(&m_window, position));
    }
    m_paper->setCursor(paletteart::toolCursor(m_context.paint.tool));
}

void BorderEditor::onPaperMoved(QPoint position, Qt::MouseButtons buttons, int pointer)
{
    if (!m_stroke || pointer != m_strokePointer || !(buttons & (Qt::LeftButton | Qt::RightButton)))
        return;
    const Qt::MouseButton button = buttons & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
    m_paper->releaseImage();
    showPainted(m_painting.moveBorder(m_context.page,
                                      PaintingController::pointerInput(m_paper, position, button)));
    showBand();
}

void BorderEditor::onPaperReleased(QPoint position, Qt::MouseButton button, int pointer)
{
    if (!m_stroke || pointer != m_strokePointer)
        return;
    m_stroke = false;
    if (m_band)
        m_band->hideBand();
    m_paper->releaseImage();
    showPainted(m_painting.releaseBorder(
        m_context.page, PaintingController::pointerInput(m_paper, position, button)));
    // The finished stroke is the newest step, so one undo takes exactly this stroke away.
    m_undo.record(ObjectKind::Border, 0);
}

void BorderEditor::onTick()
{
    if (m_context.page.current.kind != ObjectKind::Border)
        return;
    m_paper->releaseImage();
    showPainted(m_painting.tick(m_context.page));
}

void BorderEditor::onPageShown()
{
    if (m_editing) {
        m_editing = false;
        m_stroke = false;
        setEditorShown(false);
        emit editingChanged(false);
    }
    applyBorder();
}

void BorderEditor::showBand()
{
    const std::optional<RubberBand> band = m_painting.rubberBand();
    if (!band) {
        if (m_band)
            m_band->hideBand();
        return;
    }
    if (!m_band)
        m_band = new RubberBandOverlay(m_paper);
    m_band->showBand(m_paper, band, m_context.page.border.picture.size());
}

} // namespace quillora
