#include "core/pictures/webcamcapture.h"

#include "core/files/wholefile.h"
#include "core/foundation/paths.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

#include <cmath>

namespace quillora {

namespace {

// A camera frame is a few megapixels; anything far larger is not a frame we wrote.
constexpr qint64 kMostShotPixels = 64LL * 1024 * 1024;

bool removeIfPresent(const QString &path, QString *error)
{
    if (!QFile::exists(path) || QFile::remove(path))
        return true;
    if (error)
        *error = QStringLiteral("%1 could not be deleted").arg(QDir::toNativeSeparators(path));
    return false;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

QRect frameRegion(QRect visible, QSize previewSize, QSize frameSize)
{
    if (previewSize.isEmpty() || frameSize.isEmpty() || visible.isEmpty())
        return {};
    const double sx = double(frameSize.width()) / previewSize.width();
    const double sy = double(frameSize.height()) / previewSize.height();
    const int left = int(std::lround(visible.left() * sx));
    const int top = int(std::lround(visible.top() * sy));
    const int right = int(std::lround((visible.left() + visible.width()) * sx));
    const int bottom = int(std::lround((visible.top() + visible.height()) * sy));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & QRect(QPoint(0, 0), frameSize);
}

QImage cutWebcamPicture(const QImage &frame, const WebcamShot &shot)
{
    const QRect region = frameRegion(shot.visible, shot.previewSize, frame.size());
    if (region.isEmpty())
        return {};
    return applyWebcamEffect(adjustWebcamBrightness(frame.copy(region), shot.brightness),
                             shot.effect);
}

QString WebcamCapture::shotPath() const
{
    return paths::join(m_folder, kWebcamShotName);
}

QString WebcamCapture::picturePath() const
{
    return paths::join(m_folder, kWebcamPictureName);
}

bool WebcamCapture::take(const ShotWriter &writeShot, const WebcamShot &shot, QString *error)
{
    if (!QDir().mkpath(m_folder))
        return fail(error, QStringLiteral("the folder %1 could not be made")
                               .arg(QDir::toNativeSeparators(m_folder)));
    const QString jpeg = shotPath();
    const QString bitmap = picturePath();
    if (!removeIfPresent(jpeg, error) || !removeIfPresent(bitmap, error))
        return false;

    QString reason;
    if (!writeShot || !writeShot(jpeg, kWebcamShotQuality, &reason))
        return fail(error,
                    reason.isEmpty() ? QStringLiteral("the camera gave no picture") : reason);

    QImageReader reader(jpeg);
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMostShotPixels)
        return fail(error, QStringLiteral("the camera's picture could not be read"));
    const QImage frame = reader.read();
    if (frame.isNull())
        return fail(
            error,
            QStringLiteral("the camera's picture could not be read: %1").arg(reader.errorString()));

    const QImage picture = cutWebcamPicture(frame, shot);
    if (picture.isNull())
        return fail(error, QStringLiteral("no part of the camera's picture is visible"));

    QString why;
    if (!writeImageFile(picture, "BMP", bitmap, &why, Durability::Scratch))
        return fail(error, QStringLiteral("%1 could not be written: %2")
                               .arg(QDir::toNativeSeparators(bitmap), why));
    return true;
}

QImage WebcamCapture::picture() const
{
    QImageReader reader(picturePath(), "BMP");
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMostShotPixels)
        return {};
    return reader.read();
}

} // namespace quillora
