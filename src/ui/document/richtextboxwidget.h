#pragma once
// A rich text box of the page: every character may carry its own font, size, colour and style.
// A template gives it one base style, applied to the whole text.

#include "core/layout/pagemodel.h"
#include "ui/document/keypresses.h"

#include <QTextEdit>

namespace quillora {

class RichTextBoxWidget : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBoxWidget(QWidget *parent = nullptr);

    // Sets the base font (used while the box is empty) and formats the whole text with `style`.
    void applyBaseStyle(const TextStyle &style);
    // Lines break at the box's text width, as the fitting code measures them.
    void setBoxSize(const QSize &size);
    // Replaces the content with plain text in the base style, when it differs.
    void setPlainContent(const QString &text);
    // Shows a box of the page: its Rich Text Format content when it has one, else its plain
    // text in the base style. Content equal to what is shown is left alone, caret and all.
    void showBox(const RichTextBoxModel &box);
    // The content as the page model keeps it.
    QString rtfContent() const;
    const TextStyle &baseStyle() const { return m_baseStyle; }

signals:
    void pressed();
    void keyReleased();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    TextStyle m_baseStyle;
    KeyPresses m_keys;
};

} // namespace quillora
