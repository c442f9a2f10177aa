#pragma once
// Recovery of work a run never got to save. Autosave keeps each run's unsaved work as a work
// file in the recovery folder, beside a lock that lives as long as the run. At start-up the
// files whose lock is gone belong to runs that did not end cleanly: they are offered again, each
// to the one copy of the program that takes its lock.

#include "core/files/archive.h"
#include "core/files/pagefiles.h"
#include "core/files/staging.h"
#include "core/foundation/translator.h"
#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QDateTime>
#include <QImage>
#include <QLockFile>
#include <QString>
#include <QVector>

#include <memory>

namespace quillora {

inline constexpr int kRecoveryKeepDays = 30;
// What an unreadable recovery file is renamed to end with: set aside, never deleted.
inline const QString kSetAsideSuffix = QStringLiteral(".unreadable");

// "recovery" in the user's data folder.
QString recoveryFolderIn(const QString &userDataFolder);

struct RecoveredWork {
    QString path;
    DocumentKind kind = DocumentKind::Simple;
    QDateTime savedAt;
    QImage preview;
    // The work's lock, held while this run offers it, so that no other copy offers it too.
    std::shared_ptr<QLockFile> claim;
};

// This run's recovery file and the lock that tells other runs it is still in use.
class RecoveryClaim {
public:
    RecoveryClaim();
    ~RecoveryClaim();
    RecoveryClaim(const RecoveryClaim &) = delete;
    RecoveryClaim &operator=(const RecoveryClaim &) = delete;

    // Locks "<run tag>.lock" in `folder`, or "<run tag>-2.lock" and on when another running copy
    // holds it. False, with the reason, when the folder cannot be made or written.
    [[nodiscard]] bool take(const QString &folder, const QString &runTag, QString *error);
    bool isTaken() const { return m_lock != nullptr; }

    // Where autosave writes: "<folder>/<name>.qlr"; empty until the claim is taken.
    QString workPath() const;
    // Makes a recovered work of an ended run this run's recovery file where it lies, under the
    // lock its scan took; this run's own file and lock give way. False when the work's lock is
    // not held.
    [[nodiscard]] bool adopt(const RecoveredWork &work);
    // Deletes the recovery file (the work was saved, or thrown away); the lock stays.
    void removeWork() const;
    // At a clean exit: the recovery file and the lock go.
    void release();

private:
    std::shared_ptr<QLockFile> m_lock;
    QString m_folder;
    QString m_name;
};

struct RecoveryScan {
    ArchiveFormat &format;
    const PageFilesFinder &families;
    QString scratchFolder; // where a recovered work is unpacked to be looked at; emptied after
    PageFitInputs fit;
    UnpackLimits limits;
    QDateTime now;
    QSize previewBounds;
};

// The works of runs that ended without a clean exit, newest first, each with its lock taken.
// A work whose lock another copy holds, or cannot be taken here (a folder that cannot be
// written), is left alone. On the way works older than kRecoveryKeepDays are deleted and
// unreadable ones set aside; works of a newer program, and works that could not be looked at for
// want of room, stay as they are and are not offered.
QVector<RecoveredWork> findRecoveredWorks(const QString &folder, const RecoveryScan &scan);

// Deletes a recovered work the child threw away.
void throwAwayRecoveredWork(const QString &path);

// "Your work from today at 10:42", "... yesterday at 10:42", "... on 3 December at 10:42",
// translated.
QString recoveredWhen(const QDateTime &savedAt, const QDateTime &now, const Translator &translator);

// A recovered work was never saved by the child: once opened it counts as unsaved work.
void markAsRecovered(PageModel &page);

} // namespace quillora
