#include "ui/handling/dividerhandlecontroller.h"

#include "core/layout/objectkinds.h"
#include "core/app/appcontext.h"
#include "core/handling/dividerhandles.h"
#include "ui/document/objectframe.h"
#include "ui/document/pageview.h"
#include "ui/document/documentwindow.h"
#include "ui/handling/dividerhandlewidget.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/undo/undocontroller.h"

#include <QRegion>

namespace quillora {

namespace {

template <typename T> T *at(const QVector<T *> &list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}

void placeBox(QWidget *box, ObjectFrame *frame, const QRect &geometry)
{
    if (!box || !frame)
        return;
    box->setGeometry(geometry);
    frame->surround(geometry);
}

} // namespace

DividerHandleController::DividerHandleController(AppContext &context, DocumentWindow &window,
                                                 UndoController &undo)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo)
{
    connect(&window, &DocumentWindow::pageShown, this, &DividerHandleController::placeHandles);
    connect(&undo, &UndoController::restored, this, &DividerHandleController::onRestored);
}

DividerHandleWidget *DividerHandleController::handle(int index) const
{
    return at(m_handles, index);
}

DividerLineWidget *DividerHandleController::line(int index) const
{
    return at(m_lines, index);
}

void DividerHandleController::makeControls(int count)
{
    QWidget *page = m_window.pageView();
    for (int i = int(m_handles.size()); i < count; ++i) {
        auto *square = new DividerHandleWidget(i, page);
        connect(square, &DividerHandleWidget::pressed, this,
                [this, i](QPoint at) { onPressed(i, at); });
        connect(square, &DividerHandleWidget::dragged, this,
                [this, i](QPoint at) { onDragged(i, at); });
        connect(square, &DividerHandleWidget::released, this, [this, i] { onReleased(i); });
        m_handles.append(square);
        m_lines.append(new DividerLineWidget(i, page));
    }
}

void DividerHandleController::placeHandles()
{
    const QVector<HandleModel> &handles = m_context.page.handles;
    makeControls(int(handles.size()));
    for (int i = 0; i < m_handles.size(); ++i) {
        const bool shown = i < handles.size() && handles[i].visible;
        if (shown) {
            m_lines[i]->place(handles[i].centre.y());
            m_lines[i]->lower(); // under the boxes: it shows in the gaps where they join
            m_handles[i]->place(handles[i].centre, handles[i].sizePx);
            m_handles[i]->raise();
        }
        m_lines[i]->setVisible(shown);
        m_handles[i]->setVisible(shown);
    }
    keepSquaresApart();
}

void DividerHandleController::keepSquaresApart()
{
    // The room round a square that takes a finger must not take it from a square close by:
    // each handle gives up the squares of the others.
    for (DividerHandleWidget *handle : std::as_const(m_handles)) {
        if (handle->isHidden())
            continue;
        const QRegion own(handle->squareOnPage());
        QRegion area(handle->geometry());
        for (const DividerHandleWidget *other : std::as_const(m_handles))
            if (other != handle && !other->isHidden())
                area -= QRegion(other->squareOnPage()) - own;
        handle->setMask(area.translated(-handle->pos()));
    }
}

void DividerHandleController::onPressed(int index, QPoint atPage)
{
    if (index >= m_context.page.handles.size())
        return;
    // Handles join the history of the object worked on, so undo walks back through both.
    m_window.setCurrentObject(ObjectKind::Handles, index);
    m_undo.record(ObjectKind::Handles, index);
    m_grabOffset = atPage.y() - m_context.page.handles[index].centre.y();
    m_moved = false;
}

void DividerHandleController::onDragged(int index, QPoint atPage)
{
    if (dragHandleTo(m_context.page, index, atPage.y() - m_grabOffset) == 0)
        return;
    m_moved = true;
    showMovedObjects(index);
}

void DividerHandleController::onReleased(int index)
{
    if (index >= m_context.page.handles.size())
        return;
    if (m_moved) {
        refitTexts(index);
        placeHandles(); // a refitted box is shown again on top: the squares go back above it
        ++m_context.page.changeCount; // a new layout is work worth offering to save
    }
    m_undo.record(ObjectKind::Handles, index);
}

void DividerHandleController::showMovedObjects(int index)
{
    PageView *view = m_window.pageView();
    for (const DividedObject &object : objectsBesideHandle(m_context.page, index)) {
        // Pictures take their cut or grown image; texts are only placed while the finger is
        // down, and refitted once it lets go.
        if (object.kind == ObjectKind::Picture) {
            m_window.refreshPictureBox(object.index);
        } else if (object.kind == ObjectKind::Text) {
            m_window.refreshTextBox(object.index);
        } else {
            placeBox(view->richTextBox(object.index), view->richTextFrame(object.index),
                     m_context.page.richTextBoxes[object.index].geometry);
        }
    }
    placeHandles();
}

void DividerHandleController::refitTexts(int index)
{
    for (const DividedObject &object : objectsBesideHandle(m_context.page, index))
        if (object.kind != ObjectKind::Picture)
            m_window.textBoxResized(object.kind, object.index);
}

void DividerHandleController::onRestored(const QVector<UndoTarget> &changed)
{
    for (const UndoTarget &target : changed) {
        if (target.kind == ObjectKind::Handles) {
            placeHandles();
            return;
        }
    }
}

} // namespace quillora
