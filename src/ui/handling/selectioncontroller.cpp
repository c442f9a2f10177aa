#include "ui/handling/selectioncontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/documenttypes.h"
#include "core/layout/objectkinds.h"
#include "core/undo/undorecord.h"
#include "ui/document/documentwindow.h"
#include "ui/document/objectframe.h"
#include "ui/document/pageview.h"
#include "ui/handling/selectionframewidget.h"
#include "ui/handling/objecticonstrip.h"
#include "ui/kit/owndialog.h"
#include "ui/kit/translatewindow.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/undo/undocontroller.h"

#include <QLoggingCategory>

namespace quillora {

Q_LOGGING_CATEGORY(lcHandling, "quillora.handling")

using namespace selectionframe;
using objectdrop::DroppedObject;

namespace {

const QString kImportedTag = QStringLiteral("file");

DialogAnswer askWithOwnDialog(AppContext &context, QWidget *parent)
{
    OwnDialog question(
        context, QStringLiteral("paintQuestion"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Paint")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Do you want to paint on this picture?")),
        parent);
    return question.waitForAnswer();
}

} // namespace

SelectionController::SelectionController(AppContext &context, DocumentWindow &window,
                                         UndoController &undo, PictureLoader &pictures)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo), m_pictures(pictures)
{
    m_askPaint = [this] { return askWithOwnDialog(m_context, &m_window); };

    m_frame = new SelectionFrameWidget(&window);
    m_strip = new ObjectIconStrip(window, &window);
    m_strip->hide();
    translateWindow(m_frame, context.translator);
    translateWindow(m_strip, context.translator);

    connect(m_frame, &SelectionFrameWidget::handleDown, this,
            [this](int index, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                onHandleDown(index, button, at);
            });
    connect(m_frame, &SelectionFrameWidget::handleMove, this, &SelectionController::onHandleMove);
    connect(
        m_frame, &SelectionFrameWidget::handleUp, this,
        [this](int index, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { onHandleUp(index); });
    connect(m_frame, &SelectionFrameWidget::barDown, this,
            [this](int, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                onBarDown(button, at);
            });
    connect(m_frame, &SelectionFrameWidget::barMove, this,
            [this](int, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at) {
                onBarMove(buttons, keys, at);
            });
    connect(m_frame, &SelectionFrameWidget::barUp, this, &SelectionController::onBarUp);
    connect(m_frame, &SelectionFrameWidget::allowPaintingPressed, this,
            &SelectionController::onAllowPainting);
    connect(m_strip, &ObjectIconStrip::iconDropped, this, &SelectionController::onIconDropped);

    // The frame follows the current object, and comes back when its object is pressed again.
    connect(&window, &DocumentWindow::currentObjectChanged, this, &SelectionController::syncFrame);
    connect(&window, &DocumentWindow::picturePressed, this, &SelectionController::syncFrame);
    connect(&window, &DocumentWindow::richTextBoxPressed, this, &SelectionController::syncFrame);
    connect(&window, &DocumentWindow::pageShown, this, [this] {
        placeStrip();
        syncFrame();
    });
    // Undo may move or hide the framed object: the frame is put round whatever the step left.
    connect(&undo, &UndoController::restored, this, &SelectionController::onRestored);
    placeStrip();
}

void SelectionController::setPaintQuestion(std::function<DialogAnswer()> ask)
{
    m_askPaint = std::move(ask);
}

bool SelectionController::isMyLayout() const
{
    return kindInfo(m_context.page.documentType).freeArrangement;
}

QRect SelectionController::pageArea() const
{
    return m_window.pageView()->geometry();
}

bool SelectionController::selected(Selected &object) const
{
    const PageModel &page = m_context.page;
    const CurrentObject &current = page.current;
    object = {};
    if (current.kind == objectkind::Picture && current.index >= 0 &&
        current.index < page.pictureBoxes.size()) {
        const PictureBoxModel &box = page.pictureBoxes[current.index];
        if (!box.visible)
            return false;
        object = {objectkind::Picture, current.index, box.geometry,
                  box.tag.startsWith(kImportedTag)};
        return true;
    }
    if (current.kind == objectkind::RichText && current.index >= 0 &&
        current.index < page.richTextBoxes.size()) {
        const RichTextBoxModel &box = page.richTextBoxes[current.index];
        if (!box.visible)
            return false;
        object = {objectkind::RichText, current.index, box.geometry, false};
        return true;
    }
    return false;
}

QString SelectionController::undoKind(const Selected &object) const
{
    return object.kind == objectkind::Picture ? objectkind::MovedPicture
                                              : objectkind::MovedRichText;
}

void SelectionController::recordStartOfDrag(const Selected &object)
{
    // The object as it is before the drag is the step undo goes back to. Usually the history
    // holds it already (selecting, painting, typing and adding record it); a second step with
    // the same state would make the first undo seem to do nothing.
    const PageModel &page = m_context.page;
    const QStringList family =
        object.kind == objectkind::Picture
            ? QStringList{objectkind::Picture, objectkind::MovedPicture, objectkind::AddedPicture}
            : QStringList{objectkind::RichText, objectkind::MovedRichText,
                          objectkind::AddedRichText};
    const UndoHistory &history = m_context.undo;
    for (const UndoRecord &record : history.records()) {
        if (record.step != history.currentStep() || record.index != object.index ||
            !family.contains(record.kind) || record.geometry != object.geometry || !record.visible)
            continue;
        const bool same =
            object.kind == objectkind::Picture
                ? record.picture.cacheKey() == page.pictureBoxes[object.index].image.cacheKey()
                : record.text == page.richTextBoxes[object.index].rtf &&
                      record.plainText == page.richTextBoxes[object.index].plainText;
        if (same)
            return;
    }
    m_undo.record(undoKind(object), object.index);
}

void SelectionController::syncFrame()
{
    Selected object;
    if (!isMyLayout() || m_window.pageView()->isHidden() || !selected(object)) {
        m_dragging = false;
        m_frame->hide();
        return;
    }
    showFrame(frameAround(object.geometry));
    if (object.imported)
        m_frame->showAllowPaintingBut();
    else
        m_frame->hideAllowPaintingBut();
}

void SelectionController::showFrame(const QRect &framePageRect)
{
    m_frame->setFrameRect(framePageRect.translated(pageArea().topLeft()));
    m_frame->show();
    raiseAbovePage();
}

void SelectionController::raiseAbovePage()
{
    // In front of the page and its objects, behind the window's own controls (the rich text
    // toolbar, the on-screen keyboard, the icons) that may overlap the page's edges.
    const QObjectList &siblings = m_window.children();
    const qsizetype page = siblings.indexOf(m_window.pageView());
    for (qsizetype i = page + 1; page >= 0 && i < siblings.size(); ++i) {
        auto *widget = qobject_cast<QWidget *>(siblings[i]);
        if (widget == m_frame)
            return;
        if (widget && !widget->isWindow()) {
            m_frame->stackUnder(widget);
            return;
        }
    }
    m_frame->raise();
}

bool SelectionController::startDrag(Qt::MouseButton button, QPoint at)
{
    Selected object;
    if (button != Qt::LeftButton || !selected(object))
        return false;
    m_dragStart = at;
    m_dragFrame = frameAround(object.geometry);
    m_dragStartObject = object.geometry;
    m_dragging = true;
    recordStartOfDrag(object);
    return true;
}

void SelectionController::onHandleDown(int, Qt::MouseButton button, QPoint at)
{
    startDrag(button, at);
}

void SelectionController::onHandleMove(int index, Qt::MouseButtons buttons,
                                       Qt::KeyboardModifiers keys, QPoint at)
{
    Selected object;
    if (!m_dragging || !(buttons & Qt::LeftButton) || !selected(object))
        return;
    const HandleDrag drag{index, at - m_dragStart, keys.testFlag(Qt::AltModifier),
                          index == kProportionalHandle ? proportionalAngle(object) : 0.0};
    m_dragFrame = dragHandle(m_dragFrame, drag);
    // Only the frame follows the pointer; the object takes its new size on release.
    showFrame(m_dragFrame);
}

void SelectionController::onHandleUp(int)
{
    Selected object;
    if (!m_dragging || !selected(object))
        return;
    m_dragging = false;
    applyGeometry(object, objectInFrame(m_dragFrame), true);
    syncFrame();
}

void SelectionController::onBarDown(Qt::MouseButton button, QPoint at)
{
    if (startDrag(button, at))
        raiseAbovePage();
}

void SelectionController::onBarMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at)
{
    Selected object;
    if (!m_dragging || !(buttons & Qt::LeftButton) || !selected(object))
        return;
    m_dragFrame = dragBar(m_dragFrame, at - m_dragStart, keys.testFlag(Qt::AltModifier));
    showFrame(m_dragFrame);
    // The object travels with the frame, so the child sees where it will land.
    const QRect moved = objectInFrame(m_dragFrame);
    QWidget *widget = object.kind == objectkind::Picture
                          ? static_cast<QWidget *>(m_window.pageView()->pictureBox(object.index))
                          : m_window.pageView()->richTextBox(object.index);
    ObjectFrame *border = object.kind == objectkind::Picture
                              ? m_window.pageView()->pictureFrame(object.index)
                              : m_window.pageView()->richTextFrame(object.index);
    if (widget && border) {
        widget->move(moved.topLeft());
        border->surround(moved);
    }
}

