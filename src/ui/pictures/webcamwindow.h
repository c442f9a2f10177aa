#pragma once
// The webcam window (`webCamForm`): a live preview of the chosen camera with bars that show the
// shape of the picture box it will fill, effect buttons that change the look live, a big
// blinking camera button that takes the picture and a close button. It ends Taken ("web.bmp"
// written), Closed or Failed (no camera that works).

#include "core/pictures/importfit.h"
#include "core/pictures/webcameffects.h"
#include "ui/kit/ownwindow.h"

#include <QImage>
#include <QTimer>

#include <array>
#include <functional>

class QComboBox;
class QLabel;

namespace quillora {

class AppContext;
class Camera;
class PictureButton;

class WebcamWindow : public OwnWindow {
    Q_OBJECT
public:
    enum class Outcome { Open, Taken, Closed, Failed };

    static constexpr int kBlinkFrames = 8;
    static constexpr int kBlinkIntervalMs = 150;
    static constexpr int kPreviewIntervalMs = 66;
    // The preview keeps the frame's proportions inside this box.
    static constexpr int kPreviewMaxWidth = 640;
    static constexpr int kPreviewMaxHeight = 480;

    // `camera` must outlive the window; `folder` is where "web.jpg" and "web.bmp" go.
    WebcamWindow(AppContext &context, Camera &camera, QString folder, QWidget *parent = nullptr);
    ~WebcamWindow() override;

    // How a sorry message reaches the child (tests listen instead); the program's own message
    // window by default.
    void setMessenger(std::function<void(const QString &english)> tell);

    // Load: captions, the camera list, selectWebCam, Timer1. False, Failed with a message told,
    // when there is no camera or the chosen one does not start.
    bool load();
    // The remembered camera when it is attached, otherwise the first; opens it.
    bool selectWebCam();
    // Opens camera `index` of the list and remembers its name; false (Failed, message) when it
    // does not start.
    bool chooseCamera(int index);
    // Places the four bars for a picture of `target` proportions over the preview.
    void placeBars(QSize target);
    // `WCfxBut(i)`: the effect shown and taken from now on.
    void chooseEffect(int number);
    // `showSettingsBut` / `hideSettingsBut`: the teacher's lighter and darker buttons.
    void showSettings();
    void hideSettings();
    bool settingsShown() const;
    Outcome outcome() const { return m_outcome; }
    // One step lighter (+1) or darker (-1), within kWebcamBrightnessSteps either way.
    void changeBrightness(int steps);
    int brightness() const { return m_brightness; }
    // `ok_but`: takes the picture; on success the window closes, Taken.
    void takePicture();
    // `unloadFormBut`: the answer is "No" and the window closes.
    void closeWithoutPicture();

    int effectNumber() const { return m_effect; }
    int blinkCounter() const { return m_blink; } // `Timer1`'s counter, 0..7
    void blinkTick();
    // `prevTimer`: draws the latest frame, with the effect, into the preview and the buttons.
    void refreshPreview();

    QRect previewRect() const; // `vcx` in its own coordinates
    const PreviewBars &bars() const { return m_bars; }
    const QImage &shownPreview() const { return m_shown; }
    QComboBox *cameraList() const { return m_cameraList; }
    PictureButton *takeButton() const { return m_take; }
    PictureButton *closeButton() const { return m_close; }
    PictureButton *effectButton(int number) const;
    PictureButton *showSettingsButton() const { return m_showSettings; }
    PictureButton *hideSettingsButton() const { return m_hideSettings; }
    PictureButton *lighterButton() const { return m_lighter; }
    PictureButton *darkerButton() const { return m_darker; }
    QWidget *bar(int side) const { return m_barWidgets.at(std::size_t(side)); }
    const QTimer &blinkTimer() const { return m_blinkTimer; }
    const QTimer &previewTimer() const { return m_previewTimer; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void reject() override;

private:
    QWidget *buildEffectRow();
    QWidget *buildSettings();
    void fail(const QString &english);
    void finish(Outcome outcome, DialogCode code);
    void onFrame(const QImage &frame);
    void onCameraFailed();
    void fitPreviewToFrame(QSize frame);
    void showBars();
    void showBlink();

    AppContext &m_context;
    Camera &m_camera;
    QString m_folder;
    std::function<void(const QString &)> m_tell;
    Outcome m_outcome = Outcome::Open;
    QComboBox *m_cameraList = nullptr;
    QLabel *m_preview = nullptr;
    std::array<QWidget *, 4> m_barWidgets{}; // top, bottom, left, right
    std::array<PictureButton *, kWebcamEffectCount> m_effectButtons{};
    PictureButton *m_take = nullptr;
    PictureButton *m_close = nullptr;
    PictureButton *m_showSettings = nullptr;
    PictureButton *m_hideSettings = nullptr;
    PictureButton *m_lighter = nullptr;
    PictureButton *m_darker = nullptr;
    QWidget *m_settingsPanel = nullptr;
    QTimer m_blinkTimer;
    QTimer m_previewTimer;
    QSize m_target;
    PreviewBars m_bars;
    QImage m_frame;
    QImage m_shown;
    bool m_frameIsNew = false;
    int m_effect = 0;
    int m_brightness = 0;
    int m_blink = 0;
};

// What the window and its controller tell the child when a shot could not be taken or kept.
QString pictureNotTakenMessage();

} // namespace quillora
