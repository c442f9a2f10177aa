#pragma once
// The texts of a document window as the child edits them: every edit fitted to its box and kept
// in the page model, undo steps on presses and key releases, the bigger and smaller buttons, the
// font dialog and colouring selected text. The window reports input as signals; this controller
// turns them into calls on the text core and shows the results. It makes the two controllers
// that serve the typing: RichTextToolbarController and ReachAidsController (the on-screen
// keyboard and the pull-down string).
//
// The application makes one controller per single-page window, after the window and its
// UndoController; the window owns it:
//     auto *undo = new UndoController(context, *window);
//     new TextController(context, *window, *undo, keys);
// It follows every page the window shows (DocumentWindow::pageShown) and every undo step
// (UndoController::restored) by itself; a change of the options calls applySettings().
// Saving, autosave, a template switch and a page turn read the model, never the controls.

#include "core/text/plainfit.h"
#include "core/text/richfit.h"
#include "core/text/textsize.h"

#include <QObject>
#include <QVector>

#include <functional>

namespace quillora {

class AppContext;
class DocumentWindow;
class FontDialog;
class KeySender;
class MiniKeyWidget;
class OnScreenKeyboardWidget;
class PullString;
class ReachAidsController;
class RichTextBoxWidget;
class RichTextToolbar;
class RichTextToolbarController;
class UndoController;
struct UndoTarget;

class TextController : public QObject {
    Q_OBJECT
public:
    // The on-screen keyboard types through `keys`: into whatever has the focus, as a physical
    // key does, in the program; tests give their own.
    TextController(AppContext &context, DocumentWindow &window, UndoController &undo,
                   KeySender &keys);
    ~TextController() override;

    // After the window showed a page: every rich text box is kept in the model and accepts its
    // content for fitting; the rich text toolbar, the keyboard and the string follow the page
    // and the settings.
    void pageShown();
    // After the options changed: keyboard and string shown or hidden by the settings.
    void applySettings();
    // After undo or redo wrote into objects: carets go to the end, rich text boxes accept
    // their restored content for fitting, and the toolbar shows it.
    void showRestored(const QVector<UndoTarget> &changed);

    // The toolbar buttons and the font button, for whatever text object is current.
    void makeTextBigger();
    void makeTextSmaller();
    void openFontDialog();
    // A colour chosen on the felt pens or the paint palette while text is selected colours it:
    // the whole plain box (it has one colour), or the selected characters of a rich box.
    void colourSelectedText(ColourRef colour);
    // How the font dialog is run (tests answer it without showing it); the dialog keeps its
    // answer.
    void setFontDialogRunner(std::function<void(FontDialog &)> run);

    RichTextToolbar *richTextToolbar() const;
    OnScreenKeyboardWidget *keyboard() const;
    MiniKeyWidget *miniKey() const;
    PullString *pullString() const;

    // For the toolbar and the keyboard. The index of the current object when it is of `kind`,
    // else -1; the control of a rich text box, or null.
    int currentIndexOf(ObjectKind kind) const;
    RichTextBoxWidget *richWidget(int index) const;
    // The model's RTF and plain text are kept as the child types and formats, so that nothing
    // ever reads the controls for them.
    void storeRichContent(int index);
    void recordStep(ObjectKind kind, int index);
    // Makes a text object current as a press would: placeholder cleared, history started.
    void enter(ObjectKind kind, int index);

private:
    void connectWindow();
    // Bigger or smaller text in the current text box, or in the selection of a rich box.
    void changeTextSize(SizeButton button);
    void onTextBoxPressed(int index);
    void onRichTextBoxPressed(int index);
    void onTextBoxEdited(int index);
    void onRichTextBoxEdited(int index);
    void onTextBoxKeyReleased(int index);
    void onRichTextBoxKeyReleased(int index);
    // A rich box that stops being the current object lets go of its selection, so that nothing
    // chosen later (a felt pen to paint with) acts on text the child no longer looks at.
    void onCurrentObjectChanged(ObjectKind kind, int index);

    // Returns whether the history restarted for the object.
    bool workOn(ObjectKind kind, int index);
    // A box shown from plain text, not yet kept as RTF, is kept as the RTF it shows.
    void storeShownContent(int index);
    void acceptRichContent(int index);
    void applyFontToAll(const FontChoice &choice, int except);

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    TextMeasure m_measure;
    RichTextFitter m_fitter;
    QVector<RichTextMemory> m_memories;
    CurrentObject m_lastCurrent;
    std::function<void(FontDialog &)> m_runFontDialog;
    RichTextToolbarController *m_toolbar = nullptr;
    ReachAidsController *m_reachAids = nullptr;
};

} // namespace quillora
