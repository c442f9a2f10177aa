#include "platform/qtcamera.h"

#include <QCamera>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>

namespace quillora {

Q_LOGGING_CATEGORY(lcCamera, "quillora.platform.camera")

QtCamera::QtCamera(QObject *parent)
    : Camera(parent), m_session(std::make_unique<QMediaCaptureSession>()),
      m_sink(std::make_unique<QVideoSink>())
{
    m_session->setVideoSink(m_sink.get());
    connect(m_sink.get(), &QVideoSink::videoFrameChanged, this, &QtCamera::onFrame);
}

QtCamera::~QtCamera()
{
    close();
}

QStringList QtCamera::deviceNames() const
{
    m_devices = QMediaDevices::videoInputs();
    QStringList names;
    for (const QCameraDevice &device : m_devices)
        names.append(device.description());
    return names;
}

bool QtCamera::open(int index, QString *error)
{
    close();
    if (m_devices.isEmpty())
        deviceNames();
    if (index < 0 || index >= m_devices.size()) {
        if (error)
            *error = QStringLiteral("there is no camera number %1").arg(index + 1);
        return false;
    }

    m_camera = std::make_unique<QCamera>(m_devices.at(index));
    m_session->setCamera(m_camera.get());

    // Wait, with the window still answering, for the first frame, a refusal or the time limit.
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    QString reason;
    connect(&limit, &QTimer::timeout, &wait, [&] {
        reason = QStringLiteral("the camera sent no picture");
        wait.quit();
    });
    connect(m_camera.get(), &QCamera::errorOccurred, &wait,
            [&](QCamera::Error, const QString &text) {
                reason = text.isEmpty() ? QStringLiteral("the camera could not be started") : text;
                wait.quit();
            });
    connect(this, &Camera::frameArrived, &wait, &QEventLoop::quit);
    m_frame = QImage();
    limit.start(m_openTimeoutMs);
    m_camera->start();
    if (m_frame.isNull() && reason.isEmpty())
        wait.exec(QEventLoop::ExcludeUserInputEvents);

    if (m_frame.isNull()) {
        qCInfo(lcCamera) << "camera" << m_devices.at(index).description() << "failed:" << reason;
        close();
        if (error)
            *error = reason.isEmpty() ? QStringLiteral("the camera sent no picture") : reason;
        return false;
    }
    connect(m_camera.get(), &QCamera::errorOccurred, this,
            [this](QCamera::Error, const QString &text) { emit failed(text); });
    return true;
}

void QtCamera::close()
{
    if (!m_camera)
        return;
    m_camera->stop();
    m_session->setCamera(nullptr);
    m_camera.reset();
}

void QtCamera::onFrame(const QVideoFrame &frame)
{
    if (!m_camera)
        return;
    const QImage image = frame.toImage();
    if (image.isNull())
        return;
    m_frame = image;
    emit frameArrived(m_frame);
}

} // namespace quillora
