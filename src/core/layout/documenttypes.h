#pragma once
// The kinds of publication a child can start: their codes (the index of the start screen
// choice), captions, windows and template folders, and the set-up each kind asks for.

#include <QString>
#include <optional>

namespace quillora {

enum class DocumentWindow { Form1, Circle, Table, Postcard, Leaflet, Cartoon, Anywhere, Banner };

struct DocumentTypeInfo {
    int code = 0;
    QString caption; // the start screen caption, in English (translated when shown)
    DocumentWindow window = DocumentWindow::Form1;
    QString windowName;    // "Form1", "circleForm", ...
    QString startFolder;   // sub-folder of "layouts" listed on the start screen; "" for none
    QString menuFolder;    // sub-folder offered by the single-page window's template menu
    QString fixedTemplate; // template relative to "layouts" read without a choice; "" for none
};

constexpr int kDocumentTypeCount = 19; // codes 0..18

inline const QString kNotReadyMessage = QStringLiteral("Not ready");

namespace doctype {
constexpr int Simple = 0, Circle = 1, Table = 2, Shapes = 3, Postcard = 4, Booklet = 5,
              ComicStrip = 6, Card = 7, Multi = 8, Layouts = 9, News = 10, Anywhere = 11,
              Certificate = 12, Sign = 13, Display = 14, Leaflet = 15, Borders = 16, MyLayout = 17,
              Posters = 18;
}

// The table entry for a code; nothing for codes outside 0..18.
std::optional<DocumentTypeInfo> documentTypeInfo(int code);

// Whether a window for the code exists in this build; a new document of any other code is
// refused with kNotReadyMessage and the start screen comes back.
bool hasDocumentWindow(int code);

// Whether the code's page is a template page shown in the single-page window.
bool usesSinglePageWindow(int code);

// Whether the rich text toolbar is set up for a new document: always for 16, 17 and 18, and
// for 10 when its template has rich text boxes.
bool setsUpRichTextToolbar(int code, bool templateHasRichTextBoxes);

// Whether the border set-up is applied for a new document (codes 3, 12, 14 and 16).
bool appliesBorderSetup(int code);

// Whether the page sits 30 pixels lower to leave room for the rich text toolbar.
bool reservesRichTextToolbarRoom(int code);

// The leaflet style code of a leaflet kind ("4p", "4c", "6b"/"6s" by the size choice 0/1);
// "" for the other kinds.
QString leafletStyle(int code, int leafletSizeChoice = 0);

} // namespace quillora
