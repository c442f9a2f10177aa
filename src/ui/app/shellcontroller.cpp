#include "ui/app/shellcontroller.h"

#include "core/app/exitsequence.h"
#include "core/app/startchoice.h"
#include "core/app/startflow.h"
#include "core/app/startup.h"
#include "core/files/recovery.h"
#include "core/foundation/paths.h"
#include "core/layout/bordersetup.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"
#include "ui/app/exitdialog.h"
#include "ui/app/gestureguard.h"
#include "ui/app/languageswitch.h"
#include "ui/app/optionsdialog.h"
#include "ui/app/startscreen.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/doctypes/documentwindows.h"
#include "ui/kit/pleasewaitwindow.h"
#include "ui/kit/messagedialog.h"
#include "ui/kit/saveoffer.h"
#include "ui/kit/translatewindow.h"

#include <QApplication>
#include <QCoreApplication>

namespace quillora {

ShellController::ShellController(AppContext &context, PrinterProvider &printers,
                                 const DocumentWindows &windows, QObject *parent)
    : QObject(parent), m_context(context), m_printers(printers), m_windows(windows)
{
}

ShellController::~ShellController() = default;

void ShellController::begin(const StartupResult &startup)
{
    if (startup.next == StartupResult::Next::OpenWorkFile && openInWindow(startup.workFile))
        return;
    if (m_offerRecoveredWork) {
        if (const auto recovered = m_offerRecoveredWork(); recovered && openInWindow(*recovered)) {
            // Never saved by the child: leaving or starting anew offers to save it properly.
            markAsRecovered(m_context.page);
            m_context.workName.clear();
            return;
        }
    }
    PleaseWaitWindow pleaseWait(m_context);
    pleaseWait.show();
    QApplication::processEvents();
    showStartScreen(&pleaseWait);
}

bool ShellController::openInWindow(const QString &path)
{
    if (!m_openWorkFile)
        return false;
    ensureWindowFor(m_context.page.documentType);
    // The file may be of a kind another window shows, which then replaces this one.
    if (!m_openWorkFile(path))
        return false;
    m_window->showFullScreen();
    return true;
}

void ShellController::showStartScreen(QWidget *pleaseWait)
{
    StartFlowHooks hooks;
    hooks.showStartScreen = [this, pleaseWait] {
        if (pleaseWait)
            pleaseWait->hide();
        return StartScreen::ask(m_context, m_window.get());
    };
    hooks.hasWindow = [this](DocumentKind kind) { return m_windows.has(kind); };
    hooks.documentWindowVisible = [this] { return m_window && m_window->isVisible(); };
    hooks.offerToSave = [this] {
        return offerToSave() ? SaveOfferResult::Proceed : SaveOfferResult::Stay;
    };
    hooks.runExitSequence = [this] { return runExitSequence(); };
    hooks.openDocument = [this](const StartChoice &choice) {
        return newDocument(choice.kind, choice.templatePath);
    };
    hooks.showMessage = [this](const QString &english) {
        MessageDialog::tell(m_context, english, m_window.get());
    };
    runStartFlow(hooks);
}

bool ShellController::offerToSave()
{
    if (!shouldOfferToSave(m_context.settings, m_context.page))
        return true;
    switch (saveOfferAction(SaveOffer::ask(m_context, m_window.get()))) {
    case SaveOfferAction::Save:
        // A save that did not happen must not lose the work.
        return m_saveWork && m_saveWork();
    case SaveOfferAction::DontSave:
        return true;
    case SaveOfferAction::StayInProgram:
        return false;
    }
    return false;
}

QString ShellController::templateFor(DocumentKind kind, const QString &chosen) const
{
    if (!chosen.isEmpty())
        return chosen;
    const DocumentKindInfo &info = kindInfo(kind);
    if (!info.fixedTemplate.isEmpty())
        return paths::join(paths::join(m_context.folders.data, QStringLiteral("layouts")),
                           info.fixedTemplate);
    // Kinds chosen from the window's own template menu start with the first of its list.
    if (!info.menuFolder.isEmpty()) {
        const TemplateListing listing = listTemplates(m_context.folders.data, info.menuFolder);
        if (!listing.choices.isEmpty())
            return listing.choices.front().templatePath;
    }
    return {};
}

bool ShellController::newDocument(DocumentKind kind, const QString &templatePath)
{
    if (!m_windows.has(kind)) {
        MessageDialog::tell(m_context, kNotReadyMessage);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    resetPage(m_context.page);
    m_context.undo.reset();
    m_context.workName.clear();
    m_context.page.documentType = kind;
    DocumentWindow &window = ensureWindowFor(kind);
    const bool loaded = window.startDocument(templateFor(kind, templatePath));
    // The bordered kinds get the standard border; every new document starts unpainted.
    if (setUpNewDocumentBorder(m_context.page))
        window.showPage();
    QApplication::restoreOverrideCursor();
    window.showFullScreen();
    window.raise();
    window.activateWindow();
    // The second click of a double-click on what chose the page belongs to the start screen. A
    // page chosen without a click guards nothing: the child's next press is theirs.
    const int interval = QApplication::doubleClickInterval();
    if (const std::optional<QPoint> clickedAt = m_releases.releasedWithin(interval))
        GestureGuard::guard(window, interval, *clickedAt);
    return loaded;
}

DocumentWindow &ShellController::ensureWindowFor(DocumentKind kind)
{
    const QString wanted = kindInfo(kind).windowName;
    if (m_window && m_windowName == wanted)
        return *m_window;
    // The old window goes with its controllers once the event that asked for the new one has
    // been handled: its own button may be what is running now.
    if (m_window) {
        m_window->hide();
        m_window.release()->deleteLater();
    }
    m_window = m_windows.create(kind, m_context);
    m_windowName = wanted;
    DocumentWindow *window = m_window.get();
    translateWindow(window, m_context.translator);
    connect(window, &DocumentWindow::exitRequested, this, [this] { runExitSequence(); });
    connect(window, &DocumentWindow::optionsRequested, this, &ShellController::openOptions);
    connect(window, &DocumentWindow::newRequested, this, [this] { showStartScreen(); });
    connect(window, &DocumentWindow::templateLoadFailed, this,
            [this, window](const QString &reason) {
                MessageDialog::tell(
                    m_context,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Quillora",
                        "Sorry. There are some layout files missing. Please re-install Quillora")),
                    reason, window);
            });
    emit documentWindowCreated(window);
    return *window;
}

