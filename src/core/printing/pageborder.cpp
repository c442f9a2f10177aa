#include "core/printing/pageborder.h"

#include "core/pictures/masks.h"

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

// The map as `wsf` x `hsf` pixels, nearest pixel, as the template means it. A factor larger than
// both the map and the area could show nothing more, so none is made larger than that.
QImage mapOnItsGrid(const BorderModel &border, const QSize &area)
{
    const QImage &map = border.map;
    const auto side = [](int factor, int mapSide, int areaSide) {
        return factor > 0 ? std::min(factor, std::max(mapSide, areaSide)) : mapSide;
    };
    const QSize grid(side(border.tileWidth, map.width(), area.width()),
                     side(border.tileHeight, map.height(), area.height()));
    return map.size() == grid ? map
                              : map.scaled(grid, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool marksAnyBorder(const QImage &map)
{
    const QImage pixels = map.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        if (std::any_of(line, line + pixels.width(), masks::marksShape))
            return true;
    }
    return false;
}

// `rect` of window pixels on an image drawn `scale` image pixels to a window pixel.
QRect scaledRect(const QRect &rect, qreal scale)
{
    return QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toRect();
}

QImage transparentPage(const QSize &pageSize, qreal scale)
{
    QImage page((QSizeF(pageSize) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    return page;
}

QImage composePatternBorder(const BorderModel &border, const QSize &pageSize, qreal scale)
{
    const BorderLayout layout = patternBorderLayout(border, pageSize);
    if (layout.pieces.isEmpty())
        return {};
    const QImage tile = border.picture.size() == layout.pictureSize
                            ? border.picture
                            : border.picture.scaled(layout.pictureSize, Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation);
    QImage result = transparentPage(pageSize, scale);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    // Straight copies: a tile laid over its neighbour replaces it.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const BorderPiece &piece : layout.pieces)
        painter.drawImage(QRectF(piece.target), tile, QRectF(piece.source));
    return result;
}

QImage composeMapBorder(const BorderModel &border, const QSize &pageSize, qreal scale)
{
    const QRect area = mapBorderArea(border, pageSize);
    if (area.isEmpty() || border.map.isNull())
        return {};
    const QImage map = mapOnItsGrid(border, area.size());
    if (!marksAnyBorder(map))
        return {};
    const QRect target = scaledRect(area, scale);
    if (target.isEmpty())
        return {};
    // The map judges inside and outside as a mask picture does (dark is border) and shares
    // its smooth edges.
    const QImage shown =
        masks::clipToShape(border.picture, masks::coverageFromMaskPicture(map, target.size()));
    QImage result = transparentPage(pageSize, scale);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target.topLeft(), shown);
    return result;
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

QRect mapBorderArea(const BorderModel &border, const QSize &pageSize)
{
    return QRect(border.edgeWidth, border.edgeHeight, pageSize.width() - 2 * border.edgeWidth,
                 pageSize.height() - 2 * border.edgeHeight);
}

QSize borderPictureSize(const BorderModel &border, const QSize &pageSize)
{
    switch (border.type) {
    case BorderType::Pattern:
        return patternBorderLayout(border, pageSize).pictureSize;
    case BorderType::Map:
        return mapBorderArea(border, pageSize).size().expandedTo(QSize(0, 0));
    case BorderType::None:
        break;
    }
    return {};
}

QImage composeBorder(const BorderModel &border, const QSize &pageSize, qreal scale)
{
    if (border.picture.isNull() || pageSize.isEmpty() || !(scale > 0))
        return {};
    switch (border.type) {
    case BorderType::Pattern:
        return composePatternBorder(border, pageSize, scale);
    case BorderType::Map:
        return composeMapBorder(border, pageSize, scale);
    case BorderType::None:
        break;
    }
    return {};
}

QImage composeBorderGuide(const BorderModel &border, const QSize &pageSize, qreal scale)
{
    if (border.type == BorderType::None)
        return {};
    BorderModel shown = border;
    shown.picture = guidePicture(border.picture);
    return composeBorder(shown, pageSize, scale);
}

} // namespace quillora
