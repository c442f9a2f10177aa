#pragma once
// Tools that put something down at the pointer in one go: the paint pot, the cloud brush and
// the starburst. Each press stamps once; moves stamp again where the tool wants it.

#include "core/pictures/painttool.h"

#include <vector>

namespace quillora {

class StampTool : public PaintTool {
public:
    QRect press(Stroke &stroke, const PointerInput &input) override;

protected:
    virtual QRect stamp(Stroke &stroke, QPoint at) = 0;
};

// Tool 7: fills the connected area of exactly the pressed colour.
class FloodFillTool : public StampTool {
protected:
    QRect stamp(Stroke &stroke, QPoint at) override;
};

// Tool 10: soft dabs that build the colour up where the brush goes over and over.
class CloudTool : public StampTool {
public:
    static constexpr double kRadiusPerSize = 2.625;
    static constexpr int kDotsPerDab = 48;
    static constexpr int kBlendStep = 8; // of 255: the share of the way to the colour
    static constexpr int kMaxLightening = 48;
    static constexpr int kMinMove = 2; // pixels the pointer must exceed for a new dab

    QRect move(Stroke &stroke, const PointerInput &input) override;

protected:
    QRect stamp(Stroke &stroke, QPoint at) override;
};

// Tool 11: a hundred thin rays of jittered colour, as long as the size.
class StarburstTool : public StampTool {
public:
    static constexpr int kRays = 100;
    struct Ray {
        QPointF from;
        QPointF to;
        ColourRef colour;
    };
    // The rays of one burst; draws kRays angles and jitters from the random source.
    static std::vector<Ray> rays(QPoint at, int length, ColourRef colour, RandomSource &random);

    QRect move(Stroke &stroke, const PointerInput &input) override;

protected:
    QRect stamp(Stroke &stroke, QPoint at) override;
};

} // namespace quillora
