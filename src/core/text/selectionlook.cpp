#include "core/text/selectionlook.h"

#include "core/text/richfit.h"
#include "core/text/textboxformat.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// Narrows a property to "mixed" when a later character disagrees with the first one.
template <typename T> class Agreement {
public:
    void see(const T &value)
    {
        if (!m_seen) {
            m_value = value;
            m_seen = true;
        } else if (m_value && !(*m_value == value)) {
            m_value.reset();
        }
    }
    std::optional<T> value() const { return m_seen ? m_value : std::nullopt; }

private:
    std::optional<T> m_value;
    bool m_seen = false;
};

struct LookAgreement {
    Agreement<QString> fontName;
    Agreement<double> fontSize;
    Agreement<ColourRef> colour;
    Agreement<bool> bold, italic, underline, bullet;
    Agreement<Alignment> alignment;

    void seeCharacters(const QTextCharFormat &format, const QTextDocument &document)
    {
        const QFont font = format.font().resolve(document.defaultFont());
        fontName.see(font.family());
        fontSize.see(pointSizeOf(format, document));
        colour.see(format.hasProperty(QTextFormat::ForegroundBrush)
                       ? fromQColor(format.foreground().color())
                       : ColourRef(0));
        bold.see(font.bold());
        italic.see(font.italic());
        underline.see(font.underline());
    }

    void seeParagraph(const QTextBlock &block)
    {
        const QTextList *list = block.textList();
        bullet.see(list != nullptr && list->format().style() == QTextListFormat::ListDisc);
        const Qt::Alignment align = block.blockFormat().alignment();
        if (align & Qt::AlignRight)
            alignment.see(Alignment::Right);
        else if (align & Qt::AlignHCenter)
            alignment.see(Alignment::Centre);
        else
            alignment.see(Alignment::Left);
    }

    SelectionLook look() const
    {
        return {fontName.value(), fontSize.value(),  colour.value(), bold.value(),
                italic.value(),   underline.value(), bullet.value(), alignment.value()};
    }
};

void mergeIntoSelection(QTextCursor &cursor, const QTextCharFormat &format)
{
    cursor.mergeCharFormat(format);
}

} // namespace

SelectionLook selectionLook(const QTextCursor &cursor)
{
    LookAgreement agreement;
    const QTextDocument *document = cursor.document();
    if (!document)
        return {};
    if (!cursor.hasSelection()) {
        agreement.seeCharacters(cursor.charFormat(), *document);
        agreement.seeParagraph(cursor.block());
        return agreement.look();
    }
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        agreement.seeParagraph(block);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= from || fragment.position() >= to)
                continue;
            agreement.seeCharacters(fragment.charFormat(), *document);
        }
    }
    return agreement.look();
}

std::optional<int> enteredRichFontSize(const QString &typed)
{
    bool isNumber = false;
    const double value = typed.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        return std::nullopt;
    return int(std::clamp(std::round(value), double(kSmallestEnteredRichSize),
                          double(kLargestEnteredRichSize)));
}

QString shownRichFontSize(double points)
{
    if (!std::isfinite(points))
        return QString();
    const double halves = std::round(points * 2) / 2;
    return QString::number(halves, 'f', std::fmod(halves, 1.0) == 0 ? 0 : 1);
}

void setSelectionFontName(QTextCursor &cursor, const QString &name)
{
    QTextCharFormat format;
    format.setFontFamilies({name});
    mergeIntoSelection(cursor, format);
}

void setSelectionPointSize(QTextCursor &cursor, double points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeIntoSelection(cursor, format);
}

void setSelectionColour(QTextCursor &cursor, ColourRef colour)
{
    QTextCharFormat format;
    format.setForeground(toQColor(colour));
    mergeIntoSelection(cursor, format);
}

void setSelectionBold(QTextCursor &cursor, bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeIntoSelection(cursor, format);
}

void setSelectionItalic(QTextCursor &cursor, bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeIntoSelection(cursor, format);
}

void setSelectionUnderline(QTextCursor &cursor, bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeIntoSelection(cursor, format);
}

void setSelectionBullet(QTextCursor &cursor, bool on)
{
    QTextDocument *document = cursor.document();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QTextCursor edit(document);
    edit.beginEditBlock();
    if (on) {
        edit.setPosition(from);
        edit.setPosition(to, QTextCursor::KeepAnchor);
        if (edit.currentList() == nullptr ||
            edit.currentList()->format().style() != QTextListFormat::ListDisc)
            edit.createList(QTextListFormat::ListDisc);
    } else {
        for (QTextBlock block = document->findBlock(from);
             block.isValid() && block.position() <= to; block = block.next()) {
            if (QTextList *list = block.textList()) {
                list->remove(block);
                QTextCursor paragraph(block);
                QTextBlockFormat format = paragraph.blockFormat();
                format.setIndent(0);
                paragraph.setBlockFormat(format);
            }
        }
    }
    edit.endEditBlock();
}

void setSelectionAlignment(QTextCursor &cursor, Alignment align)
{
    QTextBlockFormat format;
    format.setAlignment(qtAlignment(align));
    cursor.mergeBlockFormat(format);
}

} // namespace quillora
