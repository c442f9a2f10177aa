#include "ui/handling/paintpermissioncontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "ui/document/documentwindow.h"
#include "ui/handling/selectionframewidget.h"
#include "ui/kit/owndialog.h"

namespace quillora {

namespace {

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

PaintPermissionController::PaintPermissionController(AppContext &context, DocumentWindow &window,
                                                     SelectionFrameWidget &frame)
    : QObject(&window), m_context(context), m_frame(frame), m_page(context, window)
{
    m_askPaint = [&context, &window] { return askWithOwnDialog(context, &window); };
    connect(&frame, &SelectionFrameWidget::allowPaintingPressed, this,
            &PaintPermissionController::onAllowPainting);
}

void PaintPermissionController::setPaintQuestion(std::function<DialogAnswer()> ask)
{
    m_askPaint = std::move(ask);
}

void PaintPermissionController::onAllowPainting()
{
    const std::optional<SelectedObject> object = m_page.selected();
    if (!object || object->kind != ObjectKind::Picture || !object->imported)
        return;
    if (m_askPaint() != DialogAnswer::Yes)
        return;
    m_context.page.pictureBoxes[object->index].tag.clear();
    m_frame.hideAllowPaintingBut();
}

} // namespace quillora
