#include "core/layout/dialect.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>
#include <limits>

namespace quillora::dialect {

namespace {

constexpr float kRealLimit = 1e9f;
// Fraction digits beyond this change nothing a single-precision number can hold.
constexpr int kMaxFractionDigits = 18;

bool isFreeTextName(QStringView name)
{
    return name.compare(u"text", Qt::CaseInsensitive) == 0
        || name.compare(u"title", Qt::CaseInsensitive) == 0;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Where the value of `name` starts in the line, or -1. Names are matched in either case, as
// if line and name were both lower-cased, except the free-text names, which must be written
// in lower case.
qsizetype valueStart(QStringView line, QStringView name)
{
    if (name.isEmpty())
        return -1;
    const bool freeText = isFreeTextName(name);
    const QString needle = QStringLiteral(" ")
        + (freeText ? name.toString().toLower() : name.toString()) + QStringLiteral("='");
    const qsizetype found =
        line.indexOf(needle, 0, freeText ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return found < 0 ? -1 : found + needle.size();
}

QString valueFrom(QStringView haystack, qsizetype start)
{
    const qsizetype end = haystack.indexOf(u'\'', start);
    return (end < 0 ? haystack.mid(start) : haystack.mid(start, end - start)).toString();
}

qsizetype skipSpaces(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i] == u' ')
        ++i;
    return i;
}

int hexDigitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

float clampReal(double value)
{
    if (std::isnan(value))
        return 0.0f;
    return static_cast<float>(std::clamp(value, double(-kRealLimit), double(kRealLimit)));
}

} // namespace

QString elementName(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t'))
        ++i;
    if (i >= line.size() || line[i] != u'<')
        return {};
    ++i;
    if (i < line.size() && line[i] == u' ')
        ++i;
    const QStringView rest = line.mid(i);
    qsizetype end = rest.indexOf(u' ');
    if (end < 0)
        end = rest.indexOf(u'>');
    if (end < 0)
        return {};
    QString name = rest.left(end).toString().toLower();
    if (name.endsWith(u'/') && name.size() > 1)
        name.chop(1);
    return name;
}

bool hasAttribute(QStringView line, QStringView name)
{
    return valueStart(line, name) >= 0;
}

QString textAttribute(QStringView line, QStringView name)
{
    const qsizetype start = valueStart(line, name);
    if (start < 0)
        return {};
    const QString value = valueFrom(line, start);
    return isFreeTextName(name) ? value : value.toLower();
}

QString decodedTextAttribute(QStringView line, QStringView name)
{
    return decodeText(textAttribute(line, name));
}

qint16 intAttribute(QStringView line, QStringView name)
{
    return roundToInt16(leadingNumber(textAttribute(line, name)));
}

float realAttribute(QStringView line, QStringView name)
{
    return decimalValue(textAttribute(line, name));
}

bool boolAttribute(QStringView line, QStringView name)
{
    return textAttribute(line, name).compare(u"t", Qt::CaseInsensitive) == 0;
}

std::optional<ColourRef> colourAttribute(QStringView line, QStringView name)
{
    const QString value = textAttribute(line, name);
    if (value.isEmpty())
        return std::nullopt;
    return hexColour(value);
}

double leadingNumber(QStringView text)
{
    qsizetype i = skipSpaces(text, 0);
    QByteArray number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        number.append(char(text[i++].unicode()));
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            seenDigit = true;
            number.append(char(c.unicode()));
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            number.append('.');
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    if (number.endsWith('.'))
        number.chop(1);
    bool ok = false;
    const double value = number.toDouble(&ok);
    // The text is a well-formed number, so a failed conversion is an overflow: give the
    // infinity of its sign and let the callers clamp.
    if (!ok)
        return number.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
    return value;
}

qint16 roundToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);   // the default mode rounds half to even
    return static_cast<qint16>(std::clamp(rounded, double(std::numeric_limits<qint16>::min()),
                                          double(std::numeric_limits<qint16>::max())));
}

float decimalValue(QStringView text)
{
    qsizetype separator = text.indexOf(u',');
    if (separator < 0)
        separator = text.indexOf(u'.');
    if (separator < 0)
        return clampReal(leadingNumber(text));

    const QStringView integerText = text.left(separator);
    const QStringView fractionText = text.mid(separator + 1);
    const qsizetype signAt = skipSpaces(integerText, 0);
    const bool negative = signAt < integerText.size() && integerText[signAt] == u'-';

    // The fraction is the run of digits after the separator, scaled by its own length: the
    // same as the length of the remaining characters for every value a writer produces, and
    // still right when something trails the digits.
    QByteArray fraction("0.");
    for (qsizetype i = 0; i < fractionText.size() && isAsciiDigit(fractionText[i]); ++i) {
        if (i < kMaxFractionDigits)
            fraction.append(char(fractionText[i].unicode()));
    }
    const double fractionValue = fraction.size() > 2 ? fraction.toDouble() : 0.0;
    const double magnitude = std::fabs(leadingNumber(integerText)) + fractionValue;
    return clampReal(negative ? -magnitude : magnitude);
}

std::optional<ColourRef> hexColour(QStringView text)
{
    quint64 value = 0;
    int significantDigits = 0;
    for (const QChar c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            break;
        if (value != 0 || digit != 0)
            ++significantDigits;
        if (significantDigits > 8)
            return std::nullopt;
        value = value * 16 + quint64(digit);
    }
    return static_cast<ColourRef>(value & 0xFFFFFFu);
}

QString encodeText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\'')
            out.append(u'"');
        else if (c == u'\r')
            out.append(QStringLiteral("{ENTER}"));
        else if (c != u'\n')
            out.append(c);
    }
    return out;
}

QString decodeText(QStringView text)
{
    static const QString enter = QStringLiteral("{ENTER}");
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            out.append(u'\'');
        } else if (c == u'{' && text.mid(i).startsWith(enter)) {
            out.append(QStringLiteral("\r\n"));
            i += enter.size() - 1;
        } else {
            out.append(c);
        }
    }
    return out;
}

QString attribute(QStringView name, QStringView value)
{
    QString safe = encodeText(value);
    safe.replace(u'\t', u' ');
    return QStringLiteral(" ") + name.toString() + QStringLiteral("='") + safe
        + QStringLiteral("'");
}

QString attribute(QStringView name, qint64 value)
{
    return attribute(name, formatInteger(value));
}

QString textAttributeLine(QStringView name, QStringView text)
{
    return attribute(name, text);
}

QString formatInteger(qint64 value) { return QString::number(value); }

QString formatReal(double value, int maxDecimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'f', std::clamp(maxDecimals, 0, 9));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == u"-0")
        text = QStringLiteral("0");
    return text;
}

QString formatColour(ColourRef colour)
{
    return QString::number(colour & 0xFFFFFFu, 16).toUpper();
}

QString formatBoolean(bool value) { return value ? QStringLiteral("T") : QStringLiteral("F"); }

int pixelsToMm(double pixels, float scale)
{
    if (!(scale > 0.0f) || !std::isfinite(pixels))
        return 0;
    const double mm = std::floor(pixels / double(scale) + 0.5);
    return static_cast<int>(std::clamp(mm, -1e9, 1e9));
}

double pixelsToMmStep(double pixels, float scale, double step)
{
    if (!(scale > 0.0f) || !(step > 0.0) || !std::isfinite(pixels))
        return 0.0;
    const double steps = std::floor(pixels / double(scale) / step + 0.5);
    return std::clamp(steps, -1e9, 1e9) * step;
}

} // namespace quillora::dialect
