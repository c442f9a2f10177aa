#include "core/doctypes/circlefamily.h"

#include "core/doctypes/circledescription.h"
#include "core/doctypes/circledrawing.h"
#include "core/doctypes/circleprint.h"
#include "core/files/staging.h"
#include "core/layout/objectkinds.h"

namespace quillora {

namespace {

// The painting keeps to the disc inside the ring: a mask picture is dark where it may paint.
QImage discMaskPicture(const CircleGeometry &geometry)
{
    QImage mask = discPaintShape(geometry);
    mask.invertPixels();
    return mask;
}

int segmentCountOf(const PageModel &page)
{
    return clampSegmentCount(int(page.textBoxes.size()));
}

// Moves the words and the segments' pictures on by `shift` segments, clockwise positive.
void shiftSegmentsOnPage(PageModel &page, int shift, QVector<UndoTarget> &changed)
{
    const int count = segmentCountOf(page);
    if (page.textBoxes.size() < count || page.pictureBoxes.size() < segmentPictureBox(count))
        return;
    const int forward = ((shift % count) + count) % count;
    QVector<TextBoxModel> words = page.textBoxes.mid(0, count);
    QVector<QImage> pictures;
    for (int segment = 0; segment < count; ++segment)
        pictures.append(page.pictureBoxes[segmentPictureBox(segment)].image);
    for (int segment = 0; segment < count; ++segment) {
        const int from = (segment - forward + count) % count;
        page.textBoxes[segment].text = words[from].text;
        page.textBoxes[segment].style = words[from].style;
        page.pictureBoxes[segmentPictureBox(segment)].image = pictures[from];
        changed.append({ObjectKind::Text, segment});
        changed.append({ObjectKind::Picture, segmentPictureBox(segment)});
    }
}

PageFit circlePageFit(const PageFitInputs &fit)
{
    return fitPage(fit, kCirclePageWidthMm, kCirclePageHeightMm);
}

void placePage(PageModel &page, const PageFit &fitted)
{
    page.pageWidthMm = kCirclePageWidthMm;
    page.pageHeightMm = kCirclePageHeightMm;
    page.pageRect = fitted.pageRect;
    page.scale = circlePageScale(fitted.pageRect.size());
}

} // namespace

CirclePage circleOfPage(const PageModel &page)
{
    CirclePage circle;
    circle.pageSize = page.pageRect.size();
    const int count = segmentCountOf(page);
    circle.segments.resize(count);
    for (int segment = 0; segment < count; ++segment) {
        CircleSegment &target = circle.segments[segment];
        if (segment < page.textBoxes.size()) {
            target.text = page.textBoxes[segment].text;
            target.style = page.textBoxes[segment].style;
        }
        if (segmentPictureBox(segment) < page.pictureBoxes.size())
            target.picture = page.pictureBoxes[segmentPictureBox(segment)].image;
    }
    if (!page.pictureBoxes.isEmpty())
        circle.disc = page.pictureBoxes[kDiscPictureBox].image;
    return circle;
}

void putCircleOnPage(const CirclePage &circle, PageModel &page)
{
    const CircleLayout layout = circle.layout();
    const int count = circle.segmentCount();
    page.richTextBoxes.clear();
    page.handles.clear();
    page.lines.clear();
    page.boxes.clear();
    page.border = {};
    page.announcedPictureBoxes = count + 1;
    page.announcedTextBoxes = count;

    page.pictureBoxes.resize(segmentPictureBox(count));
    PictureBoxModel &disc = page.pictureBoxes[kDiscPictureBox];
    if (disc.geometry != layout.disc || disc.mask.isNull())
        disc.mask = discMaskPicture(layout.geometry);
    disc.geometry = layout.disc;
    disc.image = circle.disc;
    disc.hasMaskPicture = true;
    disc.visible = true;
    page.textBoxes.resize(count);
    for (int segment = 0; segment < count; ++segment) {
        PictureBoxModel &picture = page.pictureBoxes[segmentPictureBox(segment)];
        picture.geometry = QRect();
        picture.image = circle.segments[segment].picture;
        picture.visible = false;
        page.textBoxes[segment] = segmentTextBox(circle, layout, segment);
    }
}

void buildNewCircle(PageModel &page, const PageFitInputs &fit, int segmentCount)
{
    const PageFit fitted = circlePageFit(fit);
    placePage(page, fitted);
    putCircleOnPage(newCirclePage(fitted.pageRect.size(), segmentCount), page);
}

void takePaintIntoSegments(CirclePage &circle)
{
    CirclePage drawn = circle;
    drawCircle(drawn);
    circle.drawnDisc = drawn.disc;
    updateSegmentPictures(circle);
}

UndoKindHandler circleTurnUndoKind()
{
    UndoKindHandler handler;
    handler.capture = [](const PageModel &page, int shift, UndoRecord &record) {
        const UndoKindTable pageKinds;
        const UndoKindHandler *picture = pageKinds.find(ObjectKind::Picture);
        const UndoKindHandler *text = pageKinds.find(ObjectKind::Text);
        if (!picture->capture(page, kDiscPictureBox, record))
            return false;
        // One key for every turn, so that undoing from one turn to another never takes back
        // more than the restored step holds.
        record.index = 0;
        record.text = QString::number(shift);
        for (int segment = 0; segment < page.textBoxes.size(); ++segment) {
            UndoRecord word;
            word.kind = ObjectKind::Text;
            word.index = segment;
            UndoRecord segmentPicture;
            segmentPicture.kind = ObjectKind::Picture;
            segmentPicture.index = segmentPictureBox(segment);
            if (!text->capture(page, segment, word) ||
                !picture->capture(page, segmentPictureBox(segment), segmentPicture))
                return false;
            record.movedObjects.push_back(word);
            record.movedObjects.push_back(segmentPicture);
        }
        return true;
    };
    handler.restore = [](const UndoRecord &record, PageModel &page, QVector<UndoTarget> &changed) {
        const UndoKindTable pageKinds;
        UndoRecord disc = record;
        disc.kind = ObjectKind::Picture;
        disc.index = kDiscPictureBox;
        disc.movedObjects.clear();
        pageKinds.find(ObjectKind::Picture)->restore(disc, page, changed);
        for (const UndoRecord &part : record.movedObjects)
            pageKinds.find(part.kind)->restore(part, page, changed);
    };
    handler.retract = [](const UndoRecord &record, PageModel &page, QVector<UndoTarget> &changed) {
        shiftSegmentsOnPage(page, -record.text.toInt(), changed);
    };
    return handler;
}

bool CircleFamily::buildNewPage(PageModel &page, const QString &, const PageFitInputs &fit,
                                QString *) const
{
    buildNewCircle(page, fit, kDefaultCircleSegments);
    return true;
}

bool CircleFamily::writeMembers(const PageModel &page, const QString &folder, QString *error) const
{
    CirclePage circle = circleOfPage(page);
    takePaintIntoSegments(circle);
    return writeSegmentMembers(circle, Staging(folder), error);
}

bool CircleFamily::readMembers(PageModel &page, const QString &folder) const
{
    CirclePage circle = circleOfPage(page);
    const bool allUsed = readSegmentMembers(Staging(folder), circle);
    putCircleOnPage(circle, page);
    return allUsed;
}

bool CircleFamily::writeDescription(const PageModel &page, const Staging &staging,
                                    const SavedLayoutOptions &, QString *error) const
{
    return writeCircleDescription(circleOfPage(page), staging, error);
}

bool CircleFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                   QString *error) const
{
    const PageFit fitted = circlePageFit(fit);
    CirclePage circle;
    if (!readCircleDescription(path, fitted.pageRect.size(), &circle, error))
        return false;
    placePage(page, fitted);
    putCircleOnPage(circle, page);
    return true;
}

QImage CircleFamily::render(const PageModel &page, double) const
{
    return renderCirclePageImage(circleOfPage(page));
}

PrintResult CircleFamily::print(const PageModel &page, PrintDevice &device,
                                const PrintSettings &settings) const
{
    return printCircle(circleOfPage(page), device, settings);
}

} // namespace quillora
