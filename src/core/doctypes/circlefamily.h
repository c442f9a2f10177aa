#pragma once
// The circle on the page model, and its page family. The window, the painting, text and undo
// controllers, saving, printing and the PNG export all see the circle through the page model:
//   picture box 0      the disc the child paints (`circPic`), shaped to the disc inside the ring
//   picture box 1 + i  segment i's own painting, upright; never shown
//   text box i         segment i's word, beside its segment
// The segments' pictures follow the disc only when the circle is about to turn or be saved
// (takePaintIntoSegments), so a stroke costs no more than on any other picture.

#include "core/doctypes/circle.h"
#include "core/doctypes/pagefamily.h"
#include "core/undo/undokinds.h"

namespace quillora {

constexpr int kDiscPictureBox = 0;
constexpr int segmentPictureBox(int segment)
{
    return segment + 1;
}

// The circle the page holds. Its `drawnDisc` is left null: takePaintIntoSegments draws it.
CirclePage circleOfPage(const PageModel &page);
// Puts the circle on the page (the page keeps where it stands in its window).
void putCircleOnPage(const CirclePage &circle, PageModel &page);
// A new circle of `segmentCount` segments on a landscape A4 page fitted by `fit`.
void buildNewCircle(PageModel &page, const PageFitInputs &fit, int segmentCount);
// Whatever the child painted on the disc since the segments were last drawn goes into them.
void takePaintIntoSegments(CirclePage &circle);

// The undo step of a turn: recorded with the turn's segment shift as its index, which the record
// keeps. Undoing back to a painting step moves the words and the segments' pictures back by it.
UndoKindHandler circleTurnUndoKind();

class CircleFamily final : public PageFamily {
public:
    // A circle has no template: a new one has the default number of segments.
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool writeMembers(const PageModel &page, const QString &folder, QString *error) const override;
    bool readMembers(PageModel &page, const QString &folder) const override;
    bool writeDescription(const PageModel &page, const Staging &staging,
                          const SavedLayoutOptions &options, QString *error) const override;
    bool readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                         QString *error) const override;
    QImage render(const PageModel &page, double sheetQuality) const override;
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;
};

} // namespace quillora
