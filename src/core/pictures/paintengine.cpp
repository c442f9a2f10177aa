#include "core/pictures/paintengine.h"

#include "core/pictures/freehandtools.h"
#include "core/pictures/masks.h"
#include "core/pictures/particletools.h"
#include "core/pictures/raster.h"
#include "core/pictures/shapetools.h"
#include "core/pictures/stamptools.h"

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// Pointer positions come from the window, but a stray value far off the picture must not
// overflow the grid or shape arithmetic.
constexpr int kMaxReach = 1 << 16;

// A shape is used only when it fits the picture it shapes.
const QImage *usableShape(const PaintTarget &target)
{
    return target.shape && target.image && target.shape->size() == target.image->size()
               ? target.shape
               : nullptr;
}

PointerInput bounded(const PointerInput &input)
{
    PointerInput result = input;
    result.pos = QPoint(std::clamp(input.pos.x(), -kMaxReach, kMaxReach),
                        std::clamp(input.pos.y(), -kMaxReach, kMaxReach));
    return result;
}

} // namespace

PaintEngine::PaintEngine(const PaintState &state, RandomSource &random)
    : m_state(state), m_random(random)
{
    m_tools[ToolMarker] = std::make_unique<MarkerTool>();
    m_tools[ToolPencil] = std::make_unique<PencilTool>();
    m_tools[ToolRectangle] = std::make_unique<RectangleTool>();
    m_tools[ToolFilledRectangle] = std::make_unique<FilledRectangleTool>();
    m_tools[ToolEllipse] = std::make_unique<EllipseTool>();
    m_tools[ToolFilledEllipse] = std::make_unique<FilledEllipseTool>();
    m_tools[ToolLine] = std::make_unique<LineTool>();
    m_tools[ToolFloodFill] = std::make_unique<FloodFillTool>();
    m_tools[ToolCloud] = std::make_unique<CloudTool>();
    m_tools[ToolStarburst] = std::make_unique<StarburstTool>();
    m_tools[ToolScribble] = std::make_unique<ScribbleTool>();
    m_tools[ToolSplat] = std::make_unique<SplatTool>();
}

PaintEngine::~PaintEngine() = default;

const ScribbleTool &PaintEngine::scribble() const
{
    return static_cast<const ScribbleTool &>(*m_tools[ToolScribble]);
}

const SplatTool &PaintEngine::splat() const
{
    return static_cast<const SplatTool &>(*m_tools[ToolSplat]);
}

bool PaintEngine::begin(const PaintTarget &target, const PointerInput &input)
{
    m_strokeTool = nullptr;
    if (!isValidTool(m_state.tool) || !m_tools[m_state.tool] || !target.image ||
        target.image->isNull())
        return false;
    raster::makePaintable(*target.image);
    m_strokeTool = m_tools[m_state.tool].get();
    m_stroke.symmetry = target.symmetry;
    m_stroke.colour = input.eraser ? colourRef(255, 255, 255) : m_state.paintColour;
    m_stroke.pixel = raster::toPixel(m_stroke.colour);
    m_stroke.toolSize = std::max<int>(1, m_state.toolSize);
    followPressure(input);
    m_stroke.gridSize = kGridSize;
    m_stroke.pictureKey = target.key;
    m_stroke.random = &m_random;
    return true;
}

template <typename Draw> QRect PaintEngine::clipped(const PaintTarget &target, Draw draw)
{
    const QImage *shape = usableShape(target);
    m_stroke.shape = shape;
    if (!shape)
        return draw();
    // A shallow copy: the first pixel the tool writes gives the picture its own buffer.
    const QImage before = *target.image;
    const QRect dirty = draw();
    masks::keepOutside(*target.image, before, *shape, dirty);
    return dirty;
}

QRect PaintEngine::press(const PaintTarget &target, const PointerInput &input)
{
    if (!begin(target, input))
        return {};
    m_stroke.image = target.image;
    m_stroke.last = bounded(input).pos;
    return clipped(target, [&] { return m_strokeTool->press(m_stroke, bounded(input)); });
}

QRect PaintEngine::move(const PaintTarget &target, const PointerInput &input)
{
    if (!m_strokeTool || !target.image || target.key != m_stroke.pictureKey)
        return {};
    m_stroke.image = target.image;
    followPressure(input);
    return clipped(target, [&] { return m_strokeTool->move(m_stroke, bounded(input)); });
}

QRect PaintEngine::release(const PaintTarget &target, const PointerInput &input)
{
    if (!m_strokeTool || !target.image || target.key != m_stroke.pictureKey)
        return {};
    m_stroke.image = target.image;
    PaintTool *tool = m_strokeTool;
    m_strokeTool = nullptr;
    return clipped(target, [&] { return tool->release(m_stroke, bounded(input)); });
}

void PaintEngine::followPressure(const PointerInput &input)
{
    const double pressure = std::clamp(input.pressure, 0.0, 1.0);
    m_stroke.penWidth =
        std::max(1, int(std::lround(m_strokeTool->penWidth(m_stroke.toolSize) * pressure)));
}

void PaintEngine::cancelStroke()
{
    // A shape's drag is forgotten with it: the next press starts a new one.
    m_strokeTool = nullptr;
}

QRect PaintEngine::tick(const PaintTarget &target)
{
    if (!target.image || target.image->isNull())
        return {};
    raster::makePaintable(*target.image);
    return clipped(target, [&] {
        QRect dirty;
        for (int tool : {int(ToolScribble), int(ToolSplat)}) {
            auto &animated = static_cast<ParticleTool &>(*m_tools[tool]);
            if (animated.alive())
                dirty |= animated.tick(*target.image, target.key, m_random);
        }
        return dirty;
    });
}

bool PaintEngine::animating() const
{
    return scribble().alive() || splat().alive();
}

std::optional<RubberBand> PaintEngine::rubberBand() const
{
    if (!m_strokeTool)
        return std::nullopt;
    return m_strokeTool->rubberBand();
}

} // namespace quillora
