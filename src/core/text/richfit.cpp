#include "core/text/richfit.h"

#include "core/text/textboxformat.h"

#include <QFontInfo>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace quillora {

namespace {

int characterCount(const QTextDocument &document)
{
    return std::max(document.characterCount() - 1, 0);
}

class GuardFlag {
public:
    explicit GuardFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~GuardFlag() { m_flag = false; }
    GuardFlag(const GuardFlag &) = delete;
    GuardFlag &operator=(const GuardFlag &) = delete;

private:
    bool &m_flag;
};

void removeNonText(QTextDocument &document)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (;;) {
        const QTextCursor found = document.find(QString(QChar::ObjectReplacementCharacter));
        if (found.isNull())
            break;
        cursor.setPosition(found.selectionStart());
        cursor.setPosition(found.selectionEnd(), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

double smallerSize(double size)
{
    return std::max(size - 1.0, kSmallestFittedFontSize);
}

} // namespace

void RichTextMemory::accept(const QTextDocument &document)
{
    m_content = QTextDocumentFragment(&document);
    m_held = true;
}

void RichTextMemory::clear()
{
    m_content = QTextDocumentFragment();
    m_held = false;
}

void RichTextMemory::restoreInto(QTextDocument &document) const
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    if (m_held)
        cursor.insertFragment(m_content);
    cursor.endEditBlock();
}

double pointSizeOf(const QTextCharFormat &format, const QTextDocument &document)
{
    if (format.hasProperty(QTextFormat::FontPointSize))
        return format.fontPointSize();
    if (format.hasProperty(QTextFormat::FontPixelSize))
        return QFontInfo(format.font()).pointSizeF();
    return document.defaultFont().pointSizeF();
}

void setPointSize(QTextCursor &selection, QTextCharFormat format, double points)
{
    format.clearProperty(QTextFormat::FontPixelSize);
    format.setFontPointSize(points);
    selection.setCharFormat(format);
}

bool containsNonText(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat() ||
                fragment.charFormat().objectType() != QTextFormat::NoObject ||
                fragment.text().contains(QChar::ObjectReplacementCharacter))
                return true;
        }
    }
    return false;
}

bool richTextPasteAllowed(const QMimeData &data)
{
    return !data.hasImage() || data.hasText();
}

bool richTextOverflows(QTextDocument &document, const QSizeF &boxSize)
{
    const qreal width = textWidthFor(boxSize);
    if (document.textWidth() != width)
        document.setTextWidth(width);
    return contentHeight(document) > boxSize.height();
}

bool shrinkRichTextByOne(QTextDocument &document)
{
    struct Shrink {
        int position;
        int length;
        QTextCharFormat format;
        double size;
    };
    std::vector<Shrink> shrinks;
    std::vector<int> emptyBlocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.length() <= 1)
            emptyBlocks.push_back(block.position());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat())
                continue;
            const double size = pointSizeOf(format, document);
            if (size > kSmallestFittedFontSize)
                shrinks.push_back(
                    {fragment.position(), fragment.length(), format, smallerSize(size)});
        }
    }
    bool changed = !shrinks.empty();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const Shrink &shrink : shrinks) {
        cursor.setPosition(shrink.position);
        cursor.setPosition(shrink.position + shrink.length, QTextCursor::KeepAnchor);
        setPointSize(cursor, shrink.format, shrink.size);
    }
    // An empty paragraph is as tall as its paragraph mark's font.
    for (int position : emptyBlocks) {
        cursor.setPosition(position);
        QTextCharFormat mark = cursor.blockCharFormat();
        const double size = pointSizeOf(mark, document);
        if (size <= kSmallestFittedFontSize)
            continue;
        mark.clearProperty(QTextFormat::FontPixelSize);
        mark.setFontPointSize(smallerSize(size));
        cursor.setBlockCharFormat(mark);
        changed = true;
    }
    cursor.endEditBlock();
    return changed;
}

int shrinkRichTextToFit(QTextDocument &document, const QSizeF &boxSize)
{
    int passes = 0;
    while (passes < kMaxRichShrinkPasses && characterCount(document) >= 2 &&
           richTextOverflows(document, boxSize)) {
        if (!shrinkRichTextByOne(document))
            break;
        ++passes;
    }
    return passes;
}

RichFitOutcome RichTextFitter::fit(QTextDocument &document, const QSizeF &boxSize,
                                   RichTextMemory &memory, int cursorPosition)
{
    RichFitOutcome outcome;
    outcome.cursorPosition = cursorPosition;
    if (m_fitting || characterCount(document) == 0)
        return outcome;

    GuardFlag guard(m_fitting);
    if (containsNonText(document)) {
        // A pasted picture or object: the change is undone. Without accepted content to go back
        // to, only the objects are taken out, so text the box already held is never lost.
        if (memory.isEmpty())
            removeNonText(document);
        else
            memory.restoreInto(document);
        outcome.action = RichFitOutcome::Action::Restored;
    } else if (characterCount(document) >= 2 && !memory.isEmpty() &&
               richTextOverflows(document, boxSize)) {
        outcome.passes = shrinkRichTextToFit(document, boxSize);
        outcome.action = RichFitOutcome::Action::Shrunk;
    } else {
        outcome.action = RichFitOutcome::Action::Accepted;
    }
    outcome.cursorPosition = std::clamp(cursorPosition, 0, characterCount(document));
    memory.accept(document);
    return outcome;
}

} // namespace quillora
