#include "core/files/progressstepfiles.h"

#include "core/files/fileproblems.h"
#include "core/foundation/fileaccess.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QRegularExpression>

namespace quillora {
namespace {

// A PNG picture of a size we would have made, judged from its header without decoding it.
bool isAcceptableStepPicture(const QByteArray &bytes)
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

bool writeProgressSteps(const ProgressSteps &steps, const QString &folder, Durability durability,
                        QString *error)
{
    const QDir dir(folder);
    for (const ProgressStep &step : steps.steps()) {
        if (!writeWholeFile(dir.filePath(stepMember(step.number)), step.png, error, durability))
            return false;
    }
    return true;
}

bool readProgressSteps(ProgressSteps &steps, const QString &folder)
{
    const QDir dir(folder);
    QVector<ProgressStep> found;
    bool allRead = true;
    for (const QString &name : dir.entryList({QStringLiteral("step*.png")}, QDir::Files)) {
        const std::optional<int> number = stepNumberOf(name);
        if (!number)
            continue;
        BoundedRead member = readBounded(dir.filePath(name), kMaxStepMemberBytes);
        if (!member.ok()) {
            allRead = false;
            continue;
        }
        QByteArray png = std::move(member.bytes);
        if (!isAcceptableStepPicture(png)) {
            qCInfo(lcFiles) << "passed over the progress picture" << name;
            allRead = false;
            continue;
        }
        found.append({*number, std::move(png)});
    }
    steps.replaceWith(std::move(found));
    return allRead;
}

} // namespace quillora
