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

// Pixels are tested and written a block at a time: the test of a whole block has no early exit,
// so the compiler turns it into a few wide compares.
constexpr int kBlock = 32;

// One row of the picture and, in a shaped picture, the row of its shape: the fill may enter a
// pixel of the target colour that lies inside the shape, whose edge holds the paint like a wall.
template <bool Shaped> struct FillRow {
    QRgb *line;
    const uchar *inside;
    QRgb target;
    QRgb fill;

    bool fillable(int x) const
    {
        if constexpr (Shaped)
            return line[x] == target && inside[x] != 0;
        else
            return line[x] == target;
    }

    bool blockFillable(int x) const
    {
        QRgb differ = 0;
        for (int k = 0; k < kBlock; ++k)
            differ |= line[x + k] ^ target;
        if constexpr (Shaped) {
            uchar outside = 0;
            for (int k = 0; k < kBlock; ++k)
                outside |= uchar(inside[x + k] == 0);
            return (differ | outside) == 0;
        }
        return differ == 0;
    }

    // Fills rightwards from `x` while the pixels are fillable; returns the first one left alone.
    int fillRight(int x, int width) const
    {
        while (x + kBlock <= width && blockFillable(x)) {
            std::fill_n(line + x, kBlock, fill);
            x += kBlock;
        }
        while (x < width && fillable(x))
            line[x++] = fill;
        return x;
    }

    // Fills leftwards from `x` while the pixels are fillable; returns the last one filled
    // (x + 1 when `x` itself is not).
    int fillLeft(int x) const
    {
        while (x + 1 >= kBlock && blockFillable(x + 1 - kBlock)) {
            std::fill_n(line + x + 1 - kBlock, kBlock, fill);
            x -= kBlock;
        }
        while (x >= 0 && fillable(x))
            line[x--] = fill;
        return x + 1;
    }
};

// A span fill that writes each pixel as it finds it, so every row is passed over once.
// `shape` is a Format_Grayscale8 picture of the image's size when Shaped.
template <bool Shaped>
QRect fillConnected(QImage &image, QPoint seed, QRgb fill, const QImage *shape)
{
    if (!raster::isPaintable(image) || !image.rect().contains(seed))
        return {};
    const int width = image.width();
    const int height = image.height();
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QRgb target = reinterpret_cast<const QRgb *>(bits + seed.y() * stride)[seed.x()];
    auto rowAt = [&](int y) {
        return FillRow<Shaped>{reinterpret_cast<QRgb *>(bits + y * stride),
                               Shaped ? shape->constScanLine(y) : nullptr, target, fill};
    };
    if (target == fill || !rowAt(seed.y()).fillable(seed.x()))
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
        const FillRow<Shaped> row = rowAt(y);

        int left = row.fillLeft(x1);
        bool filledAny = left <= x1;
        int x = x1;
        if (filledAny) {
            if (left < x1)
                push(y, left, x1 - 1, -dy);
            x = x1 + 1;
        }
        while (true) {
            if (filledAny) {
                x = row.fillRight(x, width);
                push(y, left, x - 1, dy);
                if (x > x2 + 1)
                    push(y, x2 + 1, x - 1, -dy);
                minX = std::min(minX, left);
                maxX = std::max(maxX, x - 1);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
            for (++x; x <= x2 && !row.fillable(x); ++x) {
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
    return fillConnected<false>(image, seed, fill, nullptr);
}

QRect floodFill(QImage &image, QPoint seed, QRgb fill, const QImage &shape)
{
    if (shape.size() != image.size() || shape.format() != QImage::Format_Grayscale8)
        return floodFill(image, seed, fill);
    return fillConnected<true>(image, seed, fill, &shape);
}

} // namespace quillora
