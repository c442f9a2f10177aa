#pragma once
// Saving the page in work as a work file and opening one again. Saving is atomic: a failed save
// leaves the earlier file as it was. Opening checks the whole file before it touches the page.

#include "core/files/archive.h"
#include "core/files/fileproblems.h"
#include "core/files/pagefiles.h"
#include "core/files/savedlayout.h"
#include "core/files/staging.h"
#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QString>

namespace quillora {

struct WorkFileContext {
    ArchiveFormat &format;
    const PageFilesFinder &families; // each page's kind is saved and read by its family
    const Staging &staging;
    PageFitInputs fit; // how an opened page is fitted to the screen
    UnpackLimits limits;
    Packing packing = Packing::Small; // how a save packs the members
};

// Writes every member of the page into staging and packs them into `path`. Only a complete
// save copies the change count into the count at last save. `error` gets the detail for the
// log, `outcome` what kind of trouble stopped it.
[[nodiscard]] bool saveWorkFile(PageModel &page, const WorkFileContext &context,
                                const QString &path, const SavedLayoutOptions &options,
                                QString *error, FileOutcome *outcome = nullptr);

// Opens `path` into `page`. The archive is unpacked into a scratch folder and its page built
// on a scratch model first; only a readable work file replaces the page and the staging
// members. `outcome` tells why a file was refused, or that parts of an opened one were left out.
[[nodiscard]] bool openWorkFile(PageModel &page, const WorkFileContext &context,
                                const QString &path, QString *error,
                                FileOutcome *outcome = nullptr);

} // namespace quillora
