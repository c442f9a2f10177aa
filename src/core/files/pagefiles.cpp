#include "core/files/pagefiles.h"

namespace quillora {

QImage PageFiles::renderThumbnail(const PageModel &page, const QSize &bounds) const
{
    const QImage picture = render(page, 1.0);
    if (picture.isNull() || bounds.isEmpty())
        return {};
    return picture.scaled(bounds, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace quillora
