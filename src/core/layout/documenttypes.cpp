#include "core/layout/documenttypes.h"

#include "core/layout/objectkinds.h"

#include <array>

namespace quillora {

namespace {

// What a window brings to every kind it shows: its name and the undo kinds it puts back.
DocumentKindInfo shownIn(WindowKind window)
{
    using namespace objectkind;
    DocumentKindInfo info;
    info.window = window;
    switch (window) {
    case WindowKind::SinglePage:
        info.windowName = QStringLiteral("Form1");
        info.undoKindsRestored = {Border,       Picture,       Text,         RichText,     Handles,
                                  MovedPicture, MovedRichText, AddedPicture, AddedRichText};
        break;
    case WindowKind::Circle:
        info.windowName = QStringLiteral("circleForm");
        // The words too: typing records their steps, and an undo button that shows for them
        // must put them back.
        info.undoKindsRestored = {Picture, Text};
        break;
    case WindowKind::Table:
        // A table's cells and title are the page's own picture and text boxes.
        info.windowName = QStringLiteral("tableForm");
        info.undoKindsRestored = {Picture, Text};
        break;
    case WindowKind::Postcard:
        info.windowName = QStringLiteral("postCardForm");
        info.undoKindsRestored = {Picture, Text};
        break;
    case WindowKind::Leaflet:
        info.windowName = QStringLiteral("LeafletForm");
        info.undoKindsRestored = {Picture, Border, Text, RichText, Handles};
        break;
    case WindowKind::Cartoon:
        info.windowName = QStringLiteral("cartoonForm");
        info.undoKindsRestored = {Picture};
        break;
    case WindowKind::Anywhere:
        // The page picture is picture 0; its record carries the texts placed over it.
        info.windowName = QStringLiteral("anyWhereForm");
        info.undoKindsRestored = {Picture};
        break;
    case WindowKind::Banner:
        info.windowName = QStringLiteral("BannerWindow");
        info.undoKindsRestored = {Border};
        break;
    }
    return info;
}

DocumentKindInfo singlePage(const char *caption, const char *startFolder = "")
{
    DocumentKindInfo info = shownIn(WindowKind::SinglePage);
    info.caption = QString::fromLatin1(caption);
    info.startFolder = QString::fromLatin1(startFolder);
    return info;
}

DocumentKindInfo otherWindow(const char *caption, WindowKind window, PageFamilyId family,
                             PrintRoutine print)
{
    DocumentKindInfo info = shownIn(window);
    info.caption = QString::fromLatin1(caption);
    info.pageFamily = family;
    info.print = print;
    return info;
}

DocumentKindInfo leaflet(const char *caption, const char *style)
{
    DocumentKindInfo info =
        otherWindow(caption, WindowKind::Leaflet, PageFamilyId::Leaflet, PrintRoutine::Leaflet);
    info.leafletStyle = QString::fromLatin1(style);
    info.exportsScreenPng = false;
    return info;
}

std::array<DocumentKindInfo, kDocumentKindCount> buildTable()
{
    std::array<DocumentKindInfo, kDocumentKindCount> rows;
    auto row = [&rows](DocumentKind kind) -> DocumentKindInfo & {
        return rows[size_t(codeOf(kind))];
    };

    row(DocumentKind::Simple) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Simple"));
    row(DocumentKind::Simple).fixedTemplate = QStringLiteral("simple/simple.xml");
    row(DocumentKind::Simple).sideColumn = SideColumn::None;

    row(DocumentKind::Circle) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Circle"), WindowKind::Circle,
                    PageFamilyId::Circle, PrintRoutine::Circle);
    row(DocumentKind::Circle).fontForAllBoxes = true;
    row(DocumentKind::Circle).choicePage = ChoicePage::Circle;

    row(DocumentKind::Table) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Table"), WindowKind::Table, PageFamilyId::Table,
                    PrintRoutine::Table);
    row(DocumentKind::Table).fontForAllBoxes = true;
    row(DocumentKind::Table).firstPressPaints = true;
    row(DocumentKind::Table).choicePage = ChoicePage::Table;

    row(DocumentKind::Shapes) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Shapes"));
    row(DocumentKind::Shapes).menuFolder = QStringLiteral("shaped borders");
    row(DocumentKind::Shapes).sideColumn = SideColumn::Wide;
    row(DocumentKind::Shapes).standardBorder = true;

