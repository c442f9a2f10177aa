#include "ui/text/textboxwidget.h"

#include "core/layout/colour.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

Qt::Alignment qtAlignment(Alignment align)
{
    switch (align) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// No box on any screen shows a letter taller than this; a broken layout may ask for more.
constexpr double kMinScreenFontPt = 1.0;
constexpr double kMaxScreenFontPt = 1000.0;

bool isLineBreakKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void pinScrolling(QTextEdit *edit)
{
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QScrollBar *bar : {edit->horizontalScrollBar(), edit->verticalScrollBar()}) {
        QObject::connect(bar, &QScrollBar::valueChanged, edit, [bar](int value) {
            if (value != 0)
                bar->setValue(0);
        });
    }
}

TextBoxWidget::TextBoxWidget(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    // The program's own undo records text steps; the control's private history would fight it.
    setUndoRedoEnabled(false);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    document()->setDocumentMargin(kTextBoxDocumentMargin);
    pinScrolling(this);
    setMultiLine(true);
}

QFont TextBoxWidget::fontFor(const TextStyle &style)
{
    QFont font(style.fontName);
    const double size = std::isfinite(style.fontSize) ? style.fontSize : kMinScreenFontPt;
    font.setPointSizeF(std::clamp(size, kMinScreenFontPt, kMaxScreenFontPt));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

void TextBoxWidget::applyTextStyle(const TextStyle &style)
{
    setFont(fontFor(style));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(style.colour));
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(qtAlignment(style.align));
    document()->setDefaultTextOption(option);
}

void TextBoxWidget::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    setLineWrapMode(multiLine ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(multiLine ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                 : QTextOption::NoWrap);
    document()->setDefaultTextOption(option);
}

void TextBoxWidget::setBoxText(const QString &text)
{
    if (toPlainText() != text)
        setPlainText(text);
}

void TextBoxWidget::mousePressEvent(QMouseEvent *event)
{
    // The window may clear the placeholder here; the press then places the caret in the new text.
    emit pressed();
    QTextEdit::mousePressEvent(event);
}

void TextBoxWidget::keyPressEvent(QKeyEvent *event)
{
    if (!m_multiLine && isLineBreakKey(event->key())) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit keyReleased();
}

bool TextBoxWidget::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void TextBoxWidget::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    if (!m_multiLine) {
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    textCursor().insertText(text);
}

} // namespace quillora
