#pragma once
// Counting and bounding the pixels of a picture that pass a test of their colour, for checks
// that cannot ask for one exact colour (antialiased letters, printed and scaled pictures).

#include <QImage>
#include <QRect>

namespace quillora::test {

template <typename Test> int countWhere(const QImage &image, Test passes, QRect within = {})
{
    if (within.isNull())
        within = image.rect();
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            count += passes(image.pixel(x, y)) ? 1 : 0;
    return count;
}

template <typename Test> QRect boundsWhere(const QImage &image, Test passes)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (passes(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Strongly coloured, as letter ink is and black, white and grey are not.
inline bool isColoured(QRgb pixel)
{
    return QColor(pixel).hsvSaturation() > 60;
}

inline bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

} // namespace quillora::test
