#pragma once
// The settings file "quillora.ini": `key=value` lines, read once into memory at start-up and
// rewritten whole at a normal exit.

#include "core/foundation/settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillora {

inline const QString kSettingsFileName = QStringLiteral("quillora.ini");
inline const QString kMyDocumentsWord = QStringLiteral("MYDOCS"); // WorkingDir: documents folder
inline const QString kUserTempWord = QStringLiteral("USERTEMP");  // tempPath: system temp folder
// The line of the school's shared settings file that lists the keys nobody else may change:
// "locked=HidePrinterTime,WorkingDir,font0".
inline const QString kLockedKey = QStringLiteral("locked");

// The lines of a settings file held in memory.
class SettingsText {
public:
    // A settings file is a few hundred bytes; anything past this is not one and is not read.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    // Lines end at CR LF, CR or LF. UTF-8 (with or without BOM) and Windows-1252 are accepted.
    static SettingsText fromBytes(const QByteArray &bytes);

    // The value of the last line whose first characters are `key` (compared over the key's
    // length, case-sensitively), taken from the second character after the key so that the
    // "=" is skipped. `fallback` when no line matches or the value found is empty.
    QString value(const QString &key, const QString &fallback = {}) const;

    // The keys of the "locked" line, split at commas and spaces.
    QStringList lockedKeys() const;

    // The shared file's lines followed by the user's own, leaving out every line of the user's
    // that the reader could take for a `locked` key (whatever its case), so that locked keys
    // keep the shared value and every other key follows the user.
    static SettingsText layered(const SettingsText &shared, const SettingsText &own,
                                const QStringList &locked);

private:
    QStringList m_lines;
};

enum class SettingsFileState { Missing, Read, TooLarge, Unreadable };

struct SettingsFileRead {
    SettingsText text; // empty (every key takes its default) unless state is Read
    SettingsFileState state = SettingsFileState::Missing;
};

SettingsFileRead readSettingsFile(const QString &path);

// Conversions of setting values.
namespace settingvalue {
// The leading number of the text (spaces before it allowed), rounded to the nearest integer,
// halves to even; 0 when the text does not start with a number. Saturates at the int range.
int toInteger(QStringView text);
// "True"/"False" in any case, or a number (non-zero = true); nothing for any other text.
std::optional<bool> toBoolean(QStringView text);
// The leading number as a single-precision value; nothing when there is none or it does not
// fit a float.
std::optional<float> toNumber(QStringView text);
// Shortest decimal that reads back as the same float, never in exponent form ("2", "1.5").
QString fromNumber(float value);
} // namespace settingvalue

// The key of each font slot: the slots are ordered by their default font, the keys are not.
QString fontKeyForSlot(int slot);
// The slot a "fontN" key fills, or -1.
int fontSlotForKey(const QString &key);

// The settings record from the file's text. `dataPath` is the configured data folder (default
// installation + "/data"), not yet checked for its "layouts" folder; `workingDir` and
// `tempPath` are the settings words, not the resolved folders.
Settings settingsFromText(const SettingsText &text, const QString &installationFolder);

// The whole file: every key in its fixed order, `key=value` CR LF. Line breaks inside a value
// are written as spaces so that no value can start a line of its own.
QByteArray settingsFileBytes(const Settings &settings);

// Replaces the file in one step (the old file stays whole when writing fails).
[[nodiscard]] bool writeSettingsFile(const QString &path, const Settings &settings,
                                     QString *error = nullptr);

} // namespace quillora
