#include "ui/doctypes/presentationcontroller.h"

#include "core/layout/objectkinds.h"
#include "core/app/appcontext.h"
#include "core/app/demotexts.h"
#include "ui/document/pageview.h"
#include "ui/document/documentwindow.h"
#include "ui/document/textboxwidget.h"
#include "ui/undo/undocontroller.h"

#include <QApplication>
#include <QTimer>

namespace quillora {

PresentationController::PresentationController(AppContext &context, DocumentWindow &window,
                                               UndoController &undo, std::function<void()> beep)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo),
      m_beep(beep ? std::move(beep) : [] { QApplication::beep(); })
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("presTimer"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &PresentationController::tick);
    connect(window.toolbar(), &DocumentToolbar::logoDoubleClicked, this,
            &PresentationController::toggle);
    // A new page (or a page reset) ends the typing of the last one.
    connect(&window, &DocumentWindow::pageShown, this, [this] {
        m_box = -1;
        if (!m_context.page.presentationTyping)
            stop();
    });
}

bool PresentationController::isTyping() const
{
    return m_context.page.presentationTyping;
}

void PresentationController::toggle()
{
    if (isTyping())
        stop();
    else if (m_context.settings.presentationMode)
        start();
}

void PresentationController::start()
{
    m_context.page.presentationTyping = true;
    m_box = -1;
    m_beep();
    m_timer->start();
}

void PresentationController::stop()
{
    if (m_box >= 0)
        finishBox();
    m_context.page.presentationTyping = false;
    m_timer->stop();
}

void PresentationController::tick()
{
    PageModel &page = m_context.page;
    const CurrentObject current = page.current;
    if (!isTyping() || current.kind != ObjectKind::Text || current.index < 0 ||
        current.index >= page.textBoxes.size() || !page.textBoxes[current.index].visible)
        return; // waits for a text box to be chosen
    TextBoxWidget *box = m_window.pageView()->textBox(current.index);
    if (!box)
        return;

    // Another box starts its own text from the beginning.
    if (current.index != m_box) {
        if (m_box >= 0)
            finishBox();
        m_box = current.index;
        m_typed = 0;
        if (page.textBoxes[m_box].text == kPlaceholderText) {
            page.textBoxes[m_box].text.clear();
            m_window.refreshTextBox(m_box);
        }
        m_undo.beginWorkOn(current);
    }
    const QString text = demonstrationText(page.documentType, m_box);
    if (m_typed >= text.size()) {
        stop();
        return;
    }

    // Typed through the control, so the model, the fitting and the caret follow as for a key.
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(text.mid(m_typed, 1));
    ++m_typed;
    ++page.changeCount;
    box->setFocus(Qt::OtherFocusReason);
    box->moveCursor(QTextCursor::End);
    if (m_typed >= text.size())
        stop();
}

void PresentationController::finishBox()
{
    // The demonstration is one piece of work: one undo step takes all of it away.
    if (m_box >= 0 && m_box < m_context.page.textBoxes.size())
        m_undo.record(ObjectKind::Text, m_box);
    m_box = -1;
}

} // namespace quillora
