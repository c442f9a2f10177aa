#include "ui/text/textcontroller.h"

#include "core/app/appcontext.h"
#include "core/doctypes/table.h"
#include "core/layout/documenttypes.h"
#include "core/layout/objectkinds.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/text/fontdialog.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/document/textboxwidget.h"
#include "ui/text/reachaidscontroller.h"
#include "ui/text/richtexttoolbarcontroller.h"
#include "ui/undo/undocontroller.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextCursor>

namespace quillora {

Q_LOGGING_CATEGORY(lcText, "quillora.text")

TextController::TextController(AppContext &context, DocumentWindow &window, UndoController &undo,
                               KeySender &keys)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo),
      m_runFontDialog([](FontDialog &form) { form.exec(); })
{
    connectWindow();
    m_toolbar = new RichTextToolbarController(context, window, *this);
    m_reachAids = new ReachAidsController(context, window, *this, keys);
}

TextController::~TextController() = default;

void TextController::connectWindow()
{
    DocumentWindow &window = m_window;
    connect(&window, &DocumentWindow::textBoxPressed, this, &TextController::onTextBoxPressed);
    connect(&window, &DocumentWindow::richTextBoxPressed, this,
            &TextController::onRichTextBoxPressed);
    connect(&window, &DocumentWindow::textBoxEdited, this, &TextController::onTextBoxEdited);
    connect(&window, &DocumentWindow::richTextBoxEdited, this,
            &TextController::onRichTextBoxEdited);
    connect(&window, &DocumentWindow::textBoxKeyReleased, this,
            &TextController::onTextBoxKeyReleased);
    connect(&window, &DocumentWindow::richTextBoxKeyReleased, this,
            &TextController::onRichTextBoxKeyReleased);
    connect(&window, &DocumentWindow::textBiggerRequested, this, &TextController::makeTextBigger);
    connect(&window, &DocumentWindow::textSmallerRequested, this, &TextController::makeTextSmaller);
    connect(&window, &DocumentWindow::fontRequested, this, &TextController::openFontDialog);
    connect(&window, &DocumentWindow::pageShown, this, &TextController::pageShown);
    connect(&window, &DocumentWindow::currentObjectChanged, this,
            &TextController::onCurrentObjectChanged);
    connect(&window, &DocumentWindow::objectRefreshed, this, [this](ObjectKind kind, int index) {
        if (kind == ObjectKind::RichText)
            storeShownContent(index);
    });
    connect(&m_undo, &UndoController::restored, this, &TextController::showRestored);
}

void TextController::pageShown()
{
    PageModel &page = m_context.page;
    m_memories.resize(page.richTextBoxes.size());
    bool hasRichText = false;
    for (int i = 0; i < page.richTextBoxes.size(); ++i) {
        storeShownContent(i);
        acceptRichContent(i);
        hasRichText = hasRichText || page.richTextBoxes[i].visible;
    }
    m_toolbar->pageShown(hasRichText);
    applySettings();
}

void TextController::applySettings()
{
    m_toolbar->applySettings();
    m_reachAids->applySettings();
}

void TextController::showRestored(const QVector<UndoTarget> &changed)
{
    for (const UndoTarget &target : changed) {
        if (target.kind == ObjectKind::Text) {
            if (TextBoxWidget *widget = m_window.pageView()->textBox(target.index))
                widget->moveCursor(QTextCursor::End);
        } else if (target.kind == ObjectKind::RichText) {
            // The selection goes; the caret waits at the end, where typing goes on.
            if (RichTextBoxWidget *widget = richWidget(target.index))
                widget->moveCursor(QTextCursor::End);
            acceptRichContent(target.index);
        }
    }
    m_toolbar->showLook();
}

void TextController::setFontDialogRunner(std::function<void(FontDialog &)> run)
{
    m_runFontDialog = std::move(run);
}

RichTextToolbar *TextController::richTextToolbar() const
{
    return m_toolbar->toolbar();
}

OnScreenKeyboardWidget *TextController::keyboard() const
{
    return m_reachAids->keyboard();
}

MiniKeyWidget *TextController::miniKey() const
{
    return m_reachAids->miniKey();
}

PullString *TextController::pullString() const
{
    return m_reachAids->pullString();
}

// --- Presses, edits and key releases -------------------------------------------------------

bool TextController::workOn(ObjectKind kind, int index)
{
    // A text other than the one the history belongs to restarts it.
    const CurrentObject object{kind, index};
    const bool restarts = !(m_context.undo.workObject() == object);
    m_undo.beginWorkOn(object);
    return restarts;
}

