#pragma once
// Which language the program speaks. The "Language" setting names one of the shipped languages
// ("fr", "pt_BR"); empty means the computer's. Everything that depends on the language (the
// catalogues, the locale for numbers and dates, the writing direction, the voice) asks here.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <span>

namespace quillora {

struct ShippedLanguage {
    const char *code;    // the setting's value and the catalogue's file name ending
    const char *ownName; // the language's name in its own words, as the options dialog lists it
};

inline constexpr const char *kEnglishCode = "en";

// English first, then every language the program ships a catalogue for.
std::span<const ShippedLanguage> shippedLanguages();

struct LanguageChoice {
    QString code;       // a shipped language's code; "en" when nothing else fits
    QString localeName; // the computer's own variant when it speaks the language ("fr_CA")
    QString problem;    // why the setting could not be followed, for the log; empty when it was
};

// The setting's language when it names a shipped one; with an empty setting, the first of the
// computer's languages (best first, as "fr-CA" or "pt") that a shipped language serves.
LanguageChoice chooseLanguage(const QString &setting, const QStringList &computerLanguages);

// A language in use: its locale and the catalogues that carry its words.
struct Language {
    QString code = QString::fromLatin1(kEnglishCode);
    QLocale locale; // numbers and dates; English keeps the computer's own way of writing them
    std::shared_ptr<QTranslator> program; // null for English
    std::shared_ptr<QTranslator> qt;      // Qt's own words (standard dialogs); may be null
    QString problem;                      // what went wrong, for the log
};

// Loads "quillora_<code>.qm" from `catalogueFolder` and Qt's "qtbase_<code>.qm" from
// `qtFolder`. A missing or damaged program catalogue leaves English, with the reason in
// `problem`; a missing Qt catalogue only leaves the standard dialogs in English.
Language loadLanguage(const LanguageChoice &choice, const QString &catalogueFolder,
                      const QString &qtFolder);

} // namespace quillora
