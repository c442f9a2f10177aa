#include "core/text/rtfparser.h"

#include "core/text/rtfcodepage.h"
#include "core/text/rtfreader.h"
#include "core/text/rtftables.h"
#include "core/text/rtfwords.h"

#include <QColor>
#include <QCoreApplication>

#include <cmath>

#include <optional>
#include <string_view>
#include <vector>

namespace quillora::rtf {
namespace {

constexpr int kLargestParameter = 100'000'000;
constexpr int kDefaultHalfPoints = 24;
constexpr int kLargestHalfPoints = 3276; // the largest size word processors accept, 1638 pt
constexpr int kLargestUnicodeSkip = 16;

enum class Destination : quint8 {
    Text,
    Skip,
    FontTable,
    ColourTable,
    BulletDefinition,
    ExactFontSize
};

// "{\*\qlrfs 11.25}" written beside "\fs" gives the size as we hold it; other readers skip it.
constexpr qsizetype kLongestExactSize = 32;

struct CharProps {
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    double exactPoints = 0; // 0: the size is halfPoints
    int colour = 0;         // 0: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharProps &) const = default;
};

struct Group {
    Destination destination = Destination::Text;
    CharProps chars;
    int unicodeSkip = 1;
};

int clampedParameter(bool hasParameter, int parameter, int fallback, int low, int high)
{
    return hasParameter ? std::clamp(parameter, low, high) : fallback;
}

// Text as a QTextDocument can hold it: no lone surrogates, no controls, and nothing that the
// document would take for structure (paragraph marks, objects, frames).
QString cleanText(QString text)
{
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            text[kept++] = c;
            text[kept++] = text.at(++i);
        } else if (c.isSurrogate()) {
            text[kept++] = QChar::ReplacementCharacter;
        } else if (u == QChar::ParagraphSeparator) {
            text[kept++] = QChar::LineSeparator;
        } else if ((u >= 0x20 && u != 0x7F && u != QChar::ObjectReplacementCharacter &&
                    u != 0xFDD0 && u != 0xFDD1) ||
                   u == u'\t') {
            text[kept++] = c;
        }
    }
    text.truncate(kept);
    return text;
}

class Parser {
public:
    explicit Parser(const QByteArray &rtf)
        : m_pos(rtf.constData()), m_end(rtf.constData() + rtf.size())
    {
        m_groups.push_back(Group{});
    }

    bool run(QList<Paragraph> &paragraphs)
    {
        while (m_pos < m_end && !m_tooLong) {
            const char c = *m_pos++;
            switch (c) {
            case '{':
                flushBytes();
                openGroup();
                break;
            case '}':
                flushBytes();
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                textByte(c);
                break;
            }
        }
        if (m_tooLong)
            return false;
        finish();
        paragraphs = std::move(m_paragraphs);
        return true;
    }

    bool nestedTooDeep() const { return m_overflowed; }

private:
    Group &group() { return m_groups.back(); }
    bool inOverflow() const { return m_overflowDepth > 0; }

    void openGroup()
    {
        m_pendingUnicodeSkip = 0;
        if (inOverflow() || int(m_groups.size()) >= kMaxRtfDepth) {
            ++m_overflowDepth; // nested beyond reason: read as nothing until it closes
            m_overflowed = true;
            return;
        }
        m_groups.push_back(m_groups.back());
        m_atGroupStart = true;
        m_starred = false;
    }

    void closeGroup()
    {
        m_pendingUnicodeSkip = 0;
        m_atGroupStart = m_starred = false;
        if (inOverflow()) {
            --m_overflowDepth;
            return;
        }
        if (group().destination == Destination::FontTable)
            endFontEntry();
        if (group().destination == Destination::ExactFontSize)
            takeExactSize();
        if (m_groups.size() <= 2) {
            // The document's own group has closed; anything after it is not part of it.
            m_pos = m_end;
            return;
        }
        m_groups.pop_back();
    }

