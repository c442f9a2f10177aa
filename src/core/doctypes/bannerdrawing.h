#pragma once
// Drawing a laid-out banner: the whole strip reduced for the screen, and each sheet as the
// printer gets it, its letters as vector outlines so they stay crisp at 105 mm.

#include "core/doctypes/bannerlayout.h"
#include "core/printing/printjob.h"

#include <QImage>

class QPainter;

namespace quillora {

// The strip on screen at `scale` pixels per millimetre: the sheets side by side on the banner's
// background, each sheet edge a white and a black line, the border tiles (in the guide colour
// while the border is unpainted) and the letters. An empty banner is one blank sheet's room.
QImage drawBannerStrip(const Banner &banner, const BannerLayout &layout, double scale);

// One printed sheet on a painter that works in millimetres from the sheet's top-left corner:
// the background, the painted border tiles and the letters, and, when there are several
// sheets, the marks that put them together: a light glue strip along the right edge where the
// next sheet goes, and the sheet's number with an arrow to the next ("1 → 2").
void renderBannerSheet(QPainter &painter, const Banner &banner, const BannerLayout &layout,
                       int sheet);

// Prints every sheet in one landscape job, at true size when the printable area holds the
// sheet less 5 mm round its edges, else reduced just enough to fit it whole.
PrintResult printBanner(const Banner &banner, const BannerLayout &layout, PrintDevice &device);

} // namespace quillora
