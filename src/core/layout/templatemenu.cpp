#include "core/layout/templatemenu.h"

#include "core/foundation/paths.h"
#include "core/layout/dialect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillora {

namespace {

// The `layout` line opens a template; a file whose first lines hold none has no title.
constexpr int kLinesBeforeLayout = 4;
constexpr qint64 kMaxLayoutLineLength = 4096;
constexpr int kMaxCaptionLength = 40;

} // namespace

QString templateCaption(const QString &templatePath)
{
    const QString fileName = QFileInfo(templatePath).completeBaseName();
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly))
        return fileName;
    for (int i = 0; i < kLinesBeforeLayout && !file.atEnd(); ++i) {
        const QString line = QString::fromLatin1(file.readLine(kMaxLayoutLineLength));
        if (dialect::elementName(line) != QLatin1String("layout"))
            continue;
        const QString title =
            dialect::decodedTextAttribute(line, u"title").simplified().left(kMaxCaptionLength);
        return title.isEmpty() ? fileName : title;
    }
    return fileName;
}

QList<SubChoice> listMenuTemplates(const QString &dataFolder, const QString &folderName)
{
    QList<SubChoice> choices;
    const QString folderPath =
        paths::join(paths::join(dataFolder, QStringLiteral("layouts")), folderName);
    const QFileInfo info(folderPath);
    if (folderName.isEmpty() || !info.isDir())
        return choices;
    const QDir folder(folderPath);
    const QStringList names = folder.entryList(
        {QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    const QStringList bitmaps =
        folder.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (choices.size() == kMaxMenuTemplates)
            break;
        SubChoice choice;
        choice.templatePath = paths::join(folderPath, name);
        choice.caption = templateCaption(choice.templatePath);
        // A set copied from another system may spell the thumbnail NAME.BMP.
        const QString wanted = QFileInfo(name).completeBaseName() + QStringLiteral(".bmp");
        for (const QString &bitmap : bitmaps) {
            if (bitmap.compare(wanted, Qt::CaseInsensitive) == 0) {
                choice.thumbnailPath = paths::join(folderPath, bitmap);
                break;
            }
        }
        choices.append(choice);
    }
    return choices;
}

QPoint templateMenuSlot(int index, int menuWidthPx)
{
    if (menuWidthPx > kNarrowMenuWidthPx)
        return QPoint((index % kMenuGridColumns) * kMenuStepXPx + kMenuLeftPx,
                      (index / kMenuGridColumns) * kMenuStepYPx + kMenuTopPx);
    return QPoint(qMax(0, (menuWidthPx - kMenuThumbnailWidthPx) / 2),
                  index * kMenuStepYPx + kMenuTopPx);
}

int templateMenuHeight(int count, int menuWidthPx)
{
    if (count <= 0)
        return 0;
    return templateMenuSlot(count - 1, menuWidthPx).y() + kMenuStepYPx;
}

} // namespace quillora
