#include "ui/undo/undocontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "core/undo/pictureunshare.h"
#include "ui/document/documentwindow.h"

namespace quillora {

UndoController::UndoController(AppContext &context, DocumentWindow &window)
    : QObject(&window), m_context(context), m_window(window)
{
    connect(&window, &DocumentWindow::undoRequested, this, &UndoController::undo);
    connect(&window, &DocumentWindow::redoRequested, this, &UndoController::redo);
    connect(&window, &DocumentWindow::workStarting, this, [this](ObjectKind kind, int index) {
        beginWorkOn({kind, index});
    });
    connect(&window, &DocumentWindow::changeMade, this,
            [this](ObjectKind kind, int index) { record(kind, index); });
    // Every new, opened or switched page comes with a restarted history.
    connect(&window, &DocumentWindow::pageShown, this, &UndoController::updateButtons);
    updateButtons();
}

void UndoController::beginWorkOn(const CurrentObject &object)
{
    if (m_context.undo.beginWorkOn(m_context.page, object, m_context.env.screen))
        updateButtons();
}

bool UndoController::record(ObjectKind kind, int index)
{
    const bool recorded = m_context.undo.record(m_context.page, kind, index);
    if (recorded && kind == ObjectKind::Picture)
        unsharePictureLater(this, m_context.page, index);
    updateButtons();
    return recorded;
}

void UndoController::undo()
{
    show(m_context.undo.undo(m_context.page));
}

void UndoController::redo()
{
    show(m_context.undo.redo(m_context.page));
}

void UndoController::updateButtons()
{
    m_window.toolbar()->setButtonShown(ToolbarAction::Undo, m_context.undo.undoVisible());
    m_window.toolbar()->setButtonShown(ToolbarAction::Redo, m_context.undo.redoVisible());
}

void UndoController::show(const UndoResult &result)
{
    for (const UndoTarget &target : result.changed) {
        if (target.kind == ObjectKind::Picture)
            m_window.refreshPictureBox(target.index);
        else if (target.kind == ObjectKind::Text)
            m_window.refreshTextBox(target.index);
        else if (target.kind == ObjectKind::RichText)
            m_window.refreshRichTextBox(target.index);
    }
    updateButtons();
    if (result.stepped)
        emit restored(result.changed);
}

} // namespace quillora
