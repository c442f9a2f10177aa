#include "ui/kit/childstyle.h"

#include "ui/kit/looks.h"

#include <QAbstractSpinBox>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kIndicator = 32;   // tick box and option button
constexpr int kArrowButton = 40; // the drop-down and up/down part of a list or number box
constexpr int kListRow = 44;     // a row of a list, a menu or a dropped-down list
constexpr int kTabHeight = 52;
constexpr qreal kHalfOutline = looks::kOutlineWidth / 2.0;

enum class Arrow { Up, Down, Left, Right };

// A rectangle whose outline of the art's width lies wholly inside `rect`.
QRectF inside(const QRect &rect)
{
    return QRectF(rect).adjusted(kHalfOutline, kHalfOutline, -kHalfOutline, -kHalfOutline);
}

void drawBox(QPainter *p, const QRectF &box, const QColor &fill, const QColor &outline,
             qreal radius = looks::kCornerRadius)
{
    p->setPen(QPen(outline, looks::kOutlineWidth));
    p->setBrush(fill);
    p->drawRoundedRect(box, radius, radius);
}

// A thick round-ended chevron, the only arrow the controls show.
void drawChevron(QPainter *p, const QRectF &area, Arrow arrow, const QColor &colour)
{
    const qreal half = std::min(area.width(), area.height()) * 0.22;
    const QPointF c = area.center();
    QPolygonF line;
    switch (arrow) {
    case Arrow::Up:
        line << c + QPointF(-half, half / 2) << c + QPointF(0, -half / 2)
             << c + QPointF(half, half / 2);
        break;
    case Arrow::Down:
        line << c + QPointF(-half, -half / 2) << c + QPointF(0, half / 2)
             << c + QPointF(half, -half / 2);
        break;
    case Arrow::Left:
        line << c + QPointF(half / 2, -half) << c + QPointF(-half / 2, 0)
             << c + QPointF(half / 2, half);
        break;
    case Arrow::Right:
        line << c + QPointF(-half / 2, -half) << c + QPointF(half / 2, 0)
             << c + QPointF(-half / 2, half);
        break;
    }
    p->setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->setBrush(Qt::NoBrush);
    p->drawPolyline(line);
}

// The sky button of a drop-down list, a number box or a scroll bar, with its white chevron.
void drawArrowButton(QPainter *p, const QRect &rect, Arrow arrow, bool enabled, bool pressed)
{
    const QColor fill = !enabled  ? looks::kCream.darker(115)
                        : pressed ? looks::kSkyDark
                                  : looks::kSky;
    drawBox(p, inside(rect), fill, enabled ? looks::kSkyDark : looks::kInk.lighter(250),
            looks::kCornerRadius - 2);
    drawChevron(p, QRectF(rect), arrow, looks::kWhite);
}

// White paper with an ink outline: where text is typed or a value is shown.
void drawField(QPainter *p, const QStyleOption *option)
{
    const bool enabled = option->state & QStyle::State_Enabled;
    const bool focused = option->state & QStyle::State_HasFocus;
    drawBox(p, inside(option->rect), enabled ? looks::kWhite : looks::kCream,
            focused ? looks::kSkyDark : looks::kInk);
}

Arrow arrowOf(QStyle::PrimitiveElement element)
{
    switch (element) {
    case QStyle::PE_IndicatorArrowUp:
    case QStyle::PE_IndicatorSpinUp:
    case QStyle::PE_IndicatorSpinPlus:
        return Arrow::Up;
    case QStyle::PE_IndicatorArrowLeft:
        return Arrow::Left;
    case QStyle::PE_IndicatorArrowRight:
        return Arrow::Right;
    default:
        return Arrow::Down;
    }
}

} // namespace

ChildStyle::ChildStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("childStyle"));
}

void ChildStyle::polish(QPalette &palette)
{
    looks::setArtColours(palette);
}

int ChildStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                            const QWidget *widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return kIndicator;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return 12;
    case PM_ScrollBarExtent:
        return 44;
    case PM_ScrollBarSliderMin:
        return looks::kTouchTarget;
    case PM_SmallIconSize:
    case PM_ButtonIconSize:
    case PM_TabBarIconSize:
        return 32;
    case PM_ListViewIconSize:
    case PM_ToolBarIconSize:
        return 40;
    case PM_IconViewIconSize:
    case PM_LargeIconSize:
        return 64;
    case PM_ButtonMargin:
        return 16;
    case PM_TabBarTabHSpace:
        return 36;
    case PM_TabBarTabVSpace:
        return 20;
    case PM_ComboBoxFrameWidth:
    case PM_SpinBoxFrameWidth:
        return 6;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize ChildStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                   const QSize &contents, const QWidget *widget) const
{
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    const int target = looks::kTouchTarget;
    switch (type) {
    case CT_CheckBox:
    case CT_RadioButton:
    case CT_ToolButton:
        return size.expandedTo(QSize(target, target));
    case CT_PushButton:
        return size.expandedTo(QSize(2 * target, target));
    case CT_ComboBox:
    case CT_SpinBox:
        return QSize(size.width() + kArrowButton, std::max(size.height(), target));
    case CT_LineEdit:
        // A frameless line is a text on a page, sized to its words; only fields grow.
        if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
            frame && frame->lineWidth > 0)
            return size.expandedTo(QSize(target, target));
        return size;
    case CT_TabBarTab:
        return size.expandedTo(QSize(2 * target, kTabHeight));
    case CT_HeaderSection:
        // A column header sorts the list when pressed (a file dialog's details).
        return QSize(std::max(size.width(), target), std::max(size.height(), target));
    case CT_ItemViewItem:
    case CT_MenuItem:
        // Separators stay thin; every row that can be chosen is a finger high.
        if (type == CT_MenuItem && size.height() < 12)
            return size;
        return size.expandedTo(QSize(0, kListRow));
    default:
        return size;
    }
}

QRect ChildStyle::subElementRect(SubElement element, const QStyleOption *option,
                                 const QWidget *widget) const
{
    // A check box or choice takes a press anywhere on its finger-high row, not only on the
    // box and its words.
    if (element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect)
        return option->rect;
    return QProxyStyle::subElementRect(element, option, widget);
}

