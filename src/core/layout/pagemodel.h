#pragma once
// The one page in work: its objects, their fields in window pixels, the border, the current
// object and the change counts. Windows show it; painting, text, files, undo and printing work on
// it.

#include "core/layout/progresssteps.h"
#include "core/layout/colour.h"
#include "core/layout/documenttypes.h"
#include "core/layout/kindstate.h"
#include "core/layout/objectkinds.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

namespace quillora {

inline const QString kPlaceholderText = QStringLiteral("Abc");

// Highest picture box index a page may hold (81 boxes, 0..80).
constexpr int kMaxPictureBoxIndex = 80;
// Highest divider handle index (21 handles, 0..20).
constexpr int kMaxHandleIndex = 20;
// Text, rich text, line and box indexes above this are refused: no real page needs more,
// and a hostile template must not make us allocate without bound.
constexpr int kMaxObjectIndex = 199;

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct TextStyle {
    QString fontName = QStringLiteral("arial");
    double fontSize = 12.0; // points, fractions allowed
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Alignment align = Alignment::Left;
    ColourRef colour = 0;
    bool operator==(const TextStyle &) const = default;
};

struct TextBoxModel {
    TextStyle style;
    QRect geometry; // window pixels, relative to the page
    QString text = kPlaceholderText;
    bool multiLine = true; // template boxes wrap and accept line breaks
    bool visible = false;
};

struct RichTextBoxModel {
    TextStyle style; // the base style applied to the whole text by a template
    QRect geometry;
    QString rtf; // the content as Rich Text Format; empty = placeholder only
    QString plainText = kPlaceholderText;
    bool visible = false;
};

struct PictureBoxModel {
    QRect geometry;
    QImage image; // the picture's own pixels (geometry size); null when emptied
                  // by a template read: a blank white picture until painted
    QString tag;  // "file" + name for imported pictures on "My layout"
    double importedDiagonalAngle = 0.0; // radians: atan2(height, width) of the picture as imported
    int repeatType = 0;
    int repeatOffsetX = 0;
    int horizontalRepeats = 0;
    int repeatWidth = 0;
    int repeatOffsetY = 0;
    int verticalRepeats = 0;
    int repeatHeight = 0;
    int symmetryType = 0;
    int rotations = 0;
    int copyTo = 0;
    bool hasMaskPicture = false;
    QImage mask; // the mask picture beside the template; set exactly when
                 // hasMaskPicture is true after a template read
    bool visible = false;
    // The picture's bytes as a work file last stored them, with the cache key `image` had then:
    // while the key is the same the pixels are unchanged, and a save writes these bytes again
    // instead of encoding the picture. Filled by the save and the open of a table's cells.
    struct StoredBytes {
        qint64 imageKey = 0;
        QByteArray bytes;
    };
    mutable StoredBytes stored;
};

struct HandleModel {
    int sizePx = 0; // side of the square
    QPoint centre;  // window pixels relative to the page
    int minY = 0;   // range of the centre, pixels
    int maxY = 0;
    QStringList boxesAbove; // three-character names: kind letter + two-digit index
    QStringList boxesBelow;
    bool visible = false;
};

struct LineModel {
    QPoint from;
    QPoint to;
    int thickness = 1;
};

struct BoxModel {
    QRect rect;
};

enum class BorderType { None = 0, Pattern = 1, Map = 2 };

struct BorderModel {
    BorderType type = BorderType::None;
    int edgeWidth = 0;
    int edgeHeight = 0;
    int tileWidth = 0;  // pattern: tile size in pixels; map: wsf
    int tileHeight = 0; // pattern: tile size in pixels; map: hsf
    QImage map;         // the border map bitmap beside the template
    QImage picture;     // the painted border area
};

struct CurrentObject {
    ObjectKind kind = ObjectKind::Nothing;
    int index = 0;
    bool operator==(const CurrentObject &) const = default;
};

// A text the page's kind keeps itself, as reading aloud takes it: the object it belongs to (an
// anywhere page's floating text is of kind Nothing, with its slot), where it lies and its words.
struct KindReadingPiece {
    CurrentObject source;
    int floatingSlot = 0;
    QRect where;
    QString text;
};

struct PageModel {
    DocumentKind documentType = DocumentKind::Simple;
    QString layoutPath;
    int pageWidthMm = 0;
    int pageHeightMm = 0;
    float scale = 1.0f; // window pixels per millimetre of the printed sheet
    QRect pageRect;     // where the page sits in its window

    int announcedTextBoxes = 0;
    int announcedPictureBoxes = 0;
    int announcedRichTextBoxes = 0;
    int announcedHandles = 0;
    int announcedLines = 0;
    int announcedBoxes = 0;

    QVector<TextBoxModel> textBoxes;
    QVector<RichTextBoxModel> richTextBoxes;
    QVector<PictureBoxModel> pictureBoxes;
    QVector<HandleModel> handles;
    QVector<LineModel> lines;
    QVector<BoxModel> boxes;
    BorderModel border;
    QRect maskRect;         // the page's mask picture placement (window pixels)
    bool autoRepeat = true; // the copies sheet chooses its own count
    int repeatCount = 2;
    KindState ownState; // the state its kind keeps for itself; see kindState()

    CurrentObject current;
    qint32 changeCount = 0;
    qint32 countAtLastSave = 0;
    ProgressSteps progressSteps; // how the work grew; kept through template switches
    bool presentationTyping = false;
    // Objects of a stored page description that could not be used and were left out.
    int objectsSkippedOnRead = 0;

    bool hasUnsavedChanges() const { return changeCount > 0 && changeCount > countAtLastSave; }

    // The kind's own state, typed where the kind uses it; a page holds one kind's at a time.
    // kindState() makes it when the page holds none (or another kind's); findKindState() only
    // looks, for code that may meet a page of another kind.
    template <typename T> T &kindState() { return ownState.get<T>(); }
    template <typename T> const T *findKindState() const { return ownState.find<T>(); }
    template <typename T> T *findKindState() { return ownState.find<T>(); }
};

} // namespace quillora
