#include "core/text/rtfcontent.h"

#include <QTextCursor>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace quillora::rtf {

QTextBlockFormat blockFormatFor(const ParagraphProps &props)
{
    QTextBlockFormat format;
    switch (props.alignment) {
    case Alignment::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Centre:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    if (props.rightToLeft)
        format.setLayoutDirection(Qt::RightToLeft);
    int left = props.leftIndentTwips;
    int first = props.firstIndentTwips;
    if (props.bullet) {
        left = std::max(0, left - kBulletHangTwips);
        first += kBulletHangTwips;
    }
    if (left != 0)
        format.setLeftMargin(left / kTwipsPerPixel);
    if (first != 0)
        format.setTextIndent(first / kTwipsPerPixel);
    return format;
}

ParagraphProps paragraphPropsOf(const QTextBlockFormat &format, bool inList)
{
    ParagraphProps props;
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignJustify)
        props.alignment = Alignment::Justify;
    else if (horizontal & Qt::AlignHCenter)
        props.alignment = Alignment::Centre;
    else if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        props.alignment = Alignment::Right;
    const auto twips = [](qreal pixels) {
        return int(std::clamp<double>(std::round(pixels * kTwipsPerPixel), -2 * kMaxIndentTwips,
                                      2 * kMaxIndentTwips));
    };
    props.leftIndentTwips = twips(format.leftMargin());
    props.firstIndentTwips = twips(format.textIndent());
    props.rightToLeft = format.layoutDirection() == Qt::RightToLeft;
    props.bullet = inList;
    if (inList) {
        props.leftIndentTwips += kBulletHangTwips;
        props.firstIndentTwips -= kBulletHangTwips;
    }
    props.leftIndentTwips = std::clamp(props.leftIndentTwips, -kMaxIndentTwips, kMaxIndentTwips);
    props.firstIndentTwips = std::clamp(props.firstIndentTwips, -kMaxIndentTwips, kMaxIndentTwips);
    return props;
}

QTextListFormat bulletListFormat()
{
    QTextListFormat format;
    format.setStyle(QTextListFormat::ListDisc);
    format.setIndent(1);
    return format;
}

void insertParagraphs(QTextCursor &cursor, const QList<Paragraph> &paragraphs)
{
    cursor.beginEditBlock();
    QTextList *list = nullptr;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const Paragraph &paragraph = paragraphs[i];
        // Text pasted into the middle of a paragraph keeps that paragraph's looks; an empty
        // paragraph (and every later one) takes the looks that were read.
        bool takesLooks = true;
        if (i > 0) {
            cursor.insertBlock(blockFormatFor(paragraph.props), paragraph.endFormat);
        } else if (cursor.block().length() <= 1) {
            cursor.setBlockFormat(blockFormatFor(paragraph.props));
            cursor.setBlockCharFormat(paragraph.endFormat);
        } else {
            takesLooks = false;
        }
        for (const Run &run : paragraph.runs)
            cursor.insertText(run.text, run.format);
        if (!takesLooks) {
            list = cursor.currentList();
        } else if (!paragraph.props.bullet) {
            list = nullptr;
            if (QTextList *current = cursor.currentList())
                current->remove(cursor.block());
        } else if (list) {
            list->add(cursor.block());
        } else {
            list =
                cursor.currentList() ? cursor.currentList() : cursor.createList(bulletListFormat());
        }
    }
    cursor.endEditBlock();
}

} // namespace quillora::rtf
