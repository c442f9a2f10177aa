#pragma once
// The translation table: English text is the key, the language file supplies replacements.

#include <QString>
#include <QVector>
#include <utility>

namespace quillora {

class Translator {
public:
    // Reads "language/lang.txt" style files: one pair of quoted, comma-separated fields a line.
    // Accepts UTF-8 (with or without BOM) and Windows-1252. A missing file leaves English.
    void load(const QString &path);
    void loadFromBytes(const QByteArray &bytes);
    void clear();

    QString translate(const QString &english) const;
    bool hasLanguageFile() const { return m_found; }
    int count() const { return int(m_pairs.size()); }

private:
    QVector<std::pair<QString, QString>> m_pairs;
    bool m_found = false;
};

} // namespace quillora
