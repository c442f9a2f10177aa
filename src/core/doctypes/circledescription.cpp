#include "core/doctypes/circledescription.h"

#include "core/doctypes/circledrawing.h"
#include "core/files/members.h"
#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/layout/dialect.h"

#include <QFile>
#include <QImageReader>
#include <QMap>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

using dialect::attribute;

// Twelve short lines; a file far larger than that is not a circle's description.
constexpr qint64 kMaxDescriptionBytes = 64 * 1024;
constexpr int kMaxFontNameLength = 64;
constexpr double kMaxFontSize = 1000.0;

const QString kDescriptionMember = QStringLiteral("layout.xml");

QString pictureMember(int segment)
{
    return QStringLiteral("pic%1.bmp").arg(segment);
}

QString textMember(int segment)
{
    return QStringLiteral("text%1.txt").arg(segment);
}

[[nodiscard]] bool savePicture(const QString &path, const QImage &picture, QString *error)
{
    if (!writeImageFile(picture, "BMP", path, nullptr, Durability::Scratch)) {
        setError(error, QStringLiteral("a segment's picture could not be written"));
        return false;
    }
    return true;
}

// The segment's picture from staging fitted to its segment; null when missing or unreadable.
QImage loadSegmentPicture(const QString &path, const QSize &size)
{
    if (!QFile::exists(path))
        return {};
    QImageReader reader(path, "BMP");
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.width() > kMaxSegmentPictureSide ||
        stored.height() > kMaxSegmentPictureSide)
        return {};
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return fitPictureToBox(picture.convertToFormat(QImage::Format_RGB32), size);
}

// "tb" followed by the index; -1 for any other name.
int textBoxIndex(QStringView line)
{
    const QString name = dialect::textAttribute(line, u"name");
    if (!name.startsWith(u"tb"))
        return -1;
    bool ok = false;
    const int index = name.mid(2).toInt(&ok);
    return ok ? index : -1;
}

void applyStyle(QStringView line, float scale, TextStyle &style)
{
    QString font = dialect::textAttribute(line, u"font");
    // No font is named with control characters, nor with "=", which written back would read
    // as the start of another attribute.
    font.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (!font.isEmpty() && !font.contains(u'='))
        style.fontName = font.left(kMaxFontNameLength);
    const double size = double(dialect::realAttribute(line, u"size")) * double(scale);
    if (std::isfinite(size) && size > 0.0)
        style.fontSize = std::clamp(size, 1.0, kMaxFontSize);
    if (const auto colour = dialect::colourAttribute(line, u"colour"))
        style.colour = *colour;
}

} // namespace

float circlePageScale(const QSize &pagePx)
{
    return float(pagePx.width()) / float(kCirclePageWidthMm);
}

QString circleDescription(const CirclePage &page)
{
    const QString crlf = QStringLiteral("\r\n");
    const float scale = circlePageScale(page.pageSize);
    QString text = QStringLiteral("<layout") + attribute(u"name", u"usermade") +
                   attribute(u"numsegments", page.segmentCount()) + QStringLiteral(">") + crlf;
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        const TextStyle &style = page.segments[segment].style;
        const qint64 size = scale > 0.0f ? std::lrint(style.fontSize / double(scale)) : 0;
        text +=
            QStringLiteral("<textbox") + attribute(u"name", QStringLiteral("tb%1").arg(segment)) +
            attribute(u"size", size) + attribute(u"font", style.fontName) + QStringLiteral(" ") +
            attribute(u"colour", dialect::formatColour(style.colour)) + QStringLiteral("/>") + crlf;
    }
    return text + QStringLiteral("</layout>") + crlf;
}

CircleDescription parseCircleDescription(const QString &description, float scale,
                                         const TextStyle &defaultStyle)
{
    CircleDescription read;
    QMap<int, TextStyle> styles;
    for (QStringView line : QStringView(description).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString element = dialect::elementName(line);
        if (element == u"layout") {
            if (dialect::hasAttribute(line, u"numsegments"))
                read.segmentCount = clampSegmentCount(dialect::intAttribute(line, u"numsegments"));
        } else if (element == u"textbox") {
            const int index = textBoxIndex(line);
            if (index < 0 || index >= kMaxCircleSegments)
                continue;
            TextStyle style = styles.value(index, defaultStyle);
            applyStyle(line, scale, style);
            styles.insert(index, style);
        }
    }
    for (int segment = 0; segment < read.segmentCount; ++segment)
        read.styles.append(styles.value(segment, defaultStyle));
    return read;
}

bool writeSegmentMembers(CirclePage &page, const Staging &staging, QString *error)
{
    updateSegmentPictures(page);
    const QSize pictureSize = segmentPictureSize(page.layout().geometry);
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        const CircleSegment &source = page.segments[segment];
        QImage picture = source.picture;
        if (picture.isNull()) {
            picture = QImage(pictureSize, QImage::Format_RGB32);
            picture.fill(Qt::white);
        }
        if (!savePicture(staging.memberPath(pictureMember(segment)), picture, error) ||
            !writeTextFile(source.text, staging.memberPath(textMember(segment)), error))
            return false;
    }
    return true;
}

bool writeCircleDescription(const CirclePage &page, const Staging &staging, QString *error)
{
    return writeWholeFile(staging.memberPath(kDescriptionMember),
                          codepage::encodeAuto(circleDescription(page)), error,
                          Durability::Scratch);
}

bool readCircleDescription(const QString &path, const QSize &pagePx, CirclePage *page,
                           QString *error)
{
    const BoundedRead file = readBounded(path, kMaxDescriptionBytes);
    if (file.trouble == ReadTrouble::TooLarge) {
        setError(error, QStringLiteral("the page description is too large for a circle"));
        return false;
    }
    if (!file.ok()) {
        setError(error, file.reason);
        return false;
    }
    const QString description = codepage::decodeAuto(file.bytes);
    const CircleLayout layout = layOutCircle(pagePx, kDefaultCircleSegments);
    const CircleDescription read = parseCircleDescription(description, circlePageScale(pagePx),
                                                          defaultSegmentTextStyle(layout));
    CirclePage circle = newCirclePage(pagePx, read.segmentCount);
    for (int segment = 0; segment < circle.segmentCount(); ++segment)
        circle.segments[segment].style = read.styles.value(segment, circle.segments[segment].style);
    *page = std::move(circle);
    return true;
}

bool readSegmentMembers(const Staging &staging, CirclePage &page)
{
    bool allUsed = true;
    const QSize pictureSize = segmentPictureSize(page.layout().geometry);
    for (int segment = 0; segment < page.segmentCount(); ++segment) {
        CircleSegment &target = page.segments[segment];
        target.text = readTextFile(staging.memberPath(textMember(segment)));
        const QString picture = staging.memberPath(pictureMember(segment));
        target.picture = loadSegmentPicture(picture, pictureSize);
        if (target.picture.isNull() && QFile::exists(picture))
            allUsed = false;
    }
    drawCircle(page);
    return allUsed;
}

} // namespace quillora
