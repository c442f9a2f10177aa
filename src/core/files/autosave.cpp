#include "core/files/autosave.h"

namespace quillora {

AutosaveStep AutosaveSchedule::look(const PageModel &page, const QDateTime &now, bool leaving)
{
    if (m_writing)
        return AutosaveStep::Wait;
    if (!page.hasUnsavedChanges()) {
        m_pendingSince = {};
        m_writtenCount = -1;
        return m_fileOnDisk ? AutosaveStep::Remove : AutosaveStep::Wait;
    }
    if (page.changeCount == m_writtenCount)
        return AutosaveStep::Wait;
    // A clock put back must not hold the work back for as long.
    if (!m_pendingSince.isValid() || now < m_pendingSince)
        m_pendingSince = now;
    if (!leaving && m_pendingSince.msecsTo(now) < m_interval.count())
        return AutosaveStep::Wait;
    m_writing = true;
    m_writingCount = page.changeCount;
    return AutosaveStep::Write;
}

void AutosaveSchedule::writeDone(bool written, const QDateTime &now)
{
    m_writing = false;
    if (!written) {
        m_pendingSince = now;
        return;
    }
    m_pendingSince = {};
    m_writtenCount = m_writingCount;
    m_fileOnDisk = true;
}

} // namespace quillora
