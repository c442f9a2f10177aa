#include "core/doctypes/bannerdescription.h"

#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/layout/dialect.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace quillora {

namespace {

using dialect::attribute;
using dialect::formatColour;

// A banner's description is three short lines; a file far larger than that is not one.
constexpr qint64 kMaxDescriptionBytes = 64 * 1024;

const QString kDescriptionMember = QStringLiteral("layout.xml");

// A border tile is painted on a paper at most a few hundred pixels wide; a stored picture far
// beyond that is not one, and is never allocated.
constexpr int kMaxBorderPictureSidePx = 4096;

[[nodiscard]] bool readDescriptionFile(const QString &path, QString *text, QString *error)
{
    const BoundedRead read = readBounded(path, kMaxDescriptionBytes);
    if (read.trouble == ReadTrouble::TooLarge) {
        setError(error, QStringLiteral("%1 is too large to describe a banner").arg(path));
        return false;
    }
    if (!read.ok()) {
        setError(error, read.reason);
        return false;
    }
    *text = codepage::decodeAuto(read.bytes);
    return true;
}

BannerMode modeFromNumber(int number)
{
    switch (number) {
    case int(BannerMode::BorderPicture):
        return BannerMode::BorderPicture;
    case int(BannerMode::NoBorder):
        return BannerMode::NoBorder;
    default:
        return BannerMode::Border; // any other number shows the border, as the program always has
    }
}

} // namespace

QString bannerDescription(const Banner &banner)
{
    const QString crlf = QStringLiteral("\r\n");
    const int thickness = std::clamp(banner.thickness, kMinBannerThickness, kMaxBannerThickness);
    return QStringLiteral("<layout") + attribute(u"name", u"usermade") +
           attribute(u"mode", int(storedMode(banner))) + QStringLiteral(" >") + crlf +
           QStringLiteral("<textbox") + attribute(u"name", u"tb0") +
           attribute(u"thick", thickness) + attribute(u"font", banner.fontName) +
           QStringLiteral(" ") + attribute(u"dblb", formatColour(banner.background)) +
           attribute(u"dlback", formatColour(banner.letterFill)) +
           attribute(u"dlbord", formatColour(banner.letterOutline)) +
           dialect::textAttributeLine(u"text", banner.text) + QStringLiteral("/>") + crlf +
           QStringLiteral("</layout>") + crlf;
}

Banner parseBannerDescription(const QString &description, const BannerReadRules &rules)
{
    Banner banner;
    banner.fontName = bannerFontName(banner.fontName, rules.fonts);
    for (QStringView line : QStringView(description).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString element = dialect::elementName(line);
        if (element == u"layout") {
            if (dialect::hasAttribute(line, u"mode"))
                banner.mode = modeFromNumber(dialect::intAttribute(line, u"mode"));
        } else if (element == u"textbox") {
            if (dialect::hasAttribute(line, u"thick"))
                banner.thickness = std::clamp<int>(dialect::intAttribute(line, u"thick"),
                                                   kMinBannerThickness, kMaxBannerThickness);
            if (dialect::hasAttribute(line, u"font"))
                banner.fontName =
                    bannerFontName(dialect::textAttribute(line, u"font"), rules.fonts);
            if (dialect::hasAttribute(line, u"text"))
                banner.text = dialect::decodedTextAttribute(line, u"text");
            banner.background = dialect::colourAttribute(line, u"dblb").value_or(banner.background);
            banner.letterFill =
                dialect::colourAttribute(line, u"dlback").value_or(banner.letterFill);
            banner.letterOutline =
                dialect::colourAttribute(line, u"dlbord").value_or(banner.letterOutline);
        }
    }
    banner.text = limitBannerText(banner.text, rules.field);
    return banner;
}

bool writeBannerMembers(const Banner &banner, const Staging &staging, QString *error)
{
    return writeBannerBorder(banner, staging, error) &&
           writeBannerDescription(banner, staging, error);
}

bool writeBannerBorder(const Banner &banner, const Staging &staging, QString *error)
{
    const QString borderPath = staging.memberPath(kBannerBorderMember);
    if (storedMode(banner) == BannerMode::BorderPicture) {
        if (!writeImageFile(banner.borderPicture, "BMP", borderPath, nullptr,
                            Durability::Scratch)) {
            setError(error, QStringLiteral("the border picture could not be written"));
            return false;
        }
    } else if (QFile::exists(borderPath) && !QFile::remove(borderPath)) {
        // Left there, an earlier work's border would be packed with this banner.
        setError(error, QStringLiteral("an old border picture could not be removed"));
        return false;
    }
    return true;
}

bool writeBannerDescription(const Banner &banner, const Staging &staging, QString *error)
{
    return writeWholeFile(staging.memberPath(kDescriptionMember),
                          codepage::encodeAuto(bannerDescription(banner)), error,
                          Durability::Scratch);
}

bool readBannerDescription(const QString &path, const BannerReadRules &rules, Banner *banner,
                           QString *error)
{
    QString description;
    if (!readDescriptionFile(path, &description, error))
        return false;
    *banner = parseBannerDescription(description, rules);
    return true;
}

bool readBannerBorder(const Staging &staging, Banner *banner)
{
    if (banner->mode != BannerMode::BorderPicture)
        return true;
    QImageReader reader(staging.memberPath(kBannerBorderMember));
    const QSize size = reader.size();
    QImage picture;
    if (size.isValid() && size.width() <= kMaxBorderPictureSidePx &&
        size.height() <= kMaxBorderPictureSidePx)
        picture = reader.read();
    banner->borderPicture = picture;
    if (picture.isNull())
        banner->mode = BannerMode::Border;
    return !picture.isNull();
}

bool readBannerMembers(const Staging &staging, const BannerReadRules &rules, Banner *banner,
                       QString *error)
{
    Banner read;
    if (!readBannerDescription(staging.memberPath(kDescriptionMember), rules, &read, error))
        return false;
    // A border picture that cannot be used leaves the border unpainted, not the banner unread.
    static_cast<void>(readBannerBorder(staging, &read));
    *banner = std::move(read);
    return true;
}

bool readBannerTemplate(const QString &path, const BannerReadRules &rules, Banner *banner,
                        QString *error)
{
    Banner read;
    if (!readBannerDescription(path, rules, &read, error))
        return false;
    read.text.clear();
    if (read.mode == BannerMode::BorderPicture)
        read.mode = BannerMode::Border;
    *banner = std::move(read);
    return true;
}

} // namespace quillora
