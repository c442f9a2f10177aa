#pragma once
// Checks shared by the tests that read every shipped template.

#include "core/foundation/fontmapping.h"
#include "core/layout/pagemodel.h"
#include "core/text/textboxformat.h"
#include "core/text/textmeasure.h"

namespace quillora::test {

// What is wrong with a template's text box, or nothing: it must use a font the program knows
// and fit the text it starts with; an empty box must hold at least one line of its font.
inline QString templateTextProblem(const TextStyle &style, const QRect &box, const QString &text)
{
    if (metricCompatibleFamily(style.fontName) == style.fontName)
        return QStringLiteral("unknown font %1").arg(style.fontName);
    TextMeasure measure;
    const bool placeholder = text == kPlaceholderText;
    measure.load(TextBoxFormat{style, QSizeF(box.size()), true},
                 placeholder ? QString() : normalisedBoxText(text));
    if (measure.lineHeight() > box.height())
        return QStringLiteral("one line of %1 pt is taller than the box").arg(style.fontSize);
    if (!placeholder && measure.overflows())
        return QStringLiteral("\"%1\" does not fit its box").arg(text);
    return {};
}

} // namespace quillora::test
