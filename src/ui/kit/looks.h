#pragma once
// The program's visual language in code: its named colours, the child-friendly type and the
// sizes of the things children press. docs/art.md explains the choices.

#include "core/layout/colour.h"

#include <QColor>
#include <QFont>

class QFileDialog;
class QPalette;
class QWidget;

namespace quillora::looks {

// Named colours used by widgets; the SVG art uses these and the rest of the palette in
// docs/art.md (grass green for yes, tomato red for no).
inline const QColor kCream{0xFF, 0xF8, 0xE1};    // dialog paper
inline const QColor kSunshine{0xFF, 0xD2, 0x3F}; // highlights, glow
inline const QColor kSky{0x3F, 0xA9, 0xF5};      // choices, arrows
inline const QColor kSkyDark{0x13, 0x5C, 0x96};  // outlines of sky shapes
inline const QColor kOrange{0xFF, 0x8C, 0x1A};   // attention, the rim of what is chosen
inline const QColor kGrass{0x2E, 0xB8, 0x2E};    // yes, ticks
inline const QColor kGrassDark{0x17, 0x70, 0x1A};
inline const QColor kInk{0x1B, 0x2A, 0x4A}; // all text
inline const QColor kWhite{0xFF, 0xFF, 0xFF};

constexpr int kPictureButtonSize = 48; // the smallest button a child presses
constexpr int kDialogButtonSize = 112; // OK and Cancel of the own dialogs
constexpr int kFrameWidth = 6;         // border of the own dialogs, in the frame colour
constexpr int kTopBarHeight = 52;
constexpr int kCornerRadius = 10; // of every drawn box, tab and button
constexpr int kOutlineWidth = 3;  // the art's outlines: 3 to 5 pixels
constexpr int kTouchTarget = 48;  // the smallest control a finger must hit

constexpr int kMessagePixels = 56; // "Exit?", "Save?"
constexpr int kControlPixels = 20; // the teacher's options and folder dialogs

// Andika was drawn for children learning to read (single-storey a and g); Comic Neue and
// the system sans follow when it is missing.
QFont childFont(int pixelSize, bool bold = false);

// Cream paper, ink text, sky selection and sunshine tool tips.
void setArtColours(QPalette &palette);

// The art's colours for a window and everything on it.
void paintWindowPalette(QWidget *window);

// A standard file dialog (never the desktop's own) in the program's look: child-sized type,
// big file pictures and a size that uses the screen.
void dressFileDialog(QFileDialog &dialog);

// The thick border every title-bar-less window draws around itself in the frame colour.
void drawWindowFrame(QWidget *window, ColourRef frameColour);

} // namespace quillora::looks
