#include "platform/camera.h"

#include "core/files/wholefile.h"

#include <QBuffer>
#include <QDir>

namespace quillora {

bool Camera::saveFrame(const QString &path, int quality, QString *error) const
{
    const QImage frame = latestFrame();
    if (frame.isNull()) {
        if (error)
            *error = QStringLiteral("the camera has not sent a picture yet");
        return false;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QString why = QStringLiteral("the picture could not be encoded");
    if (!buffer.open(QIODevice::WriteOnly) || !frame.save(&buffer, "JPEG", quality) ||
        !writeWholeFile(path, jpeg, &why, Durability::Scratch)) {
        if (error)
            *error = QStringLiteral("%1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    return true;
}

} // namespace quillora
