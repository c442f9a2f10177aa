#include "ui/files/filecontroller.h"

#include "core/app/exitsequence.h"
#include "core/app/headlessexport.h"
#include "core/doctypes/pagefamily.h"
#include "core/files/backgroundfiles.h"
#include "core/files/filecommands.h"
#include "core/files/wholefile.h"
#include "core/files/workfile.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/files/busyindicator.h"
#include "ui/files/pagecontent.h"

#include <QFileInfo>

namespace quillora {

namespace {

QString withPngExtension(const QString &path)
{
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
               ? path
               : path + QStringLiteral(".png");
}

} // namespace

FileController::FileController(AppContext &context, ArchiveFormat &format,
                               const PageFilesFinder &families, QObject *parent)
    : QObject(parent), m_context(context), m_format(format), m_families(families),
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
    return Staging(m_context.folders.staging);
}

void FileController::removeStaging(const AppContext &context)
{
    removeStagingFolder(context.folders.staging);
}

QWidget *FileController::dialogParent() const
{
    return m_window;
}

void FileController::tell(const QString &sentence)
{
    m_dialogs->showMessage(sentence, {}, dialogParent());
}

bool FileController::usesOwnFileDialogHere() const
{
    // The own dialog lists the working folder; without one only the standard dialog can help.
    return kindInfo(m_context.page.documentType).fileDialog == FileDialogKind::Own &&
           !m_context.folders.working.isEmpty();
}

bool FileController::saveWork()
{
    if (!m_window)
        return false;
    if (!usesOwnFileDialogHere())
        return saveThroughStandardDialog();
    const OwnDialogChoice choice = m_dialogs->askOwn(
        FileDirection::Save, [this](const QString &path) { return previewOf(path); },
        [this](const QString &path) { return stepsOf(path); }, dialogParent());
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
    BusyIndicator busy(m_context);
    PageModel &page = m_context.page;
    SavedLayoutOptions options;
    options.copiesOnSheet = page.repeatCount;
    const WorkFileJob job{m_format, m_families, staging(), m_window->pageFitInputs(),
                          m_limits, path};
    const WorkFileJobResult saved = saveOnWorker(m_worker, job, page, options);
    if (!saved.done) {
        qCWarning(lcFiles) << path << "was not saved:" << saved.error;
        busy.release();
        tell(saveTroubleSentence(saved.outcome.trouble));
        return false;
    }
    page.countAtLastSave = saved.page.countAtLastSave;
    m_context.workName = QFileInfo(path).completeBaseName();
    emit documentSaved(path);
    return true;
}

bool FileController::openWork()
{
    if (!m_window)
        return false;
    if (shouldOfferToSave(m_context.settings, m_context.page)) {
        switch (saveOfferAction(m_dialogs->offerToSave(dialogParent()))) {
        case SaveOfferAction::Save:
            // Work that could not be saved is never thrown away by opening another file.
            if (!saveWork())
                return false;
            break;
        case SaveOfferAction::DontSave:
            break;
        case SaveOfferAction::StayInProgram:
            return false;
        }
    }
    if (!usesOwnFileDialogHere())
        return openThroughStandardDialog();
    const OwnDialogChoice choice = m_dialogs->askOwn(
        FileDirection::Open, [this](const QString &path) { return previewOf(path); },
        [this](const QString &path) { return stepsOf(path); }, dialogParent());
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
    BusyIndicator busy(m_context);
    const WorkFileJob job{m_format, m_families, staging(), m_window->pageFitInputs(),
                          m_limits, path};
    WorkFileJobResult opened = openOnWorker(m_worker, job, m_context.page.documentType);
    if (!opened.done) {
        qCWarning(lcFiles) << path << "was not opened:" << opened.error;
        busy.release();
        tell(openTroubleSentence(opened.outcome.trouble));
        return false;
    }
    m_context.page = std::move(opened.page);
    if (m_window->objectName() != kindInfo(m_context.page.documentType).windowName)
        emit windowNeededFor(m_context.page.documentType);
    m_currentFilePath.clear();
    m_context.workName = QFileInfo(path).completeBaseName();
    m_context.undo.reset();
    takePlainTextFromRtf(m_context.page);
    m_window->showPage();
    const bool richTextUsed = showRichTextInView(*m_window->pageView(), m_context.page);
    emit documentOpened();
    if (opened.outcome.partsSkipped || !richTextUsed) {
        busy.release();
        tell(kPartsSkippedMessage);
    }
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
    BusyIndicator busy(m_context);
    const QImage picture = pageFamilyFor(m_context.page.documentType)
                               ->render(m_context.page, m_context.settings.copiesPrintScale);
    // Encoding a big page takes a while: the worker does it.
    const auto [written, reason] = m_worker.runAndWait([picture, path] {
        QString why = QStringLiteral("the page could not be drawn");
        const bool done = !picture.isNull() && writeImageFile(picture, "PNG", path, &why);
        return std::pair{done, why};
    });
    if (!written) {
        qCWarning(lcFiles) << path << "was not saved:" << reason;
        busy.release();
        tell(saveTroubleSentence(picture.isNull() ? FileTrouble::Other
                                                  : writeTrouble(path, picture.sizeInBytes())));
        return false;
    }
    return true;
}

PreviewContext FileController::previewContext() const
{
    return {m_format, m_families, previewFolderIn(m_context.folders.staging),
            m_window->pageFitInputs(), m_limits};
}

QImage FileController::previewOf(const QString &path) const
{
    if (!m_window)
        return {};
    return workFilePreview(path, previewContext());
}

QVector<QImage> FileController::stepsOf(const QString &path) const
{
    if (!m_window)
        return {};
    return workFileSteps(path, previewContext());
}

} // namespace quillora
