#include "core/doctypes/banner.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace quillora {

namespace {

// Where the last character the child sees begins, so dropping it never leaves an accent
// without its letter or half a surrogate pair.
qsizetype lastCharacterStart(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.toEnd();
    return std::max<qsizetype>(finder.toPreviousBoundary(), 0);
}

bool isLineBreakOrTab(QStringView character)
{
    return character == u"\r\n" || character == u"\r" || character == u"\n" || character == u"\t" ||
           character == u"\u2028" || character == u"\u2029";
}

bool isControl(QStringView character)
{
    if (character.size() != 1)
        return false;
    const char16_t c = character.front().unicode();
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

BannerMode storedMode(const Banner &banner)
{
    if (!showsBorder(banner.mode))
        return BannerMode::NoBorder;
    return banner.borderPicture.isNull() ? BannerMode::Border : BannerMode::BorderPicture;
}

QString cleanBannerText(const QString &text)
{
    // Enough of a long text to fill the banner even with many accents on each letter; the
    // rest is never looked at.
    const QString head = text.left(8 * kMaxBannerTextLength);
    QString clean;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, head);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        const QStringView character = QStringView(head).sliced(start, end - start);
        start = end;
        const QStringView kept = isLineBreakOrTab(character) ? QStringView(u" ")
                                 : isControl(character)      ? QStringView()
                                                             : character;
        if (clean.size() + kept.size() > kMaxBannerTextLength)
            break;
        clean += kept;
    }
    return clean;
}

QString limitBannerText(const QString &text, const BannerTextField &field)
{
    QString limited = cleanBannerText(text);
    if (!(field.width > 0))
        return limited;
    const QFontMetricsF metrics(field.font);
    while (!limited.isEmpty() && metrics.horizontalAdvance(limited) >= field.width)
        limited.truncate(lastCharacterStart(limited));
    return limited;
}

QString bannerFontName(const QString &name, std::span<const QString> fonts,
                       const std::function<bool(const QString &)> &installed)
{
    for (const QString &font : fonts) {
        if (font.compare(name, Qt::CaseInsensitive) == 0)
            return font;
    }
    const QString cleaned = cleanBannerText(name).trimmed();
    if (!fonts.empty() && (cleaned.isEmpty() || !installed || !installed(cleaned)))
        return fonts.front();
    return cleaned.isEmpty() ? Banner{}.fontName : cleaned;
}

} // namespace quillora
