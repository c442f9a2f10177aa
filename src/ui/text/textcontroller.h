#pragma once
// Everything a document window does with its texts: fitting after every edit, undo steps on
// presses and key releases, the bigger and smaller buttons, the font dialog, the rich text
// toolbar, the on-screen keyboard and the pull-down string. The window reports input as signals;
// this controller turns them into calls on the text core and shows the results.
//
// The application makes one controller per single-page window, after the window and its
// UndoController; the window owns it:
//     auto *undo = new UndoController(context, *window);
//     new TextController(context, *window, *undo, keys);
// It follows every page the window shows (DocumentWindow::pageShown) and every undo step
// (UndoController::restored) by itself; a change of the options calls applySettings().

#include "core/text/plainfit.h"
#include "core/text/richfit.h"
#include "core/text/textsize.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class QTextCursor;

namespace quillora {

class AppContext;
class FontDialog;
class KeySender;
class MiniKeyWidget;
class OnScreenKeyboardWidget;
class PullString;
class RichTextBoxWidget;
class RichTextToolbar;
class DocumentWindow;
class UndoController;
struct UndoTarget;

class TextController : public QObject {
    Q_OBJECT
public:
    // Distance of the rich text toolbar's left edge left of the page's left edge.
    static constexpr int kToolbarLeftOfPagePx = 34;

    // The on-screen keyboard types through `keys`: into whatever has the focus, as a physical
    // key does, in the program; tests give their own.
    TextController(AppContext &context, DocumentWindow &window, UndoController &undo,
                   KeySender &keys);
    ~TextController() override;

    // After the window showed a page: the rich text toolbar, the keyboard and the string follow
    // the page and the settings, and every rich text box accepts its content for fitting.
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

    RichTextToolbar *richTextToolbar() const { return m_toolbar; }
    OnScreenKeyboardWidget *keyboard() const { return m_keyboard; }
    MiniKeyWidget *miniKey() const { return m_miniKey; }
    PullString *pullString() const { return m_string; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(KeySender &keys);
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
    void onCurrentObjectChanged(const QString &kind, int index);

    // Returns whether the history restarted for the object.
    bool workOn(const QString &kind, int index);
    void recordStep(const QString &kind, int index);
    // Makes a text object current as a press would: placeholder cleared, history started.
    void enter(const QString &kind, int index);
    void giveKeyboardATarget();
    // The model's RTF and plain text are kept as the child types and formats, so that saving,
    // autosave, a template switch and a page turn never read the controls.
    void storeRichContent(int index);
    void storeShownContent(int index);
    void acceptRichContent(int index);
    RichTextBoxWidget *richWidget(int index) const;
    int currentIndexOf(const QString &kind) const;

    void connectToolbar();
    void placeToolbar();
    void syncToolbar();
    // A toolbar action on the current rich text box: `edit` changes the selection; an empty box
    // has its base style changed by `base` instead when one is given.
    void changeRichText(const std::function<void(QTextCursor &)> &edit,
                        const std::function<void(TextStyle &)> &base = {});
    void placeKeyboard();
    void applyFontToAll(const FontChoice &choice, int except);

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    TextMeasure m_measure;
    RichTextFitter m_fitter;
    QVector<RichTextMemory> m_memories;
    CurrentObject m_lastCurrent;
    RichTextToolbar *m_toolbar = nullptr;
    OnScreenKeyboardWidget *m_keyboard = nullptr;
    MiniKeyWidget *m_miniKey = nullptr;
    PullString *m_string = nullptr;
    std::function<void(FontDialog &)> m_runFontDialog;
    QVector<QPointer<QWidget>> m_watchedRichBoxes; // viewports of the rich text boxes
};

} // namespace quillora
