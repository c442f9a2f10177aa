#include "core/printing/pageborder.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// More tiles than this along one edge means the template's sizes are broken, not a border.
constexpr int kMaxTilesPerEdge = 2000;

void drawPatternBorder(QPainter &painter, const BorderModel &border, const QSize &pageSize)
{
    const int tileWidth = std::max(border.tileWidth, 1);
    const int tileHeight = std::max(border.tileHeight, 1);
    const QImage tile = border.picture.scaled(tileWidth, tileHeight, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
    // A half tile counts up: the nearest whole number of tiles fills each edge.
    const auto tilesAlong = [](int room, int tile) {
        return std::clamp(int(std::floor(double(room) / tile + 0.5)), 0, kMaxTilesPerEdge);
    };
    const int across = tilesAlong(pageSize.width() - 2 * border.edgeWidth, tileWidth);
    const int down = tilesAlong(pageSize.height() - 2 * border.edgeHeight, tileHeight);
    if (across <= 0 || down <= 0)
        return;
    const int left = border.edgeWidth;
    const int top = border.edgeHeight;
    for (int i = 0; i < across; ++i) {
        painter.drawImage(left + i * tileWidth, top, tile);
        painter.drawImage(left + i * tileWidth, top + (down - 1) * tileHeight, tile);
    }
    for (int j = 0; j < down; ++j) {
        painter.drawImage(left, top + j * tileHeight, tile);
        painter.drawImage(left + (across - 1) * tileWidth, top + j * tileHeight, tile);
    }
}

// The map covers the page inside its edges; its dark pixels mark border. The picture is laid
// over the same area and shows through the marked blocks.
void drawMapBorder(QPainter &painter, const BorderModel &border, const QSize &pageSize)
{
    const QRect area(border.edgeWidth, border.edgeHeight, pageSize.width() - 2 * border.edgeWidth,
                     pageSize.height() - 2 * border.edgeHeight);
    if (area.isEmpty() || border.map.isNull())
        return;
    QImage shown =
        border.picture.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    const QImage map = border.map.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                           .convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(shown.scanLine(y));
        const auto *marks = reinterpret_cast<const QRgb *>(map.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            if (qGray(marks[x]) >= 128)
                pixels[x] = 0;
        }
    }
    painter.drawImage(area.topLeft(), shown);
}

} // namespace

QImage composeBorder(const BorderModel &border, const QSize &pageSize)
{
    if (border.type == BorderType::None || border.picture.isNull() || pageSize.isEmpty())
        return {};
    QImage result(pageSize, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    if (border.type == BorderType::Pattern)
        drawPatternBorder(painter, border, pageSize);
    else
        drawMapBorder(painter, border, pageSize);
    return result;
}

} // namespace quillora
