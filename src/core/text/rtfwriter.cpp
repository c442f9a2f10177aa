#include "core/text/rtfwriter.h"

#include "core/foundation/codepage.h"
#include "core/text/rtfcontent.h"

#include <QColor>
#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

namespace quillora {
namespace {

constexpr int kSmallestHalfPoints = 1; // "\fs1", as small as RTF says
constexpr int kLargestHalfPoints = 3276;

struct Looks {
    int font = -1;
    double points = -1;
    int halfPoints = -1;
    int colour = 0; // index into the colour table; 0 is automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Characters that are structure rather than text in a QTextDocument, or controls nobody
// can type; they have no place in a text box's file.
bool isWritable(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\t')
        return true;
    return u >= 0x20 && u != 0x7F && u != QChar::ObjectReplacementCharacter && u != 0xFDD0 &&
           u != 0xFDD1 && u != QChar::ParagraphSeparator;
}

class Writer {
public:
    explicit Writer(const QTextDocument &doc) : m_doc(doc) {}

    QByteArray write()
    {
        collectTables();
        m_out.reserve(m_doc.characterCount() * 2 + 256);
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            text(m_fonts[i]);
            m_out += ";}";
        }
        if (m_bulletFont >= 0)
            m_out += "{\\f" + QByteArray::number(m_bulletFont) + "\\fnil\\fcharset2 Symbol;}";
        m_out += "}\r\n{\\colortbl ;";
        for (QRgb rgb : std::as_const(m_colours)) {
            m_out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                     QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                     ';';
        }
        m_out += "}\r\n{\\*\\generator Quillora;}\\viewkind4\\uc1\r\n";
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
            paragraph(block);
        m_out += "}\r\n";
        return m_out;
    }

private:
    void collectTables()
    {
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
            if (block.textList())
                m_bulletFont = 0;
            if (block.length() <= 1)
                looksOf(block.charFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it)
                looksOf(it.fragment().charFormat());
        }
        if (m_fonts.isEmpty())
            m_fonts.append(defaultFamily());
        if (m_bulletFont >= 0)
            m_bulletFont = int(m_fonts.size());
    }

    QString defaultFamily() const
    {
        const QString family = cleanFamily(m_doc.defaultFont().family());
        return family.isEmpty() ? QStringLiteral("Arial") : family;
    }

    static QString cleanFamily(QString family)
    {
        family.removeIf([](QChar c) { return c == u';' || !isWritable(c) || c == u'\t'; });
        return family.trimmed();
    }

    // The looks of a format, adding its font and colour to the tables when new.
    Looks looksOf(const QTextCharFormat &format)
    {
        Looks looks;
        QString family;
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty())
            family = cleanFamily(families.first());
        if (family.isEmpty())
            family = defaultFamily();
        looks.font = int(m_fonts.indexOf(family));
        if (looks.font < 0) {
            looks.font = int(m_fonts.size());
            m_fonts.append(family);
        }
        qreal points = format.hasProperty(QTextFormat::FontPointSize)
                           ? format.fontPointSize()
                           : m_doc.defaultFont().pointSizeF();
        if (!(points > 0))
            points = 12;
        // Held to what "\fs" can say, or a size beyond it would be written as another and read
        // back as that.
        looks.points = std::clamp(points, kSmallestHalfPoints / 2.0, kLargestHalfPoints / 2.0);
        looks.halfPoints = int(std::lround(looks.points * 2));
        if (format.hasProperty(QTextFormat::ForegroundBrush) &&
            format.foreground().style() != Qt::NoBrush) {
            const QRgb rgb = format.foreground().color().rgb() & RGB_MASK;
            qsizetype index = m_colours.indexOf(rgb);
            if (index < 0) {
                index = m_colours.size();
                m_colours.append(rgb);
            }
            looks.colour = int(index) + 1;
        }
        looks.bold = format.fontWeight() >= QFont::DemiBold;
        looks.italic = format.fontItalic();
        looks.underline = format.fontUnderline();
        return looks;
    }

