#pragma once
// A circle on paper and in pictures: the disc where the page shows it and the words round it,
// for the printer, the PNG export and thumbnails.

#include "core/doctypes/circle.h"
#include "core/printing/pagerenderer.h"
#include "core/printing/printjob.h"

class QPainter;

namespace quillora {

// Draws the disc as the child painted it and every segment's word, scaled from window pixels.
void renderCirclePage(QPainter &painter, const CirclePage &page, const PageRenderOptions &options);

// The page alone on white, `scale` target pixels per window pixel; null when it has no size.
QImage renderCirclePageImage(const CirclePage &page, qreal scale = 1.0);

// Prints every copy on its own landscape sheet, the page across the printable width (times the
// zoom setting), the words at the printer's font size setting.
PrintResult printCircle(const CirclePage &page, PrintDevice &device, const PrintSettings &settings);

} // namespace quillora
