#include "core/pictures/palmrejection.h"

#include <algorithm>
#include <cmath>

namespace quillora {

void PalmRejection::setPixelsPerMm(double pixelsPerMm)
{
    if (pixelsPerMm > 1.0)
        m_pixelsPerMm = pixelsPerMm;
}

bool PalmRejection::isPalm(QSizeF diameters) const
{
    const double widest = std::max(diameters.width(), diameters.height());
    return widest > kPalmDiameterMm * m_pixelsPerMm;
}

void PalmRejection::pressed(const QVector<TouchContact> &contacts)
{
    const double reach = kClusterSpanMm * m_pixelsPerMm;
    for (const TouchContact &contact : contacts) {
        const auto nearby =
            std::count_if(contacts.cbegin(), contacts.cend(), [&](const auto &other) {
                const QPointF apart = other.position - contact.position;
                return std::abs(apart.x()) <= reach && std::abs(apart.y()) <= reach;
            });
        if (isPalm(contact.diameters) || nearby >= kClusterPresses)
            m_ignored.insert(contact.id);
    }
}

bool PalmRejection::becomesPalm(const TouchContact &contact)
{
    if (m_ignored.contains(contact.id) || !isPalm(contact.diameters))
        return false;
    m_ignored.insert(contact.id);
    return true;
}

} // namespace quillora
