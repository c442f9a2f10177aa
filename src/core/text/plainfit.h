#pragma once
// Fitting plain text boxes: a box whose text grows too long gets a smaller font, one point per
// step, never a bigger box. Also the size limits the font dialog offers.

#include "core/text/textmeasure.h"

#include <QStringList>

namespace quillora {

TextBoxFormat formatOf(const TextBoxModel &box);

// True when the text does not fit the box at the format's font (single-line boxes by width,
// multi-line boxes by display lines times the height of one line).
bool textOverflows(TextMeasure &measure, const TextBoxFormat &format, const QString &text);

// The largest size, stepping down one point at a time from the format's size, at which the
// text fits; stops at 4. Never returns more than the size it started from.
double fittedFontSize(TextMeasure &measure, const TextBoxFormat &format, const QString &text);

// Shrinks the box's font until its text fits. Returns true when the size changed.
bool shrinkToFit(TextMeasure &measure, TextBoxModel &box);

// True when one line at size × page scale fits the box's height.
bool FSisAllowed(double size, double pageScale, const TextStyle &style, double boxHeight);

// The sizes the font dialog lists.
const QList<int> &fontDialogSizes();

// The largest size (6 to 97) at which the box's whole text, one line per line break, is still
// less tall than the box.
int largestAllowedFontSize(const TextBoxModel &box);

// The entries of the font dialog's size list that the box can take.
QList<int> allowedFontDialogSizes(const TextBoxModel &box);

// The list entry nearest to a size from below (the smallest entry when the size is below all).
int listedSizeAtOrBelow(double size, const QList<int> &sizes);

// The font dialog refuses a size at which one line no longer fits a single-line box.
bool oneLineFits(const TextStyle &style, double boxHeight);

// What the font dialog's OK gives a box.
struct FontChoice {
    QString fontName;
    double fontSize = 12.0;
    ColourRef colour = 0;
};

// Applies a font dialog choice: a single-line box refuses a size at which one line no longer
// fits its height (false, box unchanged); otherwise the font, size and colour are copied and
// the box is shrunk to fit. Applying to every box of a document is this, box by box.
[[nodiscard]] bool applyFontChoice(TextBoxModel &box, const FontChoice &choice,
                                   TextMeasure &measure);

} // namespace quillora