void SelectionController::onBarUp()
{
    Selected object;
    if (!m_dragging || !selected(object))
        return;
    m_dragging = false;
    const QRect moved = objectInFrame(m_dragFrame);
    if (isWhollyOffPage(moved, pageArea().size())) {
        takeOffPage({object.kind, object.index, moved, object.imported});
        return;
    }
    applyGeometry(object, moved, false);
    syncFrame();
}

void SelectionController::applyGeometry(const Selected &object, const QRect &geometry, bool resized)
{
    PageModel &page = m_context.page;
    if (geometry != m_dragStartObject)
        ++page.changeCount;
    if (object.kind == objectkind::Picture) {
        page.pictureBoxes[object.index].geometry = geometry;
        if (resized && object.imported && geometry.size() != m_dragStartObject.size())
            reloadImportedPicture(object.index);
        m_window.refreshPictureBox(object.index);
    } else {
        page.richTextBoxes[object.index].geometry = geometry;
        m_window.refreshRichTextBox(object.index);
        // Text that no longer fits a smaller box is shrunk as if it had just been typed.
        if (resized)
            emit m_window.richTextBoxEdited(object.index);
    }
    m_undo.record(undoKind(object), object.index);
}

void SelectionController::takeOffPage(const Selected &object)
{
    PageModel &page = m_context.page;
    ++page.changeCount;
    if (object.kind == objectkind::Picture) {
        PictureBoxModel &box = page.pictureBoxes[object.index];
        box.geometry = object.geometry;
        box.image = QImage();
        box.visible = false;
        m_window.refreshPictureBox(object.index);
    } else {
        RichTextBoxModel &box = page.richTextBoxes[object.index];
        box.geometry = object.geometry;
        box.rtf.clear();
        box.plainText.clear();
        box.visible = false;
        m_window.refreshRichTextBox(object.index);
    }
    m_undo.record(undoKind(object), object.index);
    m_window.setCurrentObject(QString(), 0);
    syncFrame();
}

