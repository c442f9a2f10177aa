#pragma once
// The anywhere page: one big picture to paint on freely, with short texts placed anywhere over
// it. The picture is picture box 0 of the page model (the sheet less a 10 mm margin on every
// side); the texts are the page's floating texts, one a slot, slots 1..79. A text's box always
// ends a little after its last character: its width comes from its text, never the other way.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QSizeF>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace quillora {

// A text placed anywhere over the anywhere page's picture; its slot is its index in
// `AnywhereState::floatingTexts` (slot 0 is never used). Window pixels from the picture's
// top-left.
struct FloatingTextModel {
    TextStyle style;
    QRect geometry; // the text box: as wide as five spaces and the text, one line high
    QString text;
    bool visible = false; // the slot holds a text
    bool newby = false;   // added and not typed into yet
    bool operator==(const FloatingTextModel &) const = default;
};

// What an anywhere page keeps besides its picture: the text slots loaded so far. Painting and
// writing share one history, so undo keeps the texts with picture 0.
struct AnywhereState {
    QVector<FloatingTextModel> floatingTexts;
    static constexpr bool kFollowsPictureZero = true;

    bool operator==(const AnywhereState &) const = default;
    void translateWords(const std::function<QString(const QString &)> &translated);
    void addReadingPieces(const PageModel &page, QVector<KindReadingPiece> &pieces) const;
    std::optional<KindReadingPiece> currentReadingPiece(const PageModel &, int editedText) const;
};

// The page's text slots; none on a page of another kind.
const QVector<FloatingTextModel> &floatingTextsOf(const PageModel &page);

constexpr int kAnywhereMarginMm = 10;
constexpr int kAnywhereLongSideMm = 297;
constexpr int kAnywhereShortSideMm = 210;
// Texts use slots 1..79; slot 0 exists and is never used.
constexpr int kAnywhereTextSlots = 79;
// The sizes the resize handle gives a text: 8..143, and 7 when even 8 does not fit.
constexpr int kAnywhereSmallestFittingSize = 8;
constexpr int kAnywhereLargestFittingSize = 143;
constexpr int kAnywhereFittingFloor = 7;
// A new text's size per page pixel a millimetre: letters a child reads across the room.
constexpr double kAnywhereNewTextSizePerScale = 8.0;
// Handle and font button sit this far inside / above the selection frame.
constexpr int kAnywhereDecorationInset = 10;

// The five fonts of the font panel, each written in its own face. The fourth is Verdana, not
// a second Arial: two buttons that look and print alike would offer the child no choice, and
// a wide, open face reads well at a distance on the whiteboard.
inline const std::array<QString, 5> kAnywhereFonts = {
    QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"), QStringLiteral("Times New Roman"),
    QStringLiteral("Verdana"), QStringLiteral("Arial Black")};

// What the box of a text is measured from: five spaces before it, so the box ends a little after
// the last character and never wraps.
inline const QString kAnywhereTextLead = QStringLiteral("     ");

// Sets `page` up as a blank anywhere page: the A4 sheet in the orientation fitted to the window
// (`fitPage`, shared with the other fixed-sheet kinds), the picture the sheet less its margin,
// white, and no texts.
void setUpAnywherePage(PageModel &page, const PageFitInputs &fit, bool landscape);
bool isLandscapeAnywherePage(const PageModel &page);
// The page picture's place on the page (picture box 0); empty on a page not set up.
QRect anywherePictureRect(const PageModel &page);

// The style of a new text on a page of this scale.
TextStyle newFloatingTextStyle(float scale);
// The box of a text of this style: five spaces and its widest line across, its lines high.
QSize floatingTextBoxSize(const TextStyle &style, const QString &text);
void fitFloatingTextBox(FloatingTextModel &text);

// Takes away every text added and never typed into.
void removeNewbyTexts(PageModel &page);
// Adds a text whose left edge at mid-height is `at`, holding the placeholder "Abc" marked
// "newby", in the lowest free slot (loading one more while fewer than 79 are loaded). Untouched
// texts go first. Nothing when all 79 slots hold texts: the caller beeps.
std::optional<int> addFloatingText(PageModel &page, QPoint at);
// Whether `slot` names a text in use.
bool isFloatingText(const PageModel &page, int slot);
// The child typed: the text is no longer new and its box follows it.
void typeFloatingText(PageModel &page, int slot, const QString &text);
void moveFloatingText(PageModel &page, int slot, QPoint topLeft);
// A font of the panel: not underlined, no longer new.
void chooseFloatingTextFont(PageModel &page, int slot, const QString &fontName);
void colourFloatingText(PageModel &page, int slot, ColourRef colour);
// The toolbar's bigger and smaller buttons: `step` points, within the sizes the handle gives.
void stepFloatingTextSize(PageModel &page, int slot, int step);

// The selection frame round a text's box, the resize handle's top-left corner inside its
// lower-right corner, and the font button's top-left corner: above the frame's top edge, left
// of the frame, so it never covers the handle or the first letters.
struct FloatingTextDecorations {
    QRect frame;
    QPoint resizeHandle;
    QPoint fontButton;
};
FloatingTextDecorations decorationsFor(const QRect &textBox, int fontButtonWidth);
// Where a dragged resize handle may go: right of and below the frame's top-left corner, inside
// the picture.
QPoint clampResizeHandle(QPoint proposed, const QRect &frame, const QSize &pictureSize,
                         const QSize &handleSize);
// The frame as the handle at `handle` (top-left corner) stretches it.
QRect frameForResizeHandle(const QRect &frame, QPoint handle);

// The largest size (8..143) at which the text fits inside `frame`; 7 when even 8 does not fit.
int largestFittingSize(const TextStyle &style, const QString &text, const QSizeF &frame);
// The handle was let go with the frame at `frame`: the text takes the largest fitting size.
void resizeFloatingText(PageModel &page, int slot, const QRect &frame);

// Counts one press on the page or key let go in a text as a change. The count never wraps back
// below the count at the last save, so work done after many presses is still offered for saving.
void countAnywhereChange(PageModel &page);

} // namespace quillora
