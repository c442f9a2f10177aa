#include "core/app/choiceexamples.h"

#include "core/layout/documenttypes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace quillora {

namespace {

constexpr int kMostParts = 64;
const QColor kInk{0x1B, 0x2A, 0x4A};
const QColor kWhite{0xFF, 0xFF, 0xFF};
const QColor kSunshine{0xFF, 0xD2, 0x3F};
const QColor kSky{0x3F, 0xA9, 0xF5};

// Tomato, orange, sunshine, grass, sky, violet, repeating round the circle.
const std::array<QColor, 6> kSliceColours{{{0xE8, 0x37, 0x3B},
                                           {0xFF, 0x8C, 0x1A},
                                           {0xFF, 0xD2, 0x3F},
                                           {0x2E, 0xB8, 0x2E},
                                           {0x3F, 0xA9, 0xF5},
                                           {0x9B, 0x59, 0xD0}}};

QColor sliceColour(int slice, int segments)
{
    const int count = int(kSliceColours.size());
    int colour = slice % count;
    // The last slice meets the first. When it would repeat the first's colour, the slice
    // before it has the last colour of the set, so the middle one differs from both.
    if (segments > 1 && slice == segments - 1 && colour == 0)
        colour = count / 2;
    return kSliceColours[std::size_t(colour)];
}

} // namespace

QImage drawCircleExample(int segments, int sizePx)
{
    segments = std::clamp(segments, 1, kMostParts);
    sizePx = std::clamp(sizePx, 16, 2048);
    QImage image(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outline = std::max(3.0, sizePx / 60.0);
    const QRectF circle = QRectF(image.rect()).adjusted(outline, outline, -outline, -outline);
    const qreal sweep = 360.0 / segments;
    painter.setPen(QPen(kWhite, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int slice = 0; slice < segments; ++slice) {
        QPainterPath path(circle.center());
        // Slices start at twelve o'clock and go clockwise, as a child counts them.
        path.arcTo(circle, 90.0 - slice * sweep, -sweep);
        path.closeSubpath();
        painter.setBrush(sliceColour(slice, segments));
        painter.drawPath(path);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, outline));
    painter.drawEllipse(circle);
    return image;
}

QImage drawTableExample(int columns, int rows, QSize size)
{
    columns = std::clamp(columns, 1, kMostParts);
    rows = std::clamp(rows, 1, kMostParts);
    size = size.expandedTo(QSize(16, 16)).boundedTo(QSize(2048, 2048));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal line = std::max(2.0, std::min(size.width(), size.height()) / 80.0);
    const QRectF grid = QRectF(image.rect()).adjusted(line, line, -line, -line);
    const qreal cellWidth = grid.width() / columns;
    const qreal cellHeight = grid.height() / rows;
    painter.fillRect(grid, kWhite);
    painter.fillRect(QRectF(grid.topLeft(), QSizeF(grid.width(), cellHeight)), kSky);
    painter.fillRect(QRectF(grid.topLeft(), QSizeF(cellWidth, cellHeight)), kSunshine);
    painter.setPen(QPen(kInk, line));
    for (int column = 1; column < columns; ++column) {
        const qreal x = grid.left() + column * cellWidth;
        painter.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
    }
    for (int row = 1; row < rows; ++row) {
        const qreal y = grid.top() + row * cellHeight;
        painter.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
    painter.setPen(QPen(kInk, line * 1.6));
    painter.drawRect(grid);
    return image;
}

} // namespace quillora
