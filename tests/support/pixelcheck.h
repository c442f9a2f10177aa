#pragma once
// Small pixel counting helpers for tests that compare drawn pictures.

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QRect>

#include <vector>

namespace quillora::test {

inline QImage blankPicture(int width, int height, QRgb colour = qRgb(255, 255, 255))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The picture as an image file of `format` ("PNG", "BMP", "JPEG") would hold it.
inline QByteArray encodedPicture(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

inline bool nearColour(const QColor &actual, const QColor &expected, int tolerance = 40)
{
    return qAbs(actual.red() - expected.red()) <= tolerance &&
           qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

inline QRect boundsOf(const QImage &image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Number of 8-connected areas of the given colour.
inline int countAreas(const QImage &image, QRgb colour)
{
    std::vector<char> seen(size_t(image.width()) * image.height(), 0);
    int areas = 0;
    for (int y0 = 0; y0 < image.height(); ++y0) {
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (seen[size_t(y0) * image.width() + x0] || image.pixel(x0, y0) != colour)
                continue;
            ++areas;
            std::vector<QPoint> todo{{x0, y0}};
            seen[size_t(y0) * image.width() + x0] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!image.rect().contains(q))
                            continue;
                        char &mark = seen[size_t(q.y()) * image.width() + q.x()];
                        if (!mark && image.pixel(q) == colour) {
                            mark = 1;
                            todo.push_back(q);
                        }
                    }
                }
            }
        }
    }
    return areas;
}

} // namespace quillora::test
