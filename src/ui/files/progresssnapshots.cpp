#include "ui/files/progresssnapshots.h"

#include "core/app/appcontext.h"

#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace quillora {

ProgressSnapshots::ProgressSnapshots(AppContext &context, QWidget &window)
    : QObject(&window), m_context(context), m_window(window)
{
    m_timer.setObjectName(QStringLiteral("snapshotTimer"));
    connect(&m_timer, &QTimer::timeout, this, &ProgressSnapshots::takeStep);
    applySettings();
}

void ProgressSnapshots::applySettings()
{
    const int minutes = std::clamp(m_context.settings.progressSnapshots, 0, kMaxSnapshotMinutes);
    if (minutes == 0) {
        m_timer.stop();
        return;
    }
    const std::chrono::milliseconds interval =
        m_context.env.progressSnapshotInterval.value_or(std::chrono::minutes(minutes));
    // Setting the same interval again would restart the wait the child is already halfway through.
    if (!m_timer.isActive() || m_timer.intervalAsDuration() != interval)
        m_timer.start(interval);
}

QImage ProgressSnapshots::halfWidthPicture(QWidget &window, const QRect &pageArea)
{
    const QRect shown = pageArea.intersected(window.rect());
    if (shown.isEmpty())
        return {};
    // The grab is in device pixels; the half is of what the child sees.
    const QImage grabbed = window.grab(shown).toImage();
    return grabbed.scaledToWidth(std::max(1, shown.width() / 2), Qt::SmoothTransformation);
}

bool ProgressSnapshots::takeStep()
{
    PageModel &page = m_context.page;
    if (!page.progressSteps.isDue(page.changeCount))
        return false;
    return page.progressSteps.add(halfWidthPicture(m_window, page.pageRect), page.changeCount);
}

} // namespace quillora
