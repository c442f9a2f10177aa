#pragma once
// Where a drawn text left ink: dark pixels on white paper, whatever their colour.

#include <QImage>
#include <QRect>

namespace quillora::test {

inline bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// The bounds of the ink within a part of the picture (all of it by default).
inline QRect inkBounds(const QImage &image, QRect within = {})
{
    if (within.isNull())
        within = image.rect();
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace quillora::test
