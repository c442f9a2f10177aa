#pragma once
// Taking the webcam picture: the camera's frame is written as "web.jpg" in the staging folder,
// read back, cut to the part of the preview the bars leave free, given the chosen effect and
// written as "web.bmp" beside it, which the page then takes into the picture box.

#include "core/pictures/webcameffects.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

namespace quillora {

inline const QString kWebcamShotName = QStringLiteral("web.jpg");
inline const QString kWebcamPictureName = QStringLiteral("web.bmp");
constexpr int kWebcamShotQuality = 100;

// The part of a frame under `visible`, a rectangle of a preview of `previewSize` showing the
// whole frame stretched: preview units become frame pixels by the ratio of the two sizes. The
// result always lies inside the frame; empty when nothing of the frame is visible.
QRect frameRegion(QRect visible, QSize previewSize, QSize frameSize);

// Writes the camera's current frame as a JPEG file at `path` with `quality`.
using ShotWriter = std::function<bool(const QString &path, int quality, QString *error)>;

struct WebcamShot {
    QRect visible; // preview units: between the bars, or the whole preview
    QSize previewSize;
    WebcamEffect effect = WebcamEffect::None;
    int brightness = 0; // steps lighter (> 0) or darker (< 0)
};

class WebcamCapture {
public:
    explicit WebcamCapture(QString folder) : m_folder(std::move(folder)) {}

    QString shotPath() const;    // "web.jpg"
    QString picturePath() const; // "web.bmp"

    // The whole taking: the old shot and picture are deleted first, so a failure at any step
    // leaves no picture behind that could be taken for this one. False with the reason when
    // the camera gave no frame, a file could not be written or read, or nothing was visible.
    [[nodiscard]] bool take(const ShotWriter &writeShot, const WebcamShot &shot, QString *error);

    // The picture the last take() left; null when there is none or it cannot be read.
    QImage picture() const;

private:
    QString m_folder;
};

// The visible part of `frame`, stretched to the same proportions (its own pixels), made lighter
// or darker and with the effect applied. Null when nothing is visible.
QImage cutWebcamPicture(const QImage &frame, const WebcamShot &shot);

} // namespace quillora
