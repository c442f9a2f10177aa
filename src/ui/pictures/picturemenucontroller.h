#pragma once
// The picture actions of a document window: the right-click menu `RtMenu` with Copy, Paste,
// Import... and Cut, Ctrl+C and Ctrl+V, and the import of a picture file into a picture box or,
// on a "My layout" page, as a new picture object. Each action works on the page's current
// object (a picture box, the border picture, or the page itself), records it for undo and shows
// the result.
//
// The application makes one per document window, after its painting controller:
//     new PictureMenuController(context, *window, *undo, *painting, services);
// It is a child of the window and goes with it.

#include "core/pictures/pictureimport.h"
#include "platform/clipboard.h"
#include "platform/pictureloader.h"
#include "ui/pictures/importquestions.h"
#include "ui/pictures/picturemenu.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

namespace quillora {

class AppContext;
class PaintingController;
class DocumentWindow;
class LongPresses;
class UndoController;

// The outside world the actions reach: the clipboard, picture files and the questions asked
// (the real dialogs when left empty).
struct PictureMenuServices {
    std::unique_ptr<PictureClipboard> clipboard;
    std::unique_ptr<PictureLoader> loader;
    std::unique_ptr<ImportQuestions> questions;
};

inline const QString kPictureUnreadableMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sorry. This picture couldn't be opened."));

class PictureMenuController : public QObject {
    Q_OBJECT
public:
    PictureMenuController(AppContext &context, DocumentWindow &window, UndoController &undo,
                          PaintingController &painting, PictureMenuServices services);
    ~PictureMenuController() override;

    PictureMenu *menu() const { return m_menu; }

    // ShowMenu: beside a picture (window coordinates), or on the page itself ("My layout" only:
    // Paste and Import). HideMenu. MenuAction: runs an entry on the current object.
    void showMenuForPicture(int index, QPoint atWindow);
    void showMenuForPage(QPoint atPage);
    // Beside the page border picture, for the window that lets the child paint the border.
    void showMenuForBorder(QPoint atWindow);
    void hideMenu();
    void runEntry(PictureMenuEntry entry);

    // Copy and Cut put the target's picture on the clipboard; Cut then empties it, with no undo
    // step (Paste brings it back).
    bool copyPicture(const PictureTarget &target);
    bool cutPicture(const PictureTarget &target);
    // Paste fits the clipboard's picture into the target, keeping its proportions; undoable.
    bool pastePicture(const PictureTarget &target);
    // Paste on a "My layout" page: a new picture object at `atPage`. Its index, if one was made.
    std::optional<int> pasteAsObject(QPoint atPage);

    // Import into a picture box or the border: file dialog, fit dialog, drawing, undo step.
    // A file that cannot be read is told about and the picture keeps what it had.
    enum class ImportOutcome { Unchanged, Placed, Cleared };
    ImportOutcome importInto(const PictureTarget &target);
    // Import as a new picture object on a "My layout" page, tagged with its file.
    std::optional<int> importAsObject(QPoint atPage);

signals:
    // The border picture changed; whoever shows the border draws it again.
    void borderPictureChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(QPoint atWindow, bool pageOnly);
    bool onMyLayout() const;
    void holdPagePress(QPoint atPage);
    // Before a change that empties the target: its present picture is a step undo can go back to.
    void beginChange(const PictureTarget &target);
    void finishChange(const PictureTarget &target, bool recordForUndo);
    void showAdded(int index);
    // The busy mark for as long as an action runs, and until input already queued is handled.
    void markBusy();
    void endBusy();

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    PaintingController &m_painting;
    PictureMenuServices m_services;
    PictureMenu *m_menu = nullptr;
    QPoint m_menuPagePoint; // where a page menu opened, from the page's top left
    bool m_filterInstalled = false;
    LongPresses *m_pageHeld = nullptr; // made on the first press on a "My layout" page
};

} // namespace quillora
