#include "core/foundation/translator.h"

#include "core/foundation/codepage.h"

#include <QFile>
#include <QLocale>

#include <algorithm>

namespace quillora {
namespace {

// Splits one line into its fields: a field in double quotes may hold commas; an unquoted
// field runs to the next comma. Surrounding spaces are not part of a field.
QStringList splitQuotedFields(const QString &line)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i <= n) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t'))
            ++i;
        QString field;
        if (i < n && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = line.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            const qsizetype comma = line.indexOf(u',', i);
            i = comma < 0 ? n + 1 : comma + 1;
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            const qsizetype end = comma < 0 ? n : comma;
            field = line.mid(i, end - i).trimmed();
            i = comma < 0 ? n + 1 : comma + 1;
        }
        fields.append(field);
    }
    return fields;
}

// The school's first pair for `english` that has words.
template <typename Pairs> auto findOwnWords(const Pairs &pairs, const QString &english)
{
    return std::find_if(pairs.cbegin(), pairs.cend(), [&english](const auto &pair) {
        return pair.first == english && !pair.second.isEmpty();
    });
}

} // namespace

void Translator::clear()
{
    m_pairs.clear();
    m_found = false;
}

void Translator::load(const QString &path)
{
    clear();
    QFile file(path);
    if (!file.exists())
        return;
    m_found = true;
    if (!file.open(QIODevice::ReadOnly))
        return;
    // A language file is a few hundred lines; anything past a few megabytes is not one.
    constexpr qint64 kMaxLanguageFileBytes = 4 * 1024 * 1024;
    loadFromBytes(file.read(kMaxLanguageFileBytes));
    m_found = true;
}

void Translator::loadFromBytes(const QByteArray &bytes)
{
    m_pairs.clear();
    m_found = true;
    const QString text = codepage::decodeAuto(bytes);
    const auto lines = QStringView(text).split(u'\n');
    for (QStringView raw : lines) {
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        if (raw.trimmed().isEmpty())
            continue;
        const QStringList fields = splitQuotedFields(raw.toString());
        m_pairs.append({fields.value(0), fields.value(1)});
    }
}

void Translator::setCatalogue(std::shared_ptr<const QTranslator> catalogue)
{
    m_catalogue = std::move(catalogue);
}

QString Translator::translate(const QString &english) const
{
    for (const auto &[from, to] : m_pairs) {
        if (from == english && !to.isEmpty())
            return to;
    }
    if (m_catalogue && !english.isEmpty()) {
        const QString shipped = m_catalogue->translate("Quillora", english.toUtf8().constData());
        if (!shipped.isEmpty())
            return shipped;
    }
    return english;
}

bool Translator::hasOwnWords(const QString &english) const
{
    return findOwnWords(m_pairs, english) != m_pairs.cend();
}

QString Translator::translateCount(const QString &english, int count) const
{
    QString words;
    if (const auto own = findOwnWords(m_pairs, english); own != m_pairs.cend()) {
        const QStringList forms = own->second.split(u'|');
        words = count == 1 ? forms.first() : forms.last();
    }
    if (words.isEmpty() && m_catalogue && !english.isEmpty())
        words = m_catalogue->translate("Quillora", english.toUtf8().constData(), nullptr, count);
    if (words.isEmpty()) {
        words = english;
        words.replace(QStringLiteral("(s)"), count == 1 ? QString() : QStringLiteral("s"));
    }
    words.replace(QStringLiteral("%n"), QLocale().toString(count));
    return words;
}

QString Translator::translateTemplateText(const QString &english) const
{
    const QString crlf = QStringLiteral("\r\n");
    QString key = english;
    key.replace(crlf, QStringLiteral("\n"));
    QString translated = translate(key);
    if (translated == key)
        return english;
    translated.replace(u'\n', crlf);
    return translated;
}

} // namespace quillora
