#pragma once
// Which fingers on a touch screen may paint. A hand resting on the board while the other draws
// must leave no mark: a contact wider than a fingertip is a palm, and several presses landing
// together close by are the fingers of a hand laid down. Both are ignored until lifted.
//
// The widths: a child's fingertip touches 7-12 mm of glass, an adult's up to 16 mm; the heel
// of a child's hand 30 mm and more. A board that reports no contact size (TUIO cursors) gives
// 0 and every contact counts as a finger.

#include <QPointF>
#include <QSet>
#include <QSizeF>
#include <QVector>

namespace quillora {

struct TouchContact {
    int id = 0;
    QPointF position; // pixels
    QSizeF diameters; // of the contact ellipse, pixels; empty when the device does not tell
};

class PalmRejection {
public:
    static constexpr double kPalmDiameterMm = 22.0;
    static constexpr int kClusterPresses = 3;
    // How close together the presses of one hand land.
    static constexpr double kClusterSpanMm = 80.0;

    // `pixelsPerMm` of the screen the contacts are measured on (a screen that tells no size:
    // 96 dots an inch).
    void setPixelsPerMm(double pixelsPerMm);

    // The contacts that went down in one touch event; marks the palms and a hand's cluster.
    void pressed(const QVector<TouchContact> &contacts);
    bool ignores(int id) const { return m_ignored.contains(id); }
    // A contact that has grown to a palm's width while down is ignored from then on.
    bool becomesPalm(const TouchContact &contact);
    void lifted(int id) { m_ignored.remove(id); }

    bool isPalm(QSizeF diameters) const;

private:
    double m_pixelsPerMm = 96.0 / 25.4;
    QSet<int> m_ignored;
};

} // namespace quillora
