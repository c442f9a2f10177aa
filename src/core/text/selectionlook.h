#pragma once
// What the rich text toolbar shows and does for the selection of a rich text box: each property
// of the selected characters (mixed properties have no value), and the changes its controls make.

#include "core/layout/colour.h"
#include "core/layout/pagemodel.h"

#include <QString>
#include <QTextCursor>

#include <optional>

namespace quillora {

struct SelectionLook {
    std::optional<QString> fontName;
    std::optional<double> fontSize; // points
    std::optional<ColourRef> colour;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> bullet;
    std::optional<Alignment> alignment;
};

// The look of the selected characters and paragraphs; without a selection, of the caret (the
// format new typing takes).
SelectionLook selectionLook(const QTextCursor &cursor);

// The size typed into the size list's edit field and confirmed with Enter: below 8 becomes 8,
// above 99 becomes 99; text that is no number at all is refused.
std::optional<int> enteredRichFontSize(const QString &typed);

// A size as the size list shows it: to the nearest whole or half point ("36.9" shows as "37",
// 10.4 as "10.5"), since fitting leaves sizes a child has no use for.
QString shownRichFontSize(double points);

constexpr int kSmallestEnteredRichSize = 8;
constexpr int kLargestEnteredRichSize = 99;

// Changes of the selection (the caret's format when nothing is selected), each one edit.
void setSelectionFontName(QTextCursor &cursor, const QString &name);
void setSelectionPointSize(QTextCursor &cursor, double points);
void setSelectionColour(QTextCursor &cursor, ColourRef colour);
void setSelectionBold(QTextCursor &cursor, bool on);
void setSelectionItalic(QTextCursor &cursor, bool on);
void setSelectionUnderline(QTextCursor &cursor, bool on);
// Paragraphs of the selection become bullet points, or plain paragraphs again.
void setSelectionBullet(QTextCursor &cursor, bool on);
void setSelectionAlignment(QTextCursor &cursor, Alignment align);

} // namespace quillora
