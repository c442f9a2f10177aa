#include "ui/files/progresssnapshots.h"

#include "core/app/appcontext.h"
#include "core/doctypes/pagefamily.h"

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

QImage ProgressSnapshots::workPicture() const
{
    if (auto *source = dynamic_cast<ProgressPictureSource *>(&m_window))
        return source->progressPicture();
    const PageFamily *family = pageFamilyFor(m_context.page.documentType);
    return family ? family->render(m_context.page, 1.0) : QImage();
}

QImage ProgressSnapshots::halfWidthPicture(const QImage &picture)
{
    if (picture.isNull())
        return {};
    return picture.scaledToWidth(std::max(1, picture.width() / 2), Qt::SmoothTransformation);
}

bool ProgressSnapshots::takeStep()
{
    PageModel &page = m_context.page;
    if (!page.progressSteps.isDue(page.changeCount))
        return false;
    return page.progressSteps.add(halfWidthPicture(workPicture()), page.changeCount);
}

} // namespace quillora
