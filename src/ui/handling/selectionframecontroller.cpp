#include "ui/handling/selectionframecontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "core/undo/undorecord.h"
#include "ui/document/documentwindow.h"
#include "ui/document/objectframe.h"
#include "ui/document/pageview.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/handling/selectionframewidget.h"
#include "ui/kit/translatewindow.h"
#include "ui/undo/undocontroller.h"

#include <QLoggingCategory>

namespace quillora {

Q_LOGGING_CATEGORY(lcHandling, "quillora.handling")

using namespace selectionframe;

SelectionFrameController::SelectionFrameController(AppContext &context, DocumentWindow &window,
                                                   UndoController &undo, PictureLoader &pictures)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo), m_pictures(pictures),
      m_page(context, window)
{
    m_frame = new SelectionFrameWidget(&window);
    translateWindow(m_frame, context.translator);

    connect(m_frame, &SelectionFrameWidget::handleDown, this,
            [this](int, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                startDrag(button, at);
            });
    connect(m_frame, &SelectionFrameWidget::handleMove, this,
            &SelectionFrameController::onHandleMove);
    connect(m_frame, &SelectionFrameWidget::handleUp, this,
            [this](int, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { onHandleUp(); });
    connect(m_frame, &SelectionFrameWidget::barDown, this,
            [this](int, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                onBarDown(button, at);
            });
    connect(m_frame, &SelectionFrameWidget::barMove, this,
            [this](int, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at) {
                onBarMove(buttons, keys, at);
            });
    connect(m_frame, &SelectionFrameWidget::barUp, this, &SelectionFrameController::onBarUp);

    // The frame follows the current object, and comes back when its object is pressed again.
    connect(&window, &DocumentWindow::currentObjectChanged, this,
            &SelectionFrameController::syncFrame);
    connect(&window, &DocumentWindow::picturePressed, this, &SelectionFrameController::syncFrame);
    connect(&window, &DocumentWindow::richTextBoxPressed, this,
            &SelectionFrameController::syncFrame);
    connect(&window, &DocumentWindow::pageShown, this, &SelectionFrameController::syncFrame);
    // Undo may move or hide the framed object: the frame is put round whatever the step left.
    connect(&undo, &UndoController::restored, this, &SelectionFrameController::onRestored);
}

void SelectionFrameController::recordStartOfDrag(const SelectedObject &object)
{
    // The object as it is before the drag is the step undo goes back to. Usually the history
    // holds it already (selecting, painting, typing and adding record it); a second step with
    // the same state would make the first undo seem to do nothing.
    const PageModel &page = m_context.page;
    const QVector<ObjectKind> family =
        object.kind == ObjectKind::Picture
            ? QVector{ObjectKind::Picture, ObjectKind::MovedPicture, ObjectKind::AddedPicture}
            : QVector{ObjectKind::RichText, ObjectKind::MovedRichText, ObjectKind::AddedRichText};
    const UndoHistory &history = m_context.undo;
    for (const UndoRecord &record : history.records()) {
        if (record.step != history.currentStep() || record.index != object.index ||
            !family.contains(record.kind) || record.geometry != object.geometry || !record.visible)
            continue;
        const bool same =
            object.kind == ObjectKind::Picture
                ? record.picture.cacheKey() == page.pictureBoxes[object.index].image.cacheKey()
                : record.text == page.richTextBoxes[object.index].rtf &&
                      record.plainText == page.richTextBoxes[object.index].plainText;
        if (same)
            return;
    }
    m_undo.record(MyLayoutPage::movedKind(object.kind), object.index);
}

void SelectionFrameController::syncFrame()
{
    const std::optional<SelectedObject> object =
        m_page.isShown() ? m_page.selected() : std::nullopt;
    if (!object) {
        m_dragging = false;
        m_frame->hide();
        return;
    }
    showFrame(frameAround(object->geometry));
    if (object->imported)
        m_frame->showAllowPaintingBut();
    else
        m_frame->hideAllowPaintingBut();
}

void SelectionFrameController::showFrame(const QRect &framePageRect)
{
    m_frame->setFrameRect(framePageRect.translated(m_page.area().topLeft()));
    m_frame->show();
    raiseAbovePage();
}

void SelectionFrameController::raiseAbovePage()
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

bool SelectionFrameController::startDrag(Qt::MouseButton button, QPoint at)
{
    const std::optional<SelectedObject> object = m_page.selected();
    if (button != Qt::LeftButton || !object)
        return false;
    m_dragStart = at;
    m_dragFrame = frameAround(object->geometry);
    m_dragStartObject = object->geometry;
    m_dragging = true;
    recordStartOfDrag(*object);
    return true;
}

void SelectionFrameController::onHandleMove(int index, Qt::MouseButtons buttons,
                                            Qt::KeyboardModifiers keys, QPoint at)
{
    const std::optional<SelectedObject> object = m_page.selected();
    if (!m_dragging || !(buttons & Qt::LeftButton) || !object)
        return;
    const HandleDrag drag{index, at - m_dragStart, keys.testFlag(Qt::AltModifier),
                          index == kProportionalHandle ? proportionalAngle(*object) : 0.0};
    m_dragFrame = dragHandle(m_dragFrame, drag);
    // Only the frame follows the pointer; the object takes its new size on release.
    showFrame(m_dragFrame);
}

void SelectionFrameController::onHandleUp()
{
    const std::optional<SelectedObject> object = m_page.selected();
    if (!m_dragging || !object)
        return;
    m_dragging = false;
    applyGeometry(*object, objectInFrame(m_dragFrame), true);
    syncFrame();
}

void SelectionFrameController::onBarDown(Qt::MouseButton button, QPoint at)
{
    if (startDrag(button, at))
        raiseAbovePage();
}

void SelectionFrameController::onBarMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys,
                                         QPoint at)
{
    const std::optional<SelectedObject> object = m_page.selected();
    if (!m_dragging || !(buttons & Qt::LeftButton) || !object)
        return;
    m_dragFrame = dragBar(m_dragFrame, at - m_dragStart, keys.testFlag(Qt::AltModifier));
    showFrame(m_dragFrame);
    // The object travels with the frame, so the child sees where it will land.
    const QRect moved = objectInFrame(m_dragFrame);
    PageView *view = m_window.pageView();
    const bool picture = object->kind == ObjectKind::Picture;
    QWidget *widget = picture ? static_cast<QWidget *>(view->pictureBox(object->index))
                              : view->richTextBox(object->index);
    ObjectFrame *border =
        picture ? view->pictureFrame(object->index) : view->richTextFrame(object->index);
    if (widget && border) {
        widget->move(moved.topLeft());
        border->surround(moved);
    }
}

