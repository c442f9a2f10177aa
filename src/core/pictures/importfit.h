#pragma once
// The geometry of bringing a picture into a box: cropping it to the box's shape or
// letterboxing it inside, the import previews, the webcam preview bars, and the size of a
// picture imported as a new object.

#include <QImage>
#include <QRect>
#include <QSize>

namespace quillora {

enum class ImportFit { Crop, Letterbox };

// The part of the source that a crop keeps (drawn over the whole target).
QRect cropSourceRect(QSize source, QSize target);
// Where a letterboxed source lands inside the target; at the top left on "My layout" pages.
QRect letterboxTargetRect(QSize source, QSize target, bool alignTopLeft);

// Draws `source` into `target` by the choice; the rest of the target keeps its background.
void drawImported(QImage &target, const QImage &source, ImportFit fit, bool alignTopLeft);

// A preview box with the target's proportions and its longer side `longSide` pixels.
QSize previewSize(QSize target, int longSide = 200);

// The four bars that mask a camera preview to the target's proportions: top, bottom, left,
// right, in preview coordinates; all empty when the proportions agree within 0.02.
struct PreviewBars {
    QRect top, bottom, left, right;
    bool shown() const { return !top.isEmpty() || !left.isEmpty(); }
    // The part of the preview between the bars.
    QRect visible(QRect preview) const;
};
PreviewBars previewBars(QSize target, QRect preview);

// An image imported as a new object is sized to half the page, by the page's width when the
// image is relatively wider than the page, else by its height, keeping its proportions.
QSize importedObjectSize(QSize image, QSize page, double fitFactor = 0.5);

} // namespace quillora
