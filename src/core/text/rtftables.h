#pragma once
// The font and colour tables at the head of an RTF document, filled entry by entry while
// the reader passes through them.

#include "core/text/rtfcodepage.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace quillora::rtf {

class FontTable {
public:
    explicit FontTable(ByteDecoder &decoder) : m_decoder(decoder) {}

    // The code page of fonts whose character set is ANSI or unknown ("\ansicpgN").
    int documentCodePage = 1252;

    void startEntry(int number); // "\fN"; ends the entry before it
    void setCharset(int charset) { m_charset = charset; }
    void setCodePage(int codePage) { m_codePage = codePage; }
    void addNameByte(char byte);
    void addNameCharacter(QChar c);
    void endEntry(); // ";" or the end of the entry's group; the first entry of a number wins

    QString family(int number) const; // empty for a font the table does not hold
    int codePage(int number) const;

private:
    struct Entry {
        QString name;
        int codePage = 1252;
    };
    void flushName();
    int entryCodePage() const;

    ByteDecoder &m_decoder;
    QHash<int, Entry> m_entries;
    int m_number = -1; // of the entry being read; -1 between entries
    int m_charset = 0;
    int m_codePage = 0;
    QByteArray m_nameBytes;
    QString m_name;
};

class ColourTable {
public:
    void clear();
    void setRed(int value) { m_red = value, m_hasValue = true; }
    void setGreen(int value) { m_green = value, m_hasValue = true; }
    void setBlue(int value) { m_blue = value, m_hasValue = true; }
    void endEntry(); // ";" — an entry without values is the automatic colour
    std::optional<QColor> colour(int index) const;

private:
    QList<std::optional<QColor>> m_colours;
    bool m_hasValue = false;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};

} // namespace quillora::rtf
