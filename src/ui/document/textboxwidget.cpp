#include "ui/document/textboxwidget.h"

#include "core/layout/colour.h"
#include "core/text/textboxformat.h"
#include "ui/kit/fingerinput.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextOption>

#include <cmath>

namespace quillora {

namespace {

// No box on any screen shows a letter taller than this; a broken layout may ask for more.
constexpr double kMaxScreenFontPt = 1000.0;

bool isLineBreakKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void prepareBoxEditor(QTextEdit *edit)
{
    edit->setFrameShape(QFrame::NoFrame);
    edit->document()->setDocumentMargin(kTextBoxDocumentMargin);
    edit->setLineWrapMode(QTextEdit::FixedPixelWidth);
    edit->setTabChangesFocus(true);
    // The program's own undo records text steps; the control's private history would fight it.
    edit->setUndoRedoEnabled(false);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QScrollBar *bar : {edit->horizontalScrollBar(), edit->verticalScrollBar()}) {
        QObject::connect(bar, &QScrollBar::valueChanged, edit, [bar](int value) {
            if (value != 0)
                bar->setValue(0);
        });
    }
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, Qt::white);
    edit->setPalette(colours);
}

TextBoxWidget::TextBoxWidget(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    prepareBoxEditor(this);
    FingerInput::takeFingers(*viewport());
    setMultiLine(true);
}

QFont TextBoxWidget::screenFont(const TextStyle &style)
{
    QFont font = fontForStyle(style);
    if (!std::isfinite(font.pointSizeF()) || font.pointSizeF() > kMaxScreenFontPt)
        font.setPointSizeF(std::isfinite(style.fontSize) ? kMaxScreenFontPt : 1.0);
    return font;
}

void TextBoxWidget::showBox(const TextBoxModel &box)
{
    TextBoxFormat format{box.style, QSizeF(box.geometry.size()), box.multiLine};
    format.style.fontSize = screenFont(box.style).pointSizeF();
    configureTextBoxDocument(*document(), format);
    setMultiLine(box.multiLine);
    setBoxSize(box.geometry.size());
    applyTextStyle(box.style);
    setBoxText(box.text);
}

void TextBoxWidget::applyTextStyle(const TextStyle &style)
{
    setFont(screenFont(style));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(style.colour));
    setPalette(colours);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(qtAlignment(style.align));
    document()->setDefaultTextOption(option);
}

void TextBoxWidget::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    setWordWrapMode(wrapModeFor(multiLine));
}

void TextBoxWidget::setBoxSize(const QSize &size)
{
    setLineWrapColumnOrWidth(int(textWidthFor(QSizeF(size))));
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
    m_keys.pressed(*event);
    if (!m_multiLine && isLineBreakKey(event->key())) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    if (m_keys.released(*event))
        emit keyReleased();
}

void TextBoxWidget::focusOutEvent(QFocusEvent *event)
{
    m_keys.forget();
    QTextEdit::focusOutEvent(event);
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
