#pragma once
// The paint tools palette (`paintTools`): twelve tool buttons `toolBut0`..`toolBut11` carrying
// their tool numbers, the 40 colours `colPal0`..`colPal39` in ten families of four, the pen size
// picker, and the highlights `toolSelecta` and `colSelecta` on the current tool and colour.

#include "core/layout/colour.h"
#include "core/pictures/painttables.h"

#include <QRect>
#include <QVector>
#include <QWidget>

#include <array>

namespace quillora {

class PenSizer;
class PictureButton;
struct PaintState;

constexpr int kToolButtonCount = 12;

// Where everything sits inside the panel, in pixels.
struct PaintToolsLayout {
    std::array<QRect, kToolButtonCount> buttons;
    std::array<QRect, kPaletteColourCount> colours;
    QRect sizer;
    int width = 0;
    int height = 0;
};
// How the panel is laid out: the drawn positions; packed closer for low screens; or spread over
// a roomy column, every colour and size as big as a fingertip.
enum class PaintToolsFit { Drawn, Tight, Roomy };
PaintToolsLayout paintToolsLayout(PaintToolsFit fit);
// The colour under or nearest to a press between colours, -1 for a press away from them all.
int colourNear(const PaintToolsLayout &layout, QPoint at);

// The tool on button `index` (buttons follow the tool numbers, skipping tools 8 and 9); -1 if none.
int toolOfButton(int index);
// The button of tool t, or -1 for tools without one.
int buttonOfTool(int tool);

class PaintTools : public QWidget {
    Q_OBJECT
public:
    explicit PaintTools(PaintState &state, QWidget *parent = nullptr);

    void showToolSelectaAt(int index);
    void setToolSize(int size);
    // Makes palette colour `index` the paint colour and marks it.
    void choseToolColour(int index);
    // Re-lays the panel closer together for screens less than 601 pixels high.
    void tightenUpForLowRes();
    bool tightened() const { return m_fit == PaintToolsFit::Tight; }

    // "Show paint tools": laid out for this screen, then shown.
    void showForScreen(QSize screen);

    PictureButton *toolButton(int index) const { return m_buttons.value(index); }
    QWidget *colourLabel(int index) const { return m_colours.value(index); }
    QWidget *toolSelecta() const { return m_toolSelecta; }
    QWidget *colSelecta() const { return m_colSelecta; }
    PenSizer *penSizer() const { return m_sizer; }
    int selectedButton() const { return m_selectedButton; }
    int selectedColour() const { return m_selectedColour; }

signals:
    // Anything on the panel went down: the window closes its right-click menu.
    void pressed();
    // A tool button came up: the window selects that tool (cursor, Timer1, size).
    void toolChosen(int tool);
    // PaintState already holds the colour.
    void colourChosen(int index);
    void sizeChosen(int size);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyLayout();
    void pressColour(int index);

    PaintState &m_state;
    QVector<PictureButton *> m_buttons;
    QVector<QWidget *> m_colours;
    QWidget *m_toolSelecta = nullptr;
    QWidget *m_colSelecta = nullptr;
    PenSizer *m_sizer = nullptr;
    PaintToolsLayout m_layout;
    PaintToolsFit m_fit = PaintToolsFit::Drawn;
    int m_selectedButton = 0;
    int m_selectedColour = -1;
};

} // namespace quillora
