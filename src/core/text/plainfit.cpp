#include "core/text/plainfit.h"

#include <algorithm>

namespace quillora {

TextBoxFormat formatOf(const TextBoxModel &box)
{
    return TextBoxFormat{box.style, QSizeF(box.geometry.size()), box.multiLine};
}

bool textOverflows(TextMeasure &measure, const TextBoxFormat &format, const QString &text)
{
    measure.load(format, text);
    return measure.overflows();
}

double fittedFontSize(TextMeasure &measure, const TextBoxFormat &format, const QString &text)
{
    double size = format.style.fontSize;
    measure.load(format, text);
    while (size > kSmallestFittedFontSize && measure.overflows()) {
        size = std::max(size - 1.0, kSmallestFittedFontSize);
        measure.setFontSize(size);
    }
    return size;
}

bool shrinkToFit(TextMeasure &measure, TextBoxModel &box)
{
    const double size = fittedFontSize(measure, formatOf(box), box.text);
    if (size == box.style.fontSize)
        return false;
    box.style.fontSize = size;
    return true;
}

bool FSisAllowed(double size, double pageScale, const TextStyle &style, double boxHeight)
{
    TextStyle scaled = style;
    scaled.fontSize = size * pageScale;
    return lineHeightFor(fontForStyle(scaled)) <= boxHeight;
}

const QList<int> &fontDialogSizes()
{
    static const QList<int> sizes{8, 10, 12, 14, 18, 24, 28, 32, 36, 40, 48, 64, 72, 96};
    return sizes;
}

int largestAllowedFontSize(const TextBoxModel &box)
{
    constexpr int kLargest = 97;
    const qsizetype lines = normalisedBoxText(box.text).count(QLatin1Char('\n')) + 1;
    TextStyle style = box.style;
    int size = 7;
    for (; size <= kLargest; ++size) {
        style.fontSize = size;
        if (lines * lineHeightFor(fontForStyle(style)) >= box.geometry.height())
            break;
    }
    return size - 1;
}

QList<int> allowedFontDialogSizes(const TextBoxModel &box)
{
    const int largest = largestAllowedFontSize(box);
    QList<int> allowed;
    for (int size : fontDialogSizes())
        if (size <= largest)
            allowed.append(size);
    return allowed;
}

int listedSizeAtOrBelow(double size, const QList<int> &sizes)
{
    int chosen = sizes.isEmpty() ? 8 : sizes.first();
    for (int entry : sizes)
        if (entry <= size)
            chosen = entry;
    return chosen;
}

bool oneLineFits(const TextStyle &style, double boxHeight)
{
    return lineHeightFor(fontForStyle(style)) <= boxHeight;
}

bool applyFontChoice(TextBoxModel &box, const FontChoice &choice, TextMeasure &measure)
{
    TextStyle chosen = box.style;
    chosen.fontName = choice.fontName;
    chosen.fontSize = choice.fontSize;
    chosen.colour = choice.colour;
    if (!box.multiLine && !oneLineFits(chosen, box.geometry.height()))
        return false;
    box.style = chosen;
    shrinkToFit(measure, box);
    return true;
}

} // namespace quillora
