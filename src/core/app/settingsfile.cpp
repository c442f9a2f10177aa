#include "core/app/settingsfile.h"

#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/foundation/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace quillora {
namespace {

const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

// Slot i is filled from key "font" + kFontKeyDigits[i].
constexpr std::array<int, 5> kFontKeyDigits = {0, 2, 1, 4, 3};

struct LeadingNumber {
    std::string text;  // sign, digits, point, exponent: what from_chars reads
    qsizetype end = 0; // index just after the number in the scanned text
    bool negativeExponent = false;
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The number the text starts with (after spaces and tabs): an optional sign, digits with an
// optional decimal point, and an optional exponent.
std::optional<LeadingNumber> leadingNumber(QStringView text)
{
    LeadingNumber number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number.text.push_back('-');
        ++i;
    }
    bool digits = false;
    while (i < n && isDigit(text[i])) {
        number.text.push_back(char(text[i++].unicode()));
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        number.text.push_back('.');
        ++i;
        while (i < n && isDigit(text[i])) {
            number.text.push_back(char(text[i++].unicode()));
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            number.negativeExponent = text[j] == u'-';
            exponent.push_back(char(text[j++].unicode()));
        }
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                exponent.push_back(char(text[j++].unicode()));
            number.text += exponent;
            i = j;
        } else {
            number.negativeExponent = false;
        }
    }
    number.end = i;
    return number;
}

