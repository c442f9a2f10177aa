#include "ui/pictures/webcamart.h"

#include "core/pictures/importfit.h"
#include "core/pictures/webcameffects.h"
#include "ui/kit/looks.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quillora {

namespace {
constexpr int kEffectPictureInset = 6;
} // namespace

QImage webcamSampleScene(QSize size)
{
    QImage scene(size, QImage::Format_RGB32);
    scene.fill(looks::kSky);
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4C, 0xB9, 0x44));
    painter.drawRect(QRectF(0, h * 0.7, w, h * 0.3));
    painter.setBrush(looks::kSunshine);
    painter.drawEllipse(QPointF(w * 0.78, h * 0.22), w * 0.14, w * 0.14);
    painter.setBrush(QColor(0xE8, 0x3A, 0x3A));
    painter.drawRect(QRectF(w * 0.16, h * 0.45, w * 0.36, h * 0.3));
    painter.setBrush(QColor(0x8C, 0x4A, 0x1E));
    painter.drawPolygon(QPolygonF(
        {QPointF(w * 0.1, h * 0.47), QPointF(w * 0.34, h * 0.24), QPointF(w * 0.58, h * 0.47)}));
    painter.setBrush(looks::kWhite);
    painter.drawRect(QRectF(w * 0.28, h * 0.56, w * 0.12, h * 0.19));
    return scene;
}

QIcon webcamEffectPicture(const QImage &frame, int number, bool chosen)
{
    const int inner = kEffectButtonSize - 2 * kEffectPictureInset;
    const QSize square(inner, inner);
    QImage thumbnail = frame.isNull()
                           ? webcamSampleScene(square)
                           : frame.copy(cropSourceRect(frame.size(), square))
                                 .scaled(square, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    thumbnail = applyWebcamEffect(thumbnail, webcamEffectFromNumber(number));

    QPixmap picture(kEffectButtonSize, kEffectButtonSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(looks::kInk);
    painter.drawRoundedRect(picture.rect(), 14, 14);
    QRect inside(kEffectPictureInset, kEffectPictureInset, inner, inner);
    if (chosen) {
        // A sunshine ring inside an ink edge: it shows even round a yellow picture.
        painter.setBrush(looks::kSunshine);
        painter.drawRoundedRect(picture.rect().adjusted(3, 3, -3, -3), 12, 12);
        inside.adjust(5, 5, -5, -5);
    }
    QPainterPath rounded;
    rounded.addRoundedRect(inside, 10, 10);
    painter.setClipPath(rounded);
    painter.drawImage(inside, thumbnail);
    if (chosen) {
        painter.setPen(QPen(looks::kInk, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(rounded);
    }
    if (webcamEffectFromNumber(number) == WebcamEffect::Mirror) {
        // A face looks much the same mirrored, so the button also shows the swap.
        const double y = kEffectButtonSize - 20.0, mid = kEffectButtonSize / 2.0;
        painter.setClipping(false);
        painter.setPen(QPen(looks::kInk, 2));
        painter.setBrush(looks::kWhite);
        painter.drawPolygon(
            QPolygonF({QPointF(mid - 4, y - 10), QPointF(mid - 4, y + 10), QPointF(mid - 22, y)}));
        painter.drawPolygon(
            QPolygonF({QPointF(mid + 4, y - 10), QPointF(mid + 4, y + 10), QPointF(mid + 22, y)}));
    }
    return QIcon(picture);
}

QIcon webcamSunPicture(WebcamSun sun, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size * 0.24;
    const QColor dim(0x8A, 0x93, 0xA6);
    painter.setPen(QPen(sun == WebcamSun::Dim ? dim : looks::kSunshine, size / 12.0, Qt::SolidLine,
                        Qt::RoundCap));
    const double rays = sun == WebcamSun::Bright ? 0.47 : 0.38;
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * M_PI / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * (radius + size * 0.06),
                         centre + direction * (size * rays));
    }
    painter.setPen(QPen(looks::kInk, size / 20.0));
    painter.setBrush(sun == WebcamSun::Dim ? dim : looks::kSunshine);
    painter.drawEllipse(centre, radius, radius);
    if (sun == WebcamSun::Half) {
        painter.setBrush(dim);
        painter.drawPie(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                        90 * 16, 180 * 16);
    }
    return QIcon(picture);
}

QIcon webcamTakePicture(bool lit)
{
    QPixmap picture(kTakeButtonSize, kTakeButtonSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(looks::kInk, 6));
    painter.setBrush(lit ? looks::kSunshine : looks::kWhite);
    painter.drawEllipse(picture.rect().adjusted(4, 4, -4, -4));
    QIcon camera(QStringLiteral(":/art/toolbar/camera.svg"));
    const int side = kTakeButtonSize * 2 / 3;
    camera.paint(&painter,
                 QRect((kTakeButtonSize - side) / 2, (kTakeButtonSize - side) / 2, side, side));
    return QIcon(picture);
}

} // namespace quillora
