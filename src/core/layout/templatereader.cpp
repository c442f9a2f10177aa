#include "core/layout/templatereader.h"

#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/foundation/paths.h"
#include "core/layout/templateelements.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTemplateReader, "quillora.layout.reader")

namespace quillora {

namespace {

void clearPage(PageModel &page)
{
    for (TextBoxModel &box : page.textBoxes) {
        box.visible = false;
        box.text = kPlaceholderText;
    }
    for (RichTextBoxModel &box : page.richTextBoxes) {
        box.visible = false;
        box.rtf.clear();
        box.plainText = kPlaceholderText;
    }
    for (PictureBoxModel &box : page.pictureBoxes) {
        box.visible = false;
        box.image = QImage();
        box.mask = QImage();
        box.hasMaskPicture = false;
        box.tag.clear();
    }
    for (HandleModel &handle : page.handles)
        handle.visible = false;
    // Lines and boxes have nothing on screen to keep: the new template lists its own.
    page.lines.clear();
    page.boxes.clear();
    page.maskRect = QRect();

    const QImage paintedBorder = page.border.picture;
    page.border = BorderModel();
    page.border.picture = paintedBorder;
}

void warn(QString *error, const QString &text)
{
    setError(error, text, lcTemplateReader);
}

} // namespace

bool readTemplate(const QString &path, PageModel &page, const PageFitInputs &fit, QString *error)
{
    const BoundedRead read = readBounded(path, kMaxTemplateBytes);
    switch (read.trouble) {
    case ReadTrouble::Missing:
    case ReadTrouble::NotAFile:
    case ReadTrouble::CannotOpen:
        warn(error,
             QStringLiteral(
                 QT_TRANSLATE_NOOP("Quillora", "The layout file \"%1\" could not be opened (%2)."))
                 .arg(path, read.reason));
        return false;
    case ReadTrouble::CannotRead:
        warn(error,
             QStringLiteral(
                 QT_TRANSLATE_NOOP("Quillora", "The layout file \"%1\" could not be read (%2)."))
                 .arg(path, read.reason));
        return false;
    case ReadTrouble::None:
    case ReadTrouble::TooLarge: // refused, with its own words, by the text's check
        break;
    }
    return readTemplateText(read.bytes, path, page, fit, error);
}

bool readTemplateText(const QByteArray &text, const QString &path, PageModel &page,
                      const PageFitInputs &fit, QString *error)
{
    if (text.size() > kMaxTemplateBytes) {
        warn(error,
             QStringLiteral(QT_TRANSLATE_NOOP(
                                "Quillora", "The layout file \"%1\" is too large to be a layout."))
                 .arg(path));
        return false;
    }
    clearPage(page);
    page.layoutPath = paths::normalise(path);

    TemplateContext context{page.layoutPath, page, fit, {}, false};
    const QString content = codepage::decodeAuto(text);
    const QStringView all(content);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const QStringView line = all.mid(start, end - start);
        if (applyElement(line, context) == ElementResult::InvalidPageSize) {
            warn(error, QStringLiteral(
                            QT_TRANSLATE_NOOP("Quillora",
                                              "The layout file \"%1\" gives no usable page size."))
                            .arg(path));
            return false;
        }
        // CR LF, a lone CR and a lone LF all end a line.
        start = end;
        if (start < all.size() && all[start] == u'\r')
            ++start;
        if (start < all.size() && all[start] == u'\n')
            ++start;
    }
    if (!context.layoutSeen) {
        warn(error, QStringLiteral(
                        QT_TRANSLATE_NOOP("Quillora", "The layout file \"%1\" has no layout line."))
                        .arg(path));
        return false;
    }
    return true;
}

void applyTemplateLine(const QString &line, const QString &templatePath, PageModel &page,
                       const PageFitInputs &fit)
{
    TemplateContext context{templatePath, page, fit, {}, false};
    applyElement(line, context);
}

void translateTemplateWords(PageModel &page, const Translator &translator)
{
    // The placeholder stays the page's mark of an untouched box; only the screen shows it
    // in the child's language.
    const auto translated = [&translator](const QString &words) {
        return words == kPlaceholderText ? words : translator.translateTemplateText(words);
    };
    for (TextBoxModel &box : page.textBoxes)
        box.text = translated(box.text);
    for (RichTextBoxModel &box : page.richTextBoxes) {
        if (box.rtf.isEmpty())
            box.plainText = translated(box.plainText);
    }
    page.ownState.translateWords(translated);
}

void resetPage(PageModel &page)
{
    page.changeCount = 0;
    page.countAtLastSave = 0;
    page.progressSteps = {};
    page.announcedTextBoxes = 0;
    page.announcedPictureBoxes = 0;
    page.announcedRichTextBoxes = 0;
    page.announcedHandles = 0;
    page.announcedLines = 0;
    page.announcedBoxes = 0;
    page.current = CurrentObject{};
    if (!page.pictureBoxes.isEmpty())
        page.pictureBoxes.first().hasMaskPicture = false;
    page.presentationTyping = false;
    page.ownState.resetForTemplate();
    page.objectsSkippedOnRead = 0;
    // A new sheet of copies chooses its own count until its template or the child sets one.
    page.autoRepeat = true;
    page.repeatCount = 2;
}

} // namespace quillora
