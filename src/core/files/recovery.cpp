#include "core/files/recovery.h"

#include "core/files/fileproblems.h"
#include "core/files/workfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace quillora {
namespace {

constexpr int kMaxClaimsPerTag = 100;

QString lockPathFor(const QString &workPath)
{
    const QFileInfo work(workPath);
    return work.dir().filePath(work.completeBaseName() + QStringLiteral(".lock"));
}

// Takes the lock beside `workPath`, the one claim on a recovered work: creating a lock file is
// atomic, so of two copies starting at once only one gets it. A lock left by a run that was
// killed or lost its power is stale and is taken over. Null when another running copy holds it
// or the folder cannot be written, for then the work could not be made this run's.
std::shared_ptr<QLockFile> claimWork(const QString &workPath)
{
    auto lock = std::make_shared<QLockFile>(lockPathFor(workPath));
    // Judged by its process alone: a lock is not stale for being old.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    if (lock->error() != QLockFile::LockFailedError)
        qCInfo(lcFiles) << workPath << "is not offered for recovery: its lock cannot be taken";
    return nullptr;
}

void setAside(const QString &path, const QString &reason)
{
    qCWarning(lcFiles) << path << "cannot be recovered and is set aside:" << reason;
    if (!QFile::rename(path, path + kSetAsideSuffix))
        qCWarning(lcFiles) << path << "could not be set aside";
}

// Opens the recovered work into a scratch page to learn its kind and draw its preview.
// Returns false when it is not offered; unreadable files are then already set aside.
bool lookAt(RecoveredWork &work, const RecoveryScan &scan)
{
    QDir().mkpath(scan.scratchFolder);
    const Staging scratch(scan.scratchFolder);
    const WorkFileContext context{scan.format, scan.families, scratch, scan.fit, scan.limits};
    PageModel page;
    QString error;
    FileOutcome outcome;
    const bool opened = openWorkFile(page, context, work.path, &error, &outcome);
    if (opened) {
        work.kind = page.documentType;
        work.preview =
            scan.families.filesFor(page.documentType)->renderThumbnail(page, scan.previewBounds);
    }
    scratch.clear(true);
    if (opened)
        return true;
    switch (outcome.trouble) {
    case FileTrouble::Damaged:
    case FileTrouble::TooBig:
        setAside(work.path, error);
        break;
    default:
        // A newer program's work, or no room to look at it now: it stays for another day.
        qCInfo(lcFiles) << work.path << "is not offered for recovery:" << error;
        break;
    }
    return false;
}

} // namespace

QString recoveryFolderIn(const QString &userDataFolder)
{
    return QDir(userDataFolder).filePath(QStringLiteral("recovery"));
}

RecoveryClaim::RecoveryClaim() = default;

RecoveryClaim::~RecoveryClaim() = default;

bool RecoveryClaim::take(const QString &folder, const QString &runTag, QString *error)
{
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("the recovery folder %1 cannot be made").arg(folder);
        return false;
    }
    for (int n = 1; n <= kMaxClaimsPerTag; ++n) {
        const QString name = n == 1 ? runTag : QStringLiteral("%1-%2").arg(runTag).arg(n);
        // A name whose work another run left behind stays that run's.
        if (QFileInfo::exists(QDir(folder).filePath(name + QStringLiteral(".qlr"))))
            continue;
        auto lock =
            std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
        // Never stale by age: the run may go on for days.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_folder = folder;
            m_name = name;
            return true;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            if (error)
                *error = QStringLiteral("the recovery folder %1 cannot be written").arg(folder);
            return false;
        }
    }
    if (error)
        *error = QStringLiteral("every recovery name of %1 is in use").arg(runTag);
    return false;
}

QString RecoveryClaim::workPath() const
{
    return isTaken() ? QDir(m_folder).filePath(m_name + QStringLiteral(".qlr")) : QString();
}

bool RecoveryClaim::adopt(const RecoveredWork &work)
{
    if (!isTaken() || !work.claim || !work.claim->isLocked())
        return false;
    // Taken over where it lies: nothing is moved, so nothing can fail half-way and leave the
    // work to be offered again.
    removeWork();
    m_lock = work.claim; // this run's own lock is let go, which removes its file
    const QFileInfo file(work.path);
    m_folder = file.absolutePath();
    m_name = file.completeBaseName();
    return true;
}

void RecoveryClaim::removeWork() const
{
    if (isTaken())
        QFile::remove(workPath());
}

void RecoveryClaim::release()
{
    removeWork();
    m_lock.reset(); // unlocks, which removes the lock file
}

QVector<RecoveredWork> findRecoveredWorks(const QString &folder, const RecoveryScan &scan)
{
    QVector<RecoveredWork> works;
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.qlr")}, QDir::Files);
    for (const QFileInfo &file : files) {
        RecoveredWork work;
        work.path = file.filePath();
        work.claim = claimWork(work.path);
        if (!work.claim)
            continue;
        work.savedAt = file.lastModified();
        if (work.savedAt.daysTo(scan.now) > kRecoveryKeepDays) {
            qCInfo(lcFiles) << work.path << "is older than" << kRecoveryKeepDays << "days: removed";
            QFile::remove(work.path);
            continue;
        }
        if (lookAt(work, scan))
            works.append(std::move(work));
    }
    std::sort(works.begin(), works.end(),
              [](const RecoveredWork &a, const RecoveredWork &b) { return a.savedAt > b.savedAt; });
    return works;
}

void throwAwayRecoveredWork(const QString &path)
{
    QFile::remove(path);
}

QString recoveredWhen(const QDateTime &savedAt, const QDateTime &now, const Translator &translator)
{
    // The language's own way with the time; the C locale's short form would carry seconds.
    const QLocale locale;
    const QString time = locale.language() == QLocale::C
                             ? savedAt.toString(QStringLiteral("HH:mm"))
                             : locale.toString(savedAt.time(), QLocale::ShortFormat);
    switch (savedAt.date().daysTo(now.date())) {
    case 0:
        return translator
            .translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Your work from today at %1")))
            .arg(time);
    case 1:
        return translator
            .translate(
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Your work from yesterday at %1")))
            .arg(time);
    default:
        return translator
            .translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Your work from %1 at %2")))
            .arg(locale.toString(savedAt.date(), QStringLiteral("d MMMM")), time);
    }
}

void markAsRecovered(PageModel &page)
{
    page.changeCount = std::max(page.changeCount, page.countAtLastSave) + 1;
}

} // namespace quillora
