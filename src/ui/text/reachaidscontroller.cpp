#include "ui/text/reachaidscontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "core/text/onscreenkeyboard.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/document/textboxwidget.h"
#include "ui/text/onscreenkeyboardwidget.h"
#include "ui/text/pullstring.h"
#include "ui/text/textcontroller.h"

#include <QEvent>
#include <QStyle>

namespace quillora {

namespace {

// Room kept free at the window's bottom right for the keyboard and its mini key.
constexpr int kKeyboardMarginPx = 24;

} // namespace

ReachAidsController::ReachAidsController(AppContext &context, DocumentWindow &window,
                                         TextController &text, KeySender &keys)
    : QObject(&window), m_context(context), m_window(window), m_text(text)
{
    m_keyboard = new OnScreenKeyboardWidget(keys, m_context.translator, &window);
    m_keyboard->hide();
    m_miniKey = new MiniKeyWidget(&window);
    m_miniKey->hide();
    connect(m_keyboard, &OnScreenKeyboardWidget::keyAboutToBeTyped, this,
            &ReachAidsController::giveKeyboardATarget);
    connect(m_keyboard, &OnScreenKeyboardWidget::closeRequested, this, [this] {
        m_keyboard->hide();
        m_miniKey->setVisible(m_context.settings.onScreenKeyboard);
        m_miniKey->raise();
    });
    connect(m_miniKey, &MiniKeyWidget::tapped, this, [this] {
        m_miniKey->hide();
        m_keyboard->show();
        m_keyboard->raise();
    });

    m_string = new PullString(window);
    window.installEventFilter(this);
}

void ReachAidsController::applySettings()
{
    const bool keyboardWanted = m_context.settings.onScreenKeyboard;
    // A window opens with the keyboard open; closing it leaves the mini key in its place.
    m_keyboard->setVisible(keyboardWanted);
    m_miniKey->setVisible(false);
    placeKeyboard();
    if (keyboardWanted)
        m_keyboard->raise();

    m_string->place(m_context.env.screen.heightPx, kToolbarHeightPx);
    m_string->setShown(m_context.settings.pullDownString);
    if (!m_context.settings.pullDownString && m_window.y() != 0)
        m_window.move(m_window.x(), 0);
}

void ReachAidsController::giveKeyboardATarget()
{
    if (QWidget *own = m_window.takeKeyboardTyping()) {
        own->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto widgetOf = [this](const CurrentObject &object) -> QWidget * {
        if (object.kind == ObjectKind::Text)
            return m_window.pageView()->textBox(object.index);
        return m_text.richWidget(object.index);
    };
    // Keys go only where the child can see them: not to a box on a postcard's hidden side.
    const std::optional<CurrentObject> target =
        keyboardTarget(m_context.page, [&](const CurrentObject &object) {
            const QWidget *widget = widgetOf(object);
            return widget && widget->isVisibleTo(&m_window);
        });
    if (!target) {
        // A page without texts takes no typing: the keys go to the window, which ignores them.
        m_window.setFocus(Qt::OtherFocusReason);
        return;
    }
    m_text.enter(target->kind, target->index);
    if (QWidget *widget = widgetOf(*target))
        widget->setFocus(Qt::OtherFocusReason);
}

void ReachAidsController::placeKeyboard()
{
    // Bottom right, clear of the pull-down string; a right-to-left window holds them bottom left.
    const QRect area = m_window.rect();
    const int inset = kKeyboardMarginPx + PullString::kRightInsetPx + PullString::kHandleSizePx / 2;
    for (QWidget *widget :
         {static_cast<QWidget *>(m_keyboard), static_cast<QWidget *>(m_miniKey)}) {
        const QRect place(area.right() - widget->width() - inset,
                          area.bottom() - widget->height() - kKeyboardMarginPx, widget->width(),
                          widget->height());
        widget->move(QStyle::visualRect(m_window.layoutDirection(), area, place).topLeft());
    }
}

bool ReachAidsController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Resize) {
        placeKeyboard();
        m_string->place(m_context.env.screen.heightPx, kToolbarHeightPx);
    }
    return false;
}

} // namespace quillora
