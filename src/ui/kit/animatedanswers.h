#pragma once
// The OK ("yes") and Cancel ("no") pictures of the program's own dialogs and start screen: two
// big picture buttons that move all the time the window is shown, eight frames 100 ms apart.

#include <QIcon>
#include <QObject>
#include <QTimer>

#include <array>

class QWidget;

namespace quillora {

class PictureButton;

class AnimatedAnswers : public QObject {
    Q_OBJECT
public:
    static constexpr int kFrameCount = 8;
    static constexpr int kFrameIntervalMs = 100;

    // Creates `okBut` and `cancelBut` on `parent`; the window lays them out.
    explicit AnimatedAnswers(QWidget *parent);

    PictureButton *ok() const { return m_ok; }
    PictureButton *cancel() const { return m_cancel; }

    // From the resting pose; the window calls these when it is shown and hidden.
    void start();
    void stop();
    // The frame shown, 0..7; the timer shows the next one, after 7 comes 0.
    int frame() const { return m_frame; }
    void advanceFrame();
    const QTimer &timer() const { return m_timer; }

    // A still picture on Cancel in place of the shaking cross.
    void setCancelPicture(const QIcon &picture);

    static QIcon yesPicture(int frame);
    static QIcon noPicture(int frame);

private:
    void showFrame();

    PictureButton *m_ok = nullptr;
    PictureButton *m_cancel = nullptr;
    bool m_cancelAnimated = true;
    QTimer m_timer;
    int m_frame = 0;
    std::array<QIcon, kFrameCount> m_yesFrames;
    std::array<QIcon, kFrameCount> m_noFrames;
};

} // namespace quillora
