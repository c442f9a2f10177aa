#pragma once
// The text and formatting read from Rich Text Format, paragraph by paragraph, before it
// goes into a QTextDocument; and the one mapping of paragraph properties onto Qt's formats
// that the reader and the writer share. Rich text boxes use the same mapping:
//   alignment  QTextBlockFormat::alignment(): AlignLeft, AlignRight, AlignHCenter; justified
//              text stays AlignJustify (a box may draw it as left, but the file keeps it)
//   bullet     the block belongs to a QTextList (any style reads as a bullet); paragraphs read
//              from a file get ListDisc with indent 1, consecutive ones share one list
//   indents    QTextBlockFormat::leftMargin() and textIndent() in pixels of 15 twips
//   characters QTextCharFormat fontFamilies() (first entry), fontPointSize(), foreground()
//              (none: automatic colour), fontWeight() (DemiBold and above is bold),
//              fontItalic(), fontUnderline(); the looks of an empty paragraph are its
//              QTextBlock::charFormat()
//   direction  QTextBlockFormat::layoutDirection() RightToLeft for "\rtlpar"; a paragraph written
//              out is right to left when QTextBlock::textDirection() says so. Characters take
//              their direction from the letters themselves, as the bidirectional rules say:
//              "\rtlch" is written before right-to-left runs and read as no change to the text
//   line break QChar::LineSeparator inside a block

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>

class QTextCursor;

namespace quillora::rtf {

// Indents are twips in the file and document pixels (15 twips each) in a QTextDocument.
inline constexpr double kTwipsPerPixel = 15.0;
// A bulleted paragraph's text starts this far right of its bullet; the file's "\li" and
// "\fi" of a bulleted paragraph include it, the block's margin and indent do not.
inline constexpr int kBulletHangTwips = 360;
inline constexpr int kMaxIndentTwips = 31680; // 22 inches, the widest page a word processor offers

enum class Alignment { Left, Right, Centre, Justify };

struct ParagraphProps {
    Alignment alignment = Alignment::Left;
    bool bullet = false;
    int leftIndentTwips = 0;
    int firstIndentTwips = 0;
    bool rightToLeft = false;
    bool operator==(const ParagraphProps &) const = default;
};

struct Run {
    QString text;
    QTextCharFormat format;
};

struct Paragraph {
    ParagraphProps props;
    QList<Run> runs;
    QTextCharFormat endFormat; // the format in force at the paragraph mark
};

QTextBlockFormat blockFormatFor(const ParagraphProps &props);
ParagraphProps paragraphPropsOf(const QTextBlockFormat &format, bool inList);
QTextListFormat bulletListFormat();

// Inserts the paragraphs at the cursor: the first one's text joins the cursor's paragraph,
// every further one starts a paragraph of its own. Consecutive bulleted paragraphs share one
// list. Runs one edit block, so one undo step.
void insertParagraphs(QTextCursor &cursor, const QList<Paragraph> &paragraphs);

} // namespace quillora::rtf
