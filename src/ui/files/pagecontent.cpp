#include "ui/files/pagecontent.h"

#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"
#include "ui/doctypes/objectframe.h"
#include "ui/doctypes/pageview.h"
#include "ui/text/richtextboxwidget.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTextDocument>

#include <vector>

namespace quillora {

namespace {
Q_LOGGING_CATEGORY(lcFilesUi, "quillora.files.ui")

// Pages larger than this are drawn smaller: a broken file must not make a giant picture.
constexpr int kMaxDrawnSidePx = 4096;
} // namespace

void readRichTextFromView(const PageView &view, PageModel &page)
{
    for (int i = 0; i < page.richTextBoxes.size(); ++i) {
        const RichTextBoxWidget *control = view.richTextBox(i);
        if (control && page.richTextBoxes[i].visible)
            page.richTextBoxes[i].rtf = QString::fromLatin1(writeRtf(*control->document()));
    }
}

void showRichTextInView(PageView &view, const PageModel &page)
{
    for (int i = 0; i < page.richTextBoxes.size(); ++i) {
        RichTextBoxWidget *control = view.richTextBox(i);
        const QString &rtf = page.richTextBoxes[i].rtf;
        if (!control || rtf.isEmpty())
            continue;
        // Putting stored content back is not an edit by the child.
        const QSignalBlocker quiet(control);
        // RTF that cannot be read leaves the control with the plain text it already shows.
        QString why;
        if (!readRtf(rtf.toLatin1(), *control->document(), &why))
            qCWarning(lcFilesUi) << "rich text box" << i << "kept its plain text:" << why;
    }
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

QImage grabPageArea(PageView &view)
{
    std::vector<QWidget *> hidden;
    const auto frames = view.findChildren<ObjectFrame *>();
    for (ObjectFrame *frame : frames) {
        if (!frame->isHidden()) {
            frame->hide();
            hidden.push_back(frame);
        }
    }
    QWidget *focused = QApplication::focusWidget();
    const bool focusOnPage = focused && view.isAncestorOf(focused);
    if (focusOnPage)
        focused->clearFocus();
    const QImage picture = view.grab().toImage();
    for (QWidget *frame : hidden)
        frame->show();
    if (focusOnPage)
        focused->setFocus();
    return picture;
}

QImage renderPageWithControls(const PageModel &page, double scale)
{
    PageModel shown = page;
    shown.pageRect.moveTo(0, 0);
    if (shown.pageRect.isEmpty() || shown.pageRect.width() > kMaxDrawnSidePx
        || shown.pageRect.height() > kMaxDrawnSidePx || scale <= 0)
        return {};
    for (PictureBoxModel &box : shown.pictureBoxes) {
        if (box.visible && box.image.isNull() && !box.geometry.isEmpty()
            && box.geometry.width() <= kMaxDrawnSidePx && box.geometry.height() <= kMaxDrawnSidePx) {
            box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
            box.image.fill(Qt::white);
        }
    }
    takePlainTextFromRtf(shown);
    PageView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.showPage(shown);
    showRichTextInView(view, shown);
    const QImage picture = grabPageArea(view);
    if (scale == 1.0 || picture.isNull())
        return picture;
    const QSize size(qMax(1, qRound(picture.width() * scale)), qMax(1, qRound(picture.height() * scale)));
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace quillora
