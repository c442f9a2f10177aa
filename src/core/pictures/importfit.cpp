#include "core/pictures/importfit.h"

#include <QPainter>
#include <cmath>

namespace quillora {

QRect cropSourceRect(QSize source, QSize target)
{
    const int ws = source.width(), hs = source.height();
    const int wt = target.width(), ht = target.height();
    if (ws <= 0 || hs <= 0 || wt <= 0 || ht <= 0)
        return {};
    const double rs = double(hs) / ws;
    const double rt = double(ht) / wt;
    if (rt > rs) {
        const int cw = int(double(hs) * wt / ht);
        return QRect(int(std::lrint(ws / 2.0 - cw / 2.0)), 0, cw, hs);
    }
    const int ch = int(double(ws) * ht / wt);
    return QRect(0, int(std::lrint(hs / 2.0 - ch / 2.0)), ws, ch);
}

QRect letterboxTargetRect(QSize source, QSize target, bool alignTopLeft)
{
    const int ws = source.width(), hs = source.height();
    const int wt = target.width(), ht = target.height();
    if (ws <= 0 || hs <= 0 || wt <= 0 || ht <= 0)
        return {};
    const double rs = double(hs) / ws;
    const double rt = double(ht) / wt;
    if (rt > rs) {
        const int dh = int(wt * rs);
        const int oy = alignTopLeft ? 0 : int((ht - dh) / 2.0);
        return QRect(0, oy, wt, dh);
    }
    const int dw = int(ht / rs);
    const int ox = alignTopLeft ? 0 : int((wt - dw) / 2.0);
    return QRect(ox, 0, dw, ht);
}

void drawImported(QImage &target, const QImage &source, ImportFit fit, bool alignTopLeft)
{
    if (target.isNull() || source.isNull())
        return;
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (fit == ImportFit::Crop)
        painter.drawImage(target.rect(), source, cropSourceRect(source.size(), target.size()));
    else
        painter.drawImage(letterboxTargetRect(source.size(), target.size(), alignTopLeft), source);
}

QSize previewSize(QSize target, int longSide)
{
    if (target.isEmpty())
        return QSize(longSide, longSide);
    if (target.width() >= target.height())
        return QSize(longSide, std::max(1, int(std::lround(double(longSide) * target.height() /
                                                           target.width()))));
    return QSize(std::max(1, int(std::lround(double(longSide) * target.width() / target.height()))),
                 longSide);
}

QRect PreviewBars::visible(QRect preview) const
{
    if (!shown())
        return preview;
    if (!top.isEmpty())
        return QRect(preview.left(), top.bottom() + 1, preview.width(),
                     bottom.top() - (top.bottom() + 1));
    return QRect(left.right() + 1, preview.top(), right.left() - (left.right() + 1),
                 preview.height());
}

PreviewBars previewBars(QSize target, QRect preview)
{
    PreviewBars bars;
    if (target.isEmpty() || preview.isEmpty())
        return bars;
    const double ra = double(target.width()) / target.height();
    const double rv = double(preview.width()) / preview.height();
    if (std::abs(ra - rv) < 0.02)
        return bars;
    if (ra > rv) {
        const int h = int((preview.height() - preview.width() / ra) / 2);
        bars.top = QRect(preview.left(), preview.top(), preview.width(), h);
        bars.bottom = QRect(preview.left(), preview.bottom() + 1 - h, preview.width(), h);
    } else {
        const int w = int((preview.width() - preview.height() * ra) / 2);
        bars.left = QRect(preview.left(), preview.top(), w, preview.height());
        bars.right = QRect(preview.right() + 1 - w, preview.top(), w, preview.height());
    }
    return bars;
}

QSize importedObjectSize(QSize image, QSize page, double fitFactor)
{
    if (image.isEmpty() || page.isEmpty())
        return {};
    const double imageRatio = double(image.width()) / image.height();
    const double pageRatio = double(page.width()) / page.height();
    if (imageRatio > pageRatio) {
        const int w = int(page.width() * fitFactor);
        return QSize(w, std::max(1, int(w / imageRatio)));
    }
    const int h = int(page.height() * fitFactor);
    return QSize(std::max(1, int(h * imageRatio)), h);
}

} // namespace quillora
