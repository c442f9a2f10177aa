#pragma once
// A video camera behind a small interface: the devices there are, opening one, its frames as
// they arrive and saving the frame now shown. The webcam window works through it, so tests
// drive it with a camera that delivers known pictures.

#include <QImage>
#include <QObject>
#include <QStringList>

namespace quillora {

class Camera : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The names of the video inputs now attached, in a stable order.
    virtual QStringList deviceNames() const = 0;
    // Opens device `index` (of deviceNames()) and starts its frames; an open device is closed
    // first. Returns once the first frame has arrived, or false with the reason when the device
    // is missing, refuses, or sends nothing in time. Never waits without bound.
    [[nodiscard]] virtual bool open(int index, QString *error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The frame last received (null before the first one).
    virtual QImage latestFrame() const = 0;

    QSize frameSize() const { return latestFrame().size(); }
    // Writes the latest frame as a JPEG file; false with the reason when there is no frame or
    // the file cannot be written. A failed write leaves no partial file behind.
    [[nodiscard]] bool saveFrame(const QString &path, int quality, QString *error) const;

signals:
    void frameArrived(const QImage &frame);
    // An open device stopped working (unplugged, taken by another program).
    void failed(const QString &reason);
};

} // namespace quillora