    row(DocumentKind::Postcard) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Postcard"), WindowKind::Postcard,
                    PageFamilyId::Postcard, PrintRoutine::Postcard);
    row(DocumentKind::Postcard).exportsScreenPng = false;
    row(DocumentKind::Postcard).fontForAllBoxes = true;
    row(DocumentKind::Postcard).addressedTexts = true;
    row(DocumentKind::Postcard).fixedTemplate = QStringLiteral("postcard/page0.xml");
    row(DocumentKind::Postcard).sideColumn = SideColumn::None;
    row(DocumentKind::Postcard).pageFit = PageFitRule::Card;
    row(DocumentKind::Postcard).duplexNote = QStringLiteral(
        QT_TRANSLATE_NOOP("Quillora", "Printing on both sides? Flip on the short edge."));

    row(DocumentKind::Booklet) = leaflet(QT_TRANSLATE_NOOP("Quillora", "Booklet"), "4p");
    row(DocumentKind::Booklet).startFolder = QStringLiteral("booklet");

    row(DocumentKind::ComicStrip) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Comic-strip"), WindowKind::Cartoon,
                    PageFamilyId::Cartoon, PrintRoutine::Cartoon);
    row(DocumentKind::ComicStrip).startFolder = QStringLiteral("cartoon");

    row(DocumentKind::Card) = leaflet(QT_TRANSLATE_NOOP("Quillora", "Card"), "4c");
    row(DocumentKind::Card).startFolder = QStringLiteral("card");

    row(DocumentKind::Multi) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Multi"), "multi");
    row(DocumentKind::Multi).print = PrintRoutine::RepeatedCopies;
    row(DocumentKind::Multi).sideColumn = SideColumn::Wide;
    row(DocumentKind::Multi).copiesSheet = true;

    row(DocumentKind::Layouts) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Layouts"), "layouts");

    row(DocumentKind::News) = singlePage(QT_TRANSLATE_NOOP("Quillora", "News"), "news");
    row(DocumentKind::News).richTextToolbarRoom = true;
    row(DocumentKind::News).richTextToolbar = RichTextToolbarUse::WhenTemplateHasRichText;

    row(DocumentKind::Anywhere) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Anywhere"), WindowKind::Anywhere,
                    PageFamilyId::Anywhere, PrintRoutine::Anywhere);

    row(DocumentKind::Certificate) =
        singlePage(QT_TRANSLATE_NOOP("Quillora", "Certificate"), "certificate");
    row(DocumentKind::Certificate).standardBorder = true;

    row(DocumentKind::Sign) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Sign"));
    row(DocumentKind::Sign).menuFolder = QStringLiteral("signs");
    row(DocumentKind::Sign).fixedTemplate = QStringLiteral("signs/1.xml");
    row(DocumentKind::Sign).sideColumn = SideColumn::Wide;

    row(DocumentKind::Display) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Display"), WindowKind::Banner,
                    PageFamilyId::Banner, PrintRoutine::Banner);
    row(DocumentKind::Display).startFolder = QStringLiteral("display");
    row(DocumentKind::Display).exportsScreenPng = false;

    row(DocumentKind::Leaflet) = leaflet(QT_TRANSLATE_NOOP("Quillora", "Leaflet"), "6b");
    row(DocumentKind::Leaflet).choicePage = ChoicePage::Leaflet;
    row(DocumentKind::Leaflet).startFolder = QStringLiteral("leaflet large");
    row(DocumentKind::Leaflet).smallStartFolder = QStringLiteral("leaflet small");

    row(DocumentKind::Borders) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Borders"), "borders");
    row(DocumentKind::Borders).richTextToolbarRoom = true;
    row(DocumentKind::Borders).richTextToolbar = RichTextToolbarUse::Always;
    row(DocumentKind::Borders).standardBorder = true;

    row(DocumentKind::MyLayout) =
        singlePage(QT_TRANSLATE_NOOP("Quillora", "My layout"), "advanced");
    row(DocumentKind::MyLayout).print = PrintRoutine::SimplePageAdvanced;
    row(DocumentKind::MyLayout).richTextToolbarRoom = true;
    row(DocumentKind::MyLayout).richTextToolbar = RichTextToolbarUse::Always;
    row(DocumentKind::MyLayout).freeArrangement = true;

    row(DocumentKind::Posters) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Posters"), "posters");
    row(DocumentKind::Posters).richTextToolbarRoom = true;
    row(DocumentKind::Posters).richTextToolbar = RichTextToolbarUse::Always;

    // The first five kinds keep the program's own file dialog with its previews.
    for (int code = 0; code < kDocumentKindCount; ++code) {
        rows[size_t(code)].kind = DocumentKind(code);
        if (code <= codeOf(DocumentKind::Postcard))
            rows[size_t(code)].fileDialog = FileDialogKind::Own;
    }
    return rows;
}

} // namespace

std::optional<DocumentKind> documentKindFromCode(int code)
{
    if (code < 0 || code >= kDocumentKindCount)
        return std::nullopt;
    return DocumentKind(code);
}

const DocumentKindInfo &kindInfo(DocumentKind kind)
{
    static const std::array<DocumentKindInfo, kDocumentKindCount> table = buildTable();
    return table[size_t(codeOf(kind))];
}

bool setsUpRichTextToolbar(DocumentKind kind, bool templateHasRichTextBoxes)
{
    switch (kindInfo(kind).richTextToolbar) {
    case RichTextToolbarUse::Never:
        return false;
    case RichTextToolbarUse::WhenTemplateHasRichText:
        return templateHasRichTextBoxes;
    case RichTextToolbarUse::Always:
        return true;
    }
    return false;
}

QString leafletStyle(DocumentKind kind, int leafletSizeChoice)
{
    const QString style = kindInfo(kind).leafletStyle;
    if (style == u"6b" && leafletSizeChoice == 1)
        return QStringLiteral("6s");
    return style;
}

QString startFolder(DocumentKind kind, int leafletSizeChoice)
{
    const DocumentKindInfo &info = kindInfo(kind);
    return leafletSizeChoice == 1 && !info.smallStartFolder.isEmpty() ? info.smallStartFolder
                                                                      : info.startFolder;
}

std::optional<DocumentKind> kindOfStartFolder(const QString &folder)
{
    for (int code = 0; code < kDocumentKindCount; ++code) {
        const DocumentKindInfo &info = kindInfo(DocumentKind(code));
        for (const QString &own : {info.startFolder, info.smallStartFolder})
            if (!own.isEmpty() && own.compare(folder, Qt::CaseInsensitive) == 0)
                return info.kind;
    }
    return std::nullopt;
}

} // namespace quillora
