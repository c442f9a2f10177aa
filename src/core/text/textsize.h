#pragma once
// The "bigger" and "smaller" buttons (MakeTextBiggerBut, MakeTextSmallerBut). They act on the
// current text object through a SizeButtonTarget chosen by its kind code: "t" and "r" are here.
// A document type with text objects of its own gives a target for its kind code; bubbles, a
// table's title and table cells are plain text: they load their text, font and text area into
// a TextBoxModel (a title first sets its height, a cell uses its column width − 2), press a
// PlainTextSizeTarget on it and take the size back (a bubble rounds it to a whole number).

#include "core/text/textmeasure.h"

#include <QSizeF>
#include <QTextCursor>

namespace quillora {

enum class SizeButton { Bigger, Smaller };
enum class SizeChange { Changed, Unchanged, Refused };

constexpr double kSizeButtonStep = 2.0;
constexpr double kSmallestButtonSize = 8.0;
constexpr double kLargestRichButtonSize = 72.0;

// "Smaller": two points less, not below 8. A size already below 8 (shrunk by fitting) stays
// as it is: making it 8 would make the text bigger and overflow the box.
double smallerFontSize(double size);

class SizeButtonTarget {
public:
    virtual ~SizeButtonTarget() = default;
    virtual SizeChange press(SizeButton button) = 0;
};

// A plain text box ("t"). Bigger adds two points and fits the text again, so a full box keeps
// its size; the caller gives the box the focus.
class PlainTextSizeTarget : public SizeButtonTarget {
public:
    PlainTextSizeTarget(TextBoxModel &box, TextMeasure &measure) : m_box(box), m_measure(measure) {}
    SizeChange press(SizeButton button) override;

private:
    TextBoxModel &m_box;
    TextMeasure &m_measure;
};

// The selection of a rich text box ("r"). Nothing happens without a selection. Every selected
// character changes by two points (not above 72, not below 8), so a selection of mixed sizes
// keeps its proportions. Bigger is refused when the content would no longer fit the box.
class RichTextSizeTarget : public SizeButtonTarget {
public:
    RichTextSizeTarget(QTextCursor selection, const QSizeF &boxSize)
        : m_selection(std::move(selection)), m_boxSize(boxSize) {}
    SizeChange press(SizeButton button) override;

private:
    QTextCursor m_selection;
    QSizeF m_boxSize;
};

// Applies the size step to every character of a selection; returns false when no size changed.
bool stepSelectionSize(QTextCursor &selection, SizeButton button);

} // namespace quillora
