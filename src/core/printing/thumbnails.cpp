#include "core/printing/thumbnails.h"

#include "core/doctypes/pagefamily.h"
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

// The kind whose templates a folder holds (its start screen or template menu folder); the
// single-page kinds draw every other folder.
DocumentKind kindOfTemplateFolder(const QString &folder)
{
    for (int code = 0; code < kDocumentKindCount; ++code) {
        const DocumentKindInfo &info = kindInfo(DocumentKind(code));
        if (pageFamilyFor(info.kind) && (info.startFolder == folder || info.menuFolder == folder))
            return info.kind;
    }
    return DocumentKind::Simple;
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
        const QFileInfo info(path);
        PageModel page;
        page.documentType = kindOfTemplateFolder(info.dir().dirName());
        // A template is written in its kind's description forms, text and all.
        const PageFamily &family = *pageFamilyFor(page.documentType);
        QString error;
        if (!family.readDescription(path, page, thumbnailFit(), &error)) {
            report.failed.append(path + QStringLiteral(": ") + error);
            continue;
        }
        fitPageTexts(page);
        const QImage thumbnail = family.renderThumbnail(page, bounds);
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
