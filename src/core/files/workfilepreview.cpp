#include "core/files/workfilepreview.h"

#include "core/doctypes/pagefamily.h"
#include "core/files/workfile.h"
#include "core/printing/pagerenderer.h"

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

QImage workFilePreview(const QString &path, const PreviewContext &context, QString *error)
{
    QDir().mkpath(context.scratchFolder);
    const Staging scratch(context.scratchFolder);
    const WorkFileContext open{context.format, scratch, context.fit, context.limits};
    PageModel page;
    if (!openWorkFile(page, open, path, error))
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
    // A page of another family draws itself: a leaflet shows its front cover, not every page
    // laid over one another.
    const PageFamily *family = pageFamilyFor(page.documentType);
    const bool singlePage = kindInfo(page.documentType).pageFamily == PageFamilyId::SinglePage;
    const QImage drawn = singlePage || !family ? renderPageImage(page, scale)
                                               : family->render(page, scale);
    scratch.clear(true);
    if (drawn.isNull()) {
        if (error)
            *error = QStringLiteral("the page could not be drawn");
        return {};
    }
    return drawn.scaled(previewSize(drawn.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace quillora
