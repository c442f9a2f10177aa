#include "core/doctypes/postcardflip.h"

#include "core/doctypes/leaflet.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace quillora {

namespace {

constexpr double kHalfTurn = 180.0;
constexpr double kFlipShareOfTurnStep = 1.0 / 3.0;
// Steps that are not whole numbers gather rounding; an angle this near its end has reached it.
constexpr double kAngleSlack = 1e-6;
const QColor kFlipShadowColour(0x1B, 0x2A, 0x4A, 90);

double flipStep(int turnStep)
{
    return leafletTurnStep(turnStep) * kFlipShareOfTurnStep;
}

} // namespace

bool PostcardFlip::start(PostcardSide resting, int turnStep)
{
    if (m_running)
        return false;
    const bool fromPicture = resting == PostcardSide::Picture;
    m_angle = fromPicture ? 0.0 : kHalfTurn;
    m_step = fromPicture ? flipStep(turnStep) : -flipStep(turnStep);
    m_running = true;
    return true;
}

bool PostcardFlip::tick()
{
    if (!m_running)
        return false;
    m_angle += m_step;
    if (m_angle >= kHalfTurn - kAngleSlack || m_angle <= kAngleSlack) {
        m_angle = m_angle > kHalfTurn / 2 ? kHalfTurn : 0.0;
        m_running = false;
        return true;
    }
    return false;
}

PostcardSide PostcardFlip::facing() const
{
    return m_angle < kHalfTurn / 2 ? PostcardSide::Picture : PostcardSide::Writing;
}

int flipFrameCount(int turnStep)
{
    return int(std::ceil(kHalfTurn / flipStep(turnStep) - kAngleSlack));
}

void drawFlipFrame(QImage &frame, const QImage &pictureSide, const QImage &writingSide,
                   double angle)
{
    frame.fill(Qt::transparent);
    const QImage &side = angle < kHalfTurn / 2 ? pictureSide : writingSide;
    const QSize card = side.size();
    const double squeeze = std::abs(std::cos(angle * std::numbers::pi / kHalfTurn));
    const int width = std::max(1, int(std::lround(card.width() * squeeze)));
    const QRect face((card.width() - width) / 2, 0, width, card.height());

    QPainter painter(&frame);
    painter.fillRect(face.translated(kFlipShadowOffsetPx, kFlipShadowOffsetPx), kFlipShadowColour);
    painter.fillRect(face, Qt::white);
    painter.drawImage(face, side);
}

} // namespace quillora
