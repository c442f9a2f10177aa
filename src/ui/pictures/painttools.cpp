#include "ui/pictures/painttools.h"

#include "core/layout/reach.h"
#include "core/pictures/paintstate.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/twips.h"
#include "ui/pictures/paletteart.h"
#include "ui/pictures/pensizer.h"
#include "ui/pictures/pressarea.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quillora {

namespace {

constexpr std::array<int, kToolButtonCount> kButtonTools = {
    ToolMarker, ToolPencil,    ToolRectangle, ToolFilledRectangle, ToolEllipse,  ToolFilledEllipse,
    ToolLine,   ToolFloodFill, ToolCloud,     ToolStarburst,       ToolScribble, ToolSplat};

// What a child hears and reads in the tool tip; passes through translation.
const char *toolCaption(int tool)
{
    switch (tool) {
    case ToolMarker:
        return QT_TRANSLATE_NOOP("Quillora", "Thick pen");
    case ToolPencil:
        return QT_TRANSLATE_NOOP("Quillora", "Pencil");
    case ToolRectangle:
        return QT_TRANSLATE_NOOP("Quillora", "Rectangle");
    case ToolFilledRectangle:
        return QT_TRANSLATE_NOOP("Quillora", "Filled rectangle");
    case ToolEllipse:
        return QT_TRANSLATE_NOOP("Quillora", "Circle");
    case ToolFilledEllipse:
        return QT_TRANSLATE_NOOP("Quillora", "Filled circle");
    case ToolLine:
        return QT_TRANSLATE_NOOP("Quillora", "Straight line");
    case ToolFloodFill:
        return QT_TRANSLATE_NOOP("Quillora", "Paint pot");
    case ToolCloud:
        return QT_TRANSLATE_NOOP("Quillora", "Cloud");
    case ToolStarburst:
        return QT_TRANSLATE_NOOP("Quillora", "Starburst");
    case ToolScribble:
        return QT_TRANSLATE_NOOP("Quillora", "Scribble");
    case ToolSplat:
        return QT_TRANSLATE_NOOP("Quillora", "Splat");
    default:
        return "";
    }
}

// Low screens: smaller buttons and colours, the same order and families.
constexpr int kTightButtonPx = 44;
constexpr int kTightButtonStepPx = 46;
constexpr int kTightColourPx = 18;
constexpr int kTightFamilyStepPx = 37;
constexpr int kTightColumnLeft[] = {6, 56};

// Roomy columns: the buttons as drawn in the middle, the colours as fingertip-sized squares
// with a gap between families, the six sizes in two rows of three.
constexpr int kRoomyFamilyGapPx = 8;
constexpr int kRoomyMarginPx = 8;
constexpr int kRoomySizerRows = 2;
// A press this far outside every colour (in the panel's margins, below the buttons) is no
// colour's; one in the gaps between colours is its nearest colour's.
constexpr int kColourPressSlackPx = 8;

PressArea *makeColourLabel(int index, QWidget *parent, std::function<void()> press)
{
    const ColourRef colour = paletteColours()[index].colour;
    auto *label = new PressArea(
        QStringLiteral("colPal%1").arg(index), parent,
        [fill = toQColor(colour)](QPainter &painter, const QRect &r) {
            painter.fillRect(r, fill);
            painter.setPen(
                QPen(fill.lightness() > 200 ? QColor(0xA0, 0xA0, 0xA0) : fill.darker(150), 1));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        },
        [press = std::move(press)](Qt::MouseButton) { press(); });
    label->setAccessibleName(PaintTools::tr(QT_TRANSLATE_NOOP("Quillora", "%1 paint"))
                                 .arg(paletteart::colourName(colour)));
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, toQColor(colour));
    label->setPalette(colours);
    return label;
}

// A highlight frame drawn round the current tool or colour.
class Highlight : public QWidget {
public:
    Highlight(const QString &name, QColor fill, QColor rim, int rimWidth, QWidget *parent)
        : QWidget(parent), m_fill(fill), m_rim(rim), m_rimWidth(rimWidth)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal half = m_rimWidth / 2.0;
        painter.setPen(QPen(m_rim, m_rimWidth));
        painter.setBrush(m_fill);
        painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 6, 6);
    }