void ShellController::showWindowFor(DocumentKind kind)
{
    if ((m_window && m_windowName == kindInfo(kind).windowName) || !m_windows.has(kind))
        return;
    DocumentWindow &window = ensureWindowFor(kind);
    window.showFullScreen();
    window.raise();
    window.activateWindow();
}

bool ShellController::runExitSequence()
{
    if (ExitDialog::ask(m_context, m_window.get()) != DialogAnswer::Yes || !offerToSave())
        return false;
    emit leaving();
    finishExit(m_context);
    // Queued, so that leaving from the start screen before the event loop runs still ends it.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    if (m_window)
        m_window->hide();
    return true;
}

void ShellController::openOptions()
{
    OptionsDialog::open(m_context, m_printers, m_window.get(),
                        [this](const OptionsEffects &effects) { takeOptions(effects); });
}

void ShellController::takeOptions(const OptionsEffects &effects)
{
    if (effects.languageChanged)
        switchLanguage();
    if (m_window)
        m_window->applySettings();
    emit optionsApplied(effects);
}

void ShellController::switchLanguage()
{
    const Language previous = m_context.language;
    loadProgramLanguage(m_context);
    applyLanguage(previous, m_context.language);
    if (m_window)
        translateWindow(m_window.get(), m_context.translator);
}

} // namespace quillora
