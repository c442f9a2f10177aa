#include "core/layout/documenttypes.h"

#include <array>

namespace quillora {

namespace {

struct Row {
    const char *caption;
    DocumentWindow window;
    const char *startFolder;
    const char *menuFolder;
    const char *fixedTemplate;
};

constexpr std::array<Row, kDocumentTypeCount> kRows = {{
    {"Simple", DocumentWindow::Form1, "", "", "simple/simple.xml"},
    {"Circle", DocumentWindow::Circle, "", "", ""},
    {"Table", DocumentWindow::Table, "", "", ""},
    {"Shapes", DocumentWindow::Form1, "", "shaped borders", ""},
    {"Postcard", DocumentWindow::Postcard, "", "", ""},
    {"Booklet", DocumentWindow::Leaflet, "", "", ""},
    {"Comic-strip", DocumentWindow::Cartoon, "cartoon", "", ""},
    {"Card", DocumentWindow::Leaflet, "", "", ""},
    {"Multi", DocumentWindow::Form1, "multi", "", ""},
    {"Layouts", DocumentWindow::Form1, "layouts", "", ""},
    {"News", DocumentWindow::Form1, "news", "", ""},
    {"Anywhere", DocumentWindow::Anywhere, "", "", ""},
    {"Certificate", DocumentWindow::Form1, "certificate", "", ""},
    {"Sign", DocumentWindow::Form1, "", "signs", "signs/1.xml"},
    {"Display", DocumentWindow::Banner, "display", "", ""},
    {"Leaflet", DocumentWindow::Leaflet, "", "", ""},
    {"Borders", DocumentWindow::Form1, "borders", "", ""},
    {"My layout", DocumentWindow::Form1, "advanced", "", ""},
    {"Posters", DocumentWindow::Form1, "posters", "", ""},
}};

QString windowName(DocumentWindow window)
{
    switch (window) {
    case DocumentWindow::Form1:
        return QStringLiteral("Form1");
    case DocumentWindow::Circle:
        return QStringLiteral("circleForm");
    case DocumentWindow::Table:
        return QStringLiteral("tableForm");
    case DocumentWindow::Postcard:
        return QStringLiteral("postCardForm");
    case DocumentWindow::Leaflet:
        return QStringLiteral("LeafletForm");
    case DocumentWindow::Cartoon:
        return QStringLiteral("cartoonForm");
    case DocumentWindow::Anywhere:
        return QStringLiteral("anyWhereForm");
    case DocumentWindow::Banner:
        return QStringLiteral("BannerForm");
    }
    return {};
}

bool isCode(int code)
{
    return code >= 0 && code < kDocumentTypeCount;
}

} // namespace

std::optional<DocumentTypeInfo> documentTypeInfo(int code)
{
    if (!isCode(code))
        return std::nullopt;
    const Row &row = kRows[size_t(code)];
    DocumentTypeInfo info;
    info.code = code;
    info.caption = QString::fromLatin1(row.caption);
    info.window = row.window;
    info.windowName = windowName(row.window);
    info.startFolder = QString::fromLatin1(row.startFolder);
    info.menuFolder = QString::fromLatin1(row.menuFolder);
    info.fixedTemplate = QString::fromLatin1(row.fixedTemplate);
    return info;
}

bool usesSinglePageWindow(int code)
{
    return isCode(code) && kRows[size_t(code)].window == DocumentWindow::Form1;
}

bool hasDocumentWindow(int code)
{
    // Only the single-page window exists so far; the other windows join this list as they come.
    return usesSinglePageWindow(code);
}

bool setsUpRichTextToolbar(int code, bool templateHasRichTextBoxes)
{
    return code == doctype::Borders || code == doctype::MyLayout || code == doctype::Posters ||
           (code == doctype::News && templateHasRichTextBoxes);
}

bool appliesBorderSetup(int code)
{
    return code == doctype::Shapes || code == doctype::Certificate || code == doctype::Display ||
           code == doctype::Borders;
}

bool reservesRichTextToolbarRoom(int code)
{
    return code == doctype::News || code == doctype::Borders || code == doctype::MyLayout ||
           code == doctype::Posters;
}

QString leafletStyle(int code, int leafletSizeChoice)
{
    switch (code) {
    case doctype::Booklet:
        return QStringLiteral("4p");
    case doctype::Card:
        return QStringLiteral("4c");
    case doctype::Leaflet:
        return leafletSizeChoice == 1 ? QStringLiteral("6s") : QStringLiteral("6b");
    default:
        return {};
    }
}

} // namespace quillora
