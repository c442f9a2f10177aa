#include "core/pictures/painttables.h"

namespace quillora {

namespace {

// The tables are written as 0xRRGGBB, the way colours are named on screen; the program holds
// them as ColourRef (red in the low byte).
constexpr ColourRef rgb(quint32 hex)
{
    return colourRef(int(hex >> 16) & 0xFF, int(hex >> 8) & 0xFF, int(hex) & 0xFF);
}

constexpr int kButtonLeftTwips[] = {60, 840};
constexpr int kButtonRowStepTwips = 780;
constexpr int kButtonTopTwips = 60;

constexpr std::array<quint32, kPaletteColourCount> kPaletteHex = {
    0xD00000, 0xEF0000, 0xFF0000, 0xFF4040, 0x804000, 0xC04000, 0xFF8000, 0xFFC040,
    0xFFDF00, 0xFFFF00, 0xFFFF40, 0xFFFF80, 0xC0C000, 0x008000, 0x00FF00, 0x00C000,
    0x008080, 0x00FFFF, 0x8080FF, 0x80FFFF, 0x0000C0, 0x000080, 0x8080FF, 0x0000FF,
    0x800080, 0xC000C0, 0xFF00FF, 0xFF80FF, 0x804040, 0x804000, 0xC00000, 0x400000,
    0x151515, 0x404040, 0x000000, 0x303030, 0x808080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF,
};
constexpr int kFamilyLeftTwips[] = {60, 840};
constexpr int kFamilyTopTwips = 4800;
constexpr int kFamilyRowStepTwips = 780;

constexpr ColourRef kStrip0[] = {
    rgb(0xFF0000), rgb(0xFFFF00), rgb(0xFF8000), rgb(0x00FF00), rgb(0x008000),
    rgb(0x00FFFF), rgb(0x0000FF), rgb(0xFFC4D4), rgb(0x804000), rgb(0xC0C0C0),
    rgb(0xFFFFFF), rgb(0x000000), rgb(0x800080), rgb(0x000080), rgb(0xFF8040),
    rgb(0x808000), rgb(0xC46000), rgb(0xFF80C0), rgb(0x8080C0), rgb(0x808080),
    rgb(0xFFFF80), rgb(0x80FF80), rgb(0xFF00FF), rgb(0xFFB020), rgb(0x00FF80),
};
constexpr ColourRef kStrip1[] = {
    rgb(0xFF0000), rgb(0xFFFF00), rgb(0xFF8000), rgb(0x00FF00), rgb(0x008000),
    rgb(0x00FFFF), rgb(0x0000FF), rgb(0xFF00FF), rgb(0x800080), rgb(0xFFB020),
    rgb(0xFFC4D4), rgb(0x804000), rgb(0xFF0000), rgb(0xFFFF00), rgb(0x00FF00),
    rgb(0x008000), rgb(0x0000FF), rgb(0xC0C0C0), rgb(0xFFFFFF), rgb(0x000000),
};
constexpr ColourRef kStrip2[] = {
    rgb(0xFF0000), rgb(0xFFFF00), rgb(0xFF8000), rgb(0x00FF00), rgb(0x008000),
    rgb(0x00FFFF), rgb(0x0000FF), rgb(0xFF00FF), rgb(0x800080), rgb(0xFFB020),
    rgb(0xFFC4D4), rgb(0x804000), rgb(0xC46000), rgb(0xFF80C0), rgb(0x0000A0),
    rgb(0x8080C0), rgb(0x80FF80), rgb(0xFF0000), rgb(0xFFFF00), rgb(0x00FF00),
    rgb(0x008000), rgb(0x0000FF), rgb(0xC0C0C0), rgb(0xFFFFFF), rgb(0x000000),
};
constexpr ColourRef kStrip3[] = {
    rgb(0xFF0000), rgb(0xFFFF00), rgb(0xFF8000), rgb(0x00FF00), rgb(0x008000), rgb(0x00FFFF),
    rgb(0x0000FF), rgb(0xFFC4D4), rgb(0x804000), rgb(0xC0C0C0), rgb(0xFFFFFF), rgb(0x000000),
    rgb(0x800080), rgb(0x000080), rgb(0xFF8040), rgb(0x808000),
};

} // namespace

QPoint ToolInfo::buttonPosTwips() const
{
    if (!hasButton())
        return {};
    return {kButtonLeftTwips[column == ToolColumn::Left ? 0 : 1],
            kButtonTopTwips + (row - 1) * kButtonRowStepTwips};
}

const std::array<ToolInfo, kToolCount> &toolTable()
{
    using C = ToolColumn;
    using B = RubberBandShape;
    static const std::array<ToolInfo, kToolCount> table = {{
        {ToolMarker, C::Left, 1, QStringLiteral("thick marker"), 16, B::None, false,
         QStringLiteral("marker")},
        {ToolPencil, C::Right, 1, QStringLiteral("pencil"), 4, B::None, false,
         QStringLiteral("pencil")},
        {ToolRectangle, C::Right, 4, QStringLiteral("square outline"), 4, B::Rectangle, false,
         QStringLiteral("square outline")},
        {ToolFilledRectangle, C::Left, 4, QStringLiteral("filled square"), 4, B::Rectangle, false,
         QStringLiteral("filled square")},
        {ToolEllipse, C::Right, 5, QStringLiteral("circle outline"), 4, B::Oval, false,
         QStringLiteral("circle outline")},
        {ToolFilledEllipse, C::Left, 5, QStringLiteral("filled circle"), 4, B::Oval, false,
         QStringLiteral("filled circle")},
        {ToolLine, C::Left, 6, QStringLiteral("slanted line"), 4, B::Line, false,
         QStringLiteral("slanted line")},
        {ToolFloodFill, C::Right, 6, QStringLiteral("paint pot"), 4, B::None, false,
         QStringLiteral("paint pot")},
        {ToolNone, C::None, 0, QString(), 4, B::Rectangle, false, QStringLiteral("arrow")},
        {ToolWriting, C::None, 0, QString(), 0, B::None, false, QStringLiteral("writing")},
        {ToolCloud, C::Left, 3, QStringLiteral("cloud"), 16, B::None, false,
         QStringLiteral("cloud")},
        {ToolStarburst, C::Right, 2, QStringLiteral("starburst"), 16, B::None, false,
         QStringLiteral("starburst")},
        {ToolScribble, C::Left, 2, QStringLiteral("scribble"), 32, B::None, true,
         QStringLiteral("scribble")},
        {ToolSplat, C::Right, 3, QStringLiteral("spiky splat"), 16, B::None, true,
         QStringLiteral("spiky splat")},
    }};
    return table;
}

int paintToolsPanelHeight(int screenHeightPx)
{
    return screenHeightPx < kLowResScreenHeight ? kPaintToolsPanelLowResHeightPx
                                                : kPaintToolsPanelHeightPx;
}

bool isValidTool(int tool)
{
    return tool >= 0 && tool < kToolCount;
}

const ToolInfo &toolInfo(int tool)
{
    return toolTable()[isValidTool(tool) ? tool : 0];
}

bool toolUsesTimer(int tool)
{
    return isValidTool(tool) && toolTable()[tool].animated;
}

const std::array<PaletteEntry, kPaletteColourCount> &paletteColours()
{
    static const std::array<PaletteEntry, kPaletteColourCount> table = [] {
        std::array<PaletteEntry, kPaletteColourCount> entries{};
        for (int i = 0; i < kPaletteColourCount; ++i) {
            const int family = i / 4;
            const int inFamily = i % 4;
            const int left = kFamilyLeftTwips[family % 2] + (inFamily % 2) * kPaletteLabelTwips;
            const int top = kFamilyTopTwips + (family / 2) * kFamilyRowStepTwips +
                            (inFamily / 2) * kPaletteLabelTwips;
            entries[i] = {rgb(kPaletteHex[i]), QPoint(left, top), family};
        }
        return entries;
    }();
    return table;
}

int penSizeIndex(int size)
{
    for (int i = 0; i < int(kPenSizes.size()); ++i) {
        if (kPenSizes[i] == size)
            return i;
    }
    return -1;
}

std::span<const ColourRef> feltStripColours(int strip)
{
    switch (strip) {
    case 1:
        return kStrip1;
    case 2:
        return kStrip2;
    case 3:
        return kStrip3;
    default:
        return kStrip0;
    }
}

QImage feltStripImage(int strip)
{
    const auto colours = feltStripColours(strip);
    QImage image(kFeltStripWidthPx, int(colours.size()) * kFeltBandHeightPx, QImage::Format_RGB32);
    for (int band = 0; band < int(colours.size()); ++band) {
        const QRgb pixel = toQColor(colours[band]).rgb();
        for (int y = 0; y < kFeltBandHeightPx; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(band * kFeltBandHeightPx + y));
            std::fill(line, line + kFeltStripWidthPx, pixel);
        }
    }
    return image;
}

ColourRef feltPenColour(int strip, int pen)
{
    const auto colours = feltStripColours(strip);
    const int bands = int(colours.size());
    return colours[((pen % bands) + bands) % bands];
}

} // namespace quillora
