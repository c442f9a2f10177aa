#include "core/printing/printbuttonhiding.h"

#include <algorithm>

namespace quillora {

void PrintButtonHiding::applySetting(int hidePrinterTime)
{
    m_setting = hidePrinterTime;
    m_tag = hidePrinterTime;
    m_ticking = false;
    m_visible = hidePrinterTime != kNeverShown;
}

void PrintButtonHiding::afterPrint()
{
    m_tag = m_setting;
    if (m_setting > 0) {
        m_visible = false;
        m_ticking = true;
    }
}

void PrintButtonHiding::resumeHidden(int minutesLeft)
{
    if (m_setting <= 0 || minutesLeft <= 0)
        return;
    m_tag = std::min(minutesLeft, m_setting);
    m_visible = false;
    m_ticking = true;
}

void PrintButtonHiding::tick()
{
    if (!m_ticking)
        return;
    if (m_tag <= 1) {
        m_visible = true;
        m_ticking = false;
        return;
    }
    --m_tag;
}

} // namespace quillora
