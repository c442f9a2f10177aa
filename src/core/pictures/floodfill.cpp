#include "core/pictures/floodfill.h"

#include "core/pictures/raster.h"

#include <algorithm>
#include <vector>

namespace quillora {

namespace {

// Row y is filled on [left, right]; the row y + dy beside it is still to be explored.
struct Segment {
    int y;
    int left;
    int right;
    int dy;
};

// `gateOf(y)` gives the test `open(x)` of row y that says whether the fill may enter a pixel
// besides its colour: the whole picture, or only the inside of a shaped picture, whose edge
// then holds the paint like a wall. It is asked once a row, not once a pixel.
template <typename RowGate> QRect fillConnected(QImage &image, QPoint seed, QRgb fill, RowGate gateOf)
{
    if (!raster::isPaintable(image) || !image.rect().contains(seed) || !gateOf(seed.y())(seed.x()))
        return {};
    const int width = image.width();
    const int height = image.height();
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto rowAt = [&](int y) { return reinterpret_cast<QRgb *>(bits + y * stride); };

    const QRgb target = rowAt(seed.y())[seed.x()];
    if (target == fill)
        return {};

    int minX = seed.x();
    int maxX = seed.x();
    int minY = seed.y();
    int maxY = seed.y();
    std::vector<Segment> stack;
    stack.reserve(256);
    auto push = [&](int y, int left, int right, int dy) {
        if (y + dy >= 0 && y + dy < height)
            stack.push_back({y, left, right, dy});
    };
    // The seed row is explored from an imaginary filled row below it; the other direction
    // is taken up by the segments that row pushes.
    push(seed.y(), seed.x(), seed.x(), 1);
    push(seed.y() + 1, seed.x(), seed.x(), -1);

    while (!stack.empty()) {
        const Segment segment = stack.back();
        stack.pop_back();
        const int y = segment.y + segment.dy;
        const int dy = segment.dy;
        const int x1 = segment.left;
        const int x2 = segment.right;
        QRgb *line = rowAt(y);
        const auto open = gateOf(y);
        const auto fillable = [&](int at) { return line[at] == target && open(at); };

        // Each span is found first and then written whole.
        int x = x1;
        while (x >= 0 && fillable(x))
            --x;
        int left = x + 1;
        bool filledAny = left <= x1;
        if (filledAny) {
            if (left < x1)
                push(y, left, x1 - 1, -dy);
            x = x1 + 1;
        }
        while (true) {
            if (filledAny) {
                while (x < width && fillable(x))
                    ++x;
                std::fill(line + left, line + x, fill);
                push(y, left, x - 1, dy);
                if (x > x2 + 1)
                    push(y, x2 + 1, x - 1, -dy);
                minX = std::min(minX, left);
                maxX = std::max(maxX, x - 1);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
            for (++x; x <= x2 && !fillable(x); ++x) {
            }
            if (x > x2)
                break;
            left = x;
            filledAny = true;
        }
    }
    return QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

} // namespace

QRect floodFill(QImage &image, QPoint seed, QRgb fill)
{
    return fillConnected(image, seed, fill, [](int) { return [](int) { return true; }; });
}

QRect floodFill(QImage &image, QPoint seed, QRgb fill, const QImage &shape)
{
    if (shape.size() != image.size() || shape.format() != QImage::Format_Grayscale8)
        return floodFill(image, seed, fill);
    return fillConnected(image, seed, fill, [&shape](int y) {
        const uchar *inside = shape.constScanLine(y);
        return [inside](int x) { return inside[x] != 0; };
    });
}

} // namespace quillora
