#pragma once
// A plain text box of the page: one font, size, colour and alignment for its whole text.
// It never grows and never scrolls: more text than fits is answered by a smaller font, which
// the fitting code decides; this control only shows what the page model says.

#include "core/layout/pagemodel.h"

#include <QFont>
#include <QTextEdit>

namespace quillora {

// Space between a text box's edge and its text, in pixels. Anything that measures whether text
// fits a box must lay it out with the same margin.
constexpr qreal kTextBoxDocumentMargin = 2.0;

class TextBoxWidget : public QTextEdit {
    Q_OBJECT
public:
    explicit TextBoxWidget(QWidget *parent = nullptr);

    // The screen font of a text style. Sizes are points at the page's scale already.
    static QFont fontFor(const TextStyle &style);

    void applyTextStyle(const TextStyle &style);
    // Single-line boxes do not wrap and refuse line breaks; multi-line boxes wrap at their width.
    void setMultiLine(bool multiLine);
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
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;

private:
    bool m_multiLine = true;
};

// Keeps a text control's view at its origin: boxes of the page show their text from the top-left
// corner whatever the caret does.
void pinScrolling(QTextEdit *edit);

} // namespace quillora
