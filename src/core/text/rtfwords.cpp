#include "core/text/rtfwords.h"

#include <QChar>

#include <unordered_map>

namespace quillora::rtf {

const WordInfo *lookupWord(std::string_view name)
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t{
            {"fonttbl", {Word::FontTable}}, {"colortbl", {Word::ColourTable}},
            {"pn", {Word::BulletDefinition}}, {"deff", {Word::DefaultFont}},
            {"ansicpg", {Word::AnsiCodePage}}, {"ansi", {Word::Ansi}}, {"mac", {Word::Mac}},
            {"pc", {Word::Pc}}, {"pca", {Word::Pca}}, {"plain", {Word::Plain}},
            {"b", {Word::Bold}}, {"i", {Word::Italic}}, {"ul", {Word::Underline}},
            {"ulnone", {Word::UnderlineNone}}, {"f", {Word::Font}}, {"fs", {Word::FontSize}},
            {"cf", {Word::Colour}}, {"fcharset", {Word::FontCharset}},
            {"cpg", {Word::FontCodePage}}, {"red", {Word::Red}}, {"green", {Word::Green}},
            {"blue", {Word::Blue}}, {"uc", {Word::UnicodeSkip}}, {"u", {Word::Unicode}},
            {"pard", {Word::ParagraphDefaults}}, {"ql", {Word::AlignLeft}},
            {"qr", {Word::AlignRight}}, {"qc", {Word::AlignCentre}},
            {"qj", {Word::AlignJustify}}, {"li", {Word::LeftIndent}},
            {"fi", {Word::FirstIndent}}, {"ls", {Word::ListOverride}},
            {"par", {Word::Paragraph}}, {"row", {Word::Paragraph}},
            {"page", {Word::SoftParagraph}}, {"sect", {Word::SoftParagraph}},
            {"tab", {Word::Character, u'\t'}}, {"cell", {Word::Character, u'\t'}},
            {"line", {Word::Character, u'\u2028'}},
            {"emdash", {Word::Character, u'\u2014'}}, {"endash", {Word::Character, u'\u2013'}},
            {"lquote", {Word::Character, u'\u2018'}}, {"rquote", {Word::Character, u'\u2019'}},
            {"ldblquote", {Word::Character, u'\u201C'}},
            {"rdblquote", {Word::Character, u'\u201D'}},
            {"bullet", {Word::Character, u'\u2022'}}, {"emspace", {Word::Character, u'\u2003'}},
            {"enspace", {Word::Character, u'\u2002'}}, {"qmspace", {Word::Character, u'\u2005'}},
        };
        for (std::string_view underline : {"uld", "uldb", "ulw", "ulwave", "uldash", "uldashd",
                                           "uldashdd", "ulth", "ulthd", "ulhwave", "ulldash",
                                           "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                                           "ululdbwave"})
            t.emplace(underline, WordInfo{Word::Underline});
        // Destinations whose content is not part of the text, starred or not.
        for (std::string_view skipped :
             {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
              "footerl", "footerr", "footerf", "pict", "object", "fldinst", "pntext", "listtext",
              "footnote", "xe", "tc", "txe", "rxe", "comment", "template", "shp", "shpinst",
              "shprslt", "nonshppict", "objdata", "objclass", "objname", "result", "do",
              "filetbl", "revtbl", "listtable", "listoverridetable", "pgdsctbl", "rsidtbl",
              "themedata", "colorschememapping", "datastore", "latentstyles", "xmlnstbl",
              "generator", "mmathPr", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "annotation",
              "atnid", "atnauthor", "userprops", "docvar", "bkmkstart", "bkmkend", "panose",
              "falt", "fname", "author", "operator", "title", "subject", "keywords", "doccomm",
              "creatim", "revtim", "printim", "buptim"})
            t.emplace(skipped, WordInfo{Word::SkippedDestination});
        return t;
    }();
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

} // namespace quillora::rtf
