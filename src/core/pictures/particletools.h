#pragma once
// Animated tools: what a press or move sets going keeps painting on every tick of the window's
// Timer1 until it dies out, also after the button is released. The animation belongs to one
// picture; a tick on any other picture drops it.

#include "core/pictures/painttool.h"

#include <array>

namespace quillora {

class ParticleTool : public PaintTool {
public:
    // Advances the animation one step, painting onto the picture with the given key.
    virtual QRect tick(QImage &image, int pictureKey, RandomSource &random) = 0;
    virtual bool alive() const = 0;
    virtual void clear() = 0;
};

// Tool 12: the scribble pen draws its line and throws particles off sideways, which drift,
// shrink and slow down on every tick.
class ScribbleTool : public ParticleTool {
public:
    struct Particle {
        float x = 0;
        float y = 0;
        float radius = 0;
        float speed = 0; // 0: the slot is free
        ColourRef colour = 0;
        qint16 age = 0;      // ticks left at most; a particle never outlives it
        float direction = 0; // radians, from +x towards +y
    };
    // Slot 0 is never used, so particles are numbered 1..200.
    static constexpr int kTableSize = 201;
    static constexpr qint16 kAge = 2000;
    static constexpr float kSlowDown = 1.0f - 24.0f / 765.0f;
    static constexpr float kStopSpeed = 0.05f;
    static constexpr float kShrinkSpeed = 0.5f;
    static constexpr float kReplaceBelowSpeed = 5.0f;

    QRect press(Stroke &stroke, const PointerInput &input) override;
    QRect move(Stroke &stroke, const PointerInput &input) override;
    QRect tick(QImage &image, int pictureKey, RandomSource &random) override;
    bool alive() const override;
    void clear() override;

    const std::array<Particle, kTableSize> &particles() const { return m_particles; }
    int liveCount() const;
    int pictureKey() const { return m_pictureKey; }

private:
    void spawn(const Stroke &stroke, QPoint at);

    std::array<Particle, kTableSize> m_particles{};
    int m_pictureKey = -1;
    double m_lastDirection = 0.0;
};

// Tool 13: a press throws 36 blobs out from the pointer; they fly, slow down and shrink.
class SplatTool : public ParticleTool {
public:
    struct Blob {
        float x = 0;
        float y = 0;
        float radius = 0;
        float speed = 0; // 0: the blob has ended
        ColourRef colour = 0;
        float direction = 0;
    };
    static constexpr int kBlobs = 36;
    static constexpr float kSlowDown = 0.8f;
    static constexpr float kShrink = 0.9f;
    static constexpr float kStopSpeed = 0.05f;

    QRect press(Stroke &stroke, const PointerInput &input) override;
    QRect tick(QImage &image, int pictureKey, RandomSource &random) override;
    bool alive() const override { return m_active; }
    void clear() override;

    const std::array<Blob, kBlobs> &blobs() const { return m_blobs; }
    QPoint centre() const { return m_centre; }

private:
    std::array<Blob, kBlobs> m_blobs{};
    QPoint m_centre;
    bool m_active = false;
    int m_pictureKey = -1;
};

} // namespace quillora
