#include "core/text/rtftables.h"

namespace quillora::rtf {

void FontTable::startEntry(int number)
{
    endEntry();
    m_number = number;
    m_charset = 0;
    m_codePage = 0;
}

void FontTable::addNameByte(char byte)
{
    if (m_number >= 0)
        m_nameBytes.append(byte);
}

void FontTable::addNameCharacter(QChar c)
{
    if (m_number < 0)
        return;
    flushName();
    m_name += c;
}

void FontTable::endEntry()
{
    flushName();
    if (m_number >= 0 && !m_entries.contains(m_number))
        m_entries.insert(m_number, Entry{m_name.trimmed(), entryCodePage()});
    m_number = -1;
    m_name.clear();
}

QString FontTable::family(int number) const
{
    return m_entries.value(number).name;
}

int FontTable::codePage(int number) const
{
    const auto found = m_entries.constFind(number);
    return found == m_entries.constEnd() ? documentCodePage : found->codePage;
}

void FontTable::flushName()
{
    if (m_nameBytes.isEmpty())
        return;
    m_name += m_decoder.decode(entryCodePage(), m_nameBytes);
    m_nameBytes.clear();
}

int FontTable::entryCodePage() const
{
    return m_codePage > 0 ? m_codePage : codePageForCharset(m_charset, documentCodePage);
}

void ColourTable::clear()
{
    m_colours.clear();
    m_hasValue = false;
    m_red = m_green = m_blue = 0;
}

void ColourTable::endEntry()
{
    m_colours.append(m_hasValue ? std::optional(QColor(m_red, m_green, m_blue)) : std::nullopt);
    m_hasValue = false;
    m_red = m_green = m_blue = 0;
}

std::optional<QColor> ColourTable::colour(int index) const
{
    return index > 0 && index < m_colours.size() ? m_colours[index] : std::nullopt;
}

} // namespace quillora::rtf
