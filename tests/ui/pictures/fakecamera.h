#pragma once
// A camera for tests: a fixed list of devices, each sending one known frame when opened, and
// devices that refuse to open.

#include "platform/camera.h"

#include <QSet>

namespace quillora::test {

class FakeCamera : public Camera {
public:
    explicit FakeCamera(QStringList names = {QStringLiteral("Desk camera")}, QImage frame = {},
                        QObject *parent = nullptr)
        : Camera(parent), m_names(std::move(names)), m_frameToSend(std::move(frame))
    {
        if (m_frameToSend.isNull()) {
            m_frameToSend = QImage(640, 480, QImage::Format_RGB32);
            m_frameToSend.fill(Qt::red);
        }
    }

    QStringList deviceNames() const override { return m_names; }
    bool open(int index, QString *error) override
    {
        close();
        openedIndexes.append(index);
        if (index < 0 || index >= m_names.size() || refusing.contains(index)) {
            if (error)
                *error = QStringLiteral("refused");
            return false;
        }
        m_open = true;
        m_frame = m_frameToSend;
        emit frameArrived(m_frame);
        return true;
    }
    void close() override
    {
        m_open = false;
        m_frame = QImage();
    }
    bool isOpen() const override { return m_open; }
    QImage latestFrame() const override { return m_frame; }

    // Sends another frame while open, as a running camera does.
    void send(const QImage &frame)
    {
        m_frame = frame;
        emit frameArrived(m_frame);
    }

    QSet<int> refusing;
    QList<int> openedIndexes;

private:
    QStringList m_names;
    QImage m_frameToSend;
    QImage m_frame;
    bool m_open = false;
};

} // namespace quillora::test
