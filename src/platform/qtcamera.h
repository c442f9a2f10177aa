#pragma once
// The system's video inputs through Qt Multimedia (on Linux the GStreamer backend, whose
// "good" plugins drive V4L2 cameras).

#include "platform/camera.h"

#include <QCameraDevice>
#include <QList>

#include <memory>

class QCamera;
class QMediaCaptureSession;
class QVideoFrame;
class QVideoSink;

namespace quillora {

class QtCamera final : public Camera {
    Q_OBJECT
public:
    // How long open() waits for the first frame before it gives up.
    static constexpr int kDefaultOpenTimeoutMs = 6000;

    explicit QtCamera(QObject *parent = nullptr);
    ~QtCamera() override;

    void setOpenTimeout(int milliseconds) { m_openTimeoutMs = milliseconds; }

    QStringList deviceNames() const override;
    [[nodiscard]] bool open(int index, QString *error) override;
    void close() override;
    bool isOpen() const override { return m_camera != nullptr; }
    QImage latestFrame() const override { return m_frame; }

private:
    void onFrame(const QVideoFrame &frame);

    mutable QList<QCameraDevice> m_devices; // as last listed, so an index stays meaningful
    std::unique_ptr<QMediaCaptureSession> m_session;
    std::unique_ptr<QVideoSink> m_sink;
    std::unique_ptr<QCamera> m_camera;
    QImage m_frame;
    int m_openTimeoutMs = kDefaultOpenTimeoutMs;
};

} // namespace quillora
