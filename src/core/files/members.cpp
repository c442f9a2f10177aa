#include "core/files/members.h"

#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/layout/dialect.h"
#include "core/text/textboxformat.h"

#include <QFile>
#include <QPainter>
#include <cmath>

namespace quillora {
namespace {

constexpr qint64 kMaxTextMemberBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxFileInfoBytes = 64 * 1024;

} // namespace

QByteArray encodeTextMember(const QString &text)
{
    // Line breaks are CR LF whichever form the box holds them in.
    QString lines = normalisedBoxText(text);
    lines.replace(u'\n', QStringLiteral("\r\n"));
    return codepage::encodeAuto(lines + QStringLiteral("\r\n"));
}

QString decodeTextMember(const QByteArray &bytes)
{
    QString text = codepage::decodeAuto(bytes);
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text;
}

bool writeTextFile(const QString &text, const QString &path, QString *error)
{
    return writeWholeFile(path, encodeTextMember(text), error, Durability::Scratch);
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeTextMember(file.read(kMaxTextMemberBytes));
}

QByteArray fileInfoLine(int documentType, const ProgramVersion &version)
{
    return QStringLiteral("<general currentscreennum='%1' appVer4Save='%2-%3-%4' />\r\n")
        .arg(documentType)
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision)
        .toLatin1();
}

bool writeFileInfo(const QString &path, int documentType, const ProgramVersion &version,
                   QString *error)
{
    return writeWholeFile(path, fileInfoLine(documentType, version), error, Durability::Scratch);
}

std::optional<int> readFileInfo(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = codepage::decodeAuto(file.read(kMaxFileInfoBytes));
    std::optional<int> type;
    for (const QString &line : text.split(u'\n')) {
        if (dialect::elementName(line) == u"general")
            type = dialect::intAttribute(line, QStringLiteral("currentscreennum"));
    }
    return type;
}

QImage fitPictureToBox(const QImage &picture, const QSize &boxSize)
{
    if (picture.isNull() || boxSize.isEmpty())
        return picture;
    if (picture.size() == boxSize)
        return picture;
    const double sx = double(boxSize.width()) / picture.width();
    const double sy = double(boxSize.height()) / picture.height();
    QImage result(boxSize, QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    if (std::abs(sx - sy) < 0.05)
        painter.drawImage(QRect(QPoint(0, 0), boxSize), picture);
    else
        painter.drawImage(QPoint(0, 0), picture);
    return result;
}

} // namespace quillora
