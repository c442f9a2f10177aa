#include "ui/document/richtextboxwidget.h"

#include "core/layout/colour.h"
#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"
#include "core/text/textboxformat.h"
#include "ui/document/textboxwidget.h"
#include "ui/kit/fingerinput.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace quillora {

namespace {

QTextCharFormat charFormatFor(const TextStyle &style)
{
    QTextCharFormat format;
    format.setFont(TextBoxWidget::screenFont(style), QTextCharFormat::FontPropertiesAll);
    format.setForeground(toQColor(style.colour));
    return format;
}

} // namespace

RichTextBoxWidget::RichTextBoxWidget(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    prepareBoxEditor(this);
    FingerInput::takeFingers(*viewport());
    setWordWrapMode(wrapModeFor(true));
}

void RichTextBoxWidget::setBoxSize(const QSize &size)
{
    setLineWrapColumnOrWidth(int(textWidthFor(QSizeF(size))));
}

void RichTextBoxWidget::applyBaseStyle(const TextStyle &style)
{
    m_baseStyle = style;
    const QTextCharFormat format = charFormatFor(style);
    document()->setDefaultFont(format.font());

    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    QTextBlockFormat block;
    block.setAlignment(qtAlignment(style.align));
    all.mergeBlockFormat(block);

    // New typing in an emptied box takes the base style too.
    QTextCursor caret = textCursor();
    caret.mergeCharFormat(format);
    caret.mergeBlockFormat(block);
    setTextCursor(caret);
    setCurrentCharFormat(format);
}

void RichTextBoxWidget::setPlainContent(const QString &text)
{
    if (toPlainText() == text)
        return;
    setPlainText(text);
    applyBaseStyle(m_baseStyle);
}

void RichTextBoxWidget::showBox(const RichTextBoxModel &box)
{
    TextBoxFormat format{box.style, QSizeF(box.geometry.size()), true};
    format.style.fontSize = TextBoxWidget::screenFont(box.style).pointSizeF();
    configureTextBoxDocument(*document(), format);
    setBoxSize(box.geometry.size());
    if (box.rtf.isEmpty()) {
        applyBaseStyle(box.style);
        setPlainContent(box.plainText);
        return;
    }
    m_baseStyle = box.style;
    document()->setDefaultFont(TextBoxWidget::screenFont(box.style));
    if (box.rtf == rtfContent())
        return;
    QString error;
    // The model's content was written by this program; a damaged copy shows its plain text.
    if (!readRtf(box.rtf.toLatin1(), *document(), &error))
        setPlainContent(box.plainText);
}

QString RichTextBoxWidget::rtfContent() const
{
    return QString::fromLatin1(writeRtf(*document()));
}

void RichTextBoxWidget::mousePressEvent(QMouseEvent *event)
{
    emit pressed();
    QTextEdit::mousePressEvent(event);
}

void RichTextBoxWidget::keyPressEvent(QKeyEvent *event)
{
    m_keys.pressed(*event);
    QTextEdit::keyPressEvent(event);
}

void RichTextBoxWidget::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    if (m_keys.released(*event))
        emit keyReleased();
}

void RichTextBoxWidget::focusOutEvent(QFocusEvent *event)
{
    m_keys.forget();
    QTextEdit::focusOutEvent(event);
}

bool RichTextBoxWidget::canInsertFromMimeData(const QMimeData *source) const
{
    // Pictures and other objects do not belong in a text; only text (formatted or not) is taken.
    return richTextPasteAllowed(*source) && (source->hasText() || source->hasHtml());
}

void RichTextBoxWidget::insertFromMimeData(const QMimeData *source)
{
    if (!canInsertFromMimeData(source))
        return;
    if (source->hasHtml()) {
        // Formatting is kept; pictures and objects in the pasted markup are dropped before
        // anything lays them out, so nothing they point at is ever loaded.
        QTextDocument pasted;
        pasted.setHtml(source->html());
        const QString objectMark(QChar::ObjectReplacementCharacter);
        for (QTextCursor found = pasted.find(objectMark); !found.isNull();
             found = pasted.find(objectMark, found))
            found.removeSelectedText();
        textCursor().insertFragment(QTextDocumentFragment(&pasted));
        return;
    }
    textCursor().insertText(source->text());
}

} // namespace quillora
