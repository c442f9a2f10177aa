#include "core/layout/progresssteps.h"

#include <QBuffer>

#include <algorithm>
#include <limits>

namespace quillora {
namespace {

QByteArray encodePng(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace

bool ProgressSteps::add(const QImage &picture, qint32 changeCount)
{
    if (picture.isNull())
        return false;
    m_changeCountAtLastStep = changeCount;
    QByteArray png = encodePng(picture);
    if (png.isEmpty() || (!m_steps.isEmpty() && m_steps.constLast().png == png))
        return false;
    m_steps.append({m_nextNumber++, std::move(png)});
    thinToCap();
    return true;
}

QImage ProgressSteps::picture(int index) const
{
    if (index < 0 || index >= m_steps.size())
        return {};
    return QImage::fromData(m_steps[index].png, "PNG");
}

QVector<QImage> ProgressSteps::pictures() const
{
    QVector<QImage> pictures;
    pictures.reserve(m_steps.size());
    for (int i = 0; i < m_steps.size(); ++i) {
        const QImage decoded = picture(i);
        if (!decoded.isNull())
            pictures.append(decoded);
    }
    return pictures;
}

void ProgressSteps::replaceWith(QVector<ProgressStep> steps)
{
    std::sort(steps.begin(), steps.end(),
              [](const ProgressStep &a, const ProgressStep &b) { return a.number < b.number; });
    m_steps = std::move(steps);
    m_nextNumber = m_steps.isEmpty() ? 1 : m_steps.constLast().number + 1;
    thinToCap();
}

// Drops, one at a time, the step whose neighbours lie closest together, the oldest of equals:
// the first and the latest step always stay and the rest stay evenly spread over the work.
void ProgressSteps::thinToCap()
{
    while (m_steps.size() > kMaxSteps) {
        int drop = 1;
        qint64 narrowest = std::numeric_limits<qint64>::max();
        for (int i = 1; i + 1 < m_steps.size(); ++i) {
            const qint64 gap = qint64(m_steps[i + 1].number) - m_steps[i - 1].number;
            if (gap < narrowest) {
                narrowest = gap;
                drop = i;
            }
        }
        m_steps.remove(drop);
    }
}

} // namespace quillora
