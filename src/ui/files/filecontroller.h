#pragma once
// The Save and Open commands of a document window, PNG export and opening the work file named
// on the command line. Every failure is told to the child in one message and leaves the page,
// the staging folder and the earlier file as they were.

#include "core/app/appcontext.h"
#include "core/files/archive.h"
#include "core/files/fileworker.h"
#include "core/files/pagefiles.h"
#include "core/files/staging.h"
#include "core/files/workfilepreview.h"
#include "ui/files/filedialogs.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace quillora {

class DocumentWindow;

class FileController : public QObject {
    Q_OBJECT
public:
    // `format` is the archive implementation (ZipArchiveFormat in the program) and `families`
    // save and read each kind's page (the registered families in the program); both must
    // outlive the controller.
    FileController(AppContext &context, ArchiveFormat &format, const PageFilesFinder &families,
                   QObject *parent = nullptr);
    ~FileController() override;

    // Connects the window's Open and Save requests; the window shows the page after an open and
    // its page area is what PNG export saves.
    void attach(DocumentWindow *window);
    DocumentWindow *window() const { return m_window; }

    // The dialogs asked (tests give scripted ones); the real windows by default.
    void setDialogs(std::unique_ptr<FileDialogs> dialogs);

    // The Save command: the own dialog for document types 0-4, the standard dialog for the
    // others. True when the work was saved as a work file (a PNG picture is not the work).
    bool saveWork();
    // The Open command: offers to save unsaved work first (unless switched off), then asks for
    // the file. True when a work file was opened.
    bool openWork();

    // Saves the page at `path`. A failure shows one plain sentence of what happened and what to
    // do (the detail goes to the log); the earlier file and the count at last save stay.
    bool saveDocument(const QString &path);
    // Opens `path` and shows its page. A file that is not a readable work file is refused with
    // one plain sentence, and the page stays exactly as it was; a file opened with some parts
    // left out says so once.
    bool openDocument(const QString &path);
    // Saves the page as a PNG picture, drawn as the printer draws it (no frames, selection
    // marks or caret); refused for postcards, leaflets and banners.
    bool exportScreenPng(const QString &path);
    // At start-up, for the path the command line names: opens it, or shows why not and returns
    // false (the start screen follows).
    bool openFromCommandLine(const QString &path);

    // The small picture of a work file's page for the file dialog; null when it cannot be opened.
    QImage previewOf(const QString &path) const;
    // The progress pictures kept in a work file, for the file dialog's flip-book.
    QVector<QImage> stepsOf(const QString &path) const;

    // The file last saved through a dialog; the standard save dialog proposes its name. Opening
    // clears it.
    const QString &currentFilePath() const { return m_currentFilePath; }
    Staging staging() const;
    // The one file thread, the archive implementation and the families, shared with autosave.
    FileWorker &worker() { return m_worker; }
    ArchiveFormat &archiveFormat() const { return m_format; }
    const PageFilesFinder &families() const { return m_families; }

    // At exit: deletes this run's staging and preview folders.
    static void removeStaging(const AppContext &context);

signals:
    // An opened work file is of a kind another window shows: whoever owns the windows puts that
    // one up and attaches it here at once, before the page is shown.
    void windowNeededFor(quillora::DocumentKind kind);
    // After a work file replaced the page: the window shows it; toolbars, palettes and undo
    // buttons follow from here.
    void documentOpened();
    void documentSaved(const QString &path);

private:
    PreviewContext previewContext() const;
    bool usesOwnFileDialogHere() const;
    bool saveThroughStandardDialog();
    bool openThroughStandardDialog();
    void tell(const QString &sentence);
    QWidget *dialogParent() const;

    AppContext &m_context;
    ArchiveFormat &m_format;
    const PageFilesFinder &m_families;
    std::unique_ptr<FileDialogs> m_dialogs;
    QPointer<DocumentWindow> m_window;
    QString m_currentFilePath;
    UnpackLimits m_limits;
    FileWorker m_worker; // packs, unpacks and encodes while the window stays alive
};

} // namespace quillora
