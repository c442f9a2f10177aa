#pragma once
// Folded publications (booklets, cards, leaflets): their styles and page sizes, where the pages
// stand on screen, which pages each view shows, which page every object belongs to, and the
// pictures of the pages that the page turn and printing draw from.
//
// All objects of every page live in the one page model, each placed relative to its own page.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace quillora {

enum class LeafletStyle { Booklet, Card, LargeLeaflet, SmallLeaflet };

// "4p", "4c", "6b", "6s", as work files name them.
QString leafletStyleCode(LeafletStyle style);
std::optional<LeafletStyle> leafletStyleFromCode(QStringView code);

// The style a kind opens with, as the table of kinds names it: a booklet, a card, the large
// leaflet (size choice 0) or the small one (1); nothing for the other kinds.
std::optional<LeafletStyle> defaultLeafletStyle(DocumentKind kind, int sizeChoice = 0);
// Whether a style can belong to a kind: a card is always "4c", a leaflet "6b" or "6s".
bool styleBelongsToKind(LeafletStyle style, DocumentKind kind);
// The style of a leaflet page model: its kind, and for leaflets its page height.
std::optional<LeafletStyle> leafletStyleOfPage(const PageModel &page);

struct LeafletStyleInfo {
    int pageCount = 4;
    QSizeF pageMm;     // one page on the printed sheet
    QSizeF displayMm;  // the spread, 1.2 pages high to leave room for the turning page
    QSize wholePageMm; // the page size a page description names (whole millimetres)
    bool hasFlap = false;
    bool hasBorder = false; // the card's front carries a painted border
};
LeafletStyleInfo leafletStyleInfo(LeafletStyle style);

// ---- Where things stand on screen ----------------------------------------------------------

struct LeafletScreenGeometry {
    QSize freeArea;     // what the window leaves for the leaflet
    QRect holder;       // `PaperHolder`, relative to the free area's top-left corner
    float scale = 1.0f; // window pixels per millimetre of the printed sheet
    QSize panelSize;    // one page as shown

    // `Paper(index)` relative to the holder: the panels stand side by side along its top.
    QRect panel(int index) const { return QRect(QPoint(index * panelSize.width(), 0), panelSize); }
    // The fold the pages turn about, and the hinge of the six-page flap.
    QPoint pageHinge() const { return panel(1).topLeft(); }
    QPoint flapHinge() const { return panel(2).topLeft(); }
};

// The leaflet fitted to a screen: limited by its height on a wide screen (centred) and by its
// width on a tall one.
LeafletScreenGeometry leafletScreenGeometry(LeafletStyle style, QSize screen);

// The card's front border: pattern tiles of 15 mm, 7.5 mm in from the sides and 6.5 mm from top
// and bottom, so six tiles span the width and nine the height. The painted picture is kept.
BorderModel cardBorder(float scale, const QImage &paintedPicture = {});

// ---- Views -----------------------------------------------------------------------------------

enum class LeafletView { Front = 0, Inside = 1, Back = 3, FlapOpen = 4 };

struct LeafletViewLayout {
    std::array<int, 3> pageOnPanel{-1, -1, -1}; // the page each `Paper(n)` shows; -1 hidden
    bool previous = false;
    bool next = false;
    bool openFlap = false;
    bool closeFlap = false;
};
LeafletViewLayout leafletViewLayout(LeafletStyle style, LeafletView view);

// The page object `index` of any kind (text, rich text, picture) stands on: one object of a
// kind per page on cards and small leaflets, round the pages again on booklets and large
// leaflets; -1 when its page does not exist.
int leafletPageOfObject(LeafletStyle style, int index);

// Degrees the page turns per animation tick: the `leaftletTurnAngle` setting, 15 when it is
// not a usable step (a step of 0 would never end a turn).
int leafletTurnStep(int turnAngleSetting);

// ---- Page pictures -------------------------------------------------------------------------

// The page model holding only page `page`'s objects, sized as one page panel: what the page
// turn, the print and the thumbnails draw. The card's front keeps its border.
PageModel leafletPageModel(const PageModel &leaflet, LeafletStyle style, int page);

// The front cover scaled to fit `bounds` with its objects' frames: the leaflet's thumbnail.
QImage leafletThumbnail(const PageModel &leaflet, LeafletStyle style, QSize bounds);

// One picture per page (`pageStorePic(n)`), each with its changed mark.
struct LeafletPagePictures {
    QVector<QImage> pictures;
    QVector<bool> changed;

    // Every page marked changed, for a leaflet just built or opened.
    void reset(int pageCount);
    void markChanged(int page);
    // Draws every page marked changed again from the page model and clears its mark.
    void bringUpToDate(const PageModel &leaflet, LeafletStyle style);
};

} // namespace quillora
