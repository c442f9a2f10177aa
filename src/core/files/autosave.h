#pragma once
// When autosave writes the unsaved work to this run's recovery file, and when the file goes.
// Activity starts a wait of one interval; the work is written when it ends, or at once when
// the child leaves the document window. Work with nothing unsaved has no recovery file.

#include "core/layout/pagemodel.h"

#include <QDateTime>

#include <chrono>

namespace quillora {

enum class AutosaveStep {
    Wait,   // nothing to do now
    Write,  // snapshot the page and write it; report with writeDone()
    Remove, // the work is saved or gone: delete the recovery file; report with removed()
};

class AutosaveSchedule {
public:
    explicit AutosaveSchedule(std::chrono::milliseconds interval) : m_interval(interval) {}

    // Looks at the page at `now`; `leaving` when the child leaves the document window.
    AutosaveStep look(const PageModel &page, const QDateTime &now, bool leaving = false);
    // A write asked for by look() has ended. A failed one is tried again an interval later.
    void writeDone(bool written, const QDateTime &now);
    void removed() { m_fileOnDisk = false; }
    // The recovery file holds work this run did not write yet (a recovered work taken over).
    void fileAdopted() { m_fileOnDisk = true; }

    bool isWriting() const { return m_writing; }
    bool hasFileOnDisk() const { return m_fileOnDisk; }

private:
    std::chrono::milliseconds m_interval;
    QDateTime m_pendingSince;   // the first look that saw work not yet written
    qint32 m_writtenCount = -1; // the change count of the work on the disk
    qint32 m_writingCount = -1;
    bool m_writing = false;
    bool m_fileOnDisk = false;
};

} // namespace quillora
