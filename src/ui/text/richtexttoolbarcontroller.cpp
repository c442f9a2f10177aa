#include "ui/text/richtexttoolbarcontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/documenttypes.h"
#include "core/layout/objectkinds.h"
#include "core/layout/reach.h"
#include "core/text/plainfit.h"
#include "core/text/selectionlook.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/text/richtexttoolbar.h"
#include "ui/text/textcontroller.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QTextCursor>

namespace quillora {

RichTextToolbarController::RichTextToolbarController(AppContext &context, DocumentWindow &window,
                                                     TextController &text)
    : QObject(&window), m_context(context), m_window(window), m_text(text)
{
    m_toolbar = new RichTextToolbar(&window);
    m_toolbar->hide();
    connectToolbar();
    window.installEventFilter(this);
}

void RichTextToolbarController::connectToolbar()
{
    RichTextToolbar *bar = m_toolbar;
    connect(bar, &RichTextToolbar::fontNameChosen, this, [this](const QString &name) {
        changeRichText([&](QTextCursor &c) { setSelectionFontName(c, name); },
                       [&](TextStyle &base) { base.fontName = name; });
    });
    connect(bar, &RichTextToolbar::fontSizeChosen, this, [this](double points) {
        // An empty box takes a base size only when one line of it fits the box. The size is
        // checked as it will be shown: toolbar sizes are not scaled to the page.
        const int index = m_text.currentIndexOf(ObjectKind::RichText);
        RichTextBoxWidget *widget = m_text.richWidget(index);
        if (widget && widget->document()->isEmpty()) {
            const RichTextBoxModel &box = m_context.page.richTextBoxes[index];
            if (!FSisAllowed(points, 1.0, box.style, box.geometry.height())) {
                QApplication::beep();
                showLook();
                return;
            }
        }
        changeRichText([&](QTextCursor &c) { setSelectionPointSize(c, points); },
                       [&](TextStyle &base) { base.fontSize = points; });
    });
    connect(bar, &RichTextToolbar::boldChosen, this, [this](bool on) {
        changeRichText([&](QTextCursor &c) { setSelectionBold(c, on); },
                       [&](TextStyle &base) { base.bold = on; });
    });
    connect(bar, &RichTextToolbar::italicChosen, this, [this](bool on) {
        changeRichText([&](QTextCursor &c) { setSelectionItalic(c, on); },
                       [&](TextStyle &base) { base.italic = on; });
    });
    connect(bar, &RichTextToolbar::underlineChosen, this, [this](bool on) {
        changeRichText([&](QTextCursor &c) { setSelectionUnderline(c, on); },
                       [&](TextStyle &base) { base.underline = on; });
    });
    connect(bar, &RichTextToolbar::bulletChosen, this, [this](bool on) {
        changeRichText([&](QTextCursor &c) { setSelectionBullet(c, on); });
    });
    connect(bar, &RichTextToolbar::alignmentChosen, this, [this](int index) {
        if (index < 0 || index > 2)
            return;
        changeRichText([&](QTextCursor &c) { setSelectionAlignment(c, Alignment(index)); });
    });
    connect(bar, &RichTextToolbar::colourChosen, this, [this](ColourRef colour) {
        RichTextBoxWidget *widget = m_text.richWidget(m_text.currentIndexOf(ObjectKind::RichText));
        // An empty box has no characters to colour.
        if (!widget || widget->document()->isEmpty())
            return;
        changeRichText([&](QTextCursor &c) { setSelectionColour(c, colour); });
    });
}

void RichTextToolbarController::pageShown(bool hasRichText)
{
    for (int i = 0; i < m_context.page.richTextBoxes.size(); ++i) {
        RichTextBoxWidget *widget = m_text.richWidget(i);
        if (widget && !m_watchedRichBoxes.contains(widget->viewport())) {
            // Mouse releases in a rich text box show the new selection's look.
            widget->viewport()->installEventFilter(this);
            m_watchedRichBoxes.append(widget->viewport());
        }
    }
    const bool shown = setsUpRichTextToolbar(m_context.page.documentType, hasRichText);
    m_window.toolbar()->setButtonShown(ToolbarAction::Font, !shown);
    m_toolbar->setVisible(shown);
    if (shown) {
        place();
        m_toolbar->raise();
        showLook();
    }
}

void RichTextToolbarController::applySettings()
{
    const auto &fonts = m_context.settings.fontSlots;
    m_toolbar->setFontChoices(QStringList(fonts.begin(), fonts.end()));
}

void RichTextToolbarController::colourSelection(ColourRef colour)
{
    RichTextBoxWidget *widget = m_text.richWidget(m_text.currentIndexOf(ObjectKind::RichText));
    if (!widget || !widget->textCursor().hasSelection())
        return;
    changeRichText([&](QTextCursor &c) { setSelectionColour(c, colour); });
}

void RichTextToolbarController::place()
{
    // Placed as for left to right, then mirrored with the page and the palettes.
    const Qt::LayoutDirection direction = m_window.layoutDirection();
    const QRect page = QStyle::visualRect(direction, m_window.rect(), m_context.page.pageRect);
    const ScreenMetrics &screen = m_context.env.screen;
    const int palettesRight = paletteColumnWidth(screen.widthPx, screen.heightPx);
    // Never over the pens: a child must reach every one of them while the toolbar shows.
    const int left = std::max(page.left() - kToolbarLeftOfPagePx, palettesRight);
    const int width = std::min(m_toolbar->sizeHint().width(), std::max(m_window.width() - left, 0));
    // In the band the page fitting keeps free for it, never over the page.
    const QRect place(left, kToolbarHeightPx, width, kRichTextToolbarHeightPx);
    m_toolbar->setGeometry(QStyle::visualRect(direction, m_window.rect(), place));
}

void RichTextToolbarController::showLook()
{
    if (!m_toolbar->isVisible())
        return;
    RichTextBoxWidget *widget = m_text.richWidget(m_text.currentIndexOf(ObjectKind::RichText));
    if (!widget)
        return;
    m_toolbar->showLook(selectionLook(widget->textCursor()));
}

void RichTextToolbarController::changeRichText(const std::function<void(QTextCursor &)> &edit,
                                               const std::function<void(TextStyle &)> &base)
{
    const int index = m_text.currentIndexOf(ObjectKind::RichText);
    RichTextBoxWidget *widget = m_text.richWidget(index);
    if (!widget)
        return;
    if (widget->document()->isEmpty() && base) {
        RichTextBoxModel &box = m_context.page.richTextBoxes[index];
        base(box.style);
        widget->applyBaseStyle(box.style);
    } else {
        QTextCursor cursor = widget->textCursor();
        edit(cursor);
        widget->setTextCursor(cursor);
    }
    // A base style changes no characters, so no edit reports it.
    m_text.storeRichContent(index);
    m_text.recordStep(ObjectKind::RichText, index);
    widget->setFocus();
}

bool RichTextToolbarController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Resize && m_toolbar->isVisible())
            place();
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        m_watchedRichBoxes.contains(qobject_cast<QWidget *>(watched)))
        showLook();
    return false;
}

} // namespace quillora
