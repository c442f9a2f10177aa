#include "core/text/textboxformat.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace quillora {

QFont fontForStyle(const TextStyle &style)
{
    QFont font(style.fontName);
    // A size of 0 or less (a broken file) would give Qt's default size; the smallest fitted
    // size keeps the box usable instead.
    font.setPointSizeF(std::max(style.fontSize, 1.0));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

bool sameStyle(const TextStyle &a, const TextStyle &b)
{
    return a.fontName == b.fontName && a.fontSize == b.fontSize && a.bold == b.bold &&
           a.italic == b.italic && a.underline == b.underline && a.align == b.align &&
           a.colour == b.colour;
}

bool operator==(const TextBoxFormat &a, const TextBoxFormat &b)
{
    return sameStyle(a.style, b.style) && a.boxSize == b.boxSize && a.multiLine == b.multiLine;
}

Qt::Alignment qtAlignment(Alignment align)
{
    switch (align) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    case Alignment::Left:
        break;
    }
    // Left is where a paragraph starts: the right for a right-to-left one.
    return Qt::AlignLeft;
}

QTextOption::WrapMode wrapModeFor(bool multiLine)
{
    return multiLine ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap;
}

qreal textWidthFor(const QSizeF &boxSize)
{
    return std::max<qreal>(boxSize.width() - 2 * kTextBoxDocumentMargin, 0.0);
}

void configureTextBoxDocument(QTextDocument &document, const TextBoxFormat &format)
{
    document.setDocumentMargin(kTextBoxDocumentMargin);
    document.setDefaultFont(fontForStyle(format.style));
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(wrapModeFor(format.multiLine));
    option.setAlignment(qtAlignment(format.style.align));
    document.setDefaultTextOption(option);
    // A single-line box still needs a text width so that alignment has something to align in.
    document.setTextWidth(textWidthFor(format.boxSize));
}

int wrappedLineCount(const QTextDocument &document)
{
    document.documentLayout()->documentSize();
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += std::max(block.layout()->lineCount(), 1);
    return std::max(lines, 1);
}

qreal widestLineWidth(const QTextDocument &document)
{
    document.documentLayout()->documentSize();
    qreal widest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            widest = std::max(widest, layout->lineAt(i).naturalTextWidth());
    }
    return widest;
}

qreal contentHeight(const QTextDocument &document)
{
    return document.documentLayout()->documentSize().height();
}

qreal lineHeightFor(const QFont &font)
{
    QTextDocument sample;
    sample.setUndoRedoEnabled(false);
    sample.setDocumentMargin(0);
    sample.setDefaultFont(font);
    sample.setPlainText(kLineHeightSample);
    return contentHeight(sample);
}

QString normalisedBoxText(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

} // namespace quillora