private:
    QColor m_fill;
    QColor m_rim;
    int m_rimWidth;
};

} // namespace

int toolOfButton(int index)
{
    return index >= 0 && index < kToolButtonCount ? kButtonTools[index] : -1;
}

int buttonOfTool(int tool)
{
    for (int i = 0; i < kToolButtonCount; ++i) {
        if (kButtonTools[i] == tool)
            return i;
    }
    return -1;
}

PaintToolsLayout paintToolsLayout(PaintToolsFit fit)
{
    const bool tight = fit == PaintToolsFit::Tight;
    const int width =
        fit == PaintToolsFit::Roomy ? 2 * kPaintToolsPanelWidthPx : kPaintToolsPanelWidthPx;
    const int shift = (width - kPaintToolsPanelWidthPx) / 2;
    PaintToolsLayout layout;
    layout.width = width;
    for (int i = 0; i < kToolButtonCount; ++i) {
        const ToolInfo &info = toolInfo(kButtonTools[i]);
        if (tight) {
            const int column = info.column == ToolColumn::Left ? 0 : 1;
            layout.buttons[i] =
                QRect(kTightColumnLeft[column], 2 + (info.row - 1) * kTightButtonStepPx,
                      kTightButtonPx, kTightButtonPx);
        } else {
            layout.buttons[i] = QRect(info.buttonPosTwips() / kTwipsPerPixel + QPoint(shift, 0),
                                      QSize(kToolButtonSizePx, kToolButtonSizePx));
        }
    }
    int buttonsBottom = 0;
    for (const QRect &button : layout.buttons)
        buttonsBottom = qMax(buttonsBottom, button.bottom());
    const int coloursTop = buttonsBottom + 4;
    const int roomyFamilyPx = 2 * kReachPx + kRoomyFamilyGapPx;
    const int roomyLeft = (width - 2 * roomyFamilyPx + kRoomyFamilyGapPx) / 2;
    for (int i = 0; i < kPaletteColourCount; ++i) {
        const PaletteEntry &entry = paletteColours()[i];
        const int inFamily = i % 4;
        if (tight) {
            const int left = kTightColumnLeft[entry.family % 2] + (inFamily % 2) * kTightColourPx;
            const int top = coloursTop + (entry.family / 2) * kTightFamilyStepPx +
                            (inFamily / 2) * kTightColourPx;
            layout.colours[i] = QRect(left, top, kTightColourPx, kTightColourPx);
        } else if (fit == PaintToolsFit::Roomy) {
            const int left =
                roomyLeft + (entry.family % 2) * roomyFamilyPx + (inFamily % 2) * kReachPx;
            const int top = coloursTop + kRoomyMarginPx + (entry.family / 2) * roomyFamilyPx +
                            (inFamily / 2) * kReachPx;
            layout.colours[i] = QRect(left, top, kReachPx, kReachPx);
        } else {
            const int side = kPaletteLabelTwips / kTwipsPerPixel;
            layout.colours[i] = QRect(entry.posTwips / kTwipsPerPixel, QSize(side, side));
        }
    }
    const int coloursBottom = layout.colours.back().bottom();
    if (fit == PaintToolsFit::Roomy) {
        layout.sizer = QRect(0, coloursBottom + kRoomyMarginPx, width, kRoomySizerRows * kReachPx);
        layout.height = layout.sizer.bottom() + 1 + kRoomyMarginPx;
        return layout;
    }
    layout.sizer =
        QRect(0, coloursBottom + 2, width, tight ? PenSizer::kLowResHeightPx : PenSizer::kHeightPx);
    layout.height = tight ? kPaintToolsPanelLowResHeightPx : kPaintToolsPanelHeightPx;
    return layout;
}

