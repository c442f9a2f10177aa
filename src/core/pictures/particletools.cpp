#include "core/pictures/particletools.h"

#include "core/pictures/raster.h"

#include <cmath>
#include <numbers>

namespace quillora {

namespace {
constexpr double kPi = std::numbers::pi;

QPointF pixelCentre(float x, float y)
{
    return {x + 0.5, y + 0.5};
}
} // namespace

QRect ScribbleTool::press(Stroke &stroke, const PointerInput &input)
{
    spawn(stroke, input.pos);
    return {};
}

QRect ScribbleTool::move(Stroke &stroke, const PointerInput &input)
{
    const QPoint step = input.pos - stroke.last;
    // Measured the way particles move, so a quarter turn either side is across the stroke.
    if (!step.isNull())
        m_lastDirection = std::atan2(double(step.y()), double(step.x()));
    const QRect dirty = raster::fillCapsule(
        *stroke.image, raster::penCentre(stroke.last, stroke.penWidth),
        raster::penCentre(input.pos, stroke.penWidth), stroke.penWidth / 2.0, stroke.pixel);
    spawn(stroke, input.pos);
    stroke.last = input.pos;
    return dirty;
}

void ScribbleTool::spawn(const Stroke &stroke, QPoint at)
{
    if (stroke.pictureKey != m_pictureKey)
        clear();
    m_pictureKey = stroke.pictureKey;

    int slot = 0;
    for (int i = 1; i < kTableSize && slot == 0; ++i) {
        if (m_particles[i].speed == 0)
            slot = i;
    }
    if (slot == 0) {
        float slowest = kReplaceBelowSpeed;
        for (int i = 1; i < kTableSize; ++i) {
            if (m_particles[i].speed < slowest) {
                slowest = m_particles[i].speed;
                slot = i;
            }
        }
    }
    if (slot == 0)
        return; // every particle is still fast: this one is not thrown

    RandomSource &random = *stroke.random;
    Particle &p = m_particles[slot];
    p.x = float(at.x());
    p.y = float(at.y());
    p.colour = stroke.colour;
    p.radius = float((random.nextUnit() * 0.25 + 0.75) * stroke.toolSize);
    p.speed = float(stroke.toolSize / 36.0 + 1.5 + random.nextUnit());
    p.age = kAge;
    const double sideways = (random.nextUnit() * 0.2 + 0.4) * kPi;
    p.direction =
        float(random.nextUnit() < 0.5 ? m_lastDirection + sideways : m_lastDirection - sideways);
}

QRect ScribbleTool::tick(QImage &image, int pictureKey, RandomSource &random)
{
    if (pictureKey != m_pictureKey) {
        clear();
        return {};
    }
    QRect dirty;
    for (int i = 1; i < kTableSize; ++i) {
        Particle &p = m_particles[i];
        if (p.speed <= 0)
            continue;
        const QRgb pixel = raster::toPixel(p.colour);
        dirty |= raster::fillDisc(image, pixelCentre(p.x, p.y), p.radius, pixel);
        if (p.speed > kShrinkSpeed)
            p.radius = std::pow(p.radius, 0.99f);
        p.y += p.speed * std::sin(p.direction);
        p.x += p.speed * std::cos(p.direction);
        p.speed *= kSlowDown;
        --p.age;
        if (p.speed < kStopSpeed || p.age <= 0) {
            p.speed = 0;
            const double lastRadius = p.radius + random.nextUnit() / 2;
            dirty |= raster::fillDisc(image, pixelCentre(p.x, p.y), lastRadius, pixel);
            continue;
        }
        if (random.nextUnit() < 0.1)
            p.direction += float(random.nextUnit() * 0.2 - 0.1);
    }
    return dirty;
}

bool ScribbleTool::alive() const
{
    return liveCount() > 0;
}

int ScribbleTool::liveCount() const
{
    int count = 0;
    for (int i = 1; i < kTableSize; ++i)
        count += m_particles[i].speed > 0 ? 1 : 0;
    return count;
}

void ScribbleTool::clear()
{
    m_particles.fill(Particle{});
}

QRect SplatTool::press(Stroke &stroke, const PointerInput &input)
{
    clear();
    const double s = stroke.penWidth;
    RandomSource &random = *stroke.random;
    m_centre = input.pos;
    m_active = true;
    m_pictureKey = stroke.pictureKey;
    for (Blob &blob : m_blobs) {
        blob.x = float(input.pos.x() + random.nextUnit() * s / 2 - s / 4);
        blob.y = float(input.pos.y() + random.nextUnit() * s / 2 - s / 4);
        blob.speed = float(random.nextUnit() * s / 3 + s);
        blob.direction = float(random.nextUnit() * 2 * kPi);
        blob.colour = stroke.colour;
        blob.radius = float(random.nextUnit() * s);
    }
    return {};
}

QRect SplatTool::tick(QImage &image, int pictureKey, RandomSource &)
{
    if (!m_active)
        return {};
    if (pictureKey != m_pictureKey) {
        clear();
        return {};
    }
    QRect dirty;
    bool anyLeft = false;
    for (Blob &blob : m_blobs) {
        if (blob.speed <= 0)
            continue;
        dirty |= raster::fillDisc(image, pixelCentre(blob.x, blob.y), blob.radius,
                                  raster::toPixel(blob.colour));
        blob.x += blob.speed * std::cos(blob.direction);
        blob.y += blob.speed * std::sin(blob.direction);
        blob.speed *= kSlowDown;
        blob.radius *= kShrink;
        if (blob.speed < kStopSpeed)
            blob.speed = 0;
        anyLeft = anyLeft || blob.speed > 0;
    }
    m_active = anyLeft;
    return dirty;
}

void SplatTool::clear()
{
    m_blobs.fill(Blob{});
    m_active = false;
}

} // namespace quillora