    void paragraph(const QTextBlock &block)
    {
        const bool bullet = block.textList() != nullptr;
        rtf::ParagraphProps props = rtf::paragraphPropsOf(block.blockFormat(), bullet);
        props.rightToLeft = block.textDirection() == Qt::RightToLeft;
        if (bullet)
            props.leftIndentTwips = std::max(props.leftIndentTwips, rtf::kBulletHangTwips);
        word("pard");
        if (bullet) {
            const QByteArray font = QByteArray::number(m_bulletFont);
            m_out += "{\\pntext\\f" + font + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + font +
                     "\\pnindent0{\\pntxtb\\'b7}}";
        }
        if (props.rightToLeft)
            word("rtlpar");
        if (props.firstIndentTwips != 0)
            word("fi", props.firstIndentTwips);
        if (props.leftIndentTwips != 0)
            word("li", props.leftIndentTwips);
        switch (props.alignment) {
        case rtf::Alignment::Left:
            break;
        case rtf::Alignment::Right:
            word("qr");
            break;
        case rtf::Alignment::Centre:
            word("qc");
            break;
        case rtf::Alignment::Justify:
            word("qj");
            break;
        }
        if (block.length() <= 1)
            switchLooks(looksOf(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            switchLooks(looksOf(it.fragment().charFormat()));
            const QString words = it.fragment().text();
            if (words.isRightToLeft() != m_rightToLeftRun) {
                m_rightToLeftRun = !m_rightToLeftRun;
                word(m_rightToLeftRun ? "rtlch" : "ltrch");
            }
            text(words);
        }
        word("par");
        m_out += "\r\n";
        m_needsDelimiter = false;
    }

    void switchLooks(const Looks &looks)
    {
        if (looks.font != m_current.font)
            word("f", looks.font);
        if (looks.points != m_current.points) {
            word("fs", looks.halfPoints);
            // "\fs" holds half points; the size a fitted box holds is kept exactly beside it,
            // or text that fitted on screen could come back larger and lose its last line.
            if (looks.points * 2 != looks.halfPoints) {
                m_out += "{\\*\\qlrfs " +
                         QByteArray::number(looks.points, 'g', QLocale::FloatingPointShortest) +
                         '}';
                m_needsDelimiter = false;
            }
        }
        if (looks.colour != m_current.colour)
            word("cf", looks.colour);
        if (looks.bold != m_current.bold)
            looks.bold ? word("b") : word("b", 0);
        if (looks.italic != m_current.italic)
            looks.italic ? word("i") : word("i", 0);
        if (looks.underline != m_current.underline)
            word(looks.underline ? "ul" : "ulnone");
        m_current = looks;
    }

    void word(const char *name)
    {
        m_out += '\\';
        m_out += name;
        m_needsDelimiter = true;
    }

    void word(const char *name, int parameter)
    {
        word(name);
        m_out += QByteArray::number(parameter);
    }

    void text(const QString &text)
    {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (!isWritable(c))
                continue;
            if (u == u'\t') {
                word("tab");
            } else if (u == QChar::LineSeparator) {
                word("line");
            } else if (u == u'\\' || u == u'{' || u == u'}') {
                m_out += '\\';
                m_out += char(u);
                m_needsDelimiter = false;
            } else if (u < 0x80) {
                if (m_needsDelimiter)
                    m_out += ' ';
                m_out += char(u);
                m_needsDelimiter = false;
            } else if (const int byte = codepage::byteFor1252(c); byte >= 0x80) {
                m_out += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
                m_needsDelimiter = false;
            } else {
                m_out += "\\u" + QByteArray::number(int(qint16(u))) + '?';
                m_needsDelimiter = false;
            }
        }
    }

    const QTextDocument &m_doc;
    QList<QString> m_fonts;
    QList<QRgb> m_colours;
    int m_bulletFont = -1;
    Looks m_current;
    QByteArray m_out;
    bool m_needsDelimiter = false;
    bool m_rightToLeftRun = false;
};

} // namespace

QByteArray writeRtf(const QTextDocument &doc)
{
    return Writer(doc).write();
}

} // namespace quillora