int colourNear(const PaintToolsLayout &layout, QPoint at)
{
    int nearest = -1;
    int nearestDistance = kColourPressSlackPx + 1;
    for (int i = 0; i < kPaletteColourCount; ++i) {
        const QRect &r = layout.colours[i];
        const int dx = std::max({r.left() - at.x(), 0, at.x() - r.right()});
        const int dy = std::max({r.top() - at.y(), 0, at.y() - r.bottom()});
        const int distance = std::max(dx, dy);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

PaintTools::PaintTools(PaintState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("paintTools"));
    setAccessibleName(QCoreApplication::translate("Quillora", "Paint tools"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, looks::kCream);
    setPalette(colours);

    m_toolSelecta = new Highlight(QStringLiteral("toolSelecta"), looks::kSunshine,
                                  QColor(0xFF, 0x8C, 0x1A), 3, this);
    for (int i = 0; i < kToolButtonCount; ++i) {
        const int tool = kButtonTools[i];
        auto *button =
            new PictureButton(QStringLiteral("toolBut%1").arg(i), paletteart::toolPicture(tool),
                              QCoreApplication::translate("Quillora", toolCaption(tool)), this);
        button->setProperty("Tag", QString::number(tool));
        connect(button, &PictureButton::pressed, this, &PaintTools::pressed);
        connect(button, &PictureButton::clicked, this, [this, i, tool] {
            showToolSelectaAt(i);
            emit toolChosen(tool);
        });
        m_buttons.append(button);
    }
    for (int i = 0; i < kPaletteColourCount; ++i)
        m_colours.append(makeColourLabel(i, this, [this, i] { pressColour(i); }));
    m_colSelecta =
        new Highlight(QStringLiteral("colSelecta"), Qt::transparent, looks::kInk, 3, this);
    m_sizer = new PenSizer(state, this);
    connect(m_sizer, &PenSizer::sizeChosen, this, &PaintTools::pressed);
    connect(m_sizer, &PenSizer::sizeChosen, this, &PaintTools::sizeChosen);

    m_layout = paintToolsLayout(PaintToolsFit::Drawn);
    applyLayout();
    m_sizer->setCol(state.paintColour);
    m_sizer->setToolSize(state.toolSize);
    showToolSelectaAt(qMax(0, buttonOfTool(state.tool)));
}

void PaintTools::showToolSelectaAt(int index)
{
    if (index < 0 || index >= kToolButtonCount)
        return;
    m_selectedButton = index;
    const QRect button = m_layout.buttons[index];
    m_toolSelecta->setGeometry(button.adjusted(-3, -3, 3, 3));
    m_toolSelecta->lower();
}

void PaintTools::setToolSize(int size)
{
    m_sizer->setToolSize(size);
}

void PaintTools::choseToolColour(int index)
{
    if (!choosePaletteColour(m_state, index))
        return;
    m_selectedColour = index;
    m_colSelecta->setGeometry(m_layout.colours[index].adjusted(-3, -3, 3, 3));
    m_colSelecta->show();
    m_colSelecta->raise();
    m_sizer->setCol(m_state.paintColour);
}

void PaintTools::tightenUpForLowRes()
{
    m_fit = PaintToolsFit::Tight;
    m_layout = paintToolsLayout(m_fit);
    applyLayout();
}

void PaintTools::showForScreen(QSize screen)
{
    if (screen.height() < kLowResScreenHeight) {
        tightenUpForLowRes();
    } else {
        m_fit = roomyPalettes(screen.width(), screen.height()) ? PaintToolsFit::Roomy
                                                               : PaintToolsFit::Drawn;
        m_layout = paintToolsLayout(m_fit);
        applyLayout();
    }
    m_sizer->setCol(m_state.paintColour);
    show();
}

void PaintTools::mousePressEvent(QMouseEvent *event)
{
    const int colour = colourNear(m_layout, event->position().toPoint());
    if (colour >= 0)
        pressColour(colour);
    event->accept();
}

void PaintTools::pressColour(int index)
{
    emit pressed();
    choseToolColour(index);
    emit colourChosen(index);
}

void PaintTools::applyLayout()
{
    for (int i = 0; i < kToolButtonCount; ++i)
        m_buttons[i]->setGeometry(m_layout.buttons[i]);
    for (int i = 0; i < kPaletteColourCount; ++i)
        m_colours[i]->setGeometry(m_layout.colours[i]);
    m_sizer->setGeometry(m_layout.sizer);
    m_sizer->setRows(m_fit == PaintToolsFit::Roomy ? kRoomySizerRows : 1);
    showToolSelectaAt(m_selectedButton);
    if (m_selectedColour >= 0)
        m_colSelecta->setGeometry(m_layout.colours[m_selectedColour].adjusted(-3, -3, 3, 3));
    else
        m_colSelecta->hide();
    resize(m_layout.width, m_layout.height);
}

} // namespace quillora
