#include "core/text/textsize.h"

#include "core/text/plainfit.h"
#include "core/text/richfit.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <memory>
#include <vector>

namespace quillora {

namespace {

double biggerRichSize(double size)
{
    return std::max(std::min(size + kSizeButtonStep, kLargestRichButtonSize), size);
}

struct SizedRange {
    int start;
    int end;
    QTextCharFormat format;
    double size;
};

std::vector<SizedRange> sizedRanges(const QTextCursor &selection)
{
    const QTextDocument *document = selection.document();
    const int from = selection.selectionStart();
    const int to = selection.selectionEnd();
    std::vector<SizedRange> ranges;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start >= end || fragment.charFormat().isImageFormat())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            ranges.push_back({start, end, format, pointSizeOf(format, *document)});
        }
    }
    return ranges;
}

} // namespace

double smallerFontSize(double size)
{
    return std::max(size - kSizeButtonStep, std::min(size, kSmallestButtonSize));
}

bool stepSelectionSize(QTextCursor &selection, SizeButton button)
{
    bool changed = false;
    QTextCursor cursor(selection.document());
    cursor.beginEditBlock();
    for (const SizedRange &range : sizedRanges(selection)) {
        const double size = button == SizeButton::Bigger ? biggerRichSize(range.size)
                                                         : smallerFontSize(range.size);
        if (size == range.size)
            continue;
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
        setPointSize(cursor, range.format, size);
        changed = true;
    }
    cursor.endEditBlock();
    return changed;
}

SizeChange PlainTextSizeTarget::press(SizeButton button)
{
    const double before = m_box.style.fontSize;
    if (button == SizeButton::Smaller) {
        m_box.style.fontSize = smallerFontSize(before);
    } else {
        m_box.style.fontSize = before + kSizeButtonStep;
        shrinkToFit(m_measure, m_box);
    }
    return m_box.style.fontSize == before ? SizeChange::Unchanged : SizeChange::Changed;
}

SizeChange RichTextSizeTarget::press(SizeButton button)
{
    if (m_selection.isNull() || !m_selection.hasSelection())
        return SizeChange::Unchanged;
    if (button == SizeButton::Bigger) {
        // Try it on a copy first, so a refused step leaves the box and its undo untouched.
        const QTextDocument *original = m_selection.document();
        std::unique_ptr<QTextDocument> trial(original->clone());
        trial->setDefaultFont(original->defaultFont());
        trial->setDefaultTextOption(original->defaultTextOption());
        trial->setDocumentMargin(original->documentMargin());
        QTextCursor trialSelection(trial.get());
        trialSelection.setPosition(m_selection.anchor());
        trialSelection.setPosition(m_selection.position(), QTextCursor::KeepAnchor);
        if (!stepSelectionSize(trialSelection, button))
            return SizeChange::Unchanged;
        if (richTextOverflows(*trial, m_boxSize))
            return SizeChange::Refused;
    }
    return stepSelectionSize(m_selection, button) ? SizeChange::Changed : SizeChange::Unchanged;
}

} // namespace quillora