void SelectionFrameController::onBarUp()
{
    const std::optional<SelectedObject> object = m_page.selected();
    if (!m_dragging || !object)
        return;
    m_dragging = false;
    const QRect moved = objectInFrame(m_dragFrame);
    if (isWhollyOffPage(moved, m_page.area().size())) {
        emit draggedOffPage(object->kind, object->index, moved);
        return;
    }
    applyGeometry(*object, moved, false);
    syncFrame();
}

void SelectionFrameController::applyGeometry(const SelectedObject &object, const QRect &geometry,
                                             bool resized)
{
    PageModel &page = m_context.page;
    if (geometry != m_dragStartObject)
        ++page.changeCount;
    if (object.kind == ObjectKind::Picture) {
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
    m_undo.record(MyLayoutPage::movedKind(object.kind), object.index);
}

double SelectionFrameController::proportionalAngle(const SelectedObject &object) const
{
    if (!object.imported)
        return 0.0;
    const double stored = m_context.page.pictureBoxes[object.index].importedDiagonalAngle;
    return stored > 0.0 ? stored : diagonalAngle(object.geometry.size());
}

void SelectionFrameController::reloadImportedPicture(int index)
{
    PictureBoxModel &box = m_context.page.pictureBoxes[index];
    const QSize size = box.geometry.size().expandedTo(QSize(1, 1));
    QImage loaded;
    QString error;
    if (m_pictures.load(MyLayoutPage::importedFile(box), QSize(), &loaded, &error)) {
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

void SelectionFrameController::onRestored(const QVector<UndoTarget> &changed)
{
    // The undo controller shows the page's own kinds; moves and additions are shown here, before
    // the frame goes round whatever the step left.
    for (const UndoTarget &target : changed) {
        if (target.kind == ObjectKind::MovedPicture || target.kind == ObjectKind::AddedPicture)
            m_window.refreshPictureBox(target.index);
        else if (target.kind == ObjectKind::MovedRichText ||
                 target.kind == ObjectKind::AddedRichText)
            m_window.refreshRichTextBox(target.index);
    }
    syncFrame();
}

} // namespace quillora
