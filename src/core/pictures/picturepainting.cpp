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
    : m_state(state), m_random(random), m_engine(state, random)
{
}

PicturePainting::~PicturePainting() = default;

PaintEngine &PicturePainting::engineFor(int pointer)
{
    if (pointer == kMousePointer)
        return m_engine;
    std::unique_ptr<PaintEngine> &engine = m_fingerEngines[pointer];
    if (!engine)
        engine = std::make_unique<PaintEngine>(m_state, m_random);
    return *engine;
}

const PaintEngine *PicturePainting::findEngine(int pointer) const
{
    if (pointer == kMousePointer)
        return &m_engine;
    const auto found = m_fingerEngines.find(pointer);
    return found == m_fingerEngines.end() ? nullptr : found->second.get();
}

void PicturePainting::dropIdleEngines()
{
    std::erase_if(m_fingerEngines, [this](const auto &entry) {
        return !m_gestures.count(entry.first) && !entry.second->animating();
    });
}

int PicturePainting::strokePicture(int pointer) const
{
    const auto found = m_gestures.find(pointer);
    return found == m_gestures.end() ? -1 : found->second.picture;
}

int PicturePainting::strokesOn(int index) const
{
    return int(std::count_if(m_gestures.cbegin(), m_gestures.cend(),
                             [index](const auto &entry) { return entry.second.picture == index; }));
}

QVector<int> PicturePainting::activePointers() const
{
    QVector<int> pointers;
    for (const auto &entry : m_gestures)
        pointers.append(entry.first);
    return pointers;
}

std::optional<RubberBand> PicturePainting::rubberBand(int pointer) const
{
    const PaintEngine *engine = findEngine(pointer);
    return engine ? engine->rubberBand() : std::nullopt;
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
    m_gestures.erase(kMousePointer);
    m_engine.cancelStroke();
    const CurrentObject border{ObjectKind::Border, 0};
    result.becameCurrent = page.current != border;
    page.current = border;
    if (page.border.type == BorderType::None || page.border.picture.isNull())
        return result;
    return beginStroke(page, kBorderKey, borderTarget(page), input, result, kMousePointer);
}

QRect PicturePainting::moveBorder(PageModel &page, const PointerInput &input)
{
    if (strokePicture(kMousePointer) != kBorderKey)
        return {};
    return m_engine.move(borderTarget(page), input);
}

QRect PicturePainting::releaseBorder(PageModel &page, const PointerInput &input)
{
    if (strokePicture(kMousePointer) != kBorderKey)
        return {};
    m_gestures.erase(kMousePointer);
    return m_engine.release(borderTarget(page), input);
}

PressResult PicturePainting::press(PageModel &page, int index, const PointerInput &input,
                                   int pointer)
{
    PressResult result;
    m_gestures.erase(pointer);
    engineFor(pointer).cancelStroke();
    if (index < 0 || index >= page.pictureBoxes.size())
        return result;
    const bool othersPainting = !m_gestures.empty();

    const CurrentObject thisPicture{ObjectKind::Picture, index};
    result.becameCurrent = page.current != thisPicture;
    page.current = thisPicture;
    if (result.becameCurrent && kindInfo(page.documentType).freeArrangement) {
        result.outcome = PressOutcome::SelectedForHandling;
        return result;
    }
    if (result.becameCurrent && !othersPainting && !kindInfo(page.documentType).firstPressPaints &&
        visiblePictureCount(page) > 1) {
        result.outcome = PressOutcome::Selected;
        return result;
    }
    PictureBoxModel &picture = page.pictureBoxes[index];
    if (isImported(picture) || picture.image.isNull())
        return result;
    return beginStroke(page, index, targetFor(page, index), input, result, pointer);
}

PressResult PicturePainting::beginStroke(PageModel &page, int gestureKey, const PaintTarget &target,
                                         const PointerInput &input, PressResult result, int pointer)
{
    if (input.button == PointerButton::Right && m_state.paintToolsShown) {
        result.outcome = PressOutcome::ContextMenu;
        return result;
    }
    if (!paintsAnything(m_state.tool))
        return result;

    ++page.changeCount;
    m_gestures[pointer] = Gesture{gestureKey, input};
    result.outcome = PressOutcome::Painted;
    result.dirty = engineFor(pointer).press(target, input);
    return result;
}

QRect PicturePainting::move(PageModel &page, int index, const PointerInput &input, int pointer)
{
    const auto gesture = m_gestures.find(pointer);
    if (index < 0 || gesture == m_gestures.end() || index != gesture->second.picture ||
        index >= page.pictureBoxes.size())
        return {};
    gesture->second.last = input;
    return engineFor(pointer).move(targetFor(page, index), input);
}

QRect PicturePainting::release(PageModel &page, int index, const PointerInput &input, int pointer)
{
    if (index < 0 || index != strokePicture(pointer) || index >= page.pictureBoxes.size())
        return {};
    m_gestures.erase(pointer);
    const QRect dirty = engineFor(pointer).release(targetFor(page, index), input);
    dropIdleEngines();
    return dirty;
}

void PicturePainting::dropStroke(int pointer)
{
    m_gestures.erase(pointer);
    engineFor(pointer).cancelStroke();
    dropIdleEngines();
}

int PicturePainting::endStroke(PageModel &page, int pointer, QRect *dirty)
{
    const auto gesture = m_gestures.find(pointer);
    if (gesture == m_gestures.end() || gesture->second.picture < 0)
        return -1;
    const Gesture ended = gesture->second;
    const QRect painted = release(page, ended.picture, ended.last, pointer);
    if (dirty)
        *dirty = painted;
    return ended.picture;
}

QRect PicturePainting::tick(PageModel &page)
{
    if (page.current.kind == ObjectKind::Border)
        return page.border.picture.isNull() ? QRect() : m_engine.tick(borderTarget(page));
    if (page.current.kind != ObjectKind::Picture || page.current.index < 0 ||
        page.current.index >= page.pictureBoxes.size())
        return {};
    PictureBoxModel &picture = page.pictureBoxes[page.current.index];
    if (isImported(picture))
        return {};
    const PaintTarget target = targetFor(page, page.current.index);
    QRect dirty = m_engine.tick(target);
    for (const auto &entry : m_fingerEngines) {
        if (entry.second->animating())
            dirty |= entry.second->tick(target);
    }
    dropIdleEngines();
    return dirty;
}

} // namespace quillora
