#include "core/files/workfilepreview.h"

#include "core/files/workfile.h"

#include <QDir>

#include <algorithm>

namespace quillora {

QSize previewSize(const QSize &picture)
{
    if (picture.isEmpty())
        return {};
    // Compared as products so a tall or wide picture never divides by zero.
    if (qint64(picture.width()) * kPreviewBox.height() >
        qint64(picture.height()) * kPreviewBox.width()) {
        const int height = int(qint64(picture.height()) * kPreviewBox.width() / picture.width());
        return {kPreviewBox.width(), std::max(1, height)};
    }
    const int width = int(qint64(picture.width()) * kPreviewBox.height() / picture.height());
    return {std::max(1, width), kPreviewBox.height()};
}

namespace {

// Opens the work file into a scratch page through the preview's own folder, which the caller
// empties once the page is drawn (drawing may still read its mask pictures).
bool openScratchPage(const QString &path, const PreviewContext &context, PageModel &page,
                     QString *error)
{
    QDir().mkpath(context.scratchFolder);
    const Staging scratch(context.scratchFolder);
    const WorkFileContext open{context.format, context.families, scratch, context.fit,
                               context.limits};
    return openWorkFile(page, open, path, error);
}

} // namespace

QImage workFilePreview(const QString &path, const PreviewContext &context, QString *error)
{
    PageModel page;
    if (!openScratchPage(path, context, page, error))
        return {};

    // Drawn at twice the preview's size, then reduced smoothly, so thin lines stay visible.
    const QSize pageSize = page.pageRect.size();
    if (pageSize.isEmpty()) {
        if (error)
            *error = QStringLiteral("the page has no size");
        return {};
    }
    const double scale =
        std::min(1.0, 2.0 * std::max(double(kPreviewBox.width()) / pageSize.width(),
                                     double(kPreviewBox.height()) / pageSize.height()));
    // The page's family draws it: a leaflet shows its front cover, not every page laid over
    // one another. Opening found the family, so there is one.
    const QImage drawn = context.families.filesFor(page.documentType)->renderPreview(page, scale);
    Staging(context.scratchFolder).clear(true);
    if (drawn.isNull()) {
        if (error)
            *error = QStringLiteral("the page could not be drawn");
        return {};
    }
    return drawn.scaled(previewSize(drawn.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QVector<QImage> workFileSteps(const QString &path, const PreviewContext &context, QString *error)
{
    PageModel page;
    const bool opened = openScratchPage(path, context, page, error);
    Staging(context.scratchFolder).clear(true);
    return opened ? page.progressSteps.pictures() : QVector<QImage>();
}

} // namespace quillora
