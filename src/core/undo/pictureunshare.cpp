#include "core/undo/pictureunshare.h"

#include "core/layout/pagemodel.h"

#include <QFuture>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace quillora {

void unsharePictureLater(QObject *context, PageModel &page, int index)
{
    if (index < 0 || index >= page.pictureBoxes.size())
        return;
    QImage shared = page.pictureBoxes[index].image;
    // Two holders besides this one: the page and at least one snapshot.
    if (shared.isNull() || shared.isDetached())
        return;
    const qint64 recorded = shared.cacheKey();
    auto promise = std::make_shared<QPromise<QImage>>();
    QFuture<QImage> copied = promise->future();
    QThreadPool::globalInstance()->start([promise, shared]() mutable {
        promise->start();
        QImage copy = shared.copy();
        // Let go before the page takes the copy, so the snapshot keeps the old pixels alone.
        shared = QImage();
        promise->addResult(std::move(copy));
        promise->finish();
    });
    copied.then(context, [&page, index, recorded](const QImage &copy) {
        // A stroke that came first has already made its own copy: the picture moved on.
        if (index < page.pictureBoxes.size() &&
            page.pictureBoxes[index].image.cacheKey() == recorded)
            page.pictureBoxes[index].image = copy;
    });
}

} // namespace quillora
