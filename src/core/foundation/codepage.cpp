#include "core/foundation/codepage.h"

#include <algorithm>
#include <array>

namespace quillora::codepage {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

} // namespace

QString decode1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t mapped = kHighControls[b - 0x80];
            out.append(QChar(mapped ? mapped : char16_t(b)));
        } else {
            out.append(QChar(char16_t(b)));
        }
    }
    return out;
}

int byteFor1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

std::optional<QByteArray> encode1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor1252(c);
        if (b < 0)
            return std::nullopt;
        out.append(static_cast<char>(b));
    }
    return out;
}

bool isValidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        int extra = 0;
        char32_t min = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

namespace {

// Bytes without a mark that decodeAuto reads as UTF-8 rather than as the code page.
bool readsAsUtf8(const QByteArray &bytes)
{
    const bool hasHigh = std::any_of(
        bytes.begin(), bytes.end(), [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
    return hasHigh && isValidUtf8(bytes);
}

} // namespace

QString decodeAuto(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    if (readsAsUtf8(bytes))
        return QString::fromUtf8(bytes);
    return decode1252(bytes);
}

QByteArray encodeAuto(const QString &text)
{
    // Code page bytes that happen to form UTF-8 ("Ã©" is C3 A9) would read back as other
    // characters: those texts take UTF-8 with its mark, like any the code page cannot hold.
    if (auto narrow = encode1252(text); narrow && !readsAsUtf8(*narrow))
        return *narrow;
    return kUtf8Bom + text.toUtf8();
}

} // namespace quillora::codepage
