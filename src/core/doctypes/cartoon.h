#pragma once
// Comic strips: frames painted like any picture box, and speech bubbles, thought bubbles and
// caption boxes over them. This is their geometry: where a bubble's outline, tail, text and
// handles lie, what a press hits, and what creating, resizing, dragging and binning do to the
// page's bubbles. A bubble's surface is W x H; its outline takes the middle half, so the tail
// may reach anywhere in the rest. Positions are window pixels relative to the bubble's frame.

#include "core/layout/pagemodel.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

#include <functional>
#include <optional>

namespace quillora {

// A comic strip's speech bubble, thought bubble or caption box, lying over one of its frames.
enum class BubbleKind { Speech = 0, Thought = 1, Caption = 2 };

struct BubbleModel {
    BubbleKind kind = BubbleKind::Speech;
    int frame = 0;  // the picture box it lies on; positions are relative to it
    QRect geometry; // the bubble's whole surface; its outline takes the middle half
    QPoint tip;     // where the tail points (speech and thought bubbles)
    QString text;
    TextStyle style;
    bool visible = false; // hidden bubbles are free slots for the next new one
};

// What a comic strip keeps on its page besides its boxes.
struct ComicStripState {
    QVector<BubbleModel> bubbles;

    void translateWords(const std::function<QString(const QString &)> &translated);
    // A template brings its own frames, so the bubbles over the old ones go.
    void resetForTemplate() { bubbles.clear(); }
    void addReadingPieces(const PageModel &page, QVector<KindReadingPiece> &pieces) const;
    std::optional<KindReadingPiece> currentReadingPiece(const PageModel &page, int) const;
};

// The page's bubbles; none on a page of another kind.
const QVector<BubbleModel> &bubblesOf(const PageModel &page);

// The size handle's distance from the centre stays within these (the upper one a share of the
// frame's width).
constexpr int kMinBubbleReach = 30;
constexpr double kMaxBubbleReachShare = 0.32;
// Bubbles a page holds at most; a description asking for more has the rest left out.
constexpr int kMaxBubbles = 60;
// Bubbles on small screens, and their font.
constexpr int kSmallScreenWidthPx = 800;
constexpr double kSmallScreenBubbleFontSize = 12.0;

// The angle, 0 to 2π, of the tip seen from the centre with the ellipse's semi-axes taken as
// one: π/2 straight down, π to the left, 3π/2 straight up and for a tip on the centre.
double tailDirection(QPointF centre, QPointF tip, double rx, double ry);

// The shapes of a bubble on its own surface (0, 0 = the surface's top-left corner).
struct BubbleLayout {
    QPointF centre;
    int rx = 0; // semi-axes of the ellipse, a quarter of the surface
    int ry = 0;
    QRect textArea; // where its words go
};
BubbleLayout bubbleLayout(BubbleKind kind, QSize surface);

// The speech bubble's outline: the tip, then the ellipse from 2 steps of π/48 past the tail's
// direction round to 2 steps before it.
QPolygonF speechOutline(QSize surface, QPointF tip);
// The thought bubble's trail of shrinking puffs from the ellipse towards the tip.
QVector<QRectF> thoughtTrail(QSize surface, QPointF tip);
// Everything of the bubble that is drawn white with a black line, on its own surface.
QPainterPath bubbleShape(const BubbleModel &bubble);
// Whether a point of the bubble's frame lies on the bubble.
bool bubbleContains(const BubbleModel &bubble, QPoint framePoint);

// The bubble's text box, its font shrunk until the words fit (4 points at least) and its top
// lowered so the lines stand in the middle of the text area; relative to the frame.
TextBoxModel bubbleTextBox(const BubbleModel &bubble);
// Shrinks the bubble's font to its text area. True when the size changed.
bool fitBubbleText(BubbleModel &bubble);

// The size handle sits on the corner of the outline's box, down and right of the centre.
QPoint sizeHandleCentre(const BubbleModel &bubble);
int maxBubbleReach(int frameWidth);
// The bubble resized so its size handle comes as near `handle` as the limits allow; the
// centre stays, the proportions stay, the tip is kept on the surface.
QRect resizedBubble(const BubbleModel &bubble, QPoint handle, int frameWidth);
// The tip moved within reach of the surface.
QPoint clampedTip(const QRect &surface, QPoint tip);

// A new bubble's surface and font for a screen of this width on a frame of this width.
QSize defaultBubbleSize(int screenWidthPx, int frameWidth);
double defaultBubbleFontSize(int screenWidthPx);

// The picture box under a point of the page; -1 for none.
int frameAt(const PageModel &page, QPoint pagePoint);

// Makes a bubble of `kind` centred on `at` in `frame`, in the lowest hidden slot or a new one,
// with its tail pointing down and left of it. Returns its index; -1 when the frame does not
// exist or the page holds kMaxBubbles already.
int createBubble(PageModel &page, BubbleKind kind, int frame, QPoint at, QSize surface,
                 const TextStyle &style);
// Hides the bubble and empties its text: its slot is free again.
void deleteBubble(PageModel &page, int index);
// Moves a bubble (and its tip) so its surface's top-left corner is at `topLeft`.
void moveBubble(BubbleModel &bubble, QPoint topLeft);

enum class BubbleDrop { Stayed, ChangedFrame, WentBack, Binned };
// A dragged bubble let go with the pointer at `pagePoint`: over the bin it is deleted, in its
// own frame it stays, in another frame it moves there (positions converted by the frames'
// offset), outside every frame it goes back to `startTopLeft`.
BubbleDrop dropBubble(PageModel &page, int index, QPoint pagePoint, bool overBin,
                      QPoint startTopLeft);

} // namespace quillora
