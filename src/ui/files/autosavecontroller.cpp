#include "ui/files/autosavecontroller.h"

#include "core/files/backgroundfiles.h"
#include "core/files/fileproblems.h"
#include "core/layout/pagefit.h"
#include "core/undo/pictureunshare.h"
#include "ui/document/documentwindow.h"
#include "ui/files/filecontroller.h"

#include <QDir>
#include <QEvent>

namespace quillora {

namespace {
constexpr QSize kRecoveryPreviewBounds{320, 240};
} // namespace

AutosaveController::AutosaveController(AppContext &context, FileController &files, QObject *parent)
    : QObject(parent), m_context(context), m_files(files), m_schedule(context.env.autosaveInterval)
{
    m_timer.setInterval(kLookIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
    // A completed save removes the recovery file without waiting for the next look.
    connect(&files, &FileController::documentSaved, this, [this] { look(); });
}

AutosaveController::~AutosaveController()
{
    // A write under way reports to this object: it must end first.
    m_files.worker().finishPending();
}

QString AutosaveController::stagingFolder() const
{
    // Its own folder below the staging folder, which saving and opening never touch.
    return QDir(m_context.folders.staging).filePath(QStringLiteral("autosave"));
}

void AutosaveController::start()
{
    if (m_context.folders.staging.isEmpty() || m_context.env.folders.userData.isEmpty()) {
        qCWarning(lcFiles) << "autosave is off: there is no folder to pack in or to keep it in";
        return;
    }
    const QString folder = recoveryFolderIn(m_context.env.folders.userData);
    QString error;
    if (!m_claim.take(folder, m_context.runTag, &error)) {
        qCWarning(lcFiles) << "autosave is off:" << error;
        return;
    }
    const RecoveryScan scan{m_files.archiveFormat(),
                            m_files.families(),
                            QDir(m_context.folders.staging).filePath(QStringLiteral("recovered")),
                            documentWindowFit(m_context.env.screen.widthPx,
                                              m_context.env.screen.heightPx, DocumentKind::Simple),
                            {},
                            m_context.env.clock(),
                            kRecoveryPreviewBounds};
    m_recovered = findRecoveredWorks(folder, scan);
    m_timer.start();
}

void AutosaveController::attach(DocumentWindow *window)
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

bool AutosaveController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window &&
        (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide))
        look(true);
    return QObject::eventFilter(watched, event);
}

void AutosaveController::look(bool leaving)
{
    if (!m_claim.isTaken())
        return;
    switch (m_schedule.look(m_context.page, m_context.env.clock(), leaving)) {
    case AutosaveStep::Wait:
        return;
    case AutosaveStep::Write:
        write();
        return;
    case AutosaveStep::Remove:
        m_claim.removeWork();
        m_schedule.removed();
        return;
    }
}

void AutosaveController::write()
{
    PageModel snapshot = m_context.page;
    SavedLayoutOptions options;
    options.copiesOnSheet = snapshot.repeatCount;
    const Staging staging(stagingFolder());
    const PageFitInputs fit = m_window ? m_window->pageFitInputs() : PageFitInputs{};
    // Written again and again while the child works: packed quickly rather than small.
    const WorkFileJob job{m_files.archiveFormat(), m_files.families(), staging, fit, {},
                          m_claim.workPath(),      Packing::Quick};
    saveInBackground(
        m_files.worker(), job, std::move(snapshot), options, this,
        [this](const WorkFileJobResult &result) { writeEndedWith(result.done, result.error); });
    // The copy being written shares every picture: the child's next stroke must not copy one.
    unsharePicturesLater(this, m_context.page);
}

void AutosaveController::writeEndedWith(bool written, const QString &error)
{
    if (!written)
        qCWarning(lcFiles) << "the work in progress was not autosaved:" << error;
    m_schedule.writeDone(written, m_context.env.clock());
    emit writeEnded(written);
    // The work may have been saved meanwhile, or changed again while leaving.
    look();
}

void AutosaveController::finish()
{
    m_timer.stop();
    m_files.worker().finishPending();
    m_claim.release();
}

QString AutosaveController::adopt(const RecoveredWork &work)
{
    m_recovered.removeIf([&](const RecoveredWork &other) { return other.path == work.path; });
    if (!m_claim.adopt(work)) {
        qCWarning(lcFiles) << work.path << "could not be taken over; it is opened as it is";
        return work.path;
    }
    m_schedule.fileAdopted();
    return m_claim.workPath();
}

void AutosaveController::throwAway(const RecoveredWork &work)
{
    m_recovered.removeIf([&](const RecoveredWork &other) { return other.path == work.path; });
    throwAwayRecoveredWork(work.path);
}

} // namespace quillora
