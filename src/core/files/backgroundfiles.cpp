#include "core/files/backgroundfiles.h"

namespace quillora {

namespace {

auto saveJob(const WorkFileJob &job, PageModel snapshot, const SavedLayoutOptions &options)
{
    return [job, options, page = std::move(snapshot)]() mutable {
        WorkFileJobResult result;
        const WorkFileContext context{job.format, job.families, job.staging,
                                      job.fit,    job.limits,   job.packing};
        result.done =
            saveWorkFile(page, context, job.path, options, &result.error, &result.outcome);
        result.page = std::move(page);
        return result;
    };
}

} // namespace

WorkFileJobResult saveOnWorker(FileWorker &worker, const WorkFileJob &job, PageModel snapshot,
                               const SavedLayoutOptions &options)
{
    return worker.runAndWait(saveJob(job, std::move(snapshot), options));
}

void saveInBackground(FileWorker &worker, const WorkFileJob &job, PageModel snapshot,
                      const SavedLayoutOptions &options, QObject *receiver,
                      std::function<void(const WorkFileJobResult &)> done)
{
    // Its staging folder is its own, so it starts empty, without a mask of an earlier page.
    worker.post(
        [job, save = saveJob(job, std::move(snapshot), options)]() mutable {
            job.staging.clear(true);
            return save();
        },
        receiver, [done = std::move(done)](const WorkFileJobResult &result) { done(result); });
}

WorkFileJobResult openOnWorker(FileWorker &worker, const WorkFileJob &job,
                               DocumentKind documentType)
{
    return worker.runAndWait([job, documentType] {
        WorkFileJobResult result;
        result.page.documentType = documentType;
        const WorkFileContext context{job.format, job.families, job.staging, job.fit, job.limits};
        result.done = openWorkFile(result.page, context, job.path, &result.error, &result.outcome);
        return result;
    });
}

} // namespace quillora
