#pragma once
// The hidden measuring surface for plain text boxes: one document, configured exactly as the
// on-screen box, reused from keystroke to keystroke so that only the edited paragraph is laid
// out again.

#include "core/text/textboxformat.h"

#include <QFont>
#include <QString>
#include <QTextDocument>

namespace quillora {

class TextMeasure {
public:
    TextMeasure();
    TextMeasure(const TextMeasure &) = delete;
    TextMeasure &operator=(const TextMeasure &) = delete;

    // Loads a box. A format equal to the loaded one keeps the layout; a new text is applied as
    // one edit of the span that differs, so typing one character costs one paragraph's layout.
    void load(const TextBoxFormat &format, const QString &text);
    void setFontSize(double points);

    const TextBoxFormat &format() const { return m_format; }
    const QString &text() const { return m_text; }
    const QTextDocument &document() const { return m_document; }

    int lineCount() const;        // display lines after wrapping
    qreal widestLine() const;     // the text's width in a single-line box
    qreal lineHeight();           // one line of "Testy" in the loaded font
    qreal textWidth(const QString &text) const;  // width of a string in the loaded font, one line

    // Single-line boxes overflow when the text is wider than the box, multi-line boxes when
    // their display lines times the height of one line are taller than the box.
    bool overflows();

private:
    void replaceText(const QString &text);

    QTextDocument m_document;
    TextBoxFormat m_format;
    QString m_text;
    bool m_configured = false;
    QFont m_lineHeightFont;
    qreal m_lineHeight = -1;
};

} // namespace quillora
