#include "core/pictures/picturepainting.h"

#include "core/layout/objectkinds.h"
#include <algorithm>

namespace quillora {

namespace {

int visiblePictureCount(const PageModel &page)
{
    return int(std::count_if(page.pictureBoxes.cbegin(), page.pictureBoxes.cend(),
                             [](const PictureBoxModel &box) { return box.visible; }));
}

bool paintsAnything(int tool)
{
    return isValidTool(tool) && tool != ToolNone && tool != ToolWriting;
}

} // namespace

PicturePainting::PicturePainting(PaintState &state, RandomSource &random)
    : m_state(state), m_engine(state, random)
{
}

bool PicturePainting::isImported(const PictureBoxModel &picture)
{
    return picture.tag.startsWith(QLatin1String("file"));
}

PaintTarget PicturePainting::targetFor(PageModel &page, int index)
{
    PictureBoxModel &picture = page.pictureBoxes[index];
    PaintTarget target{&picture.image, index, {picture.symmetryType, picture.rotations}};
    if (picture.hasMaskPicture && !picture.mask.isNull() && !picture.image.isNull())
        target.shape = &m_shapes.shapeFor(picture.mask, picture.image.size());
    return target;
}

PaintTarget PicturePainting::borderTarget(PageModel &page)
{
    return {&page.border.picture, kBorderKey, {}};
}

PressResult PicturePainting::pressBorder(PageModel &page, const PointerInput &input)
{
    PressResult result;
    m_gesturePicture = -1;
    m_engine.cancelStroke();
    const CurrentObject border{objectkind::Border, 0};
    result.becameCurrent = page.current != border;
    page.current = border;
    if (page.border.type == BorderType::None || page.border.picture.isNull())
        return result;
    return beginStroke(page, kBorderKey, borderTarget(page), input, result);
}

QRect PicturePainting::moveBorder(PageModel &page, const PointerInput &input)
{
    if (m_gesturePicture != kBorderKey)
        return {};
    return m_engine.move(borderTarget(page), input);
}

QRect PicturePainting::releaseBorder(PageModel &page, const PointerInput &input)
{
    if (m_gesturePicture != kBorderKey)
        return {};
    m_gesturePicture = -1;
    return m_engine.release(borderTarget(page), input);
}

PressResult PicturePainting::press(PageModel &page, int index, const PointerInput &input)
{
    PressResult result;
    m_gesturePicture = -1;
    m_engine.cancelStroke();
    if (index < 0 || index >= page.pictureBoxes.size())
        return result;

    const CurrentObject thisPicture{objectkind::Picture, index};
    result.becameCurrent = page.current != thisPicture;
    page.current = thisPicture;
    if (result.becameCurrent && kindInfo(page.documentType).freeArrangement) {
        result.outcome = PressOutcome::SelectedForHandling;
        return result;
    }
    if (result.becameCurrent && !kindInfo(page.documentType).firstPressPaints &&
        visiblePictureCount(page) > 1) {
        result.outcome = PressOutcome::Selected;
        return result;
    }
    PictureBoxModel &picture = page.pictureBoxes[index];
    if (isImported(picture) || picture.image.isNull())
        return result;
    return beginStroke(page, index, targetFor(page, index), input, result);
}

PressResult PicturePainting::beginStroke(PageModel &page, int gestureKey, const PaintTarget &target,
                                         const PointerInput &input, PressResult result)
{
    if (input.button == PointerButton::Right && m_state.paintToolsShown) {
        result.outcome = PressOutcome::ContextMenu;
        return result;
    }
    if (!paintsAnything(m_state.tool))
        return result;

    ++page.changeCount;
    m_gesturePicture = gestureKey;
    result.outcome = PressOutcome::Painted;
    result.dirty = m_engine.press(target, input);
    return result;
}

QRect PicturePainting::move(PageModel &page, int index, const PointerInput &input)
{
    if (index < 0 || index != m_gesturePicture || index >= page.pictureBoxes.size())
        return {};
    return m_engine.move(targetFor(page, index), input);
}

QRect PicturePainting::release(PageModel &page, int index, const PointerInput &input)
{
    if (index < 0 || index != m_gesturePicture || index >= page.pictureBoxes.size())
        return {};
    m_gesturePicture = -1;
    return m_engine.release(targetFor(page, index), input);
}

QRect PicturePainting::tick(PageModel &page)
{
    if (page.current.kind == objectkind::Border)
        return page.border.picture.isNull() ? QRect() : m_engine.tick(borderTarget(page));
    if (page.current.kind != objectkind::Picture || page.current.index < 0 ||
        page.current.index >= page.pictureBoxes.size())
        return {};
    PictureBoxModel &picture = page.pictureBoxes[page.current.index];
    if (isImported(picture))
        return {};
    return m_engine.tick(targetFor(page, page.current.index));
}

} // namespace quillora
