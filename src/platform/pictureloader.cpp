#include "platform/pictureloader.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

// The smallest size of `full` that still covers `enough` in either orientation (a photo may be
// turned by its camera tag after decoding), or `full` itself when that is no smaller.
QSize coveringSize(QSize full, QSize enough)
{
    const double scale =
        std::max({double(enough.width()) / full.width(), double(enough.height()) / full.height(),
                  double(enough.width()) / full.height(), double(enough.height()) / full.width()});
    if (scale >= 1.0)
        return full;
    return QSize(std::max(1, int(std::ceil(full.width() * scale))),
                 std::max(1, int(std::ceil(full.height() * scale))));
}

} // namespace

bool FilePictureLoader::load(const QString &path, QSize enough, QImage *out, QString *error)
{
    if (enough.isEmpty() || isMetafileName(path))
        return loadPictureFile(path, out, error, m_limits);

    // JPEG decoders can skip detail they are not asked for, many times faster than decoding a
    // camera photo whole and scaling it down afterwards. Other types are read whole.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > m_limits.maxFileBytes)
        return loadPictureFile(path, out, error, m_limits);
    QImageReader reader(&file);
    const QSize full = reader.size();
    if (reader.format() != "jpeg" || !full.isValid() || full.isEmpty() ||
        qint64(full.width()) * full.height() > m_limits.maxPixels)
        return loadPictureFile(path, out, error, m_limits);
    const QSize wanted = coveringSize(full, enough);
    if (wanted == full)
        return loadPictureFile(path, out, error, m_limits);

    reader.setAutoTransform(true);
    reader.setScaledSize(wanted);
    QImageReader::setAllocationLimit(int(m_limits.maxPixels * 4 / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (error)
            *error = QStringLiteral("this picture is damaged: %1").arg(reader.errorString());
        return false;
    }
    *out = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace quillora
