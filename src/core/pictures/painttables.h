#pragma once
// The fixed data of the painting palettes: tool numbers and their buttons, the felt pen strips,
// the 40 palette colours and the pen sizes. The palette widgets only draw what is listed here.

#include "core/layout/colour.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <span>

namespace quillora {

// Tool numbers as stored in PaintState::tool.
enum Tool : int {
    ToolMarker = 0,
    ToolPencil = 1,
    ToolRectangle = 2,
    ToolFilledRectangle = 3,
    ToolEllipse = 4,
    ToolFilledEllipse = 5,
    ToolLine = 6,
    ToolFloodFill = 7,
    ToolNone = 8,
    ToolWriting = 9,
    ToolCloud = 10,
    ToolStarburst = 11,
    ToolScribble = 12,
    ToolSplat = 13,
};
constexpr int kToolCount = 14;

// The rubber-band shape a tool shows on the picture while it is dragged.
enum class RubberBandShape { None, Rectangle, Oval, Line };

enum class ToolColumn { None, Left, Right };

struct ToolInfo {
    int tool = 0;
    ToolColumn column = ToolColumn::None; // None: the tool has no button
    int row = 0;                          // 1..6 from the top; 0 without a button
    QString buttonPicture;                // what the 48 x 48 button image shows
    int sizeOnSelection = 0;              // 0: choosing the tool keeps the size
    RubberBandShape rubberBand = RubberBandShape::None;
    bool animated = false; // runs the window's Timer1 while current
    QString cursorPicture; // the picture of toolCursor(tool)

    bool hasButton() const { return column != ToolColumn::None; }
    // Top-left of the button inside the paint tools panel, in twips.
    QPoint buttonPosTwips() const;
};

const std::array<ToolInfo, kToolCount> &toolTable();
// The entry of tool t; out-of-range numbers give tool 0.
const ToolInfo &toolInfo(int tool);
bool isValidTool(int tool);
bool toolUsesTimer(int tool);

constexpr int kToolButtonSizePx = 48;

// The paint tools panel, in pixels; screens lower than kLowResScreenHeight get the tighter one.
constexpr int kLowResScreenHeight = 601;
constexpr int kPaintToolsPanelWidthPx = 106;
constexpr int kPaintToolsPanelHeightPx = 620;
constexpr int kPaintToolsPanelLowResHeightPx = 501;
int paintToolsPanelHeight(int screenHeightPx);

// --- colour palette (colPal) ---
constexpr int kPaletteColourCount = 40;
constexpr int kPaletteLabelTwips = 360;

struct PaletteEntry {
    ColourRef colour = 0;
    QPoint posTwips; // top-left of the label inside the paint tools panel
    int family = 0;  // 0..9, four colours each
};

const std::array<PaletteEntry, kPaletteColourCount> &paletteColours();

// --- pen sizes (penSizer) ---
constexpr std::array<int, 6> kPenSizes = {4, 8, 12, 16, 24, 32};
constexpr std::array<int, 6> kPenSizeDotDiametersTwips = {60, 105, 165, 255, 360, 480};
constexpr int kInitialPenSize = 16;
// Index of a size among kPenSizes, or -1 when it is not one of them.
int penSizeIndex(int size);

// --- felt pens (FeltPens) ---
constexpr int kFeltPenCount = 24;
constexpr int kFeltStripCount = 4;
constexpr int kFeltBandHeightPx = 4;
constexpr int kFeltStripWidthPx = 4;

std::span<const ColourRef> feltStripColours(int strip);
// The strip as the control reads it: 4 pixels wide, one 4-pixel band per colour.
QImage feltStripImage(int strip);
// Pen i takes band (i mod bands); short strips repeat their colours from the top.
ColourRef feltPenColour(int strip, int pen);

} // namespace quillora
