#include "core/files/workfile.h"

#include "core/files/members.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quillora {
namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString pictureMember(int i) { return QStringLiteral("pic%1.bmp").arg(i); }
QString textMember(int i) { return QStringLiteral("text%1.txt").arg(i); }
QString richTextMember(int i) { return QStringLiteral("rtb%1.rtf").arg(i); }

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

QImage pictureToSave(const PictureBoxModel &box)
{
    if (!box.image.isNull())
        return box.image;
    QImage blank(box.geometry.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

bool writeMembers(const PageModel &page, const Staging &staging, const SavedLayoutOptions &options,
                  QString *error)
{
    if (kindInfo(page.documentType).pageFamily != PageFamilyId::SinglePage) {
        setError(error, kNotReadyMessage);
        return false;
    }
    const int pictures = std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size());
    for (int i = 0; i < pictures; ++i) {
        if (!pictureToSave(page.pictureBoxes[i]).save(staging.memberPath(pictureMember(i)), "BMP")) {
            setError(error, QStringLiteral("picture %1 could not be written").arg(i + 1));
            return false;
        }
    }
    const int texts = std::min<int>(page.announcedTextBoxes, page.textBoxes.size());
    for (int i = 0; i < texts; ++i) {
        if (!writeTextFile(page.textBoxes[i].text, staging.memberPath(textMember(i)), error))
            return false;
    }
    const int richTexts = std::min<int>(page.announcedRichTextBoxes, page.richTextBoxes.size());
    for (int i = 0; i < richTexts; ++i) {
        if (!writeBytes(staging.memberPath(richTextMember(i)), page.richTextBoxes[i].rtf.toLatin1(), error))
            return false;
    }
    if (page.border.type != BorderType::None && !page.border.picture.isNull()
        && !page.border.picture.save(staging.memberPath(QStringLiteral("border.bmp")), "BMP")) {
        setError(error, QStringLiteral("the border could not be written"));
        return false;
    }
    if (!writeSinglePageDescription(page, staging, options, error))
        return false;
    return writeFileInfo(staging.memberPath(QStringLiteral("fileinfo.xml")), codeOf(page.documentType), {}, error);
}

QImage loadBitmap(const QString &path)
{
    QImage image;
    if (QFile::exists(path))
        image.load(path, "BMP");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// Builds the page from a folder of unpacked members.
bool buildPage(PageModel &page, const QString &folder, const PageFitInputs &fit, QString *error)
{
    const QDir dir(folder);
    if (const auto code = readFileInfo(dir.filePath(QStringLiteral("fileinfo.xml")))) {
        const std::optional<DocumentKind> kind = documentKindFromCode(*code);
        if (!kind) {
            setError(error, QStringLiteral("this work file was made by a newer Quillora"));
            return false;
        }
        page.documentType = *kind;
    }
    if (kindInfo(page.documentType).pageFamily != PageFamilyId::SinglePage) {
        setError(error, kNotReadyMessage);
        return false;
    }
    const QString layout = dir.filePath(QStringLiteral("layout.xml"));
    if (!QFile::exists(layout)) {
        setError(error, QStringLiteral("this work file has no page description"));
        return false;
    }
    PageFitInputs pageFit = fit;
    pageFit.documentType = page.documentType;
    if (!readTemplate(layout, page, pageFit, error))
        return false;
    for (int i = 0; i < std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size()); ++i) {
        PictureBoxModel &box = page.pictureBoxes[i];
        const QImage stored = loadBitmap(dir.filePath(pictureMember(i)));
        if (!stored.isNull())
            box.image = fitPictureToBox(stored, box.geometry.size());
    }
    for (int i = 0; i < std::min<int>(page.announcedTextBoxes, page.textBoxes.size()); ++i)
        page.textBoxes[i].text = readTextFile(dir.filePath(textMember(i)));
    for (int i = 0; i < std::min<int>(page.announcedRichTextBoxes, page.richTextBoxes.size()); ++i) {
        QFile rtf(dir.filePath(richTextMember(i)));
        if (rtf.open(QIODevice::ReadOnly))
            page.richTextBoxes[i].rtf = QString::fromLatin1(rtf.read(64 * 1024 * 1024));
    }
    if (page.border.type != BorderType::None) {
        const QImage border = loadBitmap(dir.filePath(QStringLiteral("border.bmp")));
        if (!border.isNull())
            page.border.picture = border;
    }
    return true;
}

} // namespace

bool saveWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  const SavedLayoutOptions &options, QString *error)
{
    QDir().mkpath(context.staging.folder());
    context.staging.clear(false);
    if (!writeMembers(page, context.staging, options, error))
        return false;
    if (!context.staging.pack(context.format, path, error))
        return false;
    page.countAtLastSave = page.changeCount;
    return true;
}

bool openWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  QString *error)
{
    QTemporaryDir scratch(QDir(context.staging.folder()).filePath(QStringLiteral("../open-XXXXXX")));
    if (!scratch.isValid()) {
        setError(error, QStringLiteral("no room to open the file"));
        return false;
    }
    if (!unpackArchive(context.format, path, scratch.path(), context.limits, error))
        return false;
    PageModel trial;
    trial.documentType = page.documentType;
    if (!buildPage(trial, scratch.path(), context.fit, error))
        return false;

    // The file is good: now the staging members and the page are replaced.
    QDir().mkpath(context.staging.folder());
    context.staging.clear(true);
    if (!context.staging.adoptFrom(scratch.path(), error))
        return false;
    trial.layoutPath = context.staging.memberPath(QStringLiteral("layout.xml"));
    page = std::move(trial);
    return true;
}

} // namespace quillora
