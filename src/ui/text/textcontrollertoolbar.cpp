// The text controller's side of the rich text toolbar: where it sits, what it shows, and what
// its controls do to the current rich text box.

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "core/layout/reach.h"
#include "core/text/plainfit.h"
#include "core/text/selectionlook.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/document/textboxwidget.h"
#include "ui/text/richtexttoolbar.h"
#include "ui/text/textcontroller.h"

#include <QApplication>
#include <QStyle>
#include <QTextCursor>

namespace quillora {

void TextController::connectToolbar()
{
    RichTextToolbar *bar = m_toolbar;
    connect(bar, &RichTextToolbar::fontNameChosen, this, [this](const QString &name) {
        changeRichText([&](QTextCursor &c) { setSelectionFontName(c, name); },
                       [&](TextStyle &base) { base.fontName = name; });
    });
    connect(bar, &RichTextToolbar::fontSizeChosen, this, [this](double points) {
        // An empty box takes a base size only when one line of it fits the box. The size is
        // checked as it will be shown: toolbar sizes are not scaled to the page.
        const int index = currentIndexOf(objectkind::RichText);
        RichTextBoxWidget *widget = richWidget(index);
        if (widget && widget->document()->isEmpty()) {
            const RichTextBoxModel &box = m_context.page.richTextBoxes[index];
            if (!FSisAllowed(points, 1.0, box.style, box.geometry.height())) {
                QApplication::beep();
                syncToolbar();
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
        RichTextBoxWidget *widget = richWidget(currentIndexOf(objectkind::RichText));
        // An empty box has no characters to colour.
        if (!widget || widget->document()->isEmpty())
            return;
        changeRichText([&](QTextCursor &c) { setSelectionColour(c, colour); });
    });
}

void TextController::colourSelectedText(ColourRef colour)
{
    const QString &kind = m_context.page.current.kind;
    const int index = m_context.page.current.index;
    if (kind == objectkind::Text && index >= 0 && index < m_context.page.textBoxes.size()) {
        const TextBoxWidget *box = m_window.pageView()->textBox(index);
        if (!box || !box->textCursor().hasSelection())
            return;
        // A plain box has one colour for all its text.
        m_context.page.textBoxes[index].style.colour = colour;
        m_window.refreshTextBox(index);
        recordStep(kind, index);
        return;
    }
    RichTextBoxWidget *widget = richWidget(currentIndexOf(objectkind::RichText));
    if (!widget || !widget->textCursor().hasSelection())
        return;
    changeRichText([&](QTextCursor &c) { setSelectionColour(c, colour); });
}

void TextController::placeToolbar()
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

void TextController::syncToolbar()
{
    if (!m_toolbar->isVisible())
        return;
    RichTextBoxWidget *widget = richWidget(currentIndexOf(objectkind::RichText));
    if (!widget)
        return;
    m_toolbar->showLook(selectionLook(widget->textCursor()));
}

void TextController::changeRichText(const std::function<void(QTextCursor &)> &edit,
                                    const std::function<void(TextStyle &)> &base)
{
    const int index = currentIndexOf(objectkind::RichText);
    RichTextBoxWidget *widget = richWidget(index);
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
    storeRichContent(index);
    recordStep(objectkind::RichText, index);
    widget->setFocus();
}

} // namespace quillora
