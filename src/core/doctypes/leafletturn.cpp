#include "core/doctypes/leafletturn.h"

#include <QPainter>

#include <cmath>

namespace quillora {

namespace {

constexpr int kFlat = 0;
constexpr int kUpright = 90;
constexpr int kTurnedOver = 180;
constexpr double kPi = 3.141592654;
// How far the far edge of a turning page dips, as a share of the page's width.
constexpr double kDip = 0.2;

bool runsForward(LeafletMotion motion)
{
    return motion == LeafletMotion::TurnForward || motion == LeafletMotion::CloseFlap;
}

bool isFlap(LeafletMotion motion)
{
    return motion == LeafletMotion::OpenFlap || motion == LeafletMotion::CloseFlap;
}

} // namespace

QTransform TurningPage::transform(QSize pictureSize) const
{
    if (pictureSize.isEmpty())
        return {};
    const QPointF upperLeft = corners[0];
    const QPointF across = QPointF(corners[1] - corners[0]) / pictureSize.width();
    const QPointF down = QPointF(corners[2] - corners[0]) / pictureSize.height();
    return QTransform(across.x(), across.y(), down.x(), down.y(), upperLeft.x(), upperLeft.y());
}

std::array<QPoint, 3> turnedPageCorners(QPoint hinge, QSize page, int angleDegrees, bool backSide)
{
    const double radians = angleDegrees / 180.0 * kPi;
    const QPoint farEdge(hinge.x() + int(std::lround(page.width() * std::cos(radians))),
                         hinge.y() + int(std::lround(kDip * page.width() * std::sin(radians))));
    if (backSide)
        return {farEdge, hinge, farEdge + QPoint(0, page.height())};
    return {hinge, farEdge, hinge + QPoint(0, page.height())};
}

LeafletViewer::LeafletViewer(LeafletStyle style, LeafletScreenGeometry geometry, int turnStep)
    : m_style(style), m_geometry(geometry), m_step(leafletTurnStep(turnStep))
{
}

bool LeafletViewer::show(LeafletView view)
{
    if (animating())
        return false;
    if (view == LeafletView::FlapOpen && !leafletStyleInfo(m_style).hasFlap)
        return false;
    m_view = view;
    return true;
}

std::optional<LeafletView> LeafletViewer::targetOf(LeafletMotion motion) const
{
    const LeafletViewLayout layout = leafletViewLayout(m_style, m_view);
    switch (motion) {
    case LeafletMotion::TurnForward:
        if (layout.next)
            return m_view == LeafletView::Front ? LeafletView::Inside : LeafletView::Back;
        break;
    case LeafletMotion::TurnBack:
        if (layout.previous)
            return m_view == LeafletView::Back ? LeafletView::Inside : LeafletView::Front;
        break;
    case LeafletMotion::OpenFlap:
        if (layout.openFlap)
            return LeafletView::FlapOpen;
        break;
    case LeafletMotion::CloseFlap:
        if (layout.closeFlap)
            return LeafletView::Inside;
        break;
    }
    return std::nullopt;
}

bool LeafletViewer::start(LeafletMotion motion)
{
    if (animating() || !targetOf(motion))
        return false;
    m_from = m_view;
    m_motion = motion;
    m_angle = runsForward(motion) ? kFlat : kTurnedOver;
    return true;
}

bool LeafletViewer::tick()
{
    if (!m_motion)
        return false;
    const LeafletMotion motion = *m_motion;
    bool ended = false;
    if (runsForward(motion)) {
        m_angle = std::min(m_angle + m_step, kTurnedOver);
        ended = m_angle >= kTurnedOver;
    } else {
        m_angle = std::max(m_angle - m_step, kFlat);
        // The flap settles once it is less than a degree from flat.
        ended = motion == LeafletMotion::OpenFlap ? m_angle < 1 : m_angle <= kFlat;
    }
    if (!ended)
        return true;
    m_view = *targetOf(motion);
    m_motion.reset();
    return false;
}

LeafletFrame LeafletViewer::frame() const
{
    LeafletFrame frame;
    if (!m_motion)
        return frame;
    const LeafletMotion motion = *m_motion;
    TurningPage &turning = frame.turning;
    QPoint hinge = m_geometry.pageHinge();
    if (isFlap(motion)) {
        hinge = m_geometry.flapHinge();
        frame.restingPageOnPanel = {1, 4, -1};
        turning.backSide = m_angle >= kUpright;
        turning.page = turning.backSide ? 2 : 5;
    } else {
        // The sheet of pages 0 and 1 turns between the front and the inside, the sheet of
        // pages 2 and 3 between the inside and the back.
        const bool coverSheet =
            (motion == LeafletMotion::TurnForward && m_from == LeafletView::Front) ||
            (motion == LeafletMotion::TurnBack && m_from == LeafletView::Inside);
        const int frontPage = coverSheet ? 0 : 2;
        frame.restingPageOnPanel = coverSheet ? std::array{-1, 2, -1} : std::array{1, -1, -1};
        const bool frontUpToUpright =
            motion == LeafletMotion::TurnBack && m_from == LeafletView::Back;
        turning.backSide = frontUpToUpright ? m_angle > kUpright : m_angle >= kUpright;
        turning.page = frontPage + (turning.backSide ? 1 : 0);
    }
    turning.corners = turnedPageCorners(hinge, m_geometry.panelSize, m_angle, turning.backSide);
    return frame;
}

void drawLeafletFrame(QPainter &painter, const LeafletFrame &frame,
                      const LeafletScreenGeometry &geometry, const QVector<QImage> &pages,
                      const QColor &background)
{
    painter.fillRect(QRect(QPoint(), geometry.holder.size()), background);
    const auto picture = [&pages](int page) {
        return page >= 0 && page < pages.size() ? pages[page] : QImage();
    };
    for (int panel = 0; panel < int(frame.restingPageOnPanel.size()); ++panel) {
        const QImage image = picture(frame.restingPageOnPanel[panel]);
        if (!image.isNull())
            painter.drawImage(geometry.panel(panel), image);
    }
    const QImage turning = picture(frame.turning.page);
    if (turning.isNull())
        return;
    painter.save();
    painter.setTransform(frame.turning.transform(turning.size()), true);
    painter.drawImage(QPoint(), turning);
    painter.restore();
}

QImage renderLeafletFrame(const LeafletFrame &frame, const LeafletScreenGeometry &geometry,
                          const QVector<QImage> &pages, const QColor &background)
{
    QImage image(geometry.holder.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&image);
    drawLeafletFrame(painter, frame, geometry, pages, background);
    return image;
}

} // namespace quillora
