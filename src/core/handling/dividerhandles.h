#pragma once
// Divider handles: a square on a guide line between boxes of a page. Dragging it up or down
// moves the line; the boxes above it end on the line and the boxes below start on it, so they
// stay joined while one grows and the other shrinks.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringView>
#include <QVector>

#include <optional>

namespace quillora {

// No box beside a handle is dragged lower than this: a box of a few pixels is still a place a
// child can see, press and drag back out.
constexpr int kMinDividedBoxHeightPx = 12;

// An object beside a handle, named by a kind letter ("p" picture box, "t" text box, "r" rich
// text box) and a two-digit index.
struct DividedObject {
    ObjectKind kind = ObjectKind::Nothing;
    int index = 0;
    bool operator==(const DividedObject &) const = default;
};

// The object a name stands for, when the name is well formed and the page holds that object.
std::optional<DividedObject> dividedObject(const PageModel &page, QStringView name);

// The objects a handle moves: every valid name of both lists once, boxes above first.
QVector<DividedObject> objectsBesideHandle(const PageModel &page, int handleIndex);

// The distance handle `handleIndex` may move towards `wantedCentreY` (page pixels): its centre
// stays between its least and greatest height, and no box beside it gets lower than `minHeight`
// (a box already lower may grow back but never shrink further). 0 for a missing handle.
int allowedHandleMove(const PageModel &page, int handleIndex, int wantedCentreY,
                      int minHeight = kMinDividedBoxHeightPx);

// Moves the handle by `distance` without further checks: the boxes above grow at their bottom
// edge, the boxes below move their top edge and shrink by the same amount. Picture boxes keep
// their paint where it lies on the page; new room is white paper. Returns the objects changed.
QVector<DividedObject> moveHandleBy(PageModel &page, int handleIndex, int distance);

// The drag of one handle: the allowed move towards `wantedCentreY`, then applied. Returns the
// distance moved (0 when nothing moved).
int dragHandleTo(PageModel &page, int handleIndex, int wantedCentreY,
                 int minHeight = kMinDividedBoxHeightPx);

// A picture cut or extended to a new place on the page, its pixels kept where they lie on the
// page; room outside the old place is white. A null picture stays null.
QImage pictureMovedOnPage(const QImage &picture, const QRect &from, const QRect &to);

} // namespace quillora
