#pragma once
// The control words of Rich Text Format that the reader acts on.

#include <QtGlobal>

#include <string_view>

namespace quillora::rtf {

enum class Word : quint8 {
    // destinations
    FontTable,
    ColourTable,
    BulletDefinition,
    SkippedDestination,
    ExactFontSize,
    // document
    DefaultFont,
    AnsiCodePage,
    Ansi,
    Mac,
    Pc,
    Pca,
    // characters
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Font,
    FontSize,
    Colour,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    UnicodeSkip,
    Unicode,
    Character,
    // paragraphs
    ParagraphDefaults,
    AlignLeft,
    AlignRight,
    AlignCentre,
    AlignJustify,
    RightToLeftParagraph,
    LeftToRightParagraph,
    LeftIndent,
    FirstIndent,
    ListOverride,
    Paragraph,
    SoftParagraph,
};

struct WordInfo {
    Word word;
    char16_t character = 0;
};

// The word's meaning, or null for a word the reader passes over.
const WordInfo *lookupWord(std::string_view name);

} // namespace quillora::rtf
