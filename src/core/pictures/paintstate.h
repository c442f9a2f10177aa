#pragma once
// The one painting state of the run (tool, size, colour, which palette shows) and the choices
// the palettes make on it: a felt pen, a tool, a pen size, a palette colour.

#include "core/layout/colour.h"
#include "core/pictures/painttables.h"

#include <QString>

namespace quillora {

constexpr ColourRef kPureRed = 255;

struct PaintState {
    qint16 tool = ToolMarker;
    qint16 toolSize = kInitialPenSize; // pixels; the pen width of most tools
    ColourRef paintColour = kPureRed;
    bool paintToolsShown = false; // false while the felt pens show
    bool feltRightClick = false;  // the last pen or lid was pressed with the right button
    RubberBandShape box = RubberBandShape::None; // the shape the window's Box takes
};

// What a window applies after a tool was chosen: the pictures' cursor, Timer1 and the sizer ring.
struct ToolSelection {
    int tool = 0;
    int toolSize = 0;
    QString cursorPicture;
    bool timerEnabled = false;
    RubberBandShape box = RubberBandShape::None;
};

// Makes t the current tool with its size rule. An unknown tool number changes nothing.
ToolSelection selectTool(PaintState &state, int tool);
// The selection as it stands, for windows that open while a tool is already current.
ToolSelection currentToolSelection(const PaintState &state);

// A palette label was pressed: the colour changes, tool and size stay. False for a bad index.
bool choosePaletteColour(PaintState &state, int index);
// A size dot was pressed. Only the six sizer sizes are accepted.
bool choosePenSize(PaintState &state, int size);

// The column of felt pens: which pen is open, where the pens sit, their colours.
class FeltPenColumn {
public:
    int strip() const { return m_strip; }
    void setStrip(int strip);
    int penSize() const { return m_penSize; }
    void setPenSize(int size) { m_penSize = size; }

    int currentPen() const { return m_currentPen; }
    ColourRef currentPenColour() const { return feltPenColour(m_strip, m_currentPen); }
    ColourRef penColour(int pen) const { return feltPenColour(m_strip, pen); }
    bool lidClosed(int pen) const { return pen != m_currentPen || !m_currentLidOpen; }

    // Closes the lid of the open pen and opens the lid of pen index.
    void choseColour(int index);
    void closeCurrentLid() { m_currentLidOpen = false; }
    void openCurrentLid() { m_currentLidOpen = true; }

    // Layout: the pens stand in one column, each directly below the one before.
    int penHeight() const { return m_penSize == 16 ? 16 : 32; }
    int penTop(int pen) const { return pen * penHeight(); }
    int endLineY() const { return penHeight() - 1; }
    int endLineWidth() const { return m_penSize == 16 ? 1 : 2; }
    bool bigPictures() const { return m_penSize != 16; }

private:
    int m_strip = 0;
    int m_penSize = 32;
    int m_currentPen = 0;
    bool m_currentLidOpen = true;
};

// A pen or its lid was pressed: the pen opens and its colour becomes the paint colour.
// False (and nothing changes) for an index outside the column.
bool pressFeltPen(PaintState &state, FeltPenColumn &pens, int index, bool rightButton);

// Height of the felt pen column for a screen, in pixels.
int feltPensHeight(int screenHeightPx);
// The felt pens replace the paint tools: big pens, pen 0 open, red paint.
void showFeltPens(PaintState &state, FeltPenColumn &pens);
// The paint tools replace the felt pens with tool 0 chosen.
ToolSelection showPaintTools(PaintState &state);

} // namespace quillora
