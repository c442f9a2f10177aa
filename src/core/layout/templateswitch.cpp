#include "core/layout/templateswitch.h"

#include "core/files/members.h"
#include "core/files/staging.h"
#include "core/layout/bordersetup.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"
#include "core/text/plainfit.h"
#include "core/text/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <QTextDocument>

#include <algorithm>

Q_LOGGING_CATEGORY(lcTemplateSwitch, "quillora.layout.switch")

namespace quillora {

namespace {

constexpr qint64 kMaxRichTextMemberBytes = 64 * 1024 * 1024;

QString pictureMember(int i) { return QStringLiteral("pic%1.bmp").arg(i); }
QString textMember(int i) { return QStringLiteral("text%1.txt").arg(i); }
QString richTextMember(int i) { return QStringLiteral("rtb%1.rtf").arg(i); }

void setError(QString *error, const QString &text)
{
    qCWarning(lcTemplateSwitch).noquote() << text;
    if (error)
        *error = text;
}

template <typename Boxes> int usedCount(int announced, const Boxes &boxes)
{
    return std::clamp<int>(announced, 0, int(boxes.size()));
}

// Members of an earlier document must not come back into boxes this page never had.
void removeStoredWork(const Staging &staging)
{
    QDir folder(staging.folder());
    const QStringList stale = folder.entryList(
        {QStringLiteral("pic*.bmp"), QStringLiteral("text*.txt"), QStringLiteral("rtb*.rtf")},
        QDir::Files);
    for (const QString &name : stale)
        folder.remove(name);
}

bool storeWork(const PageModel &page, const Staging &staging, QString *error)
{
    if (!QDir().mkpath(staging.folder())) {
        setError(error, QStringLiteral("the temporary folder could not be made"));
        return false;
    }
    removeStoredWork(staging);
    for (int i = 0; i < usedCount(page.announcedPictureBoxes, page.pictureBoxes); ++i) {
        const PictureBoxModel &box = page.pictureBoxes[i];
        if (!box.visible || box.image.isNull())
            continue;
        if (!box.image.save(staging.memberPath(pictureMember(i)), "BMP")) {
            setError(error, QStringLiteral("picture %1 could not be stored").arg(i + 1));
            return false;
        }
    }
    for (int i = 0; i < usedCount(page.announcedTextBoxes, page.textBoxes); ++i) {
        const TextBoxModel &box = page.textBoxes[i];
        if (!box.visible)
            continue;
        QString why;
        if (!writeTextFile(box.text, staging.memberPath(textMember(i)), &why)) {
            setError(error, QStringLiteral("text %1 could not be stored (%2)").arg(i + 1).arg(why));
            return false;
        }
    }
    for (int i = 0; i < usedCount(page.announcedRichTextBoxes, page.richTextBoxes); ++i) {
        const RichTextBoxModel &box = page.richTextBoxes[i];
        if (!box.visible || box.rtf.isEmpty())
            continue;
        QFile file(staging.memberPath(richTextMember(i)));
        const QByteArray bytes = box.rtf.toLatin1();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            setError(error, QStringLiteral("rich text %1 could not be stored").arg(i + 1));
            return false;
        }
    }
    return true;
}

QImage loadStoredPicture(const QString &path)
{
    QImageReader reader(path, "BMP");
    return reader.read();
}

void loadWork(PageModel &page, const Staging &staging)
{
    for (int i = 0; i < usedCount(page.announcedPictureBoxes, page.pictureBoxes); ++i) {
        PictureBoxModel &box = page.pictureBoxes[i];
        const QString path = staging.memberPath(pictureMember(i));
        if (!box.visible || box.geometry.isEmpty() || !QFile::exists(path))
            continue;
        const QImage stored = loadStoredPicture(path);
        if (!stored.isNull())
            box.image = stored.scaled(box.geometry.size(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    }
    TextMeasure measure;
    for (int i = 0; i < usedCount(page.announcedTextBoxes, page.textBoxes); ++i) {
        TextBoxModel &box = page.textBoxes[i];
        const QString path = staging.memberPath(textMember(i));
        if (!box.visible || !QFile::exists(path))
            continue;
        box.text = readTextFile(path);
        shrinkToFit(measure, box);
    }
    for (int i = 0; i < usedCount(page.announcedRichTextBoxes, page.richTextBoxes); ++i) {
        RichTextBoxModel &box = page.richTextBoxes[i];
        QFile file(staging.memberPath(richTextMember(i)));
        if (!box.visible || !file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray rtf = file.read(kMaxRichTextMemberBytes);
        QTextDocument content;
        if (!readRtf(rtf, content))
            continue;
        box.rtf = QString::fromLatin1(rtf);
        box.plainText = content.toPlainText();
    }
}

} // namespace

bool switchTemplate(PageModel &page, const Staging &staging, const QString &templatePath,
                    const PageFitInputs &fit, QString *error)
{
    // The new template is read into a copy, so a template that cannot be read costs nothing.
    PageModel switched = page;
    if (kindInfo(page.documentType).copiesSheet)
        switched.autoRepeat = false;
    PageFitInputs pageFit = fit;
    pageFit.documentType = page.documentType;
    if (!readTemplate(templatePath, switched, pageFit, error))
        return false;
    // A kind that carries a border keeps one, and the child's painting, whatever the template.
    applyStandardBorder(switched);
    if (!storeWork(page, staging, error))
        return false;
    loadWork(switched, staging);
    switched.current = CurrentObject{};
    switched.changeCount = page.changeCount + 1;
    page = std::move(switched);
    return true;
}

} // namespace quillora
