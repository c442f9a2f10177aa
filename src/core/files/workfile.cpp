#include "core/files/workfile.h"

#include "core/files/members.h"
#include "core/files/wholefile.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"
#include "core/text/pagetextfit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QImage pictureToSave(const PictureBoxModel &box)
{
    if (!box.image.isNull())
        return box.image;
    QImage blank(box.geometry.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

// About what the page's members take in staging: its pictures as bitmaps dominate.
qint64 bytesToStage(const PageModel &page)
{
    qint64 bytes = 0;
    for (const PictureBoxModel &box : page.pictureBoxes)
        bytes += box.image.sizeInBytes();
    return bytes + page.border.picture.sizeInBytes();
}

bool writeMembers(const PageModel &page, const Staging &staging, const SavedLayoutOptions &options,
                  QString *error)
{
    const int pictures = std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size());
    for (int i = 0; i < pictures; ++i) {
        if (!writeImageFile(pictureToSave(page.pictureBoxes[i]), "BMP",
                            staging.memberPath(pictureMember(i)), error, Durability::Scratch))
            return false;
    }
    const int texts = std::min<int>(page.announcedTextBoxes, page.textBoxes.size());
    for (int i = 0; i < texts; ++i) {
        if (!writeTextFile(page.textBoxes[i].text, staging.memberPath(textMember(i)), error))
            return false;
    }
    const int richTexts = std::min<int>(page.announcedRichTextBoxes, page.richTextBoxes.size());
    for (int i = 0; i < richTexts; ++i) {
        if (!writeWholeFile(staging.memberPath(richTextMember(i)), page.richTextBoxes[i].rtf.toLatin1(),
                            error, Durability::Scratch))
            return false;
    }
    if (page.border.type != BorderType::None && !page.border.picture.isNull()
        && !writeImageFile(page.border.picture, "BMP", staging.memberPath(QStringLiteral("border.bmp")),
                           error, Durability::Scratch))
        return false;
    if (!writeSinglePageDescription(page, staging, options, error))
        return false;
    return writeFileInfo(staging.memberPath(QStringLiteral("fileinfo.xml")), page.documentType, {}, error);
}

// A stored picture; null when there is none, or (noted in `outcome`) when it cannot be used.
QImage loadBitmap(const QString &path, FileOutcome &outcome)
{
    QImage image;
    if (!QFile::exists(path))
        return image;
    if (!image.load(path, "BMP")) {
        qCInfo(lcFiles) << "left out the picture" << QFileInfo(path).fileName()
                        << "that could not be read";
        outcome.partsSkipped = true;
        return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Builds the page from a folder of unpacked members.
bool buildPage(PageModel &page, const QString &folder, const PageFitInputs &fit, QString *error,
               FileOutcome &outcome)
{
    const QDir dir(folder);
    const auto type = readFileInfo(dir.filePath(QStringLiteral("fileinfo.xml")));
    if (type)
        page.documentType = *type;
    if (page.documentType < 0 || page.documentType >= kDocumentTypeCount) {
        outcome.trouble = FileTrouble::NewerProgram;
        setError(error, QStringLiteral("this work file was made by a newer Quillora"));
        return false;
    }
    if (!usesSinglePageWindow(page.documentType)) {
        outcome.trouble = FileTrouble::NotReady;
        setError(error, kNotReadyMessage);
        return false;
    }
    outcome.trouble = FileTrouble::Damaged;
    const QString layout = dir.filePath(QStringLiteral("layout.xml"));
    if (!QFile::exists(layout)) {
        setError(error, QStringLiteral("this work file has no page description"));
        return false;
    }
    PageFitInputs pageFit = fit;
    pageFit.documentType = page.documentType;
    if (!readTemplate(layout, page, pageFit, error))
        return false;
    outcome.trouble = FileTrouble::None;
    for (int i = 0; i < std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size()); ++i) {
        PictureBoxModel &box = page.pictureBoxes[i];
        const QImage stored = loadBitmap(dir.filePath(pictureMember(i)), outcome);
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
        const QImage border = loadBitmap(dir.filePath(QStringLiteral("border.bmp")), outcome);
        if (!border.isNull())
            page.border.picture = border;
    }
    fitPageTexts(page);
    return true;
}

} // namespace

bool saveWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  const SavedLayoutOptions &options, QString *error, FileOutcome *outcome)
{
    FileOutcome ignored;
    FileOutcome &result = outcome ? *outcome : ignored;
    result = {};
    QDir().mkpath(context.staging.folder());
    context.staging.clear(false);
    if (!usesSinglePageWindow(page.documentType)) {
        result.trouble = FileTrouble::NotReady;
        setError(error, kNotReadyMessage);
        return false;
    }
    if (!writeMembers(page, context.staging, options, error)) {
        // A member cut short by a full disk is never left behind to be packed later.
        context.staging.clear(false);
        result.trouble = writeTrouble(context.staging.memberPath(QStringLiteral("layout.xml")),
                                      bytesToStage(page));
        return false;
    }
    if (!context.staging.pack(context.format, path, error)) {
        result.trouble = writeTrouble(path, context.staging.bytesToPack());
        return false;
    }
    page.countAtLastSave = page.changeCount;
    return true;
}

bool openWorkFile(PageModel &page, const WorkFileContext &context, const QString &path,
                  QString *error, FileOutcome *outcome)
{
    FileOutcome ignored;
    FileOutcome &result = outcome ? *outcome : ignored;
    result = {};
    if (!QFileInfo(path).isFile()) {
        result.trouble = FileTrouble::Missing;
        setError(error, QStringLiteral("there is no file at %1").arg(path));
        return false;
    }
    QDir().mkpath(context.staging.folder());
    QTemporaryDir scratch(QDir(context.staging.folder()).filePath(QStringLiteral("open-XXXXXX")));
    if (!scratch.isValid()) {
        result.trouble = writeTrouble(context.staging.folder(), QFileInfo(path).size());
        setError(error, QStringLiteral("no room to open the file"));
        return false;
    }
    if (!unpackArchive(context.format, path, scratch.path(), context.limits, error, &result))
        return false;
    PageModel trial;
    trial.documentType = page.documentType;
    if (!buildPage(trial, scratch.path(), context.fit, error, result))
        return false;

    // The file is good: now the staging members and the page are replaced.
    context.staging.clear(true);
    if (!context.staging.adoptFrom(scratch.path(), error)) {
        result.trouble = writeTrouble(context.staging.folder(), QFileInfo(path).size());
        return false;
    }
    trial.layoutPath = context.staging.memberPath(QStringLiteral("layout.xml"));
    page = std::move(trial);
    return true;
}

} // namespace quillora
