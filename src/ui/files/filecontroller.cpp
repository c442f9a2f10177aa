#include "ui/files/filecontroller.h"

#include "core/app/exitsequence.h"
#include "core/doctypes/headlessexport.h"
#include "core/doctypes/pagefamily.h"
#include "core/files/filecommands.h"
#include "core/files/workfile.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/documentwindow.h"
#include "ui/files/pagecontent.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace quillora {

namespace {

// The busy pointer for as long as a file is written or read; gone before any message shows.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    void release()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

QString withPngExtension(const QString &path)
{
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
               ? path
               : path + QStringLiteral(".png");
}

} // namespace

FileController::FileController(AppContext &context, ArchiveFormat &format, QObject *parent)
    : QObject(parent), m_context(context), m_format(format),
      m_dialogs(std::make_unique<WindowFileDialogs>(context))
{
}

FileController::~FileController() = default;

void FileController::attach(DocumentWindow *window)
{
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    if (!window)
        return;
    connect(window, &DocumentWindow::saveRequested, this, &FileController::saveWork);
    connect(window, &DocumentWindow::openRequested, this, &FileController::openWork);
}

void FileController::setDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    if (dialogs)
        m_dialogs = std::move(dialogs);
}

Staging FileController::staging() const
{
    return Staging(runStagingFolder(m_context.folders.temporary, m_context.runTag));
}

void FileController::removeStaging(const AppContext &context)
{
    removeRunStaging(context.folders.temporary, context.runTag);
}

QWidget *FileController::dialogParent() const
{
    return m_window;
}

void FileController::tell(const QString &sentence, const QString &reason)
{
    m_dialogs->showMessage(sentence, reason, dialogParent());
}

bool FileController::usesOwnFileDialogHere() const
{
    // The own dialog lists the working folder; without one only the standard dialog can help.
    return kindInfo(m_context.page.documentType).fileDialog == FileDialogKind::Own && !m_context.folders.working.isEmpty();
}

bool FileController::saveWork()
{
    if (!m_window)
        return false;
    if (!usesOwnFileDialogHere())
        return saveThroughStandardDialog();
    const OwnDialogChoice choice = m_dialogs->askOwn(
        FileDirection::Save, [this](const QString &path) { return previewOf(path); },
        dialogParent());
    if (choice.answer == OwnDialogChoice::Answer::More)
        return saveThroughStandardDialog();
    if (choice.answer != OwnDialogChoice::Answer::Yes || choice.name.isEmpty())
        return false;
    const QString path = workFilePathFor(m_context.folders.working, choice.name);
    m_currentFilePath = path;
    return saveDocument(path);
}

bool FileController::saveThroughStandardDialog()
{
    const bool offerPng = canExportPng(m_context.page.documentType);
    const auto choice = m_dialogs->askStandardSave(
        m_context.fileDialogFolder, proposedSaveName(m_currentFilePath), offerPng, dialogParent());
    if (!choice)
        return false;
    m_currentFilePath = choice->path;
    m_context.fileDialogFolder = QFileInfo(choice->path).absolutePath();
    if (choice->asPng) {
        exportScreenPng(withPngExtension(choice->path));
        return false;
    }
    return saveDocument(withWorkFileExtension(choice->path));
}

bool FileController::saveDocument(const QString &path)
{
    if (!m_window)
        return false;
    BusyPointer busy;
    PageModel &page = m_context.page;
    // The formatted text of rich text boxes lives in their controls until it is saved.
    readRichTextFromView(*m_window->pageView(), page);
    SavedLayoutOptions options;
    options.copiesOnSheet = page.repeatCount;
    const Staging members = staging();
    const WorkFileContext context{m_format, members, m_window->pageFitInputs(), m_limits};
    QString error;
    if (!saveWorkFile(page, context, path, options, &error)) {
        busy.release();
        tell(QStringLiteral("Sorry. This file couldn't be saved."), error);
        return false;
    }
    emit documentSaved(path);
    return true;
}

bool FileController::openWork()
{
    if (!m_window)
        return false;
    if (shouldOfferToSave(m_context.settings, m_context.page)) {
        const QString answer = m_dialogs->offerToSave(dialogParent());
        if (answer == u"Yes") {
            // Work that could not be saved is never thrown away by opening another file.
            if (!saveWork())
                return false;
        } else if (answer != u"No") {
            return false;
        }
    }
    if (!usesOwnFileDialogHere())
        return openThroughStandardDialog();
    const OwnDialogChoice choice = m_dialogs->askOwn(
        FileDirection::Open, [this](const QString &path) { return previewOf(path); },
        dialogParent());
    if (choice.answer == OwnDialogChoice::Answer::More)
        return openThroughStandardDialog();
    if (choice.answer != OwnDialogChoice::Answer::Yes || choice.name.isEmpty())
        return false;
    return openDocument(workFilePathFor(m_context.folders.working, choice.name));
}

bool FileController::openThroughStandardDialog()
{
    const auto path = m_dialogs->askStandardOpen(m_context.fileDialogFolder, dialogParent());
    if (!path)
        return false;
    m_context.fileDialogFolder = QFileInfo(*path).absolutePath();
    return openDocument(*path);
}

bool FileController::openDocument(const QString &path)
{
    if (!m_window)
        return false;
    BusyPointer busy;
    const Staging members = staging();
    const WorkFileContext context{m_format, members, m_window->pageFitInputs(), m_limits};
    QString error;
    if (!openWorkFile(m_context.page, context, path, &error)) {
        busy.release();
        tell(QStringLiteral("Sorry. This file couldn't be opened."), error);
        return false;
    }
    m_currentFilePath.clear();
    m_context.undo.reset();
    takePlainTextFromRtf(m_context.page);
    m_window->showPage();
    showRichTextInView(*m_window->pageView(), m_context.page);
    emit documentOpened();
    return true;
}

bool FileController::openFromCommandLine(const QString &path)
{
    if (path.isEmpty())
        return false;
    return openDocument(path);
}

bool FileController::exportScreenPng(const QString &path)
{
    if (!canExportPng(m_context.page.documentType)) {
        tell(kNoPngMessage);
        return false;
    }
    if (!m_window)
        return false;
    BusyPointer busy;
    readRichTextFromView(*m_window->pageView(), m_context.page);
    QString reason;
    if (!writePagePng(m_context.page, m_context.settings.multiPrintQualSF, path, &reason)) {
        busy.release();
        tell(QStringLiteral("Sorry. This file couldn't be saved."), reason);
        return false;
    }
    return true;
}

QImage FileController::previewOf(const QString &path) const
{
    if (!m_window)
        return {};
    const PreviewContext context{m_format,
                                 runPreviewFolder(m_context.folders.temporary, m_context.runTag),
                                 m_window->pageFitInputs(), m_limits};
    return workFilePreview(path, context);
}

} // namespace quillora
