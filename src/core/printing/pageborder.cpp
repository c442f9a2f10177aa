#include "core/printing/pageborder.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// More tiles than this along one edge means the template's sizes are broken, not a border.
constexpr int kMaxTilesPerEdge = 2000;

// The nearest whole number of tiles in `room`, a half tile counting up; 0 when none fits.
int tilesAlong(int room, int tile)
{
    const double tiles = std::floor(double(room) / tile + 0.5);
    return int(std::clamp(tiles, 0.0, double(kMaxTilesPerEdge)));
}

// Where block `i` of `count` blocks across `length` pixels begins, rounded to the nearest pixel,
// so that block `count` begins exactly at `length`.
int blockEdge(int i, int length, int count)
{
    return int((2 * qint64(i) * length + count) / (2 * qint64(count)));
}

bool marksBorder(QRgb mapPixel)
{
    return qGray(mapPixel) < 128;
}

// The map as `columns` x `rows` pixels. Nearest-pixel scaling keeps it black and white.
QImage mapAtSize(const QImage &map, int columns, int rows)
{
    const QImage sized =
        map.size() == QSize(columns, rows)
            ? map
            : map.scaled(columns, rows, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return sized.convertToFormat(QImage::Format_RGB32);
}

// The picture the border is composed from on screen: white turned to the guide colour.
QImage guidePicture(const QImage &picture)
{
    if (picture.isNull()) {
        QImage guide(1, 1, QImage::Format_RGB32);
        guide.fill(kBorderGuideColour);
        return guide;
    }
    QImage guide = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < guide.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(guide.scanLine(y));
        std::replace(line, line + guide.width(), white, kBorderGuideColour);
    }
    return guide;
}

} // namespace

BorderLayout patternBorderLayout(const BorderModel &border, const QSize &pageSize)
{
    const int tileWidth = std::max(border.tileWidth, 1);
    const int tileHeight = std::max(border.tileHeight, 1);
    BorderLayout layout;
    layout.pictureSize = QSize(tileWidth, tileHeight);
    const int across = tilesAlong(pageSize.width() - 2 * border.edgeWidth, tileWidth);
    const int down = tilesAlong(pageSize.height() - 2 * border.edgeHeight, tileHeight);
    if (across <= 0 || down <= 0)
        return layout;

    const QRect tile(QPoint(0, 0), layout.pictureSize);
    const auto place = [&](int x, int y) { layout.pieces.append({tile.translated(x, y), tile}); };
    const int left = border.edgeWidth;
    const int top = border.edgeHeight;
    const int right = left + (across - 1) * tileWidth;
    const int bottom = top + (down - 1) * tileHeight;
    layout.pieces.reserve(2 * (across + down));
    for (int i = 0; i < across; ++i) {
        place(left + i * tileWidth, top);
        place(left + i * tileWidth, bottom);
    }
    for (int j = 0; j < down; ++j) {
        place(left, top + j * tileHeight);
        place(right, top + j * tileHeight);
    }
    return layout;
}

BorderLayout mapBorderLayout(const BorderModel &border, const QSize &pageSize)
{
    BorderLayout layout;
    const QRect area(border.edgeWidth, border.edgeHeight, pageSize.width() - 2 * border.edgeWidth,
                     pageSize.height() - 2 * border.edgeHeight);
    if (area.isEmpty() || border.map.isNull())
        return layout;
    layout.pictureSize = area.size();

    // A block is at least one pixel: a map finer than the area could show nothing more.
    const int columns =
        std::min(border.tileWidth > 0 ? border.tileWidth : border.map.width(), area.width());
    const int rows =
        std::min(border.tileHeight > 0 ? border.tileHeight : border.map.height(), area.height());
    const QImage map = mapAtSize(border.map, columns, rows);

    for (int row = 0; row < rows; ++row) {
        const int y0 = blockEdge(row, area.height(), rows);
        const int y1 = blockEdge(row + 1, area.height(), rows);
        const auto *marks = reinterpret_cast<const QRgb *>(map.constScanLine(row));
        int column = 0;
        while (column < columns) {
            if (!marksBorder(marks[column])) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns && marksBorder(marks[column]))
                ++column;
            const int x0 = blockEdge(first, area.width(), columns);
            const int x1 = blockEdge(column, area.width(), columns);
            const QRect source(x0, y0, x1 - x0, y1 - y0);
            if (!source.isEmpty())
                layout.pieces.append({source.translated(area.topLeft()), source});
        }
    }
    return layout;
}

BorderLayout borderLayout(const BorderModel &border, const QSize &pageSize)
{
    switch (border.type) {
    case BorderType::Pattern:
        return patternBorderLayout(border, pageSize);
    case BorderType::Map:
        return mapBorderLayout(border, pageSize);
    case BorderType::None:
        break;
    }
    return {};
}

QImage composeBorder(const BorderModel &border, const QSize &pageSize)
{
    if (border.type == BorderType::None || border.picture.isNull() || pageSize.isEmpty())
        return {};
    const BorderLayout layout = borderLayout(border, pageSize);
    if (layout.pieces.isEmpty() || layout.pictureSize.isEmpty())
        return {};
    const QImage scaled = border.picture.size() == layout.pictureSize
                              ? border.picture
                              : border.picture.scaled(layout.pictureSize, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);

    QImage result(pageSize, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    // Straight copies: a tile laid over its neighbour replaces it.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const BorderPiece &piece : layout.pieces)
        painter.drawImage(piece.target.topLeft(), scaled, piece.source);
    return result;
}

QImage composeBorderGuide(const BorderModel &border, const QSize &pageSize)
{
    if (border.type == BorderType::None)
        return {};
    BorderModel shown = border;
    shown.picture = guidePicture(border.picture);
    return composeBorder(shown, pageSize);
}

} // namespace quillora
