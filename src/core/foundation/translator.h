#pragma once
// The translation table: English text is the key. The school's language file supplies
// replacements first, then the shipped catalogue of the program's language.

#include <QString>
#include <QTranslator>
#include <QVector>

#include <memory>
#include <utility>

namespace quillora {

class Translator {
public:
    // Reads "language/lang.txt" style files: one pair of quoted, comma-separated fields a line.
    // Accepts UTF-8 (with or without BOM) and Windows-1252. A missing file leaves English.
    void load(const QString &path);
    void loadFromBytes(const QByteArray &bytes);
    void clear();

    // The shipped catalogue beneath the language file's pairs; null leaves English beneath them.
    void setCatalogue(std::shared_ptr<const QTranslator> catalogue);
    bool hasCatalogue() const { return m_catalogue != nullptr; }

    QString translate(const QString &english) const;
    // A text with a count, "%n page(s)": the school's pair (its forms split by "|", the first
    // for one), else the catalogue's plural form for `count`, else English, "(s)" marking the
    // plural. %n becomes the count written the language's way.
    QString translateCount(const QString &english, int count) const;
    // Whether the school's language file gives words of its own for `english`.
    bool hasOwnWords(const QString &english) const;
    // A template's words as the template reader decodes them, with CR LF line breaks: the
    // catalogue knows them with plain line feeds.
    QString translateTemplateText(const QString &english) const;
    bool hasLanguageFile() const { return m_found; }
    int count() const { return int(m_pairs.size()); }

private:
    QVector<std::pair<QString, QString>> m_pairs;
    bool m_found = false;
    std::shared_ptr<const QTranslator> m_catalogue;
};

} // namespace quillora
