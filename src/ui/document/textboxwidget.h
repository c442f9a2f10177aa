#pragma once
// A plain text box of the page: one font, size, colour and alignment for its whole text.
// It never grows and never scrolls: more text than fits is answered by a smaller font, which
// the fitting code decides; this control only shows what the page model says, laid out exactly
// as the fitting code measures it (core/text/textboxformat.h).

#include "core/layout/pagemodel.h"
#include "ui/document/keypresses.h"

#include <QFont>
#include <QTextEdit>

namespace quillora {

class TextBoxWidget : public QTextEdit {
    Q_OBJECT
public:
    explicit TextBoxWidget(QWidget *parent = nullptr);

    // The font a box shows: the measuring font, held within sizes a screen can draw.
    static QFont screenFont(const TextStyle &style);

    // Shows a box of the page: its document configured as every measure of it is
    // (configureTextBoxDocument), then its font, colour, wrapping and text.
    void showBox(const TextBoxModel &box);
    void applyTextStyle(const TextStyle &style);
    // Single-line boxes do not wrap and refuse line breaks; multi-line boxes wrap at their width.
    void setMultiLine(bool multiLine);
    // Lines break where the measuring document breaks them: at the box's text width, whatever
    // the control's own size.
    void setBoxSize(const QSize &size);
    bool isMultiLine() const { return m_multiLine; }
    // Replaces the text only when it differs, so the caret stays where the child left it.
    void setBoxText(const QString &text);
    QString boxText() const { return toPlainText(); }

signals:
    void pressed();
    void keyReleased();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;

private:
    bool m_multiLine = true;
    KeyPresses m_keys;
};

// Sets a text control up as the measuring document is: no frame, no margins, never scrolling,
// so its text shows from the top-left corner whatever the caret does.
void prepareBoxEditor(QTextEdit *edit);

} // namespace quillora
