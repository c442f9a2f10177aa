#pragma once
// What the single-page window shows beside its page for some kinds: the menu of alternative
// templates ("Shapes", "Sign"), which switches the page's template and keeps the work, and the
// controls of a sheet of repeated copies ("Multi") with its preview.

#include "core/app/startchoice.h"
#include "core/layout/reach.h"

#include <QList>
#include <QObject>
#include <QString>

class QTimer;

namespace quillora {

class AppContext;
class CopiesSheetPanel;
class DocumentWindow;
class TemplateMenu;

// Width of the column right of the page that holds the menu or the copies controls.
constexpr int kSideColumnWidthPx = kWideSideColumnPx;

// The "Sorry" a failed switch shows; the page stays as it was.
inline const QString kSwitchFailedMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("Quillora", "Sorry. That layout couldn't be used. Your work is still here."));

class TemplateSheetController : public QObject {
    Q_OBJECT
public:
    TemplateSheetController(AppContext &context, DocumentWindow &window);

    TemplateMenu *menu() const { return m_menu; }
    CopiesSheetPanel *copiesPanel() const { return m_copies; }

    // Switches the page to template `index` of the menu, keeping the work. False (with the
    // page unchanged and the message shown) when it cannot be done.
    bool switchToTemplate(int index);
    // Draws the copies preview again from the page (after painting, typing or a click).
    void redrawPreview();

signals:
    // The page now follows another template; the undo history has restarted.
    void templateSwitched();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pageShown();
    void placeColumn();
    void onCopiesScrolled(int value);
    void onAutoClicked(bool ticked);
    void showCopies();

    AppContext &m_context;
    DocumentWindow &m_window;
    TemplateMenu *m_menu = nullptr;
    CopiesSheetPanel *m_copies = nullptr;
    // Compared against in the event filter, which also sees the window's last events while it
    // is being destroyed: by then the window can no longer be asked for its page view.
    QObject *m_pageView = nullptr;
    QString m_menuFolder;
    // Typing redraws the preview once the child pauses, not on every key.
    QTimer *m_typingPause = nullptr;
};

} // namespace quillora