// The leading number as a double; huge exponents saturate to infinity, tiny ones to zero.
std::optional<double> leadingDouble(QStringView text, qsizetype *end = nullptr)
{
    const auto number = leadingNumber(text);
    if (!number)
        return std::nullopt;
    if (end)
        *end = number->end;
    double value = 0;
    const char *first = number->text.data();
    const char *last = first + number->text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        if (number->negativeExponent)
            return 0.0;
        return number->text.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

// Lines of a settings file can only hold single-line values.
QString singleLine(const QString &value)
{
    if (!value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    QString result;
    result.reserve(value.size());
    bool inBreak = false;
    for (QChar c : value) {
        const bool lineBreak = c == u'\r' || c == u'\n';
        if (lineBreak && !inBreak)
            result.append(u' ');
        else if (!lineBreak)
            result.append(c);
        inBreak = lineBreak;
    }
    return result;
}

} // namespace

SettingsText SettingsText::fromBytes(const QByteArray &bytes)
{
    SettingsText result;
    const QString text = codepage::decodeAuto(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        result.m_lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        result.m_lines.append(text.mid(start));
    return result;
}

QString SettingsText::value(const QString &key, const QString &fallback) const
{
    for (auto line = m_lines.crbegin(); line != m_lines.crend(); ++line) {
        if (line->startsWith(key, Qt::CaseSensitive)) {
            const QString found = line->mid(key.size() + 1);
            return found.isEmpty() ? fallback : found;
        }
    }
    return fallback;
}

QStringList SettingsText::lockedKeys() const
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    return value(kLockedKey).split(separators, Qt::SkipEmptyParts);
}

SettingsText SettingsText::layered(const SettingsText &shared, const SettingsText &own,
                                   const QStringList &locked)
{
    SettingsText result = shared;
    for (const QString &line : own.m_lines) {
        const bool lockedLine = std::any_of(locked.begin(), locked.end(), [&](const QString &key) {
            return line.startsWith(key, Qt::CaseInsensitive);
        });
        // The user's file cannot lock or unlock anything either.
        if (!lockedLine && !line.startsWith(kLockedKey, Qt::CaseInsensitive))
            result.m_lines.append(line);
    }
    return result;
}

SettingsFileRead readSettingsFile(const QString &path)
{
    SettingsFileRead result;
    const BoundedRead read = readBounded(path, SettingsText::kMaxBytes);
    switch (read.trouble) {
    case ReadTrouble::Missing:
        return result;
    case ReadTrouble::NotAFile:
    case ReadTrouble::CannotOpen:
    case ReadTrouble::CannotRead:
        result.state = SettingsFileState::Unreadable;
        return result;
    case ReadTrouble::TooLarge:
        result.state = SettingsFileState::TooLarge;
        return result;
    case ReadTrouble::None:
        break;
    }
    result.text = SettingsText::fromBytes(read.bytes);
    result.state = SettingsFileState::Read;
    return result;
}

namespace settingvalue {

int toInteger(QStringView text)
{
    const auto value = leadingDouble(text);
    if (!value)
        return 0;
    const double rounded = std::nearbyint(*value);
    if (rounded >= double(INT_MAX))
        return INT_MAX;
    if (rounded <= double(INT_MIN))
        return INT_MIN;
    return int(rounded);
}

std::optional<bool> toBoolean(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.compare(kTrue, Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(kFalse, Qt::CaseInsensitive) == 0)
        return false;
    qsizetype end = 0;
    const auto value = leadingDouble(trimmed, &end);
    if (!value || end != trimmed.size())
        return std::nullopt;
    return *value != 0.0;
}

std::optional<float> toNumber(QStringView text)
{
    const auto number = leadingNumber(text);
    if (!number)
        return std::nullopt;
    float value = 0;
    const char *first = number->text.data();
    const auto [ptr, ec] = std::from_chars(first, first + number->text.size(), value);
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString fromNumber(float value)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(double(value), 'g', 9);
    return QString::fromLatin1(buffer, end - buffer);
}

} // namespace settingvalue

QString fontKeyForSlot(int slot)
{
    if (slot < 0 || slot >= int(kFontKeyDigits.size()))
        return {};
    return QStringLiteral("font%1").arg(kFontKeyDigits[slot]);
}

int fontSlotForKey(const QString &key)
{
    for (int slot = 0; slot < int(kFontKeyDigits.size()); ++slot) {
        if (fontKeyForSlot(slot) == key)
            return slot;
    }
    return -1;
}

Settings settingsFromText(const SettingsText &text, const QString &installationFolder)
{
    const Settings defaults;
    Settings s;
    const auto integer = [&text](const QString &key, int fallback) {
        const QString value = text.value(key);
        return value.isEmpty() ? fallback : settingvalue::toInteger(value);
    };
    const auto boolean = [&text](const QString &key, bool fallback) {
        return settingvalue::toBoolean(text.value(key)).value_or(fallback);
    };

    s.printerName = text.value(QStringLiteral("iniPrinterName"));
    s.showCopiesChoice = boolean(QStringLiteral("showNumCopiesCombo"), defaults.showCopiesChoice);
    s.printButtonHiddenMinutes =
        integer(QStringLiteral("HidePrinterTime"), defaults.printButtonHiddenMinutes);
    for (int slot = 0; slot < int(s.fontSlots.size()); ++slot)
        s.fontSlots[slot] = text.value(fontKeyForSlot(slot), defaults.fontSlots[slot]);
    s.workingDir = text.value(QStringLiteral("WorkingDir"), kMyDocumentsWord);
    s.tempPath = text.value(QStringLiteral("tempPath"), kUserTempWord);
    s.dataPath =
        text.value(QStringLiteral("dataPath"), paths::defaultDataFolder(installationFolder));
    s.webcamName = text.value(QStringLiteral("webcamName"));
    s.pullDownString = boolean(QStringLiteral("useIWBstring"), defaults.pullDownString);
    s.onScreenKeyboard = boolean(QStringLiteral("useIWBkeyBd"), defaults.onScreenKeyboard);
    s.offerWebcam = boolean(QStringLiteral("useWebCam"), defaults.offerWebcam);
    s.darkerFrames = boolean(QStringLiteral("useDarkerFrameColour"), defaults.darkerFrames);
    s.neverOfferToSave = boolean(QStringLiteral("DontOfferToSave"), defaults.neverOfferToSave);
    s.presentationMode = boolean(QStringLiteral("presMode"), defaults.presentationMode);
    s.printFontPercent =
        std::clamp(integer(QStringLiteral("fontSFatPrintPC"), defaults.printFontPercent), 85, 100);
    s.printZoomPercent =
        std::clamp(integer(QStringLiteral("printZoomSFPC"), defaults.printZoomPercent), 85, 100);
    // A quality factor of zero or less would print nothing at all.
    const auto quality = settingvalue::toNumber(text.value(QStringLiteral("multiPrintQualSF")));
    s.copiesPrintScale = quality && *quality > 0.0f ? *quality : defaults.copiesPrintScale;
    s.turnDegreesPerTick =
        integer(QStringLiteral("leaftletTurnAngle"), defaults.turnDegreesPerTick);
    s.warnIfNotA4 = boolean(QStringLiteral("warnIfNotA4"), defaults.warnIfNotA4);
    // Below zero means none, like zero.
    s.progressSnapshots =
        std::clamp(integer(QStringLiteral("progressSnapshots"), defaults.progressSnapshots), 0,
                   kMaxSnapshotMinutes);
    s.readAloud = boolean(QStringLiteral("readAloud"), defaults.readAloud);
    s.speakLetters = boolean(QStringLiteral("speakLetters"), defaults.speakLetters);
    s.voiceEngine = text.value(QStringLiteral("voiceEngine"));
    s.voiceName = text.value(QStringLiteral("voiceName"));
    s.voiceRate = std::clamp(integer(QStringLiteral("voiceRate"), defaults.voiceRate), -100, 100);
    s.language = text.value(QStringLiteral("Language")).trimmed();
    s.longPressMenu = boolean(QStringLiteral("longPressMenu"), defaults.longPressMenu);
    s.stylusPressure = boolean(QStringLiteral("stylusPressure"), defaults.stylusPressure);
    return s;
}

QByteArray settingsFileBytes(const Settings &s)
{
    QString out;
    out.reserve(1024);
    const auto line = [&out](QStringView key, const QString &value) {
        out += key;
        out += u'=';
        out += singleLine(value);
        out += QLatin1String("\r\n");
    };
    const auto flag = [](bool value) { return value ? kTrue : kFalse; };

    line(u"HidePrinterTime", QString::number(s.printButtonHiddenMinutes));
    line(u"WorkingDir", s.workingDir);
    line(u"iniPrinterName", s.printerName);
    line(u"showNumCopiesCombo", flag(s.showCopiesChoice));
    line(u"useIWBstring", flag(s.pullDownString));
    line(u"useIWBkeyBd", flag(s.onScreenKeyboard));
    line(u"useWebCam", flag(s.offerWebcam));
    for (int keyNumber = 0; keyNumber < int(s.fontSlots.size()); ++keyNumber) {
        const QString key = QStringLiteral("font%1").arg(keyNumber);
        line(key, s.fontSlots[fontSlotForKey(key)]);
    }
    line(u"useDarkerFrameColour", flag(s.darkerFrames));
    line(u"DontOfferToSave", flag(s.neverOfferToSave));
    line(u"presMode", flag(s.presentationMode));
    line(u"tempPath", s.tempPath);
    line(u"dataPath", s.dataPath);
    line(u"webcamName", s.webcamName);
    line(u"fontSFatPrintPC", QString::number(s.printFontPercent));
    line(u"printZoomSFPC", QString::number(s.printZoomPercent));
    line(u"leaftletTurnAngle", QString::number(s.turnDegreesPerTick));
    line(u"multiPrintQualSF", settingvalue::fromNumber(s.copiesPrintScale));
    line(u"warnIfNotA4", flag(s.warnIfNotA4));
    line(u"progressSnapshots", QString::number(s.progressSnapshots));
    line(u"readAloud", flag(s.readAloud));
    line(u"speakLetters", flag(s.speakLetters));
    line(u"voiceEngine", s.voiceEngine);
    line(u"voiceName", s.voiceName);
    line(u"voiceRate", QString::number(s.voiceRate));
    line(u"Language", s.language);
    line(u"longPressMenu", flag(s.longPressMenu));
    line(u"stylusPressure", flag(s.stylusPressure));
    // Windows-1252 text that happens to be valid UTF-8 would read back as other characters;
    // the byte order mark settles it.
    QByteArray bytes = codepage::encodeAuto(out);
    if (codepage::decodeAuto(bytes) != out)
        bytes = QByteArray("\xEF\xBB\xBF") + out.toUtf8();
    return bytes;
}

bool writeSettingsFile(const QString &path, const Settings &settings, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeWholeFile(path, settingsFileBytes(settings), error);
}

} // namespace quillora