QRect ChildStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                 SubControl part, const QWidget *widget) const
{
    const QRect whole = option->rect;
    const int frame = pixelMetric(PM_ComboBoxFrameWidth, option, widget);
    // The arrow part is a square button inside the frame's right end.
    const int side = std::min(kArrowButton, whole.height() - 2 * looks::kOutlineWidth);
    const QRect arrows(whole.right() - looks::kOutlineWidth - side + 1,
                       whole.top() + looks::kOutlineWidth, side,
                       whole.height() - 2 * looks::kOutlineWidth);
    if (control == CC_ComboBox) {
        switch (part) {
        case SC_ComboBoxArrow:
            return arrows;
        case SC_ComboBoxEditField:
            return QRect(whole.left() + frame + 4, whole.top() + frame,
                         arrows.left() - whole.left() - 2 * frame - 4, whole.height() - 2 * frame);
        default:
            break;
        }
    }
    if (control == CC_SpinBox) {
        const int half = arrows.height() / 2;
        switch (part) {
        case SC_SpinBoxUp:
            return QRect(arrows.left(), arrows.top(), arrows.width(), half);
        case SC_SpinBoxDown:
            return QRect(arrows.left(), arrows.top() + half, arrows.width(),
                         arrows.height() - half);
        case SC_SpinBoxEditField:
            return QRect(whole.left() + frame + 4, whole.top() + frame,
                         arrows.left() - whole.left() - 2 * frame - 4, whole.height() - 2 * frame);
        default:
            break;
        }
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
}

void ChildStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    QPainter &p = *painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = option->state & State_Enabled;
    switch (element) {
    case PE_IndicatorCheckBox: {
        const QRectF box = inside(option->rect);
        drawBox(&p, box, enabled ? looks::kWhite : looks::kCream,
                enabled ? looks::kInk : looks::kInk.lighter(250), 6);
        if (option->state & State_On) {
            const qreal w = box.width();
            QPolygonF tick;
            tick << box.topLeft() + QPointF(0.22 * w, 0.52 * w)
                 << box.topLeft() + QPointF(0.42 * w, 0.72 * w)
                 << box.topLeft() + QPointF(0.80 * w, 0.26 * w);
            p.setPen(QPen(looks::kGrassDark, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(tick);
        } else if (option->state & State_NoChange) {
            p.setPen(QPen(looks::kSkyDark, 6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(box.left() + 8, box.center().y()),
                       QPointF(box.right() - 8, box.center().y()));
        }
        break;
    }
    case PE_IndicatorRadioButton: {
        const QRectF ring = inside(option->rect);
        p.setPen(QPen(enabled ? looks::kInk : looks::kInk.lighter(250), looks::kOutlineWidth));
        p.setBrush(enabled ? looks::kWhite : looks::kCream);
        p.drawEllipse(ring);
        if (option->state & State_On) {
            p.setPen(QPen(looks::kSkyDark, 2));
            p.setBrush(looks::kSky);
            p.drawEllipse(ring.adjusted(7, 7, -7, -7));
        }
        break;
    }
    case PE_FrameFocusRect:
        p.setPen(QPen(looks::kSunshine.darker(115), looks::kOutlineWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inside(option->rect), 6, 6);
        break;
    case PE_PanelButtonCommand: {
        const bool down = option->state & (State_Sunken | State_On);
        const QColor fill = !enabled ? looks::kCream
                            : down   ? looks::kSky
                                     : looks::kSky.lighter(165);
        drawBox(&p, inside(option->rect), fill,
                enabled ? looks::kSkyDark : looks::kInk.lighter(250));
        break;
    }
    case PE_PanelButtonTool: {
        // The chosen one sits on a sunshine tile with an orange rim, like the chosen tool.
        if (option->state & State_On)
            drawBox(&p, inside(option->rect), looks::kSunshine, looks::kOrange);
        else if (option->state & (State_Sunken | State_MouseOver | State_Raised))
            drawBox(&p, inside(option->rect),
                    option->state & State_Sunken ? looks::kSky.lighter(140) : looks::kCream,
                    looks::kSkyDark);
        break;
    }
    case PE_PanelLineEdit:
        if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
            frame && frame->lineWidth > 0)
            drawField(&p, option);
        break;
    case PE_FrameLineEdit:
        drawField(&p, option);
        break;
    case PE_FrameTabWidget:
        drawBox(&p, inside(option->rect), looks::kCream, looks::kSkyDark);
        break;
    case PE_IndicatorArrowUp:
    case PE_IndicatorArrowDown:
    case PE_IndicatorArrowLeft:
    case PE_IndicatorArrowRight:
        drawChevron(&p, QRectF(option->rect), arrowOf(element),
                    option->palette.color(QPalette::ButtonText));
        break;
    case PE_IndicatorSpinUp:
    case PE_IndicatorSpinDown:
    case PE_IndicatorSpinPlus:
    case PE_IndicatorSpinMinus:
        drawChevron(&p, QRectF(option->rect), arrowOf(element), looks::kWhite);
        break;
    default:
        p.restore();
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    p.restore();
}

void ChildStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QPainter &p = *painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = option->state & State_Enabled;
    switch (element) {
    case CE_PushButtonBevel:
        proxy()->drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        break;
    case CE_TabBarTabShape: {
        const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
        // Tabs along the top are the only ones the program shows.
        if (tab && tab->shape != QTabBar::RoundedNorth && tab->shape != QTabBar::TriangularNorth) {
            p.restore();
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const bool selected = option->state & State_Selected;
        QRectF shape = inside(option->rect);
        if (!selected)
            shape.adjust(2, 6, -2, 0);
        // Round at the top, open at the foot where the tab meets its page.
        const qreal r = looks::kCornerRadius;
        QPainterPath path;
        path.moveTo(shape.bottomLeft() + QPointF(0, kHalfOutline + 1));
        path.lineTo(shape.left(), shape.top() + r);
        path.quadTo(shape.topLeft(), shape.topLeft() + QPointF(r, 0));
        path.lineTo(shape.right() - r, shape.top());
        path.quadTo(shape.topRight(), shape.topRight() + QPointF(0, r));
        path.lineTo(shape.bottomRight() + QPointF(0, kHalfOutline + 1));
        p.setPen(QPen(looks::kSkyDark, looks::kOutlineWidth));
        p.setBrush(selected ? looks::kCream : looks::kSky.lighter(160));
        p.drawPath(path);
        break;
    }
    case CE_ScrollBarSlider: {
        const bool pressed = option->state & State_Sunken;
        drawBox(&p, inside(option->rect).adjusted(2, 2, -2, -2),
                pressed ? looks::kSunshine : looks::kSky, looks::kSkyDark);
        break;
    }
    case CE_ScrollBarAddPage:
    case CE_ScrollBarSubPage:
        p.fillRect(option->rect, looks::kCream.darker(106));
        break;
    case CE_ScrollBarAddLine:
    case CE_ScrollBarSubLine: {
        const bool horizontal = option->state & State_Horizontal;
        const bool add = element == CE_ScrollBarAddLine;
        const Arrow arrow =
            horizontal ? (add ? Arrow::Right : Arrow::Left) : (add ? Arrow::Down : Arrow::Up);
        p.fillRect(option->rect, looks::kCream.darker(106));
        drawArrowButton(&p, option->rect, arrow, enabled, option->state & State_Sunken);
        break;
    }
    default:
        p.restore();
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    p.restore();
}

void ChildStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                    QPainter *painter, const QWidget *widget) const
{
    const bool enabled = option->state & State_Enabled;
    switch (control) {
    case CC_ComboBox: {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        drawField(painter, option);
        const QRect arrow = subControlRect(control, option, SC_ComboBoxArrow, widget);
        drawArrowButton(painter, arrow, Arrow::Down, enabled,
                        (option->activeSubControls & SC_ComboBoxArrow) &&
                            (option->state & State_Sunken));
        painter->restore();
        return;
    }
    case CC_SpinBox: {
        const auto *spin = qstyleoption_cast<const QStyleOptionSpinBox *>(option);
        if (!spin)
            break;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (spin->frame)
            drawField(painter, option);
        if (spin->buttonSymbols != QAbstractSpinBox::NoButtons) {
            const auto stepEnabled = [&](QAbstractSpinBox::StepEnabledFlag flag) {
                return enabled && (spin->stepEnabled & flag);
            };
            const bool sunken = option->state & State_Sunken;
            drawArrowButton(painter, subControlRect(control, option, SC_SpinBoxUp, widget),
                            Arrow::Up, stepEnabled(QAbstractSpinBox::StepUpEnabled),
                            sunken && (option->activeSubControls & SC_SpinBoxUp));
            drawArrowButton(painter, subControlRect(control, option, SC_SpinBoxDown, widget),
                            Arrow::Down, stepEnabled(QAbstractSpinBox::StepDownEnabled),
                            sunken && (option->activeSubControls & SC_SpinBoxDown));
        }
        painter->restore();
        return;
    }
    case CC_ScrollBar:
        // The common drawing asks this style for each part: track, arrows and slider.
        QCommonStyle::drawComplexControl(control, option, painter, widget);
        return;
    default:
        break;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

} // namespace quillora
