#include "ui/handling/objectstripcontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "ui/document/documentwindow.h"
#include "ui/handling/objecticonstrip.h"
#include "ui/kit/translatewindow.h"
#include "ui/undo/undocontroller.h"

namespace quillora {

using objectdrop::DroppedObject;

ObjectStripController::ObjectStripController(AppContext &context, DocumentWindow &window,
                                             UndoController &undo)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo), m_page(context, window)
{
    m_strip = new ObjectIconStrip(window, &window);
    m_strip->hide();
    translateWindow(m_strip, context.translator);

    connect(m_strip, &ObjectIconStrip::iconDropped, this, &ObjectStripController::onIconDropped);
    connect(&window, &DocumentWindow::pageShown, this, &ObjectStripController::placeStrip);
    placeStrip();
}

bool ObjectStripController::addObject(DroppedObject kind, QPoint pagePosition)
{
    const std::optional<int> index =
        objectdrop::addDroppedObject(m_context.page, kind, pagePosition, m_window.pageFitInputs());
    if (!index)
        return false;
    // Undo shows only from the second step: on a fresh page the page as it was (its border,
    // which the addition leaves alone) is recorded first, so the addition can be undone.
    if (m_context.undo.currentStep() == 0)
        m_undo.record(ObjectKind::Border, 0);
    if (kind == DroppedObject::Picture)
        m_window.refreshPictureBox(*index);
    else
        m_window.refreshRichTextBox(*index);
    m_undo.record(objectdrop::undoKindOf(kind), *index);
    m_window.setCurrentObject(objectdrop::objectKindOf(kind), *index);
    emit objectsChanged();
    return true;
}

void ObjectStripController::takeOffPage(ObjectKind kind, int index, const QRect &geometry)
{
    PageModel &page = m_context.page;
    // The frame names the object it was dragged from; one gone meanwhile is left alone.
    const qsizetype count =
        kind == ObjectKind::Picture ? page.pictureBoxes.size() : page.richTextBoxes.size();
    if (index < 0 || index >= count)
        return;
    ++page.changeCount;
    if (kind == ObjectKind::Picture) {
        PictureBoxModel &box = page.pictureBoxes[index];
        box.geometry = geometry;
        box.image = QImage();
        box.visible = false;
        m_window.refreshPictureBox(index);
    } else {
        RichTextBoxModel &box = page.richTextBoxes[index];
        box.geometry = geometry;
        box.rtf.clear();
        box.plainText.clear();
        box.visible = false;
        m_window.refreshRichTextBox(index);
    }
    m_undo.record(MyLayoutPage::movedKind(kind), index);
    m_window.setCurrentObject(ObjectKind::Nothing, 0);
    emit objectsChanged();
}

void ObjectStripController::onIconDropped(DroppedObject kind, QPoint topLeft, QPoint pointer)
{
    const QRect page = m_page.area();
    if (!m_page.isShown() || !page.contains(pointer))
        return;
    addObject(kind, topLeft - page.topLeft());
}

void ObjectStripController::placeStrip()
{
    const bool shown = m_page.isShown();
    m_strip->setVisible(shown);
    if (!shown)
        return;
    const QRect page = m_page.area();
    const int left = std::min(page.right() + 1 + kStripGapPx,
                              m_window.width() - m_strip->width() - kStripGapPx / 2);
    // Half way down the page: clear of the rich text toolbar above it and of the on-screen
    // keyboard below, and within reach at a whiteboard.
    m_strip->move(left, page.top() + std::max(0, (page.height() - m_strip->height()) / 2));
    m_strip->raise();
}

} // namespace quillora
