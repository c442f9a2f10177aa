#include "ui/files/pagecontent.h"

#include "core/text/rtfreader.h"
#include "ui/document/pageview.h"
#include "ui/document/richtextboxwidget.h"

#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QTextDocument>

namespace quillora {

namespace {
Q_LOGGING_CATEGORY(lcFilesUi, "quillora.files.ui")

} // namespace

bool showRichTextInView(PageView &view, const PageModel &page)
{
    bool allUsed = true;
    for (int i = 0; i < page.richTextBoxes.size(); ++i) {
        RichTextBoxWidget *control = view.richTextBox(i);
        const QString &rtf = page.richTextBoxes[i].rtf;
        if (!control || rtf.isEmpty())
            continue;
        // Putting stored content back is not an edit by the child.
        const QSignalBlocker quiet(control);
        // RTF that cannot be read leaves the control with the plain text it already shows.
        QString why;
        bool nestedTooDeep = false;
        if (!readRtf(rtf.toLatin1(), *control->document(), &why, &nestedTooDeep)) {
            qCWarning(lcFilesUi) << "rich text box" << i << "kept its plain text:" << why;
            allUsed = false;
        } else if (nestedTooDeep) {
            qCWarning(lcFilesUi) << "rich text box" << i << "left out text nested too deep";
            allUsed = false;
        }
    }
    return allUsed;
}

void takePlainTextFromRtf(PageModel &page)
{
    for (RichTextBoxModel &box : page.richTextBoxes) {
        if (box.rtf.isEmpty())
            continue;
        QTextDocument content;
        if (readRtf(box.rtf.toLatin1(), content))
            box.plainText = content.toPlainText();
    }
}

} // namespace quillora