void TextController::recordStep(ObjectKind kind, int index)
{
    // A history that has just restarted holds the object's state now already.
    if (workOn(kind, index))
        return;
    if (!m_undo.record(kind, index))
        qCWarning(lcText) << "no undo step for" << objectKindCode(kind) << index;
}

void TextController::onTextBoxPressed(int index)
{
    // A box taken up again after other work starts a new history with its state now.
    workOn(ObjectKind::Text, index);
}

void TextController::onRichTextBoxPressed(int index)
{
    // A placeholder the press cleared leaves an empty box, whose RTF the history starts with.
    storeShownContent(index);
    workOn(ObjectKind::RichText, index);
    m_toolbar->showLook();
}

void TextController::onTextBoxEdited(int index)
{
    if (index < 0 || index >= m_context.page.textBoxes.size())
        return;
    TextBoxModel &box = m_context.page.textBoxes[index];
    if (shrinkToFit(m_measure, box))
        m_window.refreshTextBox(index);
    // At the smallest size more text no longer fits: the child hears it rather than sees the
    // end of the text cut off unnoticed.
    if (box.style.fontSize <= kSmallestFittedFontSize &&
        textOverflows(m_measure, formatOf(box), box.text))
        QApplication::beep();
}

void TextController::onRichTextBoxEdited(int index)
{
    RichTextBoxWidget *widget = richWidget(index);
    if (!widget || m_fitter.isFitting())
        return;
    if (m_memories.size() <= index)
        m_memories.resize(index + 1);
    const QSizeF boxSize(m_context.page.richTextBoxes[index].geometry.size());
    const RichFitOutcome outcome = m_fitter.fit(*widget->document(), boxSize, m_memories[index],
                                                widget->textCursor().position());
    if (outcome.action == RichFitOutcome::Action::Restored ||
        outcome.action == RichFitOutcome::Action::Shrunk) {
        QTextCursor caret = widget->textCursor();
        caret.setPosition(outcome.cursorPosition);
        widget->setTextCursor(caret);
    }
    storeRichContent(index);
}

void TextController::onCurrentObjectChanged(ObjectKind kind, int index)
{
    const CurrentObject left = m_lastCurrent;
    m_lastCurrent = CurrentObject{kind, index};
    if (left.kind != ObjectKind::RichText || left == m_lastCurrent)
        return;
    if (RichTextBoxWidget *widget = richWidget(left.index)) {
        QTextCursor caret = widget->textCursor();
        caret.clearSelection();
        widget->setTextCursor(caret);
    }
}

void TextController::onTextBoxKeyReleased(int index)
{
    if (index < 0 || index >= m_context.page.textBoxes.size())
        return;
    // Keys reach a box without a press too (Tab, the on-screen keyboard).
    m_window.setCurrentObject(ObjectKind::Text, index);
    recordStep(ObjectKind::Text, index);
}

void TextController::onRichTextBoxKeyReleased(int index)
{
    if (index < 0 || index >= m_context.page.richTextBoxes.size())
        return;
    m_window.setCurrentObject(ObjectKind::RichText, index);
    recordStep(ObjectKind::RichText, index);
    m_toolbar->showLook();
}

void TextController::storeRichContent(int index)
{
    RichTextBoxWidget *widget = richWidget(index);
    if (!widget || index >= m_context.page.richTextBoxes.size())
        return;
    RichTextBoxModel &box = m_context.page.richTextBoxes[index];
    box.plainText = widget->toPlainText();
    // An empty box is kept as RTF too, with the base style it shows, as saved files hold it.
    box.rtf = widget->rtfContent();
}

void TextController::storeShownContent(int index)
{
    if (index < 0 || index >= m_context.page.richTextBoxes.size())
        return;
    // A box shown from its plain text (a template's words, the placeholder, a cleared box) is
    // content like any other: saving, undo and printing read it as the RTF it shows.
    const RichTextBoxModel &box = m_context.page.richTextBoxes[index];
    if (box.visible && box.rtf.isEmpty())
        storeRichContent(index);
}

void TextController::acceptRichContent(int index)
{
    if (index >= m_memories.size())
        m_memories.resize(index + 1);
    if (RichTextBoxWidget *widget = richWidget(index))
        m_memories[index].accept(*widget->document());
}

RichTextBoxWidget *TextController::richWidget(int index) const
{
    if (index < 0 || index >= m_context.page.richTextBoxes.size())
        return nullptr;
    return m_window.pageView()->richTextBox(index);
}

