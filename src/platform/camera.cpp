#include "platform/camera.h"

#include <QDir>
#include <QSaveFile>

namespace quillora {

bool Camera::saveFrame(const QString &path, int quality, QString *error) const
{
    const QImage frame = latestFrame();
    if (frame.isNull()) {
        if (error)
            *error = QStringLiteral("the camera has not sent a picture yet");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !frame.save(&file, "JPEG", quality) || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace quillora
