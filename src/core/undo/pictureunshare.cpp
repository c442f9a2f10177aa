#include "core/undo/pictureunshare.h"

#include "core/layout/pagemodel.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace quillora {

void unsharePictureLater(QObject *context, PageModel &page, int index)
{
    if (index < 0 || index >= page.pictureBoxes.size())
        return;
    const QImage &live = page.pictureBoxes[index].image;
    // Only a picture a snapshot shares would be copied by the next stroke.
    if (live.isNull() || live.isDetached())
        return;
    QImage shared = live;
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
    // The watcher belongs to `context`: gone with it, it takes nothing in.
    auto *watcher = new QFutureWatcher<QImage>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, &page, index, recorded] {
                         // A stroke that came first has already made its own copy: the picture
                         // moved on.
                         if (index < page.pictureBoxes.size() &&
                             page.pictureBoxes[index].image.cacheKey() == recorded)
                             page.pictureBoxes[index].image = watcher->result();
                         watcher->deleteLater();
                     });
    watcher->setFuture(copied);
}

void unsharePicturesLater(QObject *context, PageModel &page)
{
    for (int index = 0; index < page.pictureBoxes.size(); ++index)
        unsharePictureLater(context, page, index);
}

} // namespace quillora