    void controlSequence()
    {
        if (m_pos >= m_end)
            return;
        const char c = *m_pos;
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const char *nameStart = m_pos;
        while (m_pos < m_end && isLetter(*m_pos))
            ++m_pos;
        const std::string_view name(nameStart, size_t(m_pos - nameStart));
        bool hasParameter = false;
        int parameter = 0;
        const bool negative = m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1]);
        if (negative)
            ++m_pos;
        while (m_pos < m_end && isDigit(*m_pos)) {
            hasParameter = true;
            // Saturates: kLargestParameter * 10 + 9 still fits an int.
            parameter = std::min(kLargestParameter, parameter * 10 + (*m_pos - '0'));
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < m_end && *m_pos == ' ')
            ++m_pos;
        if (name == "bin") {
            // Binary data of the given length, whatever bytes it holds.
            flushBytes();
            if (hasParameter && parameter > 0)
                m_pos += std::min<qsizetype>(parameter, m_end - m_pos);
            consumeFallback();
            m_atGroupStart = m_starred = false;
            return;
        }
        if (!inOverflow())
            controlWord(name, hasParameter, parameter);
    }

    void controlSymbol(char c)
    {
        if (inOverflow())
            return;
        if (c == '*') {
            m_starred = m_atGroupStart;
            return;
        }
        m_atGroupStart = m_starred = false;
        switch (c) {
        case '\'': {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < m_end && hexValue(*m_pos) >= 0) {
                value = value * 16 + hexValue(*m_pos++);
                ++digits;
            }
            if (digits == 2)
                textByte(char(value), true);
            break;
        }
        case '\\':
        case '{':
        case '}':
            textByte(c, true);
            break;
        case '~':
            textCharacter(QChar::Nbsp);
            break;
        case '_':
            textCharacter(u'\u2011');
            break;
        case '\r':
        case '\n':
            if (!consumeFallback() && group().destination == Destination::Text)
                endParagraph();
            break;
        default:
            consumeFallback();
            break;
        }
    }

    void controlWord(std::string_view name, bool hasParameter, int parameter)
    {
        flushBytes();
        const WordInfo *found = lookupWord(name);
        const bool starred = m_starred;
        const bool atGroupStart = m_atGroupStart;
        m_atGroupStart = m_starred = false;
        if (group().destination == Destination::Skip)
            return;
        if (!found) {
            if (starred)
                group().destination = Destination::Skip; // an ignorable destination we do not know
            else
                consumeFallback();
            return;
        }
        const WordInfo info = *found;
        // Destinations open groups; one that does not (written after other words) still
        // holds no text.
        if ((atGroupStart || info.word == Word::SkippedDestination) && startDestination(info.word))
            return;
        if (starred) {
            group().destination = Destination::Skip;
            return;
        }
        switch (group().destination) {
        case Destination::FontTable:
            fontTableWord(info.word, hasParameter, parameter);
            return;
        case Destination::ColourTable:
            colourTableWord(info.word, parameter);
            return;
        case Destination::Text:
            break;
        default:
            return;
        }
        if (consumeFallback())
            return;
        textWord(info, hasParameter, parameter);
    }

    bool startDestination(Word word)
    {
        switch (word) {
        case Word::FontTable:
            group().destination = Destination::FontTable;
            return true;
        case Word::ColourTable:
            group().destination = Destination::ColourTable;
            m_colours.clear();
            m_formatValid = false;
            return true;
        case Word::BulletDefinition:
            if (group().destination == Destination::Text)
                m_paragraph.bullet = true;
            group().destination = Destination::BulletDefinition;
            return true;
        case Word::SkippedDestination:
            group().destination = Destination::Skip;
            return true;
        case Word::ExactFontSize:
            group().destination = Destination::ExactFontSize;
            m_exactSize.clear();
            return true;
        default:
            return false;
        }
    }

    void textWord(const WordInfo &info, bool hasParameter, int parameter)
    {
        CharProps &chars = group().chars;
        const bool on = !hasParameter || parameter != 0;
        switch (info.word) {
        case Word::DefaultFont:
            m_defaultFont = std::max(0, parameter);
            m_formatValid = false;
            break;
        case Word::AnsiCodePage:
            if (parameter > 0)
                m_fonts.documentCodePage = parameter;
            break;
        case Word::Ansi:
            m_fonts.documentCodePage = 1252;
            break;
        case Word::Mac:
            m_fonts.documentCodePage = 10000;
            break;
        case Word::Pc:
            m_fonts.documentCodePage = 437;
            break;
        case Word::Pca:
            m_fonts.documentCodePage = 850;
            break;
        case Word::Plain:
            chars = CharProps{};
            break;
        case Word::Bold:
            chars.bold = on;
            break;
        case Word::Italic:
            chars.italic = on;
            break;
        case Word::Underline:
            chars.underline = on;
            break;
        case Word::UnderlineNone:
            chars.underline = false;
            break;
        case Word::Font:
            chars.font = clampedParameter(hasParameter, parameter, -1, 0, kLargestParameter);
            break;
        case Word::FontSize:
            chars.halfPoints = hasParameter && parameter > 0
                                   ? std::min(parameter, kLargestHalfPoints)
                                   : kDefaultHalfPoints;
            chars.exactPoints = 0;
            break;
        case Word::Colour:
            chars.colour = clampedParameter(hasParameter, parameter, 0, 0, kLargestParameter);
            break;
        case Word::UnicodeSkip:
            group().unicodeSkip =
                clampedParameter(hasParameter, parameter, 1, 0, kLargestUnicodeSkip);
            break;
        case Word::Unicode:
            if (hasParameter) {
                textCharacter(unicodeUnit(parameter));
                m_pendingUnicodeSkip = group().unicodeSkip;
            }
            break;
        case Word::Character:
            textCharacter(QChar(info.character));
            break;
        case Word::ParagraphDefaults:
            m_paragraph = ParagraphProps{};
            break;
        case Word::AlignLeft:
            m_paragraph.alignment = Alignment::Left;
            break;
        case Word::AlignRight:
            m_paragraph.alignment = Alignment::Right;
            break;
        case Word::AlignCentre:
            m_paragraph.alignment = Alignment::Centre;
            break;
        case Word::AlignJustify:
            m_paragraph.alignment = Alignment::Justify;
            break;
        case Word::RightToLeftParagraph:
            m_paragraph.rightToLeft = true;
            break;
        case Word::LeftToRightParagraph:
            m_paragraph.rightToLeft = false;
            break;
        case Word::LeftIndent:
            m_paragraph.leftIndentTwips =
                clampedParameter(hasParameter, parameter, 0, -kMaxIndentTwips, kMaxIndentTwips);
            break;
        case Word::FirstIndent:
            m_paragraph.firstIndentTwips =
                clampedParameter(hasParameter, parameter, 0, -kMaxIndentTwips, kMaxIndentTwips);
            break;
        case Word::ListOverride:
            if (hasParameter && parameter > 0)
                m_paragraph.bullet = true;
            break;
        case Word::Paragraph:
            endParagraph();
            break;
        case Word::SoftParagraph:
            if (!m_runText.isEmpty() || !m_runs.isEmpty())
                endParagraph();
            break;
        default:
            break;
        }
    }

    void fontTableWord(Word word, bool hasParameter, int parameter)
    {
        switch (word) {
        case Word::Font:
            endFontEntry();
            m_fonts.startEntry(clampedParameter(hasParameter, parameter, 0, 0, kLargestParameter));
            break;
        case Word::FontCharset:
            m_fonts.setCharset(parameter);
            break;
        case Word::FontCodePage:
            m_fonts.setCodePage(parameter);
            break;
        case Word::Unicode:
            if (!consumeFallback() && hasParameter) {
                m_fonts.addNameCharacter(unicodeUnit(parameter));
                m_pendingUnicodeSkip = group().unicodeSkip;
            }
            break;
        case Word::UnicodeSkip:
            group().unicodeSkip =
                clampedParameter(hasParameter, parameter, 1, 0, kLargestUnicodeSkip);
            break;
        default:
            break;
        }
    }

    void colourTableWord(Word word, int parameter)
    {
        const int value = std::clamp(parameter, 0, 255);
        switch (word) {
        case Word::Red:
            m_colours.setRed(value);
            break;
        case Word::Green:
            m_colours.setGreen(value);
            break;
        case Word::Blue:
            m_colours.setBlue(value);
            break;
        default:
            break;
        }
    }

    static QChar unicodeUnit(int parameter)
    {
        const int unit = parameter < 0 ? parameter + 65536 : parameter;
        return unit >= 0 && unit <= 0xFFFF ? QChar(char16_t(unit))
                                           : QChar(QChar::ReplacementCharacter);
    }

    // After "\uN", the next N characters are the fallback for readers without Unicode.
    bool consumeFallback()
    {
        if (m_pendingUnicodeSkip <= 0)
            return false;
        --m_pendingUnicodeSkip;
        return true;
    }

    void textByte(char c, bool escaped = false)
    {
        if (inOverflow())
            return;
        if (!escaped)
            m_atGroupStart = m_starred = false;
        if (consumeFallback())
            return;
        switch (group().destination) {
        case Destination::Text:
            if (c == '\t')
                textCharacter(u'\t');
            else if (static_cast<unsigned char>(c) >= 0x20 || escaped)
                m_bytes.append(c);
            break;
        case Destination::FontTable:
            if (c == ';' && !escaped)
                endFontEntry();
            else
                m_fonts.addNameByte(c);
            break;
        case Destination::ColourTable:
            if (c == ';') {
                m_colours.endEntry();
                m_formatValid = false;
            }
            break;
        case Destination::ExactFontSize:
            if (m_exactSize.size() < kLongestExactSize)
                m_exactSize.append(c);
            break;
        default:
            break;
        }
    }

    void textCharacter(QChar c)
    {
        flushBytes();
        appendText(QString(c));
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QString text = m_decoder.decode(m_fonts.codePage(fontNumber(group().chars)), m_bytes);
        m_bytes.clear();
        appendText(text);
    }

    void appendText(const QString &text)
    {
        // Nothing outside the document's own group is text.
        if (group().destination != Destination::Text || inOverflow() || m_groups.size() < 2)
            return;
        m_characters += text.size();
        if (m_characters > kMaxRtfCharacters) {
            m_tooLong = true;
            return;
        }
        if (!m_runText.isEmpty() && m_runChars != group().chars)
            closeRun();
        m_runChars = group().chars;
        m_runText += text;
    }

    void closeRun()
    {
        if (m_runText.isEmpty())
            return;
        QString text = cleanText(m_runText);
        m_runText.clear();
        if (!text.isEmpty())
            m_runs.append(Run{std::move(text), formatFor(m_runChars)});
    }

    void endParagraph()
    {
        flushBytes();
        closeRun();
        if (++m_characters > kMaxRtfCharacters) {
            m_tooLong = true;
            return;
        }
        m_paragraphs.append(Paragraph{m_paragraph, std::move(m_runs), formatFor(group().chars)});
        m_runs.clear();
    }

    void finish()
    {
        flushBytes();
        closeRun();
        if (!m_runs.isEmpty() || m_paragraphs.isEmpty())
            m_paragraphs.append(
                Paragraph{m_paragraph, std::move(m_runs), formatFor(group().chars)});
    }

    // The exact size counts only where it agrees with the "\fs" in force: a reader that
    // changed the size without knowing our word leaves a size it does not match.
    void takeExactSize()
    {
        bool ok = false;
        const double points = m_exactSize.trimmed().toDouble(&ok);
        m_exactSize.clear();
        if (m_groups.size() < 2 || !ok || !(points > 0) || points > kLargestHalfPoints)
            return;
        CharProps &outer = m_groups[m_groups.size() - 2].chars;
        if (std::lround(points * 2) == outer.halfPoints)
            outer.exactPoints = points;
    }

    void endFontEntry()
    {
        m_fonts.endEntry();
        m_formatValid = false;
    }

    int fontNumber(const CharProps &chars) const
    {
        return chars.font < 0 ? m_defaultFont : chars.font;
    }

    QTextCharFormat formatFor(const CharProps &chars)
    {
        if (m_formatValid && chars == m_formatChars)
            return m_format;
        QTextCharFormat format;
        if (const QString family = m_fonts.family(fontNumber(chars)); !family.isEmpty())
            format.setFontFamilies(QStringList{family});
        format.setFontPointSize(chars.exactPoints > 0 ? chars.exactPoints : chars.halfPoints / 2.0);
        if (const std::optional<QColor> colour = m_colours.colour(chars.colour))
            format.setForeground(*colour);
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        m_format = format;
        m_formatChars = chars;
        m_formatValid = true;
        return format;
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const char *m_pos;
    const char *m_end;
    std::vector<Group> m_groups;
    int m_overflowDepth = 0;
    bool m_overflowed = false;
    bool m_atGroupStart = false;
    bool m_starred = false;
    int m_pendingUnicodeSkip = 0;
    bool m_tooLong = false;
    qsizetype m_characters = 0;

    int m_defaultFont = 0;
    ByteDecoder m_decoder;
    FontTable m_fonts{m_decoder};
    ColourTable m_colours;
    QByteArray m_bytes;
    QByteArray m_exactSize;
    CharProps m_runChars;
    QString m_runText;
    QList<Run> m_runs;
    ParagraphProps m_paragraph;
    QList<Paragraph> m_paragraphs;

    bool m_formatValid = false;
    CharProps m_formatChars;
    QTextCharFormat m_format;
};

} // namespace

bool parseRtf(const QByteArray &rtf, QList<Paragraph> &paragraphs, QString *error,
              bool *nestedTooDeep)
{
    if (!looksLikeRtf(rtf)) {
        if (error)
            *error =
                QCoreApplication::translate("Quillora", "The text is not in Rich Text Format.");
        return false;
    }
    Parser parser(rtf);
    if (!parser.run(paragraphs)) {
        if (error)
            *error = QCoreApplication::translate("Quillora", "The text is too long to be read.");
        return false;
    }
    if (nestedTooDeep)
        *nestedTooDeep = parser.nestedTooDeep();
    return true;
}

} // namespace quillora::rtf
