#include "core/files/progresssteps.h"

#include "core/files/fileproblems.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>

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

// A PNG picture of a size we would have made, judged from its header without decoding it.
bool isAcceptablePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    if (!reader.canRead())
        return false;
    const QSize size = reader.size();
    return size.isValid() && !size.isEmpty() &&
           size.width() <= ProgressSteps::kMaxPictureSize.width() &&
           size.height() <= ProgressSteps::kMaxPictureSize.height();
}

} // namespace

QString stepMember(int number)
{
    return QStringLiteral("step%1.png").arg(number);
}

std::optional<int> stepNumberOf(const QString &memberName)
{
    // No leading zeros, so every number has exactly one name; nine digits always fit an int.
    static const QRegularExpression pattern(QStringLiteral("^step([1-9][0-9]{0,8})\\.png$"));
    const QRegularExpressionMatch match = pattern.match(memberName);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

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

bool ProgressSteps::write(const QString &folder, Durability durability, QString *error) const
{
    const QDir dir(folder);
    for (const ProgressStep &step : m_steps) {
        if (!writeWholeFile(dir.filePath(stepMember(step.number)), step.png, error, durability))
            return false;
    }
    return true;
}

bool ProgressSteps::read(const QString &folder)
{
    const QDir dir(folder);
    QVector<ProgressStep> found;
    bool allRead = true;
    for (const QString &name : dir.entryList({QStringLiteral("step*.png")}, QDir::Files)) {
        const std::optional<int> number = stepNumberOf(name);
        if (!number)
            continue;
        QFile file(dir.filePath(name));
        if (file.size() > kMaxMemberBytes || !file.open(QIODevice::ReadOnly)) {
            allRead = false;
            continue;
        }
        QByteArray png = file.readAll();
        if (!isAcceptablePicture(png)) {
            qCInfo(lcFiles) << "passed over the progress picture" << name;
            allRead = false;
            continue;
        }
        found.append({*number, std::move(png)});
    }
    std::sort(found.begin(), found.end(),
              [](const ProgressStep &a, const ProgressStep &b) { return a.number < b.number; });
    m_steps = std::move(found);
    m_nextNumber = m_steps.isEmpty() ? 1 : m_steps.constLast().number + 1;
    thinToCap();
    return allRead;
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
