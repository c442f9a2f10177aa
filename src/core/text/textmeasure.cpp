#include "core/text/textmeasure.h"

#include <QFontMetricsF>
#include <QTextCursor>

#include <algorithm>

namespace quillora {

namespace {

// Keeps a split off the middle of a surrogate pair, so a character outside the basic plane is
// always replaced whole.
qsizetype commonPrefix(const QString &a, const QString &b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < limit && a.at(n) == b.at(n))
        ++n;
    if (n > 0 && a.at(n - 1).isHighSurrogate())
        --n;
    return n;
}

qsizetype commonSuffix(const QString &a, const QString &b, qsizetype prefix)
{
    const qsizetype limit = std::min(a.size(), b.size()) - prefix;
    qsizetype n = 0;
    while (n < limit && a.at(a.size() - 1 - n) == b.at(b.size() - 1 - n))
        ++n;
    if (n > 0 && a.at(a.size() - n).isLowSurrogate())
        --n;
    return n;
}

} // namespace

TextMeasure::TextMeasure()
{
    m_document.setUndoRedoEnabled(false);
}

void TextMeasure::load(const TextBoxFormat &format, const QString &text)
{
    if (!m_configured || !(format == m_format)) {
        configureTextBoxDocument(m_document, format);
        m_format = format;
        m_configured = true;
    }
    replaceText(normalisedBoxText(text));
}

void TextMeasure::setFontSize(double points)
{
    TextBoxFormat format = m_format;
    format.style.fontSize = points;
    load(format, m_text);
}

void TextMeasure::replaceText(const QString &text)
{
    if (text == m_text)
        return;
    const qsizetype prefix = commonPrefix(m_text, text);
    const qsizetype suffix = commonSuffix(m_text, text, prefix);
    QTextCursor cursor(&m_document);
    cursor.setPosition(int(prefix));
    cursor.setPosition(int(m_text.size() - suffix), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(prefix, text.size() - prefix - suffix));
    m_text = text;
}

int TextMeasure::lineCount() const
{
    return wrappedLineCount(m_document);
}

qreal TextMeasure::widestLine() const
{
    return widestLineWidth(m_document);
}

qreal TextMeasure::lineHeight()
{
    const QFont font = m_document.defaultFont();
    if (m_lineHeight < 0 || font != m_lineHeightFont) {
        m_lineHeight = lineHeightFor(font);
        m_lineHeightFont = font;
    }
    return m_lineHeight;
}

qreal TextMeasure::textWidth(const QString &text) const
{
    return QFontMetricsF(m_document.defaultFont()).horizontalAdvance(text);
}

bool TextMeasure::overflows()
{
    if (!m_format.multiLine)
        return widestLine() > textWidthFor(m_format.boxSize);
    return lineCount() * lineHeight() > m_format.boxSize.height();
}

} // namespace quillora
