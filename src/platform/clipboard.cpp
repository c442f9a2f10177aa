#include "platform/clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quillora {

namespace {

// Encoded types other programs offer, best first; each goes through the guarded file reader.
struct EncodedType {
    const char *mime;
    const char *nameForType;
};
constexpr EncodedType kEncodedTypes[] = {
    {"image/png", "clip.png"},  {"image/bmp", "clip.bmp"}, {"image/x-bmp", "clip.bmp"},
    {"image/jpeg", "clip.jpg"}, {"image/gif", "clip.gif"},
};

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

void SystemClipboard::putImage(const QImage &image)
{
    auto *data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), encoded(image, "PNG"));
    data->setData(QStringLiteral("image/bmp"), encoded(image, "BMP"));
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it from here
}

QImage SystemClipboard::image() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    // Encoded bytes are read with the size checked before decoding, so a giant picture from
    // another program cannot exhaust memory.
    for (const EncodedType &type : kEncodedTypes) {
        const QString mime = QString::fromLatin1(type.mime);
        if (!data->hasFormat(mime))
            continue;
        QImage image;
        QString error;
        if (loadPictureBytes(data->data(mime), QString::fromLatin1(type.nameForType), &image,
                             &error, m_limits))
            return image;
    }
    if (!data->hasImage())
        return {};
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (qint64(image.width()) * image.height() > m_limits.maxPixels)
        return {};
    return image;
}

bool SystemClipboard::hasImage() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    if (data->hasImage())
        return true;
    for (const EncodedType &type : kEncodedTypes) {
        if (data->hasFormat(QString::fromLatin1(type.mime)))
            return true;
    }
    return false;
}

} // namespace quillora
