#include "core/text/pagetextfit.h"

#include "core/text/plainfit.h"
#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"
#include "core/text/textboxformat.h"

#include <QTextDocument>

namespace quillora {

namespace {

void fitRichTextBox(RichTextBoxModel &box)
{
    if (box.rtf.isEmpty() || box.geometry.isEmpty())
        return;
    QTextDocument content;
    content.setUndoRedoEnabled(false);
    configureTextBoxDocument(content, TextBoxFormat{box.style, QSizeF(box.geometry.size()), true});
    if (!readRtf(box.rtf.toLatin1(), content))
        return;
    box.plainText = content.toPlainText();
    if (shrinkRichTextToFit(content, QSizeF(box.geometry.size())) > 0)
        box.rtf = QString::fromLatin1(writeRtf(content));
}

} // namespace

void fitPageTexts(PageModel &page)
{
    TextMeasure measure;
    for (TextBoxModel &box : page.textBoxes) {
        if (box.visible && box.text != kPlaceholderText)
            shrinkToFit(measure, box);
    }
    for (RichTextBoxModel &box : page.richTextBoxes) {
        if (box.visible)
            fitRichTextBox(box);
    }
}

} // namespace quillora
