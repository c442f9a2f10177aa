#include "core/doctypes/thumbnails.h"

#include "core/doctypes/pagefamily.h"
#include "core/doctypes/thumbnailsamples.h"
#include "core/files/wholefile.h"
#include "core/layout/pagefit.h"
#include "core/text/pagetextfit.h"

#include <QDirIterator>
#include <QFileInfo>

namespace quillora {

namespace {

// A large screen, so the thumbnail is reduced from a detailed page.
PageFitInputs thumbnailFit()
{
    PageFitInputs fit;
    fit.screenWidthPx = 1920;
    fit.screenHeightPx = 1080;
    return fit;
}

// The template read and drawn by the family of the kind whose folder holds it; folders of no
// kind with a family are drawn as single pages.
QImage drawTemplate(const QString &path, QSize bounds, QString *error)
{
    const std::optional<DocumentKind> folderKind =
        kindOfStartFolder(QFileInfo(path).dir().dirName());
    const DocumentKind kind =
        folderKind && pageFamilyFor(*folderKind) ? *folderKind : DocumentKind::Simple;
    const PageFamily &family = *pageFamilyFor(kind);
    PageModel page;
    page.documentType = kind;
    PageFitInputs fit = thumbnailFit();
    fit.documentType = kind;
    if (!family.buildThumbnailPage(page, path, fit, error))
        return {};
    fillWithSamples(page);
    fitPageTexts(page);
    return family.renderThumbnail(page, bounds);
}

} // namespace

ThumbnailReport makeLayoutThumbnails(const QString &layoutsFolder, QSize bounds)
{
    ThumbnailReport report;
    QDirIterator templates(layoutsFolder, {QStringLiteral("*.xml")}, QDir::Files,
                           QDirIterator::Subdirectories);
    QStringList paths;
    while (templates.hasNext())
        paths.append(templates.next());
    paths.sort();
    for (const QString &path : std::as_const(paths)) {
        QString error;
        const QImage thumbnail = drawTemplate(path, bounds, &error);
        if (!error.isEmpty()) {
            report.failed.append(path + QStringLiteral(": ") + error);
            continue;
        }
        const QFileInfo info(path);
        const QString bitmap =
            info.dir().filePath(info.completeBaseName() + QStringLiteral(".bmp"));
        if (thumbnail.isNull()) {
            report.failed.append(path + QStringLiteral(": the page has no size"));
        } else if (!writeImageFile(thumbnail, "BMP", bitmap, &error, Durability::Scratch)) {
            report.failed.append(bitmap + QStringLiteral(": ") + error);
        } else {
            report.written.append(bitmap);
        }
    }
    return report;
}

} // namespace quillora
