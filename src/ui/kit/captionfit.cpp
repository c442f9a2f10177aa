#include "ui/kit/captionfit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace quillora {
namespace {

// The two lines whose wider one is narrowest, broken after a space or a hyphen; empty when the
// caption has nowhere to break.
QStringList bestTwoLines(const QString &caption, const QFontMetricsF &metrics)
{
    QStringList best;
    qreal bestWidth = 0;
    for (qsizetype at = 1; at < caption.size(); ++at) {
        const QChar c = caption.at(at - 1);
        if (c != u' ' && c != u'-')
            continue;
        const QString first = caption.left(at).trimmed();
        const QString second = caption.mid(at).trimmed();
        if (first.isEmpty() || second.isEmpty())
            continue;
        const qreal width =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (best.isEmpty() || width < bestWidth) {
            best = {first, second};
            bestWidth = width;
        }
    }
    return best;
}

qreal widest(const QStringList &lines, const QFontMetricsF &metrics)
{
    qreal width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

} // namespace

FittedCaption fitCaption(const QString &caption, const QFont &font, const QSizeF &box,
                         double smallestFraction)
{
    const int largest = std::max(1, font.pixelSize());
    const int smallest = std::max(1, int(largest * smallestFraction));
    FittedCaption fitted;
    for (int pixels = largest; pixels >= smallest; --pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        const QFontMetricsF metrics(sized);
        const QStringList oneLine{caption};
        const QStringList twoLines = bestTwoLines(caption, metrics);
        for (const QStringList &lines : {oneLine, twoLines}) {
            if (lines.isEmpty())
                continue;
            const qreal height = metrics.height() + (lines.size() - 1) * metrics.lineSpacing();
            fitted = {sized, lines,
                      widest(lines, metrics) <= box.width() && height <= box.height()};
            if (fitted.fits)
                return fitted;
        }
    }
    return fitted;
}

} // namespace quillora
