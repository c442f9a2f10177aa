#include "core/doctypes/leaflet.h"

#include "core/layout/documenttypes.h"
#include "core/printing/pagerenderer.h"

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// Room the window keeps round the leaflet for its buttons; the small leaflet's flap button
// stands beside it.
constexpr int kSideRoom = 100;
constexpr int kSmallLeafletSideRoom = 138;
constexpr int kTopAndBottomRoom = 104;
constexpr int kDefaultTurnStep = 15;
constexpr int kHalfTurn = 180;

// The card border's measures in millimetres.
constexpr double kCardBorderEdgeWidthMm = 7.5;
constexpr double kCardBorderEdgeHeightMm = 6.5;
constexpr double kCardBorderTileMm = 15.0;

// Millimetres times the scale, truncated to whole pixels; never less than one pixel, so a tiny
// screen gives a tiny leaflet rather than none.
int truncated(double value)
{
    return std::max(1, int(std::floor(std::clamp(value, 0.0, 1.0e6) + 1e-4)));
}

template <typename Boxes> void keepPage(Boxes &boxes, LeafletStyle style, int page)
{
    for (int i = 0; i < boxes.size(); ++i)
        if (leafletPageOfObject(style, i) != page)
            boxes[i].visible = false;
}

} // namespace

QString leafletStyleCode(LeafletStyle style)
{
    switch (style) {
    case LeafletStyle::Booklet:
        return QStringLiteral("4p");
    case LeafletStyle::Card:
        return QStringLiteral("4c");
    case LeafletStyle::LargeLeaflet:
        return QStringLiteral("6b");
    case LeafletStyle::SmallLeaflet:
        return QStringLiteral("6s");
    }
    return {};
}

std::optional<LeafletStyle> leafletStyleFromCode(QStringView code)
{
    for (LeafletStyle style : {LeafletStyle::Booklet, LeafletStyle::Card,
                               LeafletStyle::LargeLeaflet, LeafletStyle::SmallLeaflet})
        if (code.compare(leafletStyleCode(style), Qt::CaseInsensitive) == 0)
            return style;
    return std::nullopt;
}

std::optional<LeafletStyle> defaultLeafletStyle(DocumentKind kind, int sizeChoice)
{
    return leafletStyleFromCode(leafletStyle(kind, sizeChoice));
}

bool styleBelongsToKind(LeafletStyle style, DocumentKind kind)
{
    return defaultLeafletStyle(kind, 0) == style || defaultLeafletStyle(kind, 1) == style;
}

std::optional<LeafletStyle> leafletStyleOfPage(const PageModel &page)
{
    const bool small =
        page.pageHeightMm == leafletStyleInfo(LeafletStyle::SmallLeaflet).wholePageMm.height();
    return defaultLeafletStyle(page.documentType, small ? 1 : 0);
}

LeafletStyleInfo leafletStyleInfo(LeafletStyle style)
{
    LeafletStyleInfo info;
    switch (style) {
    case LeafletStyle::Card:
        info.hasBorder = true;
        [[fallthrough]];
    case LeafletStyle::Booklet:
        info.pageMm = QSizeF(105, 148.5);
        info.wholePageMm = QSize(105, 148);
        break;
    case LeafletStyle::LargeLeaflet:
        info.pageMm = QSizeF(99, 210);
        break;
    case LeafletStyle::SmallLeaflet:
        info.pageMm = QSizeF(99, 105);
        break;
    }
    const bool sixPages =
        style == LeafletStyle::LargeLeaflet || style == LeafletStyle::SmallLeaflet;
    if (sixPages) {
        info.pageCount = 6;
        info.hasFlap = true;
        info.wholePageMm = info.pageMm.toSize();
    }
    info.displayMm = QSizeF(info.pageMm.width() * (sixPages ? 3 : 2), info.pageMm.height() * 1.2);
    return info;
}