int TextController::currentIndexOf(ObjectKind kind) const
{
    const CurrentObject &current = m_context.page.current;
    if (current.kind != kind)
        return -1;
    const int count = int(kind == ObjectKind::Text ? m_context.page.textBoxes.size()
                                                   : m_context.page.richTextBoxes.size());
    return current.index >= 0 && current.index < count ? current.index : -1;
}

void TextController::enter(ObjectKind kind, int index)
{
    m_window.setCurrentObject(kind, index);
    PageModel &page = m_context.page;
    if (kind == ObjectKind::Text && page.textBoxes[index].text == kPlaceholderText) {
        page.textBoxes[index].text.clear();
        m_window.refreshTextBox(index);
    } else if (kind == ObjectKind::RichText &&
               page.richTextBoxes[index].plainText == kPlaceholderText) {
        page.richTextBoxes[index].plainText.clear();
        page.richTextBoxes[index].rtf.clear();
        m_window.refreshRichTextBox(index);
    }
    workOn(kind, index);
}

// --- Bigger, smaller, the font dialog and colours ------------------------------------------

void TextController::makeTextBigger()
{
    changeTextSize(SizeButton::Bigger);
}

void TextController::makeTextSmaller()
{
    changeTextSize(SizeButton::Smaller);
}

void TextController::changeTextSize(SizeButton button)
{
    if (const int t = currentIndexOf(ObjectKind::Text); t >= 0) {
        PlainTextSizeTarget target(m_context.page.textBoxes[t], m_measure);
        if (target.press(button) == SizeChange::Changed) {
            m_window.refreshTextBox(t);
            recordStep(ObjectKind::Text, t);
        }
        if (TextBoxWidget *widget = m_window.pageView()->textBox(t))
            widget->setFocus();
    } else if (const int r = currentIndexOf(ObjectKind::RichText); r >= 0) {
        RichTextBoxWidget *widget = richWidget(r);
        if (!widget || !widget->textCursor().hasSelection())
            return;
        RichTextSizeTarget target(widget->textCursor(),
                                  QSizeF(m_context.page.richTextBoxes[r].geometry.size()));
        if (target.press(button) == SizeChange::Changed)
            recordStep(ObjectKind::RichText, r);
        widget->setFocus();
        m_toolbar->showLook();
    }
}

void TextController::openFontDialog()
{
    const int index = currentIndexOf(ObjectKind::Text);
    if (index < 0)
        return;
    recordStep(ObjectKind::Text, index);
    FontDialog form(m_context, m_context.page.textBoxes[index], &m_window);
    m_runFontDialog(form);
    if (form.answer() != DialogAnswer::Yes)
        return;
    const FontChoice choice = form.choice();
    if (!applyFontChoice(m_context.page.textBoxes[index], choice, m_measure)) {
        QApplication::beep();
        return;
    }
    m_window.refreshTextBox(index);
    recordStep(ObjectKind::Text, index);
    if (form.applyToAll())
        applyFontToAll(choice, index);
    if (TextBoxWidget *widget = m_window.pageView()->textBox(index))
        widget->setFocus();
}

void TextController::colourSelectedText(ColourRef colour)
{
    const ObjectKind kind = m_context.page.current.kind;
    const int index = m_context.page.current.index;
    if (kind == ObjectKind::Text && index >= 0 && index < m_context.page.textBoxes.size()) {
        const TextBoxWidget *box = m_window.pageView()->textBox(index);
        if (!box || !box->textCursor().hasSelection())
            return;
        // A plain box has one colour for all its text.
        m_context.page.textBoxes[index].style.colour = colour;
        m_window.refreshTextBox(index);
        recordStep(kind, index);
        return;
    }
    m_toolbar->colourSelection(colour);
}

void TextController::applyFontToAll(const FontChoice &choice, int except)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_context.page.documentType == DocumentKind::Table) {
        for (const int changed : applyFontToEveryCell(m_context.page, choice, except, m_measure))
            m_window.refreshTextBox(changed);
        QApplication::restoreOverrideCursor();
        return;
    }
    for (int i = 0; i < m_context.page.textBoxes.size(); ++i) {
        if (i == except || !m_context.page.textBoxes[i].visible)
            continue;
        // A single-line box too low for the size keeps its own font.
        if (applyFontChoice(m_context.page.textBoxes[i], choice, m_measure))
            m_window.refreshTextBox(i);
    }
    QApplication::restoreOverrideCursor();
}

} // namespace quillora
