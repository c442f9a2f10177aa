#pragma once
// The application shell: which document window is open, starting new documents, the options
// dialog and the exit sequence. Document windows report their buttons here; the shell decides.

#include "core/app/options.h"
#include "core/app/startup.h"
#include "core/layout/documenttypes.h"
#include "ui/app/gestureguard.h"

#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace quillora {

class AppContext;
class PrinterProvider;
class DocumentWindow;
class DocumentWindows;

class ShellController : public QObject {
    Q_OBJECT
public:
    // `windows` says which window shows each kind; it outlives the shell.
    ShellController(AppContext &context, PrinterProvider &printers, const DocumentWindows &windows,
                    QObject *parent = nullptr);
    ~ShellController() override;

    // Shows the first window after start-up: the work file named on the command line, or the
    // start screen.
    void begin(const StartupResult &startup);

    // Starts a new document of `kind` from `templatePath` ("" for the kind's fixed template).
    // Kinds without a window are refused with "Not ready"; false then.
    bool newDocument(DocumentKind kind, const QString &templatePath = {});

    // The exit sequence: "Exit?", the offer to save, the settings written, this run's files
    // deleted. Returns false when the child stays in the program.
    bool runExitSequence();

    void openOptions();
    // Speaks the language the options now name: catalogues, locale, direction, open window.
    void switchLanguage();
    // Puts up the window of `kind` (a work file of that kind was opened in another).
    void showWindowFor(DocumentKind kind);

    // The document window that is open, whichever kind it shows; null before the first.
    DocumentWindow *documentWindow() const { return m_window.get(); }

    // Saving the work for the save offer; true when the work was saved.
    void setSaveWork(std::function<bool()> saveWork) { m_saveWork = std::move(saveWork); }
    // Opening a work file named on the command line; false when it could not be opened.
    void setOpenWorkFile(std::function<bool(const QString &)> open)
    {
        m_openWorkFile = std::move(open);
    }
    // Offering the works earlier runs left unsaved, before the start screen: the path of the one
    // to open, or nothing.
    void setOfferRecoveredWork(std::function<std::optional<QString>()> offer)
    {
        m_offerRecoveredWork = std::move(offer);
    }

signals:
    // A document window was created; controllers of painting, text, files and printing attach.
    void documentWindowCreated(quillora::DocumentWindow *window);
    // The teacher confirmed the options; the print button follows from here.
    void optionsApplied(const quillora::OptionsEffects &effects);
    // The program is about to end through the exit sequence.
    void leaving();

private:
    // The options the teacher confirmed reach the language, the open window and the controllers.
    void takeOptions(const OptionsEffects &effects);
    // The window for `kind`, replacing an open window of another kind.
    DocumentWindow &ensureWindowFor(DocumentKind kind);
    // Opens a work file into the window of its kind and shows it; false when it could not.
    bool openInWindow(const QString &path);
    QString templateFor(DocumentKind kind, const QString &chosen) const;
    // The start screen until a document starts, the child goes back to it, or leaves.
    void showStartScreen(QWidget *pleaseWait = nullptr);
    // Offers to save unsaved work; false when the child stays with it (or it was not saved).
    bool offerToSave();

    AppContext &m_context;
    PrinterProvider &m_printers;
    const DocumentWindows &m_windows;
    std::unique_ptr<DocumentWindow> m_window;
    QString m_windowName; // the kinds the open window shows
    std::function<bool()> m_saveWork;
    std::function<bool(const QString &)> m_openWorkFile;
    std::function<std::optional<QString>()> m_offerRecoveredWork;
    ReleaseWatch m_releases;
};

} // namespace quillora
