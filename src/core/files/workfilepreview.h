#pragma once
// Small pictures of work files for the file dialog: the file is opened into a scratch page
// (never the page in work) and that page is drawn small.

#include "core/files/archive.h"
#include "core/files/pagefiles.h"
#include "core/files/staging.h"
#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

namespace quillora {

inline constexpr QSize kPreviewBox{80, 60};

struct PreviewContext {
    ArchiveFormat &format;
    const PageFilesFinder &families;
    QString scratchFolder; // a staging folder of its own, emptied by every preview
    PageFitInputs fit;
    UnpackLimits limits;
};

// The size a picture is shown at: 80 wide when it is wider than 80 by 60, else 60 high.
QSize previewSize(const QSize &picture);

// The page of the work file at `path`, drawn as its family previews it and scaled to
// previewSize(). A null image, with the reason, when the file cannot be opened or drawn.
QImage workFilePreview(const QString &path, const PreviewContext &context,
                       QString *error = nullptr);

// The progress pictures kept in the work file at `path`, oldest first; none when the file
// cannot be opened or holds none.
QVector<QImage> workFileSteps(const QString &path, const PreviewContext &context,
                              QString *error = nullptr);

} // namespace quillora
