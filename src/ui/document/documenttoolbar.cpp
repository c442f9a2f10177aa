#include "ui/document/documenttoolbar.h"

#include "core/app/appcontext.h"
#include "ui/document/presentationlogo.h"
#include "ui/kit/picturebutton.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <iterator>

namespace quillora {

namespace {

// Buttons that come and go while a child works (undo, redo, print) keep their place, so nothing
// moves under a finger. Two palette buttons take turns in one place; the camera and the border
// button give their place up when hidden, as they depend on the settings or a rare tool.
enum class Place { Own, SharedWithPrevious, GivenUpWhenHidden };

struct ButtonDesign {
    ToolbarAction action;
    const char *objectName;
    const char *caption; // English; passes through translation
    const char *picture;
    int group; // buttons of one group sit close; groups are spaced apart
    Place place = Place::Own;
};

// In the order they appear from the left. Group 9 is kept at the right-hand end.
constexpr ButtonDesign kButtons[] = {
    {ToolbarAction::New, "NewBut", QT_TRANSLATE_NOOP("Quillora", "New"), ":/art/toolbar/new.svg",
     0},
    {ToolbarAction::Open, "openBut", QT_TRANSLATE_NOOP("Quillora", "Open"),
     ":/art/toolbar/open.svg", 0},
    {ToolbarAction::Save, "saveBut", QT_TRANSLATE_NOOP("Quillora", "Save"),
     ":/art/toolbar/save.svg", 0},
    {ToolbarAction::Print, "printBut", QT_TRANSLATE_NOOP("Quillora", "Print"),
     ":/art/toolbar/print.svg", 0},
    {ToolbarAction::Undo, "undoBut", QT_TRANSLATE_NOOP("Quillora", "Undo"),
     ":/art/toolbar/undo.svg", 1},
    {ToolbarAction::Redo, "RedoBut", QT_TRANSLATE_NOOP("Quillora", "Redo"),
     ":/art/toolbar/redo.svg", 1},
    {ToolbarAction::Font, "fontBut", QT_TRANSLATE_NOOP("Quillora", "Fonts"),
     ":/art/toolbar/fonts.svg", 2},
    {ToolbarAction::TextBigger, "MakeTextBiggerBut", QT_TRANSLATE_NOOP("Quillora", "Bigger text"),
     ":/art/toolbar/bigger.svg", 2},
    {ToolbarAction::TextSmaller, "MakeTextSmallerBut",
     QT_TRANSLATE_NOOP("Quillora", "Smaller text"), ":/art/toolbar/smaller.svg", 2},
    {ToolbarAction::ShowFeltPens, "showFeltsBut", QT_TRANSLATE_NOOP("Quillora", "Felt pens"),
     ":/art/toolbar/feltpens.svg", 3},
    {ToolbarAction::ShowPaintTools, "showToolsBut", QT_TRANSLATE_NOOP("Quillora", "Paint tools"),
     ":/art/toolbar/painttools.svg", 3, Place::SharedWithPrevious},
    {ToolbarAction::WebCam, "webCamBut", QT_TRANSLATE_NOOP("Quillora", "Camera"),
     ":/art/toolbar/camera.svg", 4, Place::GivenUpWhenHidden},
    {ToolbarAction::BorderFromMagnifier, "toolClickBut",
     QT_TRANSLATE_NOOP("Quillora", "Use this border"), ":/art/toolbar/border.svg", 5,
     Place::GivenUpWhenHidden},
    {ToolbarAction::ReadAloud, "readAloudBut", QT_TRANSLATE_NOOP("Quillora", "Read it to me"),
     ":/art/toolbar/readaloud.svg", 4, Place::GivenUpWhenHidden},
    {ToolbarAction::Minimise, "MinBut", QT_TRANSLATE_NOOP("Quillora", "Minimise"),
     ":/art/toolbar/minimise.svg", 9},
    {ToolbarAction::Exit, "ExitBut", QT_TRANSLATE_NOOP("Quillora", "Exit"),
     ":/art/toolbar/exit.svg", 9},
};

// The table is indexed by ToolbarAction.
constexpr bool inActionOrder()
{
    for (size_t i = 0; i < std::size(kButtons); ++i)
        if (int(kButtons[i].action) != int(i))
            return false;
    return true;
}
static_assert(inActionOrder() && std::size(kButtons) == size_t(ToolbarAction::Exit) + 1);

const QColor kCream(0xFF, 0xF8, 0xE1);
const QColor kInk(0x1B, 0x2A, 0x4A);
constexpr int kRuleHeight = 3;

constexpr int kButtonGap = 6;
constexpr int kGroupGap = 26;
constexpr int kEdgeGap = 12;
constexpr int kRightGroup = 9;

} // namespace

DocumentToolbar::DocumentToolbar(const AppContext &context, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MaxToolbar"));
    setFixedHeight(kToolbarHeightPx);
    for (const ButtonDesign &design : kButtons) {
        auto *button = new PictureButton(QString::fromLatin1(design.objectName),
                                         QIcon(QString::fromLatin1(design.picture)),
                                         context.tr(QString::fromLatin1(design.caption)), this);
        button->resize(kToolbarButtonPx, kToolbarButtonPx);
        const ToolbarAction action = design.action;
        connect(button, &PictureButton::clicked, this, [this, action] { emit triggered(action); });
        m_buttons.append(button);
    }
    m_logo = new PresentationLogo(this);
    connect(m_logo, &PresentationLogo::doubleClicked, this, &DocumentToolbar::logoDoubleClicked);
    relayout();
}

PictureButton *DocumentToolbar::button(ToolbarAction action) const
{
    return m_buttons.value(int(action));
}

void DocumentToolbar::setButtonShown(ToolbarAction action, bool shown)
{
    PictureButton *target = button(action);
    if (!target || target->isHidden() == !shown)
        return;
    target->setVisible(shown);
    relayout();
}

bool DocumentToolbar::isButtonShown(ToolbarAction action) const
{
    const PictureButton *target = button(action);
    return target && !target->isHidden();
}

void DocumentToolbar::retranslate(const AppContext &context)
{
    for (const ButtonDesign &design : kButtons)
        button(design.action)->setCaption(context.tr(QString::fromLatin1(design.caption)));
    emit retranslated();
}

void DocumentToolbar::relayout()
{
    const int top = (kToolbarHeightPx - kToolbarButtonPx) / 2 - 1;
    int x = kEdgeGap;
    int previousGroup = -1;
    for (const ButtonDesign &design : kButtons) {
        if (design.group == kRightGroup)
            continue;
        PictureButton *current = button(design.action);
        if (design.place == Place::SharedWithPrevious) {
            place(current, x - kToolbarButtonPx, top);
            continue;
        }
        if (design.place == Place::GivenUpWhenHidden && current->isHidden())
            continue;
        if (previousGroup >= 0)
            x += design.group == previousGroup ? kButtonGap : kGroupGap;
        place(current, x, top);
        x += kToolbarButtonPx;
        previousGroup = design.group;
    }

    int right = width() - kEdgeGap;
    for (auto it = std::rbegin(kButtons); it != std::rend(kButtons); ++it) {
        if (it->group != kRightGroup)
            continue;
        right -= kToolbarButtonPx;
        place(button(it->action), right, top);
        right -= kButtonGap;
    }
    // `right` stands a button gap short of the leftmost button on the right.
    placeLogo(x + kGroupGap, right + kButtonGap - kGroupGap);
}

// Positions are worked out left to right; in a right-to-left language the row is mirrored, so
// the buttons stand in reverse order.
void DocumentToolbar::place(QWidget *widget, int left, int top)
{
    widget->setGeometry(
        QStyle::visualRect(layoutDirection(), rect(), QRect(QPoint(left, top), widget->size())));
}

void DocumentToolbar::placeLogo(int freeLeft, int freeRight)
{
    if (!m_logo)
        return;
    // Centred in the window when there is room, else in the free space; never over a button.
    // A narrow window shows the badge without the name.
    m_logo->setCompact(freeRight - freeLeft < m_logo->fullSize().width());
    const QSize size = m_logo->sizeHint();
    const int centred = (width() - size.width()) / 2;
    const bool fitsCentred = centred >= freeLeft && centred + size.width() <= freeRight;
    const int left =
        fitsCentred ? centred : freeLeft + std::max(0, freeRight - freeLeft - size.width()) / 2;
    m_logo->setGeometry(
        QStyle::visualRect(layoutDirection(), rect(),
                           QRect(left, (kToolbarHeightPx - kRuleHeight - size.height()) / 2,
                                 size.width(), size.height())));
    m_logo->setVisible(freeRight - freeLeft >= size.width());
}

void DocumentToolbar::paintEvent(QPaintEvent *)
{
    // Cream paper like every panel, ruled off from the desk by a line of ink.
    QPainter painter(this);
    painter.fillRect(rect(), kCream);
    painter.fillRect(0, height() - kRuleHeight, width(), kRuleHeight, kInk);
}

void DocumentToolbar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void DocumentToolbar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        relayout();
}

} // namespace quillora
