#include "core/foundation/language.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace quillora {
namespace {

constexpr std::array<ShippedLanguage, 11> kLanguages = {{
    {kEnglishCode, "English"},
    {"fr", "Français"},
    {"de", "Deutsch"},
    {"es", "Español"},
    {"it", "Italiano"},
    {"pt_BR", "Português (Brasil)"},
    {"nl", "Nederlands"},
    {"pl", "Polski"},
    {"sv", "Svenska"},
    {"uk", "Українська"},
    {"ar", "العربية"},
}};

// A catalogue of many megabytes is no catalogue of ours.
constexpr qint64 kMaxCatalogueBytes = 8 * 1024 * 1024;

bool isShipped(const QString &code)
{
    for (const ShippedLanguage &language : kLanguages) {
        if (code == QLatin1String(language.code))
            return true;
    }
    return false;
}

// "pt-BR", "pt_BR" and "pt" all find "pt_BR"; "fr-CA" finds "fr".
QString shippedFor(const QString &computerLanguage)
{
    QString wanted = computerLanguage;
    wanted.replace(u'-', u'_');
    const QString base = wanted.section(u'_', 0, 0);
    QString byBase;
    for (const ShippedLanguage &language : kLanguages) {
        const QString code = QString::fromLatin1(language.code);
        if (code.compare(wanted, Qt::CaseInsensitive) == 0)
            return code;
        if (byBase.isEmpty() && code.section(u'_', 0, 0).compare(base, Qt::CaseInsensitive) == 0)
            byBase = code;
    }
    return byBase;
}

std::shared_ptr<QTranslator> loadCatalogue(const QString &path, QString *problem)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        *problem = QStringLiteral("%1 is missing").arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    if (file.size() > kMaxCatalogueBytes) {
        *problem = QStringLiteral("%1 is too large").arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    auto catalogue = std::make_shared<QTranslator>();
    if (!catalogue->load(path) || catalogue->isEmpty()) {
        *problem = QStringLiteral("%1 is damaged").arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    return catalogue;
}

} // namespace

std::span<const ShippedLanguage> shippedLanguages()
{
    return kLanguages;
}

LanguageChoice chooseLanguage(const QString &setting, const QStringList &computerLanguages)
{
    const QString named = setting.trimmed();
    if (!named.isEmpty()) {
        if (isShipped(named))
            return {named, named, {}};
        return {QString::fromLatin1(kEnglishCode),
                {},
                QStringLiteral("the language \"%1\" is not one Quillora speaks").arg(named)};
    }
    for (const QString &computerLanguage : computerLanguages) {
        const QString code = shippedFor(computerLanguage);
        if (!code.isEmpty())
            return {code, QString(computerLanguage).replace(u'-', u'_'), {}};
    }
    return {QString::fromLatin1(kEnglishCode), {}, {}};
}

Language loadLanguage(const LanguageChoice &choice, const QString &catalogueFolder,
                      const QString &qtFolder)
{
    Language language;
    const QString &code = choice.code;
    if (code == QLatin1String(kEnglishCode) || !isShipped(code))
        return language;
    language.program =
        loadCatalogue(QDir(catalogueFolder).filePath(QStringLiteral("quillora_%1.qm").arg(code)),
                      &language.problem);
    if (!language.program)
        return language;
    language.code = code;
    // The computer's variant when it speaks this language ("fr_CA" writes numbers its own way).
    const QLocale variant(choice.localeName);
    language.locale = variant.language() == QLocale(code).language() ? variant : QLocale(code);
    // Qt names some catalogues by the language alone ("qtbase_sv" for every Swedish).
    QString ignored;
    for (const QString &name : {code, code.section(u'_', 0, 0)}) {
        language.qt = loadCatalogue(
            QDir(qtFolder).filePath(QStringLiteral("qtbase_%1.qm").arg(name)), &ignored);
        if (language.qt)
            break;
    }
    return language;
}

} // namespace quillora
