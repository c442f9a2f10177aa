#pragma once
// The kinds of publication a child can start, in one table: for each kind its code (the index
// of the start screen choice), caption, window, template folders, start screen art, the undo
// kinds its window restores, its file dialog, whether its screen can be saved as PNG and the room
// its window leaves round the page. A rule that depends on the kind reads a column here; nothing
// compares kinds by number. The shipped kinds are in the table from the start; another kind
// joins it by registering its row (with its page family and window, one floor up each).

#include "core/layout/objectkinds.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quillora {

enum class DocumentKind {
    Simple,
    Circle,
    Table,
    Shapes,
    Postcard,
    Booklet,
    ComicStrip,
    Card,
    Multi,
    Layouts,
    News,
    Anywhere,
    Certificate,
    Sign,
    Display,
    Leaflet,
    Borders,
    MyLayout,
    Posters,
};

// The shipped kinds, codes 0..18, each with a tile on the start screen.
constexpr int kDocumentKindCount = 19;

// The code written into work files and shown on the start screen.
constexpr int codeOf(DocumentKind kind)
{
    return int(kind);
}
// The kind of a code; nothing for a code no kind is registered under.
std::optional<DocumentKind> documentKindFromCode(int code);

// The program's own dialog with previews, or the platform's standard dialog.
enum class FileDialogKind { Own, Standard };

// The column right of the page: none, the narrow one, or the wide one that holds the copies
// preview or a template menu.
enum class SideColumn { None, Narrow, Wide };

enum class RichTextToolbarUse { Never, WhenTemplateHasRichText, Always };

// The page of the choice dialog a kind asks before its page is built.
enum class ChoicePage { Circle, Table, Leaflet, None };

// How the page is fitted to the screen: beside the palettes and below the toolbar, or as a card
// in three quarters of the free area.
enum class PageFitRule { Desk, Card };

struct DocumentKindInfo {
    DocumentKind kind = DocumentKind::Simple;
    QString caption; // the start screen caption, in English (translated when shown)
    QString tileArt; // the start screen picture; "" for a kind without a tile
    // The window that shows the kind ("Form1", "circleForm", ...): kinds with one name share it.
    QString windowName;
    QString startFolder;      // sub-folder of "layouts" listed on the start screen; "" for none
    QString smallStartFolder; // the templates of the small leaflet (size choice 1)
    QString menuFolder;       // sub-folder offered by the single-page window's template menu
    QString fixedTemplate;    // template relative to "layouts" read without a choice; "" for none
    QVector<ObjectKind> undoKindsRestored; // the page's object kinds its window puts back
    FileDialogKind fileDialog = FileDialogKind::Standard;
    bool exportsScreenPng = true;
    SideColumn sideColumn = SideColumn::Narrow;
    bool richTextToolbarRoom = false; // the page sits lower, below the rich text toolbar
    RichTextToolbarUse richTextToolbar = RichTextToolbarUse::Never;
    bool standardBorder = false; // a new page gets the standard pattern border
    // The page is one page of boxes, built, saved, drawn and printed as the simple page is.
    bool pageOfBoxes = true;
    QString leafletStyle;          // "4p", "4c", "6b" (the large leaflet); "" for other kinds
    bool freeArrangement = false;  // objects are moved, added and taken off the page
    bool copiesSheet = false;      // printed as a sheet of repeated copies
    bool fontForAllBoxes = false;  // the font dialog offers to apply to every box
    bool firstPressPaints = false; // a press paints even on a picture that was not current
    bool addressedTexts = false;   // presentation typing writes a message and an address
    ChoicePage choicePage = ChoicePage::None;
    PageFitRule pageFit = PageFitRule::Desk;
    QString duplexNote;       // the print dialog's advice for printing on both sides; "" for none
    bool copiesChoice = true; // the print dialog offers the number of copies
};

// The row of a kind; a row with no window for a code no kind is registered under.
const DocumentKindInfo &kindInfo(DocumentKind kind);
// Adds the row of `row.kind` to the table, or replaces it. Kinds register before the program
// (or a test) opens its first window; the table is only read after that, from any thread.
void registerKindInfo(const DocumentKindInfo &row);

inline const QString kNotReadyMessage = QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Not ready"));

// Whether the rich text toolbar is set up for a new document of this kind.
bool setsUpRichTextToolbar(DocumentKind kind, bool templateHasRichTextBoxes);

// The leaflet style of a leaflet kind; the leaflet's size choice 1 makes the small one, "6s".
QString leafletStyle(DocumentKind kind, int leafletSizeChoice = 0);

// The folder of templates the start screen lists for a kind and the leaflet size choice.
QString startFolder(DocumentKind kind, int leafletSizeChoice = 0);
// The kind whose start screen lists `folder` (a sub-folder of "layouts").
std::optional<DocumentKind> kindOfStartFolder(const QString &folder);

} // namespace quillora
