#pragma once
// Fitting rich text boxes. Every change of a rich text box runs RichTextFitter::fit(): a change
// that brought in a picture or another object is undone, and text that no longer fits has every
// character made one point smaller per pass until it fits.

#include <QSizeF>
#include <QTextDocumentFragment>

class QMimeData;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace quillora {

// A rich text box is shrunk for at most this many passes per change.
constexpr int kMaxRichShrinkPasses = 20;

// The content of one rich text box that fitting last accepted. A box accepts its content when it
// is loaded (from a template or a work file), so that the first change already has something
// to go back to.
class RichTextMemory {
public:
    void accept(const QTextDocument &document);
    void clear();
    bool isEmpty() const { return !m_held; }
    // Puts the accepted content back into the document, replacing all of it.
    void restoreInto(QTextDocument &document) const;

private:
    QTextDocumentFragment m_content;
    bool m_held = false;
};

// The size in points of characters of this format: their own size (given in points or, as pasted
// formatted text may give it, in pixels) or the document's base size.
double pointSizeOf(const QTextCharFormat &format, const QTextDocument &document);

// Gives the selected characters, which share the format `format`, a size in points.
void setPointSize(QTextCursor &selection, QTextCharFormat format, double points);

// True when the document holds anything but text: a picture or an embedded object.
bool containsNonText(const QTextDocument &document);

// Pasting a picture into a rich text box is refused; text (plain or formatted) is let through.
bool richTextPasteAllowed(const QMimeData &data);

// True when the content would need scrolling in a box of this size. Sets the document's text
// width to the box's when it differs.
bool richTextOverflows(QTextDocument &document, const QSizeF &boxSize);

// Makes every character one point smaller, down to 4, in one edit. Returns false when nothing
// could be made smaller.
bool shrinkRichTextByOne(QTextDocument &document);

// Shrinks the whole content one point per pass while it overflows the box, at most
// kMaxRichShrinkPasses passes; a content of fewer than two characters is never shrunk.
// Returns the passes run.
int shrinkRichTextToFit(QTextDocument &document, const QSizeF &boxSize);

struct RichFitOutcome {
    enum class Action { Skipped, Accepted, Restored, Shrunk };
    Action action = Action::Skipped;
    int passes = 0;
    int cursorPosition = 0; // where the box's caret goes afterwards
};

// Runs on every change of a rich text box. One fitter per window: its guard keeps the changes
// made by fitting from starting another fit.
class RichTextFitter {
public:
    RichFitOutcome fit(QTextDocument &document, const QSizeF &boxSize, RichTextMemory &memory,
                       int cursorPosition);
    bool isFitting() const { return m_fitting; }

private:
    bool m_fitting = false;
};

} // namespace quillora
