#pragma once
// How a text box lays out its text. The on-screen boxes and every off-screen measure or drawing
// configure their QTextDocument through configureTextBoxDocument(), so a line breaks in the same
// place wherever the text is shown, measured or printed.
//
// An on-screen editor showing a box keeps to the same settings: it shows the configured
// document (or configures its own with this function), has no frame and no viewport margins,
// never scrolls, wraps at a fixed pixel width equal to textWidthFor(box size) with the word-wrap
// mode wrapModeFor(multiLine), and has fontForStyle(style) as its own font (an editor pushes its
// font and wrap mode into its document, so they must agree).

#include "core/layout/pagemodel.h"

#include <QFont>
#include <QSizeF>
#include <QTextOption>

class QTextDocument;

namespace quillora {

// Space between the box's edge and its text. The on-screen box must show no frame or viewport
// margin of its own, so that its text width is exactly the box's width.
constexpr qreal kTextBoxDocumentMargin = 0.0;

// Sizes at or below this end every shrinking.
constexpr double kSmallestFittedFontSize = 4.0;

// The measuring string for the height of one line.
inline const QString kLineHeightSample = QStringLiteral("Testy");

// The box's font. Sizes are points (fractions allowed, already multiplied by the page scale
// factor where the page asks for it) and are never rounded, so a fitted size of 11.5 shows as 11.5.
QFont fontForStyle(const TextStyle &style);

// Qt alignment flags for a box alignment.
Qt::Alignment qtAlignment(Alignment align);

// Wrapping of a box: multi-line boxes wrap at word boundaries and break words longer than the
// box; single-line boxes never wrap.
QTextOption::WrapMode wrapModeFor(bool multiLine);

// Everything that decides the line breaks of a box.
struct TextBoxFormat {
    TextStyle style;
    QSizeF boxSize;            // the box in window pixels
    bool multiLine = true;
};

bool sameStyle(const TextStyle &a, const TextStyle &b);
bool operator==(const TextBoxFormat &a, const TextBoxFormat &b);

// Applies the box's font (as the document's default font), margin, text width, wrap mode and
// alignment (the default for paragraphs without an alignment of their own) to a document. The
// document never scrolls: callers measure its height against the box's height.
void configureTextBoxDocument(QTextDocument &document, const TextBoxFormat &format);

// The width the text of a box may use.
qreal textWidthFor(const QSizeF &boxSize);

// Display lines after wrapping (QTextDocument::lineCount() counts paragraphs, not lines).
// Lays the document out first if it needs it.
int wrappedLineCount(const QTextDocument &document);

// Width of the widest display line, trailing spaces excluded.
qreal widestLineWidth(const QTextDocument &document);

// Height the document's content needs, as the box would lay it out.
qreal contentHeight(const QTextDocument &document);

// Height of one line of "Testy" in a font, as a text box lays it out (the document rounds line
// heights up to whole pixels, so this is not QFontMetricsF::height()).
qreal lineHeightFor(const QFont &font);

// Text as a text box holds it: every line break ("\r\n", "\r") becomes "\n".
QString normalisedBoxText(const QString &text);

} // namespace quillora
