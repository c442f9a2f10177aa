#pragma once
// Saving and opening work files on the file worker: the caller hands over a snapshot, waits
// with its window alive, and gets the outcome (and an opened page) back on its own thread.

#include "core/files/fileworker.h"
#include "core/files/workfile.h"

#include <functional>

namespace quillora {

struct WorkFileJob {
    ArchiveFormat &format;           // stateless, so both threads may use it
    const PageFilesFinder &families; // the same
    Staging staging;
    PageFitInputs fit;
    UnpackLimits limits;
    QString path;
    Packing packing = Packing::Small;
};

struct WorkFileJobResult {
    bool done = false;
    QString error; // the detail, for the log
    FileOutcome outcome;
    PageModel page; // the saved snapshot, or the opened page
};

// Saves `snapshot`; on success its count at last save is the change count it was taken with.
WorkFileJobResult saveOnWorker(FileWorker &worker, const WorkFileJob &job, PageModel snapshot,
                               const SavedLayoutOptions &options);
// Saves `snapshot` while the caller goes on, through a staging folder of its own that it
// empties first: `done` gets the result on `receiver`'s thread.
void saveInBackground(FileWorker &worker, const WorkFileJob &job, PageModel snapshot,
                      const SavedLayoutOptions &options, QObject *receiver,
                      std::function<void(const WorkFileJobResult &)> done);
// Opens the file into a new page of `documentType` (kept when the file names none).
WorkFileJobResult openOnWorker(FileWorker &worker, const WorkFileJob &job,
                               DocumentKind documentType);

} // namespace quillora
