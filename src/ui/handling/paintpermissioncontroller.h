#pragma once
// Whether a child may paint on an imported picture of a "My layout" page. Such a picture is
// kept as read from its file (so it can be read again at a new size) until the child presses
// the selection frame's `allowPaintingBut` and answers Yes; from then on it is an ordinary
// picture to paint on.
//
// attachControllers makes one per document window, with the selection frame's widget:
//     new PaintPermissionController(context, *window, *frame);

#include "core/app/dialoganswer.h"
#include "ui/handling/mylayoutpage.h"

#include <QObject>

#include <functional>

namespace quillora {

class AppContext;
class DocumentWindow;
class SelectionFrameWidget;

class PaintPermissionController : public QObject {
    Q_OBJECT
public:
    PaintPermissionController(AppContext &context, DocumentWindow &window,
                              SelectionFrameWidget &frame);

    // How the child is asked whether the picture may be painted: Yes to allow (tests give their
    // own; by default the program's own yes/no dialog).
    void setPaintQuestion(std::function<DialogAnswer()> ask);

private:
    void onAllowPainting();

    AppContext &m_context;
    SelectionFrameWidget &m_frame;
    MyLayoutPage m_page;
    std::function<DialogAnswer()> m_askPaint;
};

} // namespace quillora