double SelectionController::proportionalAngle(const Selected &object) const
{
    if (!object.imported)
        return 0.0;
    const double stored = m_context.page.pictureBoxes[object.index].importedDiagonalAngle;
    return stored > 0.0 ? stored : diagonalAngle(object.geometry.size());
}

void SelectionController::reloadImportedPicture(int index)
{
    PictureBoxModel &box = m_context.page.pictureBoxes[index];
    const QSize size = box.geometry.size().expandedTo(QSize(1, 1));
    QImage loaded;
    QString error;
    if (m_pictures.load(box.tag.mid(kImportedTag.size()), QSize(), &loaded, &error)) {
        box.image = loaded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
        return;
    }
    // The file has gone (a work file opened on another computer): the picture in hand is
    // stretched instead, so nothing is lost.
    qCInfo(lcHandling) << "imported picture not reloaded:" << error;
    if (!box.image.isNull())
        box.image = box.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void SelectionController::onAllowPainting()
{
    Selected object;
    if (!selected(object) || object.kind != objectkind::Picture || !object.imported)
        return;
    if (m_askPaint() != DialogAnswer::Yes)
        return;
    m_context.page.pictureBoxes[object.index].tag.clear();
    m_frame->hideAllowPaintingBut();
}

bool SelectionController::addObject(DroppedObject kind, QPoint pagePosition)
{
    const std::optional<int> index =
        objectdrop::addDroppedObject(m_context.page, kind, pagePosition, m_window.pageFitInputs());
    if (!index)
        return false;
    // Undo shows only from the second step: on a fresh page the page as it was (its border,
    // which the addition leaves alone) is recorded first, so the addition can be undone.
    if (m_context.undo.currentStep() == 0)
        m_undo.record(objectkind::Border, 0);
    if (kind == DroppedObject::Picture)
        m_window.refreshPictureBox(*index);
    else
        m_window.refreshRichTextBox(*index);
    m_undo.record(objectdrop::undoKindOf(kind), *index);
    m_window.setCurrentObject(objectdrop::objectKindOf(kind), *index);
    syncFrame();
    return true;
}

void SelectionController::onIconDropped(DroppedObject kind, QPoint topLeft, QPoint pointer)
{
    const QRect page = pageArea();
    if (!isMyLayout() || m_window.pageView()->isHidden() || !page.contains(pointer))
        return;
    addObject(kind, topLeft - page.topLeft());
}

void SelectionController::onRestored(const QVector<UndoTarget> &changed)
{
    // The undo controller shows the page's own kinds; moves and additions are shown here.
    for (const UndoTarget &target : changed) {
        if (target.kind == objectkind::MovedPicture || target.kind == objectkind::AddedPicture)
            m_window.refreshPictureBox(target.index);
        else if (target.kind == objectkind::MovedRichText ||
                 target.kind == objectkind::AddedRichText)
            m_window.refreshRichTextBox(target.index);
    }
    syncFrame();
}

void SelectionController::placeStrip()
{
    const bool shown = isMyLayout() && !m_window.pageView()->isHidden();
    m_strip->setVisible(shown);
    if (!shown)
        return;
    const QRect page = pageArea();
    const int left = std::min(page.right() + 1 + kStripGapPx,
                              m_window.width() - m_strip->width() - kStripGapPx / 2);
    // Half way down the page: clear of the rich text toolbar above it and of the on-screen
    // keyboard below, and within reach at a whiteboard.
    m_strip->move(left, page.top() + std::max(0, (page.height() - m_strip->height()) / 2));
    m_strip->raise();
}

} // namespace quillora
