#pragma once
// What every document window shares: the desk, the top toolbar and its signals, room for the felt
// pens and paint tools on the left, the page's pictures and texts, the keyboard shortcuts and the
// current object. It turns presses and keys into changes of the page model and reports every
// action as a signal; the controllers of painting, text, undo, files and printing connect to
// those signals (attachControllers). Each kind of window adds how its page is built.

#include "core/layout/pagefit.h"
#include "ui/document/documenttoolbar.h"

#include <QWidget>

#include <functional>

namespace quillora {

class AppContext;
class PageView;
struct DocumentControllers;

class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    // `objectName` is the window's name in the table of kinds ("Form1", ...).
    DocumentWindow(AppContext &context, const QString &objectName, QWidget *parent = nullptr);

    // Builds the new page of the kind in the page model (from `templatePath` where the kind has
    // one) and shows it. On failure what could be built is shown, templateLoadFailed() carries
    // the reason and false is returned.
    virtual bool startDocument(const QString &templatePath) = 0;
    // Brings the page's controls in line with the page model (creating, reusing, hiding).
    void showPage();
    PageFitInputs pageFitInputs() const;
    // Follows a change of the settings: the webcam button and the frame colour.
    void applySettings();

    // Records the object that has the focus; emits currentObjectChanged() when it changes.
    void setCurrentObject(ObjectKind kind, int index);

    // After code outside the window changed one object in the model (fitting, painting, undo);
    // objectRefreshed() follows.
    void refreshTextBox(int index);
    void refreshRichTextBox(int index);
    void refreshPictureBox(int index);

    DocumentToolbar *toolbar() const { return m_toolbar; }
    // The picture surfaces and text boxes of this page.
    PageView *pageView() const { return m_pageView; }
    // Parent for the felt pens and the paint tools: as wide as paletteColumnWidth gives for the
    // screen, below the toolbar.
    QWidget *paletteArea() const { return m_paletteArea; }
    // Shows the felt pens button or the paint tools button, whichever palette is hidden.
    void setPaintToolsShown(bool paintToolsShown);

    // How Ctrl+V learns whether the clipboard holds a picture (tests give their own).
    void setClipboardProbe(std::function<bool()> hasPicture);

    // The controllers attachControllers gave this window, for a window that talks to them
    // beyond the signals above.
    virtual void controllersAttached(const DocumentControllers &) {}

    // The window's own text being written (an anywhere text, a bubble's words), made ready for
    // the on-screen keyboard's keys, which go there before any text box; null when there is none.
    virtual QWidget *takeKeyboardTyping() { return nullptr; }
    // The slot of the anywhere text being written, which "Read it to me" reads; 0 for none.
    virtual int editedFloatingText() const { return 0; }

    // A text or rich text box ("t" or "r") changed size (a divider handle moved it): its text
    // is fitted again, as after an edit.
    void textBoxResized(ObjectKind kind, int index);

signals:
    void newRequested();
    void openRequested();
    void saveRequested();
    void printRequested();
    void undoRequested();
    void redoRequested();
    void fontRequested();
    void textBiggerRequested();
    void textSmallerRequested();
    void feltPensRequested();
    void paintToolsRequested();
    void borderFromMagnifierRequested();
    void webCamRequested();
    void readAloudRequested();
    void exitRequested();
    void optionsRequested();
    void copyPictureRequested(int index);
    void pastePictureRequested(int index);

    void templateLoadFailed(const QString &reason);
    // A text, rich text or picture box was shown again after a change made outside the window.
    void objectRefreshed(ObjectKind kind, int index);
    // The page's controls follow the page model again (a template, a work file, a reset).
    void pageShown();
    void currentObjectChanged(ObjectKind kind, int index);
    void paperPressed(QPoint position, Qt::MouseButton button);
    // A text was pressed (after it became current and lost its placeholder): undo records a
    // step, the rich text toolbar takes the box.
    void textBoxPressed(int index);
    void richTextBoxPressed(int index);
    // The text in the model has changed; fitting shrinks the font from here.
    void textBoxEdited(int index);
    void richTextBoxEdited(int index);
    // A key came up in a text: the change count has gone up; undo records a step from here.
    void textBoxKeyReleased(int index);
    void richTextBoxKeyReleased(int index);
    // `justSelected` is true when this press made the box current.
    // `pointer`: the mouse or a finger (PictureBoxWidget); every finger paints its own stroke.
    void picturePressed(int index, QPoint position, Qt::MouseButton button, bool justSelected,
                        int pointer);
    void pictureMoved(int index, QPoint position, Qt::MouseButtons buttons, int pointer);
    void pictureReleased(int index, QPoint position, Qt::MouseButton button, int pointer);
    void pictureTouchCancelled(int index, int pointer);

    // The window changes an object by itself (a circle's turn): work turns to it before the
    // change, and undo records the step after it.
    void workStarting(ObjectKind kind, int index);
    void changeMade(ObjectKind kind, int index);

    // A press on the page, a picture or a text is about to be handled (sent before any of the
    // signals above for that press): border editing ends here.
    void pagePressStarting();
    // A press on the page's border band.
    void borderPressed(QPoint position, Qt::MouseButton button);

protected:
    enum class HistoryStep { Undo, Redo };
    // A window busy with a change of its own (a circle's turn) keeps an undo or redo pressed
    // meanwhile and asks for it once the change is over, so the step is neither lost nor
    // overwritten; true when it kept the step.
    virtual bool holdHistoryStep(HistoryStep) { return false; }
    void requestHistoryStep(HistoryStep step);
    // A window whose page has no picture a webcam shot could fill (a banner, an anywhere page)
    // never shows the webcam button, whatever the options say.
    void setOffersWebcam(bool offers);

    AppContext &context() const { return m_context; }
    // False for a window that draws its page itself at `pageRect` instead of the page view.
    virtual bool showsPageView() const { return true; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onToolbar(ToolbarAction action);
    bool runShortcut(const QKeyEvent &key);
    void onTextBoxPressed(int index);
    void onTextBoxEdited(int index, const QString &text);
    void onRichTextBoxPressed(int index);
    void onRichTextBoxEdited(int index);
    void onPicturePressed(int index, QPoint position, Qt::MouseButton button, int pointer);
    void countKeyRelease();
    void giveEmptyPicturesPaper();
    void layoutChrome();

    AppContext &m_context;
    DocumentToolbar *m_toolbar = nullptr;
    QWidget *m_paletteArea = nullptr;
    QWidget *m_paperShadow = nullptr;
    PageView *m_pageView = nullptr;
    std::function<bool()> m_clipboardHasPicture;
    bool m_offersWebcam = true;
};

} // namespace quillora