LeafletScreenGeometry leafletScreenGeometry(LeafletStyle style, QSize screen)
{
    const LeafletStyleInfo info = leafletStyleInfo(style);
    const int sideRoom = style == LeafletStyle::SmallLeaflet ? kSmallLeafletSideRoom : kSideRoom;
    LeafletScreenGeometry geometry;
    // A screen too small for the window's buttons still gives a small leaflet, never none.
    geometry.freeArea = QSize(std::max(screen.width() - sideRoom, 1),
                              std::max(screen.height() - kTopAndBottomRoom, 1));
    const double freeWidth = geometry.freeArea.width();
    const double freeHeight = geometry.freeArea.height();
    const double displayAspect = info.displayMm.width() / info.displayMm.height();
    if (freeWidth / freeHeight > displayAspect) {
        geometry.scale = float(freeHeight / info.displayMm.height());
        const int width = std::min(truncated(displayAspect * freeHeight) + 2, int(freeWidth));
        geometry.holder = QRect((int(freeWidth) - width) / 2, 0, width, int(freeHeight));
    } else {
        geometry.scale = float(freeWidth / info.displayMm.width());
        geometry.holder = QRect(0, 0, int(freeWidth),
                                truncated(info.displayMm.height() * double(geometry.scale)));
    }
    geometry.panelSize = QSize(truncated(info.pageMm.width() * double(geometry.scale)),
                               truncated(info.pageMm.height() * double(geometry.scale)));
    return geometry;
}

BorderModel cardBorder(float scale, const QImage &paintedPicture)
{
    const auto pixels = [scale](double mm) { return int(std::lround(mm * double(scale))); };
    BorderModel border;
    border.type = BorderType::Pattern;
    border.edgeWidth = pixels(kCardBorderEdgeWidthMm);
    border.edgeHeight = pixels(kCardBorderEdgeHeightMm);
    border.tileWidth = pixels(kCardBorderTileMm);
    border.tileHeight = border.tileWidth;
    border.picture = paintedPicture;
    return border;
}

LeafletViewLayout leafletViewLayout(LeafletStyle style, LeafletView view)
{
    LeafletViewLayout layout;
    switch (view) {
    case LeafletView::Front:
        layout.pageOnPanel = {-1, 0, -1};
        layout.next = true;
        break;
    case LeafletView::Inside:
        layout.pageOnPanel = {1, 2, -1};
        layout.previous = layout.next = true;
        layout.openFlap = leafletStyleInfo(style).hasFlap;
        break;
    case LeafletView::Back:
        layout.pageOnPanel = {3, -1, -1};
        layout.previous = true;
        break;
    case LeafletView::FlapOpen:
        if (leafletStyleInfo(style).hasFlap) {
            layout.pageOnPanel = {1, 4, 5};
            layout.closeFlap = true;
        }
        break;
    }
    return layout;
}

int leafletPageOfObject(LeafletStyle style, int index)
{
    const int pages = leafletStyleInfo(style).pageCount;
    if (index < 0)
        return -1;
    if (style == LeafletStyle::Card || style == LeafletStyle::SmallLeaflet)
        return index < pages ? index : -1;
    return index % pages;
}

int leafletTurnStep(int turnAngleSetting)
{
    return turnAngleSetting >= 1 && turnAngleSetting <= kHalfTurn ? turnAngleSetting
                                                                  : kDefaultTurnStep;
}

PageModel leafletPageModel(const PageModel &leaflet, LeafletStyle style, int page)
{
    PageModel single;
    single.documentType = leaflet.documentType;
    single.scale = leaflet.scale;
    const LeafletStyleInfo info = leafletStyleInfo(style);
    single.pageRect = QRect(0, 0, truncated(info.pageMm.width() * double(leaflet.scale)),
                            truncated(info.pageMm.height() * double(leaflet.scale)));
    single.textBoxes = leaflet.textBoxes;
    single.richTextBoxes = leaflet.richTextBoxes;
    single.pictureBoxes = leaflet.pictureBoxes;
    keepPage(single.textBoxes, style, page);
    keepPage(single.richTextBoxes, style, page);
    keepPage(single.pictureBoxes, style, page);
    if (info.hasBorder && page == 0)
        single.border = leaflet.border;
    return single;
}

QImage leafletThumbnail(const PageModel &leaflet, LeafletStyle style, QSize bounds)
{
    return renderPageThumbnail(leafletPageModel(leaflet, style, 0), bounds);
}

void LeafletPagePictures::reset(int pageCount)
{
    pictures = QVector<QImage>(pageCount);
    changed = QVector<bool>(pageCount, true);
}

void LeafletPagePictures::markChanged(int page)
{
    if (page >= 0 && page < changed.size())
        changed[page] = true;
}

void LeafletPagePictures::bringUpToDate(const PageModel &leaflet, LeafletStyle style)
{
    for (int page = 0; page < changed.size() && page < pictures.size(); ++page) {
        if (!changed[page])
            continue;
        pictures[page] = renderPageImage(leafletPageModel(leaflet, style, page));
        changed[page] = false;
    }
}

} // namespace quillora
