#pragma once
// Autosave and recovery for the whole run: keeps this run's recovery file in step with the
// unsaved work of whichever document window is open, and finds the works of earlier runs that
// did not end cleanly. The page is copied on this thread (its pictures are shared, so that is
// cheap); packing and writing happen on the file worker while the child goes on.

#include "core/app/appcontext.h"
#include "core/files/autosave.h"
#include "core/files/recovery.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace quillora {

class DocumentWindow;
class FileController;

class AutosaveController : public QObject {
    Q_OBJECT
public:
    static constexpr int kLookIntervalMs = 1000;

    // `files` lends its file worker and archive format; it must outlive the controller.
    AutosaveController(AppContext &context, FileController &files, QObject *parent = nullptr);
    ~AutosaveController() override;

    // Claims this run's recovery file and finds the works earlier runs left. A recovery folder
    // that cannot be written leaves autosave off, quietly; the program runs as before.
    void start();
    // The window whose page is autosaved; leaving it writes the work at once.
    void attach(DocumentWindow *window);

    // Looks at the page now; the timer does it every second.
    void look(bool leaving = false);
    // At a clean exit: lets a write under way end, then removes the recovery file and the lock.
    void finish();

    const QVector<RecoveredWork> &recoveredWorks() const { return m_recovered; }
    // Takes `work` over as this run's recovery file and returns the path to open it from.
    QString adopt(const RecoveredWork &work);
    // Forgets a recovered work the child threw away, and deletes it.
    void throwAway(const RecoveredWork &work);

    const RecoveryClaim &claim() const { return m_claim; }

signals:
    // A write to the recovery file has ended, well or not.
    void writeEnded(bool written);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void write();
    void writeEndedWith(bool written, const QString &error);
    QString stagingFolder() const;

    AppContext &m_context;
    FileController &m_files;
    AutosaveSchedule m_schedule;
    RecoveryClaim m_claim;
    QVector<RecoveredWork> m_recovered;
    QPointer<DocumentWindow> m_window;
    QTimer m_timer;
};

} // namespace quillora
