#include "core/printing/thumbnails.h"

#include "core/files/wholefile.h"
#include "core/layout/pagefit.h"
#include "core/layout/templatereader.h"
#include "core/printing/pagerenderer.h"
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
        PageModel page;
        QString error;
        if (!readTemplate(path, page, thumbnailFit(), &error)) {
            report.failed.append(path + QStringLiteral(": ") + error);
            continue;
        }
        fitPageTexts(page);
        const QImage thumbnail = renderPageThumbnail(page, bounds);
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
