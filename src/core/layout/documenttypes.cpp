#include "core/layout/documenttypes.h"

#include "core/layout/kindcodes.h"
#include "core/layout/objectkinds.h"

#include <map>

namespace quillora {

namespace {

DocumentKindInfo shownIn(const char *windowName, const QVector<ObjectKind> &undoKindsRestored)
{
    DocumentKindInfo info;
    info.windowName = QString::fromLatin1(windowName);
    info.undoKindsRestored = undoKindsRestored;
    return info;
}

DocumentKindInfo singlePage(const char *caption, const char *startFolder = "")
{
    using enum ObjectKind;
    DocumentKindInfo info =
        shownIn("Form1", {Border, Picture, Text, RichText, Handles, MovedPicture, MovedRichText,
                          AddedPicture, AddedRichText});
    info.caption = QString::fromLatin1(caption);
    info.startFolder = QString::fromLatin1(startFolder);
    return info;
}

DocumentKindInfo otherWindow(const char *caption, const char *windowName,
                             const QVector<ObjectKind> &undoKindsRestored)
{
    DocumentKindInfo info = shownIn(windowName, undoKindsRestored);
    info.caption = QString::fromLatin1(caption);
    info.pageOfBoxes = false;
    return info;
}

DocumentKindInfo leaflet(const char *caption, const char *style)
{
    using enum ObjectKind;
    DocumentKindInfo info =
        otherWindow(caption, "LeafletForm", {Picture, Border, Text, RichText, Handles});
    info.leafletStyle = QString::fromLatin1(style);
    info.exportsScreenPng = false;
    return info;
}

std::map<int, DocumentKindInfo> buildTable()
{
    using enum ObjectKind;
    std::map<int, DocumentKindInfo> rows;
    auto row = [&rows](DocumentKind kind) -> DocumentKindInfo & { return rows[codeOf(kind)]; };

    row(DocumentKind::Simple) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Simple"));
    row(DocumentKind::Simple).fixedTemplate = QStringLiteral("simple/simple.xml");
    row(DocumentKind::Simple).sideColumn = SideColumn::None;

    // The words too: typing records their steps, and an undo button that shows for them must
    // put them back.
    row(DocumentKind::Circle) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Circle"), "circleForm", {Picture, Text});
    row(DocumentKind::Circle).fontForAllBoxes = true;
    row(DocumentKind::Circle).choicePage = ChoicePage::Circle;

    // A table's cells and title are the page's own picture and text boxes.
    row(DocumentKind::Table) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Table"), "tableForm", {Picture, Text});
    row(DocumentKind::Table).fontForAllBoxes = true;
    row(DocumentKind::Table).firstPressPaints = true;
    row(DocumentKind::Table).choicePage = ChoicePage::Table;

    row(DocumentKind::Shapes) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Shapes"));
    row(DocumentKind::Shapes).menuFolder = QStringLiteral("shaped borders");
    row(DocumentKind::Shapes).sideColumn = SideColumn::Wide;
    row(DocumentKind::Shapes).standardBorder = true;

    row(DocumentKind::Postcard) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Postcard"), "postCardForm", {Picture, Text});
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
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Comic-strip"), "cartoonForm", {Picture});
    row(DocumentKind::ComicStrip).startFolder = QStringLiteral("cartoon");

    row(DocumentKind::Card) = leaflet(QT_TRANSLATE_NOOP("Quillora", "Card"), "4c");
    row(DocumentKind::Card).startFolder = QStringLiteral("card");

    row(DocumentKind::Multi) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Multi"), "multi");
    row(DocumentKind::Multi).sideColumn = SideColumn::Wide;
    row(DocumentKind::Multi).copiesSheet = true;

    row(DocumentKind::Layouts) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Layouts"), "layouts");

    row(DocumentKind::News) = singlePage(QT_TRANSLATE_NOOP("Quillora", "News"), "news");
    row(DocumentKind::News).richTextToolbarRoom = true;
    row(DocumentKind::News).richTextToolbar = RichTextToolbarUse::WhenTemplateHasRichText;

    // The page picture is picture 0; its record carries the texts placed over it.
    row(DocumentKind::Anywhere) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Anywhere"), "anyWhereForm", {Picture});

    row(DocumentKind::Certificate) =
        singlePage(QT_TRANSLATE_NOOP("Quillora", "Certificate"), "certificate");
    row(DocumentKind::Certificate).standardBorder = true;

    row(DocumentKind::Sign) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Sign"));
    row(DocumentKind::Sign).menuFolder = QStringLiteral("signs");
    row(DocumentKind::Sign).fixedTemplate = QStringLiteral("signs/1.xml");
    row(DocumentKind::Sign).sideColumn = SideColumn::Wide;

    row(DocumentKind::Display) =
        otherWindow(QT_TRANSLATE_NOOP("Quillora", "Display"), "BannerWindow", {Border});
    row(DocumentKind::Display).startFolder = QStringLiteral("display");
    row(DocumentKind::Display).exportsScreenPng = false;
    row(DocumentKind::Display).copiesChoice = false;

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
    row(DocumentKind::MyLayout).richTextToolbarRoom = true;
    row(DocumentKind::MyLayout).richTextToolbar = RichTextToolbarUse::Always;
    row(DocumentKind::MyLayout).freeArrangement = true;

    row(DocumentKind::Posters) = singlePage(QT_TRANSLATE_NOOP("Quillora", "Posters"), "posters");
    row(DocumentKind::Posters).richTextToolbarRoom = true;
    row(DocumentKind::Posters).richTextToolbar = RichTextToolbarUse::Always;

    // These kinds keep the program's own file dialog with its previews.
    for (DocumentKind kind : {DocumentKind::Simple, DocumentKind::Circle, DocumentKind::Table,
                              DocumentKind::Shapes, DocumentKind::Postcard})
        row(kind).fileDialog = FileDialogKind::Own;
    for (auto &[code, info] : rows) {
        info.kind = DocumentKind(code);
        info.tileArt = QStringLiteral(":/art/kinds/kind%1.svg").arg(code);
    }
    return rows;
}

struct KindTable {
    std::map<int, DocumentKindInfo> rows;
    std::vector<int> codes; // in the order the kinds joined
};

KindTable &kindTable()
{
    static KindTable table = [] {
        KindTable shipped{buildTable(), {}};
        for (const auto &[code, info] : shipped.rows)
            shipped.codes.push_back(code);
        return shipped;
    }();
    return table;
}

} // namespace

std::optional<DocumentKind> documentKindFromCode(int code)
{
    if (kindTable().rows.count(code) == 0)
        return std::nullopt;
    return DocumentKind(code);
}

const DocumentKindInfo &kindInfo(DocumentKind kind)
{
    static const DocumentKindInfo unregistered = [] {
        DocumentKindInfo info;
        info.pageOfBoxes = false;
        return info;
    }();
    const auto found = kindTable().rows.find(codeOf(kind));
    return found == kindTable().rows.end() ? unregistered : found->second;
}

void registerKindInfo(const DocumentKindInfo &row)
{
    KindTable &table = kindTable();
    if (table.rows.insert_or_assign(codeOf(row.kind), row).second)
        table.codes.push_back(codeOf(row.kind));
}

std::vector<int> kindCodes()
{
    return kindTable().codes;
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
    for (const auto &[code, info] : kindTable().rows) {
        for (const QString &own : {info.startFolder, info.smallStartFolder})
            if (!own.isEmpty() && own.compare(folder, Qt::CaseInsensitive) == 0)
                return info.kind;
    }
    return std::nullopt;
}

} // namespace quillora
